#include "platform/ini_settings_key.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <cerrno>
#include <clocale>
#include <filesystem>

#include "core/file_write.h"

namespace tv {

namespace {

// What tells one state of a file from another: its inode, size and
// modification time to the nanosecond (a replacement is a new inode).
std::string stampOf(const struct stat& st) {
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
           std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

}  // namespace

IniSettingsKey::IniSettingsKey(std::string path) : path_(std::move(path)) {}
IniSettingsKey::~IniSettingsKey() = default;

std::string IniSettingsKey::userPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (dir + "/Corvex PCB Design, Inc./Tolvane.ini").toStdString();
}

// A dangling link counts as there: it is not installed over.
bool IniSettingsKey::exists() {
    struct stat st {};
    return ::lstat(path_.c_str(), &st) == 0;
}

bool IniSettingsKey::load() {
    // Reading a named pipe or a device would wait forever (or read without
    // end): only a regular file is read.
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        contents_ = {};
        return false;
    }
    const std::string stamp = stampOf(st);
    if (contents_.valid && contents_.stamp == stamp) return true;
    Contents fresh;
    fresh.valid = true;
    fresh.stamp = stamp;
    if (st.st_size <= kMostBytes) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            contents_ = {};
            return false;
        }
        std::string text;
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            text.append(buffer, static_cast<size_t>(n));
            if (static_cast<std::int64_t>(text.size()) > kMostBytes) break;  // grown while read
        }
        ::close(fd);
        if (static_cast<std::int64_t>(text.size()) <= kMostBytes) fresh.doc = ini::parse(text);
    }
    contents_ = std::move(fresh);
    return true;
}

void IniSettingsKey::save(const ini::Document& doc, const std::string& name) {
    if (!replaceFile(path_, ini::serialize(doc)).empty()) {
        contents_ = {};  // read the file again: it holds what it held
        throw SettingsError("Failed to set data for '" + name + "'");
    }
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) contents_ = {true, stampOf(st), doc};
    else contents_ = {};
}

bool IniSettingsKey::openForWrite() {
    close();
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0) {
        struct stat target {};
        // A dangling link or anything but a regular file is no key to write.
        if (::stat(path_.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) return false;
        if (::access(path_.c_str(), W_OK) != 0) return false;
    } else {
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::absolute(path_, ec).parent_path();
        if (ec) return false;
        std::filesystem::create_directories(folder, ec);
        if (!std::filesystem::is_directory(folder, ec) || ::access(folder.c_str(), W_OK) != 0) return false;
    }
    open_ = true;
    return true;
}

bool IniSettingsKey::openReadOnly() {
    close();
    if (::access(path_.c_str(), R_OK) != 0 || !load()) return false;
    open_ = true;
    return true;
}

std::string IniSettingsKey::read(const std::string& name) {
    if (!open_ || !load()) return {};
    auto it = contents_.doc.values.find(name);
    return it == contents_.doc.values.end() ? std::string() : it->second;
}

void IniSettingsKey::write(const std::string& name, const std::string& value) {
    if (!open_) throw SettingsError("Failed to set data for '" + name + "'");
    ini::Document doc = load() ? contents_.doc : ini::Document{};
    doc.values[name] = value;
    save(doc, name);
}

void IniSettingsKey::writeAll(const std::vector<std::pair<std::string, std::string>>& values) {
    const std::string first = values.empty() ? std::string() : values.front().first;
    if (!open_) throw SettingsError("Failed to set data for '" + first + "'");
    ini::Document doc = load() ? contents_.doc : ini::Document{};
    for (const auto& [name, value] : values) doc.values[name] = value;
    save(doc, first);  // one replacement of the file
}

void IniSettingsKey::close() { open_ = false; }

std::optional<std::string> IniSettingsKey::peek(const std::string& name) {
    if (!load()) return std::nullopt;
    auto it = contents_.doc.values.find(name);
    if (it == contents_.doc.values.end()) return std::nullopt;
    return it->second;
}

void IniSettingsKey::put(const std::string& name, const std::string& value) {
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::absolute(path_, ec).parent_path(), ec);
    ini::Document doc = load() ? contents_.doc : ini::Document{};
    doc.values[name] = value;
    try {
        save(doc, name);
    } catch (const SettingsError&) {
        // Another program's failed write changes nothing.
    }
}

void IniSettingsKey::remove(const std::string& name) {
    if (!load()) return;
    ini::Document doc = contents_.doc;
    if (!doc.values.erase(name)) return;
    try {
        save(doc, name);
    } catch (const SettingsError&) {
    }
}

std::string systemDecimalSeparator() {
    // The numeric locale of the user's environment, whatever the program set.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* lc = std::localeconv();
    std::string sep = lc && lc->decimal_point ? lc->decimal_point : ".";
    std::setlocale(LC_NUMERIC, saved.c_str());
    return sep.empty() ? "." : sep;
}

}  // namespace tv
