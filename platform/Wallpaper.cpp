#include "platform/Wallpaper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace platform {

Wallpaper::Runner Wallpaper::Run = Wallpaper::RunProgram;
Wallpaper::Finder Wallpaper::HasProgram = Wallpaper::ProgramExists;

namespace {

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Desktops that read GNOME's background settings.
bool GnomeLikeDesktop() {
    std::string desktops = Upper(Env("XDG_CURRENT_DESKTOP"));
    for (const char* name : {"GNOME", "UNITY", "BUDGIE", "PANTHEON"})
        if (desktops.find(name) != std::string::npos) return true;
    return false;
}

std::string Trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

}  // namespace

bool Wallpaper::SaveBmp(const Pixmap& picture, const std::string& path, std::string& error) {
    if (picture.Empty()) {
        error = "Nothing to write to " + path;
        return false;
    }
    const int w = picture.Width(), h = picture.Height();
    const int rowBytes = (w * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * static_cast<uint32_t>(h);
    std::string file;
    file.reserve(54 + imageBytes);
    // File header, then a BITMAPINFOHEADER: 24 bits, no compression, rows bottom to top.
    file += "BM";
    PutLE(file, 54 + imageBytes, 4);
    PutLE(file, 0, 4);
    PutLE(file, 54, 4);
    PutLE(file, 40, 4);
    PutLE(file, static_cast<uint32_t>(w), 4);
    PutLE(file, static_cast<uint32_t>(h), 4);
    PutLE(file, 1, 2);
    PutLE(file, 24, 2);
    PutLE(file, 0, 4);
    PutLE(file, imageBytes, 4);
    PutLE(file, 2835, 4);  // 72 dpi
    PutLE(file, 2835, 4);
    PutLE(file, 0, 4);
    PutLE(file, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = picture.At(x, y);
            file.push_back(static_cast<char>(p[2]));
            file.push_back(static_cast<char>(p[1]));
            file.push_back(static_cast<char>(p[0]));
        }
        file.append(static_cast<size_t>(rowBytes - w * 3), '\0');
    }

    const std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "Cannot write " + temp;
            return false;
        }
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            error = "Cannot write " + temp;
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        error = "Cannot replace " + path;
        return false;
    }
    return true;
}

std::string Wallpaper::FileUri(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string uri = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri.push_back(static_cast<char>(c));
        } else {
            uri.push_back('%');
            uri.push_back(hex[c >> 4]);
            uri.push_back(hex[c & 15]);
        }
    }
    return uri;
}

bool Wallpaper::TryGnome(const std::string& path) {
    if (!GnomeLikeDesktop() || !HasProgram("gsettings")) return false;
    const std::string schema = "org.gnome.desktop.background";
    const std::string uri = FileUri(path);
    if (Run({"gsettings", "set", schema, "picture-uri", uri}, nullptr) != 0) return false;
    // Without a settings service gsettings keeps the value in memory and still says yes, so
    // it counts only when a fresh read gives it back.
    std::string shown;
    if (Run({"gsettings", "get", schema, "picture-uri"}, &shown) != 0) return false;
    if (Trim(shown) != "'" + uri + "'") return false;
    // Older releases have no dark-style picture; the light one is what they show.
    Run({"gsettings", "set", schema, "picture-uri-dark", uri}, nullptr);
    return true;
}

bool Wallpaper::TryXfce(const std::string& path) {
    if (!HasProgram("xfconf-query")) return false;
    std::string listing;
    if (Run({"xfconf-query", "-c", "xfce4-desktop", "-l"}, &listing) != 0) return false;
    // One picture setting per monitor and workspace; each one shown gets the file.
    bool any = false;
    std::istringstream lines(listing);
    std::string property;
    while (std::getline(lines, property)) {
        property = Trim(property);
        const std::string suffix = "/last-image";
        if (property.size() < suffix.size() ||
            property.compare(property.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        if (Run({"xfconf-query", "-c", "xfce4-desktop", "-p", property, "-s", path}, nullptr) == 0)
            any = true;
    }
    return any;
}

bool Wallpaper::TryFeh(const std::string& path) {
    if (Env("DISPLAY").empty() || !HasProgram("feh")) return false;
    return Run({"feh", "--bg-fill", path}, nullptr) == 0;
}

std::string Wallpaper::Set(const std::string& path) {
    if (TryGnome(path)) return "gsettings";
    if (TryXfce(path)) return "xfconf-query";
    if (TryFeh(path)) return "feh";
    return "";
}

bool Wallpaper::ProgramExists(const std::string& program) {
    if (program.empty()) return false;
    if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0;
    std::istringstream dirs(Env("PATH"));
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        // An empty entry is the current folder. (Built as paths: GCC 12 reports a false
        // overlap in the string assignments here when optimising.)
        std::filesystem::path folder =
            dir.empty() ? std::filesystem::path(".") : std::filesystem::path(dir);
        if (access((folder / program).c_str(), X_OK) == 0) return true;
    }
    return false;
}

int Wallpaper::RunProgram(const std::vector<std::string>& argv, std::string* output) {
    if (argv.empty()) return -1;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = fork();
    if (pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return -1;
    }
    if (pid == 0) {
        int devNull = open("/dev/null", O_RDWR);
        if (devNull >= 0) {
            dup2(devNull, STDIN_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(pipeFds[1]);

    // Reads until the program closes its output, giving up after the time limit.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(PROGRAM_TIMEOUT_MS);
    std::string text;
    bool timedOut = false;
    while (true) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd fd{pipeFds[0], POLLIN, 0};
        int ready = poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (ready == 0) continue;
        char buffer[512];
        ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    close(pipeFds[0]);

    int status = 0;
    if (timedOut) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    // The output is closed; the program may still take a moment to end.
    while (true) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0) return -1;
        if (Clock::now() >= deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        usleep(2000);
    }
    if (output) *output = text;
    if (!WIFEXITED(status)) return -1;
    int code = WEXITSTATUS(status);
    return code == 127 ? -1 : code;
}

}  // namespace platform
