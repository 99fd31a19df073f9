#include "core/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

namespace tv {

namespace {

std::string why(int error) { return std::strerror(error); }

// The file a link points to: writing through a link replaces what it names.
std::string resolved(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer)) return buffer;
    return path;  // a dangling link: replaced by the new file
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, const std::string& content) {
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string unwritableTarget(const std::string& path) {
    if (path.empty()) return "no file name";
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? std::string() : why(errno);
    if (S_ISDIR(st.st_mode)) return "it is a folder";
    if (!S_ISREG(st.st_mode)) return "it is not a regular file";
    return {};
}

std::string replaceFile(const std::string& path, const std::string& content) {
    if (std::string no = unwritableTarget(path); !no.empty()) return no;
    const std::string target = resolved(path);
    const std::string folder = folderOf(target);
    const std::string base = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);

    // A new file beside the target, with the target's permissions (or the
    // usual ones for a new file).
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "/." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
               std::to_string(entropy() % 1000000) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return why(errno);
    }
    if (fd < 0) return why(EEXIST);
    auto fail = [&](int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        return why(error);
    };
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0) return fail(errno);
    if (!writeAll(fd, content)) return fail(errno);
    if (::fsync(fd) != 0) return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);
    // The rename itself reaches the disk with the folder.
    if (int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

}  // namespace tv
