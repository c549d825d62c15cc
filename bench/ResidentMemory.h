#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

// Resident set size in MB, from /proc.
inline double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}
