#pragma once

#include <memory>

#include "platform/Channel.h"

// The one fade between screens, owned by Game: a rectangle in the clear colour whose alpha
// follows the fade, with the music (and a second channel) faded along with it.
class TGameFade {
public:
    int Length = 0;  // logic ticks
    float Counter = 0;
    int Active = 0;
    int Out = 1;
    float Ratio = 1;  // visibility of the screen: 0 covered, 1 fully visible
    int Done = 0;
    std::shared_ptr<platform::Channel> Channel;
    std::shared_ptr<platform::Channel> Channel2;
    int Channel2IsGameChannelArray = 1;
    int AllowAnim = 0;
    int FadeInAborted = 0;
    float FadeCounterBeforeAbort = 0;
    int SetToFullOnAbort = 1;
    int AbortKey = -1;

    // Ignored (returns 0) while a fade is active.
    int Init(float lengthMs, int out, std::shared_ptr<platform::Channel> channel, int allowAnim,
             int startCounter = 0, std::shared_ptr<platform::Channel> channel2 = nullptr);
    void Finish();
    // Once per logic tick: -1 aborted by a key or click, 1 finished, 0 running or idle.
    int Manage();
    void CalcRatio();
    void FadeChannels();
    void Draw();
    // Returns Done and clears it.
    int GetDone();
};
