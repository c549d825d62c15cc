#include "toolkit/TSineCounter.h"

#include <cmath>
#include <numbers>

#include "framework/Globals.h"

namespace {
float SinDeg(float d) {
    return std::sin(d * std::numbers::pi_v<float> / 180.0f);
}
}  // namespace

std::shared_ptr<TSineCounter> TSineCounter::Create(float start, float end, float speed,
                                                   int runOnce) {
    auto c = std::make_shared<TSineCounter>();
    c->Init(start, end, speed, runOnce);
    return c;
}

void TSineCounter::Init(float start, float end, float speed, int runOnce) {
    StartPoint = start;
    EndPoint = end;
    Speed = speed;
    RunOnce = runOnce;
    Counter = start;
    ratio = 0;
    Active = 1;
}

int TSineCounter::Manage() {
    if (!Active) return 0;
    Counter += Speed * Delta;
    if (Counter >= EndPoint) {
        if (RunOnce) {
            Counter = EndPoint;
            Active = 0;
        } else {
            Counter -= EndPoint - StartPoint;
        }
    } else if (Counter < StartPoint) {
        if (RunOnce) {
            Counter = StartPoint;
            Active = 0;
        } else {
            Counter += EndPoint - StartPoint;
        }
    }
    ratio = SinDeg(Counter);
    return 1;
}

void TSineCounter::Reset() {
    Counter = 0;
    ratio = 0;
}

void TSineCounter::SetCounter(float c) {
    Counter = c;
    ratio = SinDeg(c);
}
