#pragma once

#include <string>

namespace platform {

// The data names folders and files in any case ("Data/Graphics", "data/levels"), as the
// original system ignores case. Resolve finds the file that exists whatever the case.
class PathResolver {
public:
    // The real path of an existing file or folder whose name matches path ignoring case;
    // path itself when it exists as written or nothing matches.
    static std::string Resolve(const std::string& path);
    static bool Exists(const std::string& path);
};

}  // namespace platform
