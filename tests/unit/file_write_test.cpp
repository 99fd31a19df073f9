// Files written whole or not at all: through a temporary file beside the
// target, renamed over it; a failure leaves the old file and says why.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file_write.h"

namespace fs = std::filesystem;
using namespace tv;

namespace {

struct Folder {
    fs::path path = fs::temp_directory_path() / ("tolvane-write-" + std::to_string(::getpid()));
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    size_t entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(path), {})); }
};

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(ReplaceFile, WritesANewFileOrReplacesTheOldOneKeepingItsMode) {
    Folder dir;
    const std::string file = dir / "sweep.csv";
    EXPECT_EQ(replaceFile(file, "a,b\n"), "");
    EXPECT_EQ(contents(file), "a,b\n");
    ::chmod(file.c_str(), 0640);
    EXPECT_EQ(replaceFile(file, joinLines({"x", "y"})), "");
    EXPECT_EQ(contents(file), "x\ny\n");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Through a link, the file it names is replaced and the link stays.
    fs::create_symlink(file, dir / "link.csv");
    EXPECT_EQ(replaceFile(dir / "link.csv", "z\n"), "");
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv"));
    EXPECT_EQ(contents(file), "z\n");
    EXPECT_EQ(dir.entries(), 2u);  // nothing temporary left
}

TEST(ReplaceFile, RefusesWhatIsNoRegularFileAtOnce) {
    Folder dir;
    const std::string pipe = dir / "pipe.csv";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(replaceFile(pipe, "x\n"), "it is not a regular file");  // would wait for a reader
    EXPECT_EQ(replaceFile("/dev/null", "x\n"), "it is not a regular file");
    EXPECT_EQ(replaceFile(dir.path.string(), "x\n"), "it is a folder");
    EXPECT_EQ(replaceFile("", "x\n"), "no file name");
    EXPECT_EQ(replaceFile(dir / "missing/sweep.csv", "x\n"), "No such file or directory");
    EXPECT_EQ(dir.entries(), 1u);
}

// The disk fills up half-way (the file size limit stands in for it): the old
// file stays whole and the reason is given.
TEST(ReplaceFile, AFullDiskLeavesTheOldFileWhole) {
    Folder dir;
    const std::string file = dir / "sweep.csv";
    ASSERT_EQ(replaceFile(file, "old,file\n"), "");
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string why = replaceFile(file, std::string(1000, '7'));
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(why, "File too large");
    EXPECT_EQ(contents(file), "old,file\n");
    EXPECT_EQ(dir.entries(), 1u);
}
