#pragma once
// Files under resources/ compiled into the program (window descriptions,
// pictures). Paths are relative to resources/ ("forms/form1.win").
#include <string>
#include <vector>

namespace tv {

// Null when there is no such resource.
const std::string* resource(const std::string& path);
// Every resource path that starts with prefix, sorted.
std::vector<std::string> resourcePaths(const std::string& prefix);

}  // namespace tv
