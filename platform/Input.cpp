#include <SDL.h>

#include <deque>
#include <utility>

#include "platform/Event.h"
#include "platform/Keys.h"

namespace platform {

namespace {

// Typed text arrives from SDL as a UTF-8 string; its code points wait here one event each.
std::deque<Event> pending;

// SDL keycodes of the keys outside the letter, digit, F-key and keypad-digit runs.
constexpr std::pair<SDL_Keycode, int> KEY_TABLE[] = {
    {SDLK_BACKSPACE, keys::BACKSPACE},
    {SDLK_TAB, keys::TAB},
    {SDLK_RETURN, keys::ENTER},
    {SDLK_KP_ENTER, keys::ENTER},
    {SDLK_PAUSE, keys::PAUSE},
    {SDLK_CAPSLOCK, keys::CAPSLOCK},
    {SDLK_ESCAPE, keys::ESCAPE},
    {SDLK_SPACE, keys::SPACE},
    {SDLK_PAGEUP, keys::PAGEUP},
    {SDLK_PAGEDOWN, keys::PAGEDOWN},
    {SDLK_END, keys::END},
    {SDLK_HOME, keys::HOME},
    {SDLK_LEFT, keys::LEFT},
    {SDLK_UP, keys::UP},
    {SDLK_RIGHT, keys::RIGHT},
    {SDLK_DOWN, keys::DOWN},
    {SDLK_INSERT, keys::INSERT},
    {SDLK_DELETE, keys::DELETE},
    {SDLK_LGUI, keys::LSYS},
    {SDLK_RGUI, keys::RSYS},
    {SDLK_KP_0, keys::NUM0},
    {SDLK_KP_MULTIPLY, keys::NUMMULTIPLY},
    {SDLK_KP_PLUS, keys::NUMADD},
    {SDLK_KP_MINUS, keys::NUMSUBTRACT},
    {SDLK_KP_PERIOD, keys::NUMDECIMAL},
    {SDLK_KP_DIVIDE, keys::NUMDIVIDE},
    {SDLK_LSHIFT, keys::LSHIFT},
    {SDLK_RSHIFT, keys::RSHIFT},
    {SDLK_LCTRL, keys::LCONTROL},
    {SDLK_RCTRL, keys::RCONTROL},
    {SDLK_LALT, keys::LALT},
    {SDLK_RALT, keys::RALT},
    {SDLK_SEMICOLON, keys::SEMICOLON},
    {SDLK_EQUALS, keys::EQUALS},
    {SDLK_COMMA, keys::COMMA},
    {SDLK_MINUS, keys::MINUS},
    {SDLK_PERIOD, keys::PERIOD},
    {SDLK_SLASH, keys::SLASH},
    {SDLK_BACKQUOTE, keys::TILDE},
    {SDLK_LEFTBRACKET, keys::OPENBRACKET},
    {SDLK_BACKSLASH, keys::BACKSLASH},
    {SDLK_RIGHTBRACKET, keys::CLOSEBRACKET},
    {SDLK_QUOTE, keys::QUOTES},
};

// SDL keycode -> virtual key; 0 for keys the game does not know.
int VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return keys::KEY_A + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return keys::KEY_0 + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return keys::F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return keys::NUM0 + 1 + (key - SDLK_KP_1);
    for (const auto& [sdl, code] : KEY_TABLE) {
        if (sdl == key) return code;
    }
    return 0;
}

// SDL numbers the middle button 2 and the right 3; the game counts left 1, right 2, middle 3.
int GameButton(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

// Queues one KeyChar per code point of UTF-8 text; malformed bytes are skipped.
void QueueText(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        char32_t c = *p;
        int extra = c < 0x80           ? 0
                    : (c >> 5) == 0x6  ? 1
                    : (c >> 4) == 0xe  ? 2
                    : (c >> 3) == 0x1e ? 3
                                       : -1;
        ++p;
        if (extra < 0) continue;
        if (extra > 0) c &= 0x3f >> extra;
        bool whole = true;
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xc0) != 0x80) {
                whole = false;
                break;
            }
            c = (c << 6) | (*p & 0x3f);
        }
        if (whole) pending.push_back({Event::Type::KeyChar, static_cast<int>(c), 0, 0});
    }
}

