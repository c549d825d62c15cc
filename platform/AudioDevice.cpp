#include "platform/AudioDevice.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <array>

namespace platform {

namespace {

// The game's own driver names; each means "OpenAL's default output".
constexpr std::array<const char*, 3> kGameDrivers = {"FreeAudio", "DirectSound",
                                                     "OpenAL Generic Software"};

struct DeviceCloser {
    void operator()(ALCdevice* device) const { alcCloseDevice(device); }
};

struct ContextDestroyer {
    void operator()(ALCcontext* context) const {
        if (alcGetCurrentContext() == context) alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
};

// What is trivially destructible lives outside the holder: samples and channels that die
// during exit, after the holder, may still ask whether their OpenAL names are current.
struct Live {
    unsigned generation = 0;
    bool open = false;
};
constinit Live live;

// An open device with its current context. Members go in reverse order: the context is
// released before the device it belongs to is closed.
class OpenDevice {
public:
    OpenDevice(std::unique_ptr<ALCdevice, DeviceCloser> d,
               std::unique_ptr<ALCcontext, ContextDestroyer> c, std::string name)
        : device(std::move(d)), context(std::move(c)), driver(std::move(name)) {
        live.open = true;
        ++live.generation;
    }
    ~OpenDevice() {
        // Stale first, so nothing frees names on a device that is going away.
        live.open = false;
        ++live.generation;
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;

    const std::string& Driver() const { return driver; }

private:
    std::unique_ptr<ALCdevice, DeviceCloser> device;
    std::unique_ptr<ALCcontext, ContextDestroyer> context;
    std::string driver;
};

std::unique_ptr<OpenDevice> current;

// A double-NUL terminated list from alcGetString, or nothing.
std::vector<std::string> SplitList(const ALCchar* list) {
    std::vector<std::string> names;
    if (!list) return names;
    while (*list) {
        names.emplace_back(list);
        list += names.back().size() + 1;
    }
    return names;
}

std::unique_ptr<OpenDevice> TryOpen(const ALCchar* deviceName, const std::string& driver) {
    std::unique_ptr<ALCdevice, DeviceCloser> device(alcOpenDevice(deviceName));
    if (!device) return nullptr;
    std::unique_ptr<ALCcontext, ContextDestroyer> context(alcCreateContext(device.get(), nullptr));
    if (!context || !alcMakeContextCurrent(context.get())) return nullptr;
    alGetError();
    return std::make_unique<OpenDevice>(std::move(device), std::move(context), driver);
}

bool IsGameDriver(const std::string& name) {
    return std::any_of(kGameDrivers.begin(), kGameDrivers.end(),
                       [&](const char* known) { return name == known; });
}

}  // namespace

std::string AudioDevice::Open(const std::string& driverName) {
    Close();
    const std::vector<std::string> names = DeviceNames();
    const bool isDevice = std::find(names.begin(), names.end(), driverName) != names.end();
    if (!IsGameDriver(driverName) && !isDevice) return DriverName();

    // A named device first; then the default, which fails here without a sound card
    // (OpenAL does not fall back by itself); then every device it lists.
    if (isDevice) current = TryOpen(driverName.c_str(), driverName);
    if (!current) current = TryOpen(nullptr, driverName);
    for (const std::string& name : names) {
        if (current) break;
        current = TryOpen(name.c_str(), driverName);
    }
    return DriverName();
}

void AudioDevice::Close() {
    current.reset();
}

bool AudioDevice::IsOpen() {
    return live.open;
}

std::string AudioDevice::DriverName() {
    return live.open ? current->Driver() : "None";
}

std::vector<std::string> AudioDevice::DeviceNames() {
    std::vector<std::string> names;
    if (alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT"))
        names = SplitList(alcGetString(nullptr, ALC_ALL_DEVICES_SPECIFIER));
    for (std::string& name : SplitList(alcGetString(nullptr, ALC_DEVICE_SPECIFIER)))
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    return names;
}

unsigned AudioDevice::Generation() {
    return live.generation;
}

}  // namespace platform
