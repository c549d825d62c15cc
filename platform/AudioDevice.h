#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

// The sound output. The game names drivers "FreeAudio", "DirectSound" and
// "OpenAL Generic Software"; each maps onto an OpenAL device. When no device opens the
// driver is "None": everything still works and nothing is heard.
//
// One device at a time; its OpenAL context is current while it is open. Main thread only.
class AudioDevice {
public:
    // Closes any open device, then opens the one for the named driver (falling back to
    // OpenAL's default device). Returns the driver in force: the name given, or "None".
    // The three game names and any name from DeviceNames() are accepted; "None" and any
    // other name open nothing.
    static std::string Open(const std::string& driverName);
    // Safe to call when nothing is open; the device also closes by itself at exit.
    static void Close();
    static bool IsOpen();
    static std::string DriverName();
    // Names of the devices OpenAL can open here (for the debug overlay and tests).
    static std::vector<std::string> DeviceNames();
    // Each open and each close increments this, so samples and channels know when they
    // went stale: OpenAL names made under an older generation are never used or freed.
    static unsigned Generation();
};

}  // namespace platform
