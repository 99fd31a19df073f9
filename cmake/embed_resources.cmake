# Writes a C++ file holding every file under RESOURCE_DIR as a byte string,
# looked up by its path relative to RESOURCE_DIR (see core/resources.h).
# Usage: cmake -DRESOURCE_DIR=... -DOUTPUT=... -P embed_resources.cmake
file(GLOB_RECURSE files RELATIVE "${RESOURCE_DIR}" "${RESOURCE_DIR}/*")
list(SORT files)
set(body "")
set(table "")
set(n 0)
foreach(f IN LISTS files)
  file(READ "${RESOURCE_DIR}/${f}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND body "static const char r${n}[] = {${bytes} 0};\n")
  string(LENGTH "${hex}" hexlen)
  math(EXPR len "${hexlen} / 2")
  string(APPEND table "    {\"${f}\", {r${n}, ${len}}},\n")
  math(EXPR n "${n} + 1")
endforeach()
set(content "// Generated from resources/ at build time; do not edit.
#include \"core/resources.h\"

#include <algorithm>
#include <iterator>

namespace tv {
namespace {
${body}
struct Entry {
    std::string_view path;
    std::string_view data;
};
// Sorted by path; the bytes stay where the program keeps them.
constexpr Entry kAll[] = {
${table}};
}  // namespace

const std::string_view* resource(std::string_view path) {
    auto it = std::lower_bound(std::begin(kAll), std::end(kAll), path,
                               [](const Entry& e, std::string_view p) { return e.path < p; });
    return it != std::end(kAll) && it->path == path ? &it->data : nullptr;
}

std::vector<std::string> resourcePaths(std::string_view prefix) {
    std::vector<std::string> out;
    for (const auto& e : kAll)
        if (e.path.substr(0, prefix.size()) == prefix) out.emplace_back(e.path);
    return out;
}

}  // namespace tv
")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
