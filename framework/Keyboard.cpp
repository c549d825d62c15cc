#include "framework/Keyboard.h"

std::array<int, platform::keys::COUNT> KeyHitCounts{};
std::array<int, platform::keys::COUNT> KeyDownStates{};
TCharQueue CharQueue;

namespace {
bool ValidCode(int code) {
    return code > 0 && code < platform::keys::COUNT;
}
}  // namespace

bool KeyHit(int code) {
    if (!ValidCode(code)) return false;
    bool hit = KeyHitCounts[code] != 0;
    KeyHitCounts[code] = 0;
    return hit;
}

bool KeyDown(int code) {
    return ValidCode(code) && KeyDownStates[code] != 0;
}

bool ShiftDown() {
    using namespace platform::keys;
    return KeyDown(LSHIFT) || KeyDown(RSHIFT) || KeyDown(SHIFT);
}
bool ControlDown() {
    using namespace platform::keys;
    return KeyDown(LCONTROL) || KeyDown(RCONTROL) || KeyDown(CONTROL);
}
bool AltDown() {
    using namespace platform::keys;
    return KeyDown(LALT) || KeyDown(RALT) || KeyDown(ALT);
}
bool SystemKeyDown() {
    using namespace platform::keys;
    return KeyDown(LSYS) || KeyDown(RSYS);
}

int FirstKeyHit() {
    for (int code = 1; code < platform::keys::COUNT; ++code)
        if (KeyHitCounts[code]) return code;
    return -1;
}

bool AnyKeyHit() {
    return FirstKeyHit() != -1;
}

int GetChar() {
    if (CharQueue.Unread() <= 0) return 0;
    int c = CharQueue.chars[CharQueue.readCount % 256];
    CharQueue.readCount += 1;
    return c;
}

void PushChar(int c) {
    // A full queue drops further characters rather than overwrite unread ones.
    if (CharQueue.Unread() > 255) return;
    CharQueue.chars[CharQueue.writeCount % 256] = c;
    CharQueue.writeCount += 1;
}

void FlushKeyboard() {
    KeyHitCounts.fill(0);
    KeyDownStates.fill(0);
    CharQueue = TCharQueue{};
}
