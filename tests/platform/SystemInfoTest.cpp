#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/Clock.h"
#include "platform/SystemInfo.h"

namespace {

using platform::SystemInfo;

// Sets an environment variable for the scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name)) previous = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (previous) {
            setenv(name, previous->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    std::optional<std::string> previous;
};

TEST(SystemInfoTest, OsNameIsTheKernelsNameAndRelease) {
    const std::string name = SystemInfo::OSName();
    EXPECT_EQ(name.rfind("Linux ", 0), 0u) << name;
    EXPECT_GT(name.size(), 6u);
}

TEST(SystemInfoTest, ExecutableFolderAndNameAreTheTestProgramsOwn) {
    const std::string folder = SystemInfo::ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "test_platform")) << folder;
    EXPECT_EQ(SystemInfo::ExecutableName(), "test_platform");
}

TEST(SystemInfoTest, DataFoldersFollowTheXdgVariables) {
    struct Case {
        const char* xdgData;
        const char* xdgRuntime;
        const char* home;
        std::string userData;
        std::string runtime;
    };
    const std::string temp = std::filesystem::temp_directory_path().string();
    const Case cases[] = {
        {"/srv/data", "/run/user/1000", "/home/anna", "/srv/data/", "/run/user/1000/"},
        {"/srv/data/", "/run/x/", "/home/anna", "/srv/data/", "/run/x/"},
        {nullptr, nullptr, "/home/anna", "/home/anna/.local/share/",
         temp.back() == '/' ? temp : temp + "/"},
        // Relative values are not allowed by the XDG rules and are ignored.
        {"relative", "", "/home/bert", "/home/bert/.local/share/",
         temp.back() == '/' ? temp : temp + "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.userData);
        ScopedEnv data("XDG_DATA_HOME", c.xdgData), runtime("XDG_RUNTIME_DIR", c.xdgRuntime),
            home("HOME", c.home);
        EXPECT_EQ(SystemInfo::UserDataFolder(), c.userData);
        EXPECT_EQ(SystemInfo::RuntimeFolder(), c.runtime);
    }
    EXPECT_EQ(SystemInfo::AllUsersDataFolder(), "/var/lib/");
}

TEST(SystemInfoTest, MessageBoxWithoutADisplayGoesToStandardError) {
    // A box would wait for a click: only headless runs are tested.
    ScopedEnv noBox("ROSEWICK_NO_MESSAGE_BOX", "1");
    testing::internal::CaptureStderr();
    SystemInfo::MessageBox("Rosewick", "Cannot find a suitable resolution.");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Rosewick"), std::string::npos) << err;
    EXPECT_NE(err.find("Cannot find a suitable resolution."), std::string::npos) << err;
}

TEST(ClockTest, MillisecondsRiseMonotonicallyAndDelayWaits) {
    const double before = platform::Clock::MillisecsPrecise();
    const int64_t whole = platform::Clock::Millisecs();
    platform::Clock::Delay(20);
    EXPECT_GE(platform::Clock::MillisecsPrecise() - before, 20.0);
    EXPECT_GE(platform::Clock::Millisecs() - whole, 19);
    platform::Clock::Delay(-5);  // a negative delay returns at once
}

}  // namespace
