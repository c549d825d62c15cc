#include "framework/TEventSource.h"

#include "framework/Globals.h"

std::deque<platform::Event>& TEventSource::Queue() {
    static std::deque<platform::Event> queue;
    return queue;
}

void TEventSource::Inject(const platform::Event& event) {
    Queue().push_back(event);
}

void TEventSource::InjectKey(int code) {
    using T = platform::Event::Type;
    Inject({T::KeyDown, code, 0, 0});
    Inject({T::KeyUp, code, 0, 0});
}

void TEventSource::InjectClick(int windowX, int windowY, int button) {
    using T = platform::Event::Type;
    Inject({T::MouseMove, 0, windowX, windowY});
    Inject({T::MouseDown, button, windowX, windowY});
    Inject({T::MouseUp, button, windowX, windowY});
}

bool TEventSource::Poll(platform::Event& event) {
    auto& queue = Queue();
    if (!queue.empty()) {
        event = queue.front();
        queue.pop_front();
        return true;
    }
    if (!GraphicsOpen) return false;
    return platform::Input::Poll(event);
}

void TEventSource::ClearInjected() {
    Queue().clear();
}
bool TEventSource::HasInjected() {
    return !Queue().empty();
}
