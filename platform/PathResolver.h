#pragma once

#include <string>

namespace platform {

// The data names folders and files in any case ("Data/Graphics", "data/levels"), as the
// original system ignores case. Resolve finds the file that exists whatever the case.
class PathResolver {
public:
    // The real path of an existing file or folder whose name matches path ignoring case;
    // path itself when it exists as written or nothing matches. Both '/' and '\\' separate
    // components; the result uses '/'.
    static std::string Resolve(const std::string& path);
    static bool Exists(const std::string& path);
    // Folder listings are cached; a name not found reloads its folder's listing, so this
    // is needed only to free the memory or after renames within a folder.
    static void ClearCache();
};

}  // namespace platform
