#include <SDL.h>

#include <deque>

#include "platform/Event.h"
#include "platform/Keys.h"

namespace platform {

namespace {

// Typed text arrives from SDL as a UTF-8 string; its code points wait here one event each.
std::deque<Event> pending;

// SDL keycode -> virtual key; 0 for keys the game does not know.
int VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return keys::KEY_A + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return keys::KEY_0 + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return keys::F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return keys::NUM0 + 1 + (key - SDLK_KP_1);
    switch (key) {
        case SDLK_BACKSPACE:
            return keys::BACKSPACE;
        case SDLK_TAB:
            return keys::TAB;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return keys::ENTER;
        case SDLK_PAUSE:
            return keys::PAUSE;
        case SDLK_CAPSLOCK:
            return keys::CAPSLOCK;
        case SDLK_ESCAPE:
            return keys::ESCAPE;
        case SDLK_SPACE:
            return keys::SPACE;
        case SDLK_PAGEUP:
            return keys::PAGEUP;
        case SDLK_PAGEDOWN:
            return keys::PAGEDOWN;
        case SDLK_END:
            return keys::END;
        case SDLK_HOME:
            return keys::HOME;
        case SDLK_LEFT:
            return keys::LEFT;
        case SDLK_UP:
            return keys::UP;
        case SDLK_RIGHT:
            return keys::RIGHT;
        case SDLK_DOWN:
            return keys::DOWN;
        case SDLK_INSERT:
            return keys::INSERT;
        case SDLK_DELETE:
            return keys::DELETE;
        case SDLK_LGUI:
            return keys::LSYS;
        case SDLK_RGUI:
            return keys::RSYS;
        case SDLK_KP_0:
            return keys::NUM0;
        case SDLK_KP_MULTIPLY:
            return keys::NUMMULTIPLY;
        case SDLK_KP_PLUS:
            return keys::NUMADD;
        case SDLK_KP_MINUS:
            return keys::NUMSUBTRACT;
        case SDLK_KP_PERIOD:
            return keys::NUMDECIMAL;
        case SDLK_KP_DIVIDE:
            return keys::NUMDIVIDE;
        case SDLK_LSHIFT:
            return keys::LSHIFT;
        case SDLK_RSHIFT:
            return keys::RSHIFT;
        case SDLK_LCTRL:
            return keys::LCONTROL;
        case SDLK_RCTRL:
            return keys::RCONTROL;
        case SDLK_LALT:
            return keys::LALT;
        case SDLK_RALT:
            return keys::RALT;
        case SDLK_SEMICOLON:
            return keys::SEMICOLON;
        case SDLK_EQUALS:
            return keys::EQUALS;
        case SDLK_COMMA:
            return keys::COMMA;
        case SDLK_MINUS:
            return keys::MINUS;
        case SDLK_PERIOD:
            return keys::PERIOD;
        case SDLK_SLASH:
            return keys::SLASH;
        case SDLK_BACKQUOTE:
            return keys::TILDE;
        case SDLK_LEFTBRACKET:
            return keys::OPENBRACKET;
        case SDLK_BACKSLASH:
            return keys::BACKSLASH;
        case SDLK_RIGHTBRACKET:
            return keys::CLOSEBRACKET;
        case SDLK_QUOTE:
            return keys::QUOTES;
        default:
            return 0;
    }
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

void Input::PointerPosition(int& x, int& y) {
    x = y = 0;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_GetMouseState(&x, &y);
}

}  // namespace platform
