#include <gtest/gtest.h>

#include <cstdlib>

// Tests run the real SDL and OpenAL code without a display or a sound card. Defaults only:
// a developer may still point a run at a real display or device.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
