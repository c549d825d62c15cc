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
    // File name of the executable, without its folder (e.g. "rosewick").
    static std::string ExecutableName();
    // Per-user data folder (XDG data home), with a trailing "/".
    static std::string UserDataFolder();
    // Data folder shared by all users, with a trailing "/".
    static std::string AllUsersDataFolder();
    // Per-user runtime folder (XDG runtime dir, else the temp folder), with a trailing "/".
    static std::string RuntimeFolder();
    // Writes the message to standard error, then shows a system message box unless the run
    // is headless (SDL_VIDEODRIVER dummy or offscreen, or ROSEWICK_NO_MESSAGE_BOX set).
    static void MessageBox(const std::string& title, const std::string& text);
};

}  // namespace platform
