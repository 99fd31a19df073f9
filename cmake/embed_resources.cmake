# Writes a C++ file holding every file under RESOURCE_DIR as a byte string,
# looked up by its path relative to RESOURCE_DIR (see core/resources.h).
# Usage: cmake -DRESOURCE_DIR=... -DOUTPUT=... -P embed_resources.cmake
file(GLOB_RECURSE files RELATIVE "${RESOURCE_DIR}" "${RESOURCE_DIR}/*")
list(SORT files)
# The bytes are laid out with what every start reads (window descriptions,
# panels, texts and the pictures the windows themselves show) apart from the
# calculators' pictures, of which a start reads only the shown panel's: the
# program's pages are mapped in blocks, and this keeps the start's few.
file(GLOB window_files "${RESOURCE_DIR}/forms/*")
set(windows "")
foreach(w IN LISTS window_files)
  file(READ "${w}" text)
  string(APPEND windows "${text}")
endforeach()
set(first "")
set(last "")
foreach(f IN LISTS files)
  string(FIND "${windows}" "${f}" named)
  if(f MATCHES "^pictures/" AND named EQUAL -1)
    list(APPEND last "${f}")
  else()
    list(APPEND first "${f}")
  endif()
endforeach()
set(body "")
set(n 0)
foreach(f IN LISTS first last)
  file(READ "${RESOURCE_DIR}/${f}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND body "static const char r${n}[] = {${bytes} 0};\n")
  string(LENGTH "${hex}" hexlen)
  math(EXPR len "${hexlen} / 2")
  set(entry_${n} "    {\"${f}\", {r${n}, ${len}}},\n")
  set(index_of_${f} ${n})
  math(EXPR n "${n} + 1")
endforeach()
set(table "")
foreach(f IN LISTS files)
  string(APPEND table "${entry_${index_of_${f}}}")
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
