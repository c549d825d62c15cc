#pragma once

#include <string>

namespace platform {

// What the operating system tells about itself and the program's place in it.
class SystemInfo {
public:
    // e.g. "Linux 6.1" (the kernel's name and release).
    static std::string OSName();
    // Folder of the executable, with a trailing "/".
    static std::string ExecutableFolder();
    // Per-user data folder (XDG data home), with a trailing "/".
    static std::string UserDataFolder();
    // Data folder shared by all users, with a trailing "/".
    static std::string AllUsersDataFolder();
    // Per-user runtime folder (XDG runtime dir, else the temp folder), with a trailing "/".
    static std::string RuntimeFolder();
    // A system message box; falls back to standard error without a display.
    static void MessageBox(const std::string& title, const std::string& text);
};

}  // namespace platform
