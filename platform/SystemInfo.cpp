#include "platform/SystemInfo.h"

#include <SDL.h>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// An environment variable that names an absolute folder, or "".
std::string EnvFolder(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

std::string HomeFolder() {
    std::string home = EnvFolder("HOME");
    if (!home.empty()) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/tmp";
}

}  // namespace

std::string SystemInfo::OSName() {
    utsname name;
    if (uname(&name) != 0) return "Linux";
    return std::string(name.sysname) + " " + name.release;
}

std::string SystemInfo::ExecutableFolder() {
    // SDL_GetBasePath needs no SDL_Init.
    if (char* base = SDL_GetBasePath()) {
        std::string folder = base;
        SDL_free(base);
        if (!folder.empty()) return WithSlash(folder);
    }
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return WithSlash(exe.parent_path().string());
    return "./";
}

std::string SystemInfo::ExecutableName() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? "rosewick" : exe.filename().string();
}

std::string SystemInfo::UserDataFolder() {
    std::string xdg = EnvFolder("XDG_DATA_HOME");
    return WithSlash(xdg.empty() ? HomeFolder() + "/.local/share" : xdg);
}

std::string SystemInfo::AllUsersDataFolder() {
    // The system-wide state folder; writable only when an installer has made the game's
    // folder below it writable for its users.
    return "/var/lib/";
}

std::string SystemInfo::RuntimeFolder() {
    std::string xdg = EnvFolder("XDG_RUNTIME_DIR");
    if (!xdg.empty()) return WithSlash(xdg);
    std::error_code ec;
    auto temp = std::filesystem::temp_directory_path(ec);
    return WithSlash(ec ? "/tmp" : temp.string());
}

void SystemInfo::MessageBox(const std::string& title, const std::string& text) {
    // The text always goes to standard error as well: it is the only trace of a message
    // shown to nobody (headless runs, where a box would wait for a click that never comes).
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    std::fflush(stderr);
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    std::string headless = driver ? driver : "";
    if (headless == "dummy" || headless == "offscreen" || std::getenv("ROSEWICK_NO_MESSAGE_BOX"))
        return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), nullptr);
}

}  // namespace platform
