#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Pixmap.h"

namespace platform {

// The desktop's wallpaper: a picture written as a Windows bitmap, then handed to whatever the
// desktop offers for showing it. Each way is tried only when its program exists, and counts
// only when the program says it worked.
class Wallpaper {
public:
    // Runs argv (argv[0] looked up on the PATH) with no input; its standard output goes into
    // *output when given. The exit code, or -1 when it could not start or did not finish in
    // time.
    using Runner = std::function<int(const std::vector<std::string>& argv, std::string* output)>;
    // True when the program can be found on the PATH.
    using Finder = std::function<bool(const std::string& program)>;

    // Tests replace these; by default they are RunProgram and ProgramExists.
    static Runner Run;
    static Finder HasProgram;

    static constexpr int PROGRAM_TIMEOUT_MS = 5000;

    // A 24-bit bitmap file of the picture (alpha dropped). Written beside the target and
    // renamed over it, so a failure leaves any earlier file whole. On failure returns false
    // with error naming the path.
    static bool SaveBmp(const Pixmap& picture, const std::string& path, std::string& error);

    // Makes the file the desktop wallpaper: GNOME's settings (checked by reading them back),
    // then Xfce's, then feh on an X display. The name of the way that worked ("gsettings",
    // "xfconf-query", "feh"), or "" when none did.
    static std::string Set(const std::string& path);

    // A "file://" address of an absolute path, with unsafe characters escaped.
    static std::string FileUri(const std::string& path);

    static int RunProgram(const std::vector<std::string>& argv, std::string* output);
    static bool ProgramExists(const std::string& program);

private:
    static bool TryGnome(const std::string& path);
    static bool TryXfce(const std::string& path);
    static bool TryFeh(const std::string& path);
};

}  // namespace platform
