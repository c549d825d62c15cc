#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <vector>

#include "platform/Event.h"
#include "platform/Graphics.h"
#include "platform/Keys.h"

namespace {

using platform::Event;
using platform::Input;
namespace keys = platform::keys;
using Type = Event::Type;

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ContextSettings settings;
        settings.width = 64;
        settings.height = 48;
        std::string error;
        ASSERT_TRUE(graphics.Open(settings, error)) << error;
        Input::Flush();
    }

    std::vector<Event> Drain() {
        std::vector<Event> events;
        Event e;
        while (Input::Poll(e)) events.push_back(e);
        return events;
    }

    platform::Graphics graphics;
};

SDL_Event Key(Uint32 type, SDL_Keycode sym, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.sym = sym;
    return e;
}

SDL_Event Window(Uint8 what, int a = 0, int b = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    e.window.data1 = a;
    e.window.data2 = b;
    return e;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}

TEST_F(InputTest, KeysMapToVirtualCodesWithoutRepeats) {
    struct Case {
        SDL_Keycode sym;
        int code;
    };
    const Case cases[] = {
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_F1, keys::F1},
        {SDLK_F12, keys::F12},
        {SDLK_LEFT, keys::LEFT},
        {SDLK_DOWN, keys::DOWN},
        {SDLK_RETURN, keys::ENTER},
        {SDLK_KP_ENTER, keys::ENTER},
        {SDLK_ESCAPE, keys::ESCAPE},
        {SDLK_SPACE, keys::SPACE},
        {SDLK_BACKSPACE, keys::BACKSPACE},
        {SDLK_TAB, keys::TAB},
        {SDLK_PAUSE, keys::PAUSE},
        {SDLK_LSHIFT, keys::LSHIFT},
        {SDLK_RSHIFT, keys::RSHIFT},
        {SDLK_LCTRL, keys::LCONTROL},
        {SDLK_RCTRL, keys::RCONTROL},
        {SDLK_LALT, keys::LALT},
        {SDLK_RALT, keys::RALT},
        {SDLK_LGUI, keys::LSYS},
        {SDLK_RGUI, keys::RSYS},
        {SDLK_KP_0, keys::NUM0},
        {SDLK_KP_7, keys::NUM0 + 7},
        {SDLK_KP_PLUS, keys::NUMADD},
        {SDLK_MINUS, keys::MINUS},
        {SDLK_BACKQUOTE, keys::TILDE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(SDL_GetKeyName(c.sym));
        SDL_Event down = Key(SDL_KEYDOWN, c.sym), again = Key(SDL_KEYDOWN, c.sym, 1),
                  up = Key(SDL_KEYUP, c.sym);
        ASSERT_EQ(SDL_PushEvent(&down), 1);
        ASSERT_EQ(SDL_PushEvent(&again), 1);
        ASSERT_EQ(SDL_PushEvent(&up), 1);
        const auto events = Drain();
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].type, Type::KeyDown);
        EXPECT_EQ(events[0].code, c.code);
        EXPECT_EQ(events[1].type, Type::KeyUp);
        EXPECT_EQ(events[1].code, c.code);
    }
    // A key the game has no code for sends nothing.
    SDL_Event unknown = Key(SDL_KEYDOWN, SDLK_AUDIOPLAY);
    SDL_PushEvent(&unknown);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(InputTest, TypedTextGivesOneCharacterPerCodePoint) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "a\xc3\xa9\xe2\x82\xac");  // a, e acute, euro sign
    ASSERT_EQ(SDL_PushEvent(&e), 1);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 3u);
    for (const Event& ev : events) EXPECT_EQ(ev.type, Type::KeyChar);
    EXPECT_EQ(events[0].code, 'a');
    EXPECT_EQ(events[1].code, 0xe9);
    EXPECT_EQ(events[2].code, 0x20ac);
}

TEST_F(InputTest, MouseAndWindowEventsMapOntoTheGamesEvents) {
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = -2;
    wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    SDL_Event flipped = wheel;
    flipped.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 12;
    motion.motion.y = 34;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_Event terminating{};
    terminating.type = SDL_APP_TERMINATING;
    struct Case {
        SDL_Event sdl;
        Event want;
    };
    const Case cases[] = {
        {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4), {Type::MouseDown, 1, 3, 4}},
        {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6), {Type::MouseDown, 2, 5, 6}},
        {Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 7, 8), {Type::MouseUp, 3, 7, 8}},
        {motion, {Type::MouseMove, 0, 12, 34}},
        {wheel, {Type::MouseWheel, -2, 0, 0}},
        {flipped, {Type::MouseWheel, 2, 0, 0}},
        {quit, {Type::WindowClose, 0, 0, 0}},
        {terminating, {Type::Terminate, 0, 0, 0}},
        {Window(SDL_WINDOWEVENT_CLOSE), {Type::WindowClose, 0, 0, 0}},
        {Window(SDL_WINDOWEVENT_FOCUS_LOST), {Type::Suspend, 0, 0, 0}},
        {Window(SDL_WINDOWEVENT_MINIMIZED), {Type::Suspend, 0, 0, 0}},
        {Window(SDL_WINDOWEVENT_FOCUS_GAINED), {Type::Resume, 0, 0, 0}},
        {Window(SDL_WINDOWEVENT_RESTORED), {Type::Resume, 0, 0, 0}},
        {Window(SDL_WINDOWEVENT_MOVED, 40, 50), {Type::WindowMoved, 0, 40, 50}},
        {Window(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600), {Type::WindowResized, 0, 800, 600}},
    };
    int i = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(i++));
        SDL_Event copy = c.sdl;
        ASSERT_EQ(SDL_PushEvent(&copy), 1);
        const auto events = Drain();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].type, c.want.type);
        EXPECT_EQ(events[0].code, c.want.code);
        EXPECT_EQ(events[0].x, c.want.x);
        EXPECT_EQ(events[0].y, c.want.y);
    }
}

TEST_F(InputTest, FlushDropsQueuedEventsAndPendingCharacters) {
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "xyz");
    SDL_PushEvent(&text);
    Event first;
    ASSERT_TRUE(Input::Poll(first));  // two characters are now waiting inside Input
    SDL_Event key = Key(SDL_KEYDOWN, SDLK_q);
    SDL_PushEvent(&key);
    Input::Flush();
    EXPECT_TRUE(Drain().empty());
}

TEST_F(InputTest, TerminationSignalArrivesAsWindowClose) {
    struct sigaction current {};
    sigaction(SIGTERM, nullptr, &current);
    if (current.sa_handler == SIG_DFL || current.sa_handler == SIG_IGN) {
        GTEST_SKIP() << "SDL did not install its signal handlers";
    }
    std::raise(SIGTERM);
    const auto events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, Type::WindowClose);
}

}  // namespace
