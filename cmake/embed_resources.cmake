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
  string(APPEND table "        {\"${f}\", std::string(r${n}, ${len})},\n")
  math(EXPR n "${n} + 1")
endforeach()
set(content "// Generated from resources/ at build time; do not edit.
#include \"core/resources.h\"

#include <map>

namespace tv {
namespace {
${body}
const std::map<std::string, std::string>& all() {
    static const std::map<std::string, std::string> m = {
${table}    };
    return m;
}
}  // namespace

const std::string* resource(const std::string& path) {
    auto it = all().find(path);
    return it == all().end() ? nullptr : &it->second;
}

std::vector<std::string> resourcePaths(const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& [k, v] : all())
        if (k.rfind(prefix, 0) == 0) out.push_back(k);
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
