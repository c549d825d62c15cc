#pragma once

namespace platform {

// One entry of the window's event queue.
struct Event {
    enum class Type {
        None,
        Suspend,       // the window lost focus (or was minimised)
        Resume,        // the window got focus back
        Terminate,     // the system asks the program to end
        KeyDown,       // code = virtual key (platform/Keys.h); repeats are not sent; modifiers
                       // come as their left / right codes (LSHIFT ... RALT, LSYS, RSYS)
        KeyUp,         // code = virtual key
        KeyChar,       // code = typed character (Unicode code point)
        MouseDown,     // code = button 1-3 (left, right, middle)
        MouseUp,       // code = button 1-3
        MouseMove,     // x, y in real window pixels
        MouseWheel,    // code = wheel delta (positive away from the user)
        WindowClose,   // the close button of the window (and SIGINT / SIGTERM)
        WindowMoved,   // x, y = new window position
        WindowResized  // x, y = new drawable size in real pixels
    };
    Type type = Type::None;
    int code = 0;
    int x = 0;
    int y = 0;
};

// The event queue of the open window.
class Input {
public:
    // Takes the next queued event; false when the queue is empty.
    static bool Poll(Event& event);
    // Drops every queued event, SDL's and those still waiting from typed text.
    static void Flush();
    // Puts a mouse or key event on the window system's own queue, as if the player had
    // acted (scripted players and checks); false for an event it cannot express.
    static bool Push(const Event& event);
    // Pointer position in real window pixels.
    static void PointerPosition(int& x, int& y);
};

}  // namespace platform
