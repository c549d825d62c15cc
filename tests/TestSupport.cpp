#include "tests/TestSupport.h"

#include <fstream>
#include <random>
#include <sstream>

namespace testsupport {

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    do {
        path = base / ("rosewick-test-" + std::to_string(rd()));
    } while (std::filesystem::exists(path));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

std::string TempDir::File(const std::string& name) const {
    return (path / name).string();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace testsupport
