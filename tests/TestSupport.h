#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A fresh, empty folder under the system temp folder, removed when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path; }
    // Path() joined with name, as a string with forward slashes.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path path;
};

// Writes text to path, creating parent folders.
void WriteFile(const std::filesystem::path& path, const std::string& text);
// The whole file as a string ("" when it cannot be read).
std::string ReadFile(const std::filesystem::path& path);

}  // namespace testsupport
