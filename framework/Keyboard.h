#pragma once

#include <array>

#include "platform/Keys.h"

// Keyboard state filled by the event pump, indexed by virtual key code.
extern std::array<int, platform::keys::COUNT> KeyHitCounts;
extern std::array<int, platform::keys::COUNT> KeyDownStates;

// Typed characters for text input: a ring of 256 with read and write counters.
struct TCharQueue {
    std::array<int, 256> chars{};
    int readCount = 0;
    int writeCount = 0;
    int Unread() const { return writeCount - readCount; }
};
extern TCharQueue CharQueue;

// True when the key was hit since the last query; the hit is consumed.
bool KeyHit(int code);
// True while the key is held.
bool KeyDown(int code);
// Either shift, control, alt or system key held.
bool ShiftDown();
bool ControlDown();
bool AltDown();
bool SystemKeyDown();
// The first key code with a pending hit (-1 when none), without consuming it.
int FirstKeyHit();
bool AnyKeyHit();
// Next typed character, 0 when none.
int GetChar();
void PushChar(int c);
// Clears both arrays and the character queue (the framework also clears the pointer).
void FlushKeyboard();
