#include "core/platform.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tv {

std::string Platform::findProgram(const std::vector<std::string>& names) {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::vector<std::filesystem::path> dirs;
    for (std::string rest = path;;) {
        auto colon = rest.find(':');
        std::string dir = rest.substr(0, colon);
        if (!dir.empty()) dirs.emplace_back(dir);
        if (colon == std::string::npos) break;
        rest.erase(0, colon + 1);
    }
    // The order of the names is the order of preference.
    for (const auto& name : names)
        for (const auto& dir : dirs) {
            std::error_code ec;
            auto file = dir / name;
            if (std::filesystem::is_regular_file(file, ec) && ::access(file.c_str(), X_OK) == 0) return name;
        }
    return {};
}

}  // namespace tv
