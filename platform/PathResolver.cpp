#include "platform/PathResolver.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <vector>

namespace platform {

namespace {

namespace fs = std::filesystem;

// Folder listings by folder path, sorted so that when names differ only by case the choice is
// the same every run. A name missing from a listing reloads it once, so files made after
// the listing are still found.
std::mutex cacheMutex;
std::map<std::string, std::vector<std::string>> listings;

bool ExistsAsIs(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

const std::vector<std::string>& Listing(const std::string& folder, bool reload) {
    auto found = listings.find(folder);
    if (found != listings.end() && !reload) return found->second;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return listings[folder] = std::move(names);
}

// The real name in folder matching name ignoring case, or "".
std::string Match(const std::string& folder, const std::string& name, bool reload) {
    for (const std::string& candidate : Listing(folder, reload)) {
        if (SameIgnoringCase(candidate, name)) return candidate;
    }
    return "";
}

// Resolves one component at a time; "" when some component has no match.
std::string Walk(const std::string& path, bool reload) {
    std::string resolved = !path.empty() && (path[0] == '/' || path[0] == '\\') ? "/" : "";
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of("/\\", start);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(start, end - start);
        start = end + 1;
        if (name.empty()) continue;
        std::string joined = resolved.empty() || resolved.back() == '/' ? resolved : resolved + "/";
        if (name == "." || name == ".." || ExistsAsIs(joined + name)) {
            resolved = joined + name;
            continue;
        }
        std::string real = Match(resolved, name, reload);
        if (real.empty() && !reload) real = Match(resolved, name, true);
        if (real.empty()) return "";
        resolved = joined + real;
    }
    return resolved;
}

}  // namespace

std::string PathResolver::Resolve(const std::string& path) {
    if (path.empty() || ExistsAsIs(path)) return path;
    std::lock_guard<std::mutex> lock(cacheMutex);
    std::string resolved = Walk(path, false);
    // A cached name whose file has since gone: look again with fresh listings.
    if (!resolved.empty() && !ExistsAsIs(resolved)) resolved = Walk(path, true);
    return resolved.empty() ? path : resolved;
}

bool PathResolver::Exists(const std::string& path) {
    return ExistsAsIs(Resolve(path));
}

void PathResolver::ClearCache() {
    std::lock_guard<std::mutex> lock(cacheMutex);
    listings.clear();
}

}  // namespace platform
