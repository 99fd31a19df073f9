#pragma once
// Writing a whole file so that it is never seen half-written: the text goes to
// a temporary file in the target's folder, is flushed to the disk and then
// renamed over the target in one step. A failure (a full disk, a folder that
// is not there) removes the temporary file and leaves the old file as it was.
// Only a regular file (or a name not there yet) is a target: a named pipe
// would block the program, a device or a folder cannot be replaced.
#include <string>
#include <vector>

namespace tv {

// "" when `path` can be written, else why not ("it is a folder").
std::string unwritableTarget(const std::string& path);

// Writes `content` to `path` as above; "" on success, else why not, in words
// that complete "Cannot write FILE: ..." ("No space left on device").
std::string replaceFile(const std::string& path, const std::string& content);

// The lines, each ended by a line break.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace tv
