#pragma once

#include <deque>

#include "platform/Event.h"

// Where the framework takes its input events: scripted events first (tests, replays),
// then the window's own queue.
class TEventSource {
public:
    static void Inject(const platform::Event& event);
    static void InjectKey(int code);
    static void InjectClick(int windowX, int windowY, int button = 1);
    static bool Poll(platform::Event& event);
    static void ClearInjected();
    static bool HasInjected();

private:
    static std::deque<platform::Event>& Queue();
};