// The game's event for one SDL event; false when the game has no use for it.
bool Translate(const SDL_Event& sdl, Event& event) {
    event = Event{};
    switch (sdl.type) {
        case SDL_QUIT:  // also how SIGINT and SIGTERM arrive
            event.type = Event::Type::WindowClose;
            return true;
        case SDL_APP_TERMINATING:
            event.type = Event::Type::Terminate;
            return true;
        case SDL_APP_WILLENTERBACKGROUND:
            event.type = Event::Type::Suspend;
            return true;
        case SDL_APP_DIDENTERFOREGROUND:
            event.type = Event::Type::Resume;
            return true;
        case SDL_WINDOWEVENT:
            switch (sdl.window.event) {
                case SDL_WINDOWEVENT_FOCUS_LOST:
                case SDL_WINDOWEVENT_MINIMIZED:
                    event.type = Event::Type::Suspend;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                case SDL_WINDOWEVENT_RESTORED:
                    event.type = Event::Type::Resume;
                    return true;
                case SDL_WINDOWEVENT_CLOSE:
                    event.type = Event::Type::WindowClose;
                    return true;
                case SDL_WINDOWEVENT_MOVED:
                    event = {Event::Type::WindowMoved, 0, sdl.window.data1, sdl.window.data2};
                    return true;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    event = {Event::Type::WindowResized, 0, sdl.window.data1, sdl.window.data2};
                    return true;
                default:
                    return false;
            }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            if (sdl.key.repeat) return false;
            int code = VirtualKey(sdl.key.keysym.sym);
            if (code == 0) return false;
            event.type = sdl.type == SDL_KEYDOWN ? Event::Type::KeyDown : Event::Type::KeyUp;
            event.code = code;
            return true;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            int button = GameButton(sdl.button.button);
            if (button == 0) return false;
            event = {
                sdl.type == SDL_MOUSEBUTTONDOWN ? Event::Type::MouseDown : Event::Type::MouseUp,
                button, sdl.button.x, sdl.button.y};
            return true;
        }
        case SDL_MOUSEMOTION:
            event = {Event::Type::MouseMove, 0, sdl.motion.x, sdl.motion.y};
            return true;
        case SDL_MOUSEWHEEL: {
            int delta = sdl.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -sdl.wheel.y : sdl.wheel.y;
            if (delta == 0) return false;
            event = {Event::Type::MouseWheel, delta, 0, 0};
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

bool Input::Poll(Event& event) {
    for (;;) {
        if (!pending.empty()) {
            event = pending.front();
            pending.pop_front();
            return true;
        }
        if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
        SDL_Event sdl;
        if (!SDL_PollEvent(&sdl)) return false;
        if (sdl.type == SDL_TEXTINPUT) {
            QueueText(sdl.text.text);
        } else if (Translate(sdl, event)) {
            return true;
        }
    }
}

void Input::Flush() {
    pending.clear();
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
}

namespace {
// Virtual key -> SDL keycode; 0 for none.
SDL_Keycode SdlKey(int code) {
    if (code >= keys::KEY_A && code < keys::KEY_A + 26) return SDLK_a + (code - keys::KEY_A);
    if (code >= keys::KEY_0 && code < keys::KEY_0 + 10) return SDLK_0 + (code - keys::KEY_0);
    for (const auto& [sdl, key] : KEY_TABLE)
        if (key == code) return sdl;
    return 0;
}
Uint8 SdlButton(int button) {
    return button == 2 ? SDL_BUTTON_RIGHT : button == 3 ? SDL_BUTTON_MIDDLE : SDL_BUTTON_LEFT;
}
}  // namespace

bool Input::Push(const Event& event) {
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
    SDL_Event sdl{};
    Uint32 window = 0;
    if (SDL_Window* focus = SDL_GetMouseFocus()) window = SDL_GetWindowID(focus);
    switch (event.type) {
        case Event::Type::MouseMove:
            sdl.type = SDL_MOUSEMOTION;
            sdl.motion.windowID = window;
            sdl.motion.x = event.x;
            sdl.motion.y = event.y;
            break;
        case Event::Type::MouseDown:
        case Event::Type::MouseUp:
            sdl.type =
                event.type == Event::Type::MouseDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            sdl.button.windowID = window;
            sdl.button.button = SdlButton(event.code);
            sdl.button.state = event.type == Event::Type::MouseDown ? SDL_PRESSED : SDL_RELEASED;
            sdl.button.clicks = 1;
            sdl.button.x = event.x;
            sdl.button.y = event.y;
            break;
        case Event::Type::KeyDown:
        case Event::Type::KeyUp: {
            SDL_Keycode key = SdlKey(event.code);
            if (key == 0) return false;
            sdl.type = event.type == Event::Type::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
            sdl.key.state = event.type == Event::Type::KeyDown ? SDL_PRESSED : SDL_RELEASED;
            sdl.key.keysym.sym = key;
            sdl.key.keysym.scancode = SDL_GetScancodeFromKey(key);
            break;
        }
        default:
            return false;
    }
    return SDL_PushEvent(&sdl) == 1;
}

void Input::PointerPosition(int& x, int& y) {
    x = y = 0;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_GetMouseState(&x, &y);
}

}  // namespace platform
