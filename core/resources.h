#pragma once
// Files under resources/ compiled into the program (window descriptions,
// pictures). Paths are relative to resources/ ("forms/form1.win"). The bytes
// are read where the program holds them, never copied.
#include <string>
#include <string_view>
#include <vector>

namespace tv {

// Null when there is no such resource.
const std::string_view* resource(std::string_view path);
// Every resource path that starts with prefix, sorted.
std::vector<std::string> resourcePaths(std::string_view prefix);

}  // namespace tv
