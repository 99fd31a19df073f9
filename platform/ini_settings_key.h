#pragma once
// The per-user settings key as an INI file in QSettings' form (core/ini_text.h):
// section [General], one Name=text line per value. A missing file is a key
// that was never installed; a path that is not a regular file (a named pipe,
// a directory, a device) is a key that can be neither read nor written; a
// file larger than any settings file (1 MB) is a damaged key whose values are
// all missing, never parsed. Every write replaces the whole file through a
// temporary file (core/file_write.h), so that a program killed while writing
// leaves the old file or the new one, and a write that fails leaves it as it
// was. The file is read again only when it changed on disk; what a failed
// write meant to store is never seen by a later read.
#include <cstdint>
#include <string>

#include "core/ini_text.h"
#include "core/settings.h"

namespace tv {

class IniSettingsKey : public SettingsKey {
public:
    explicit IniSettingsKey(std::string path);
    ~IniSettingsKey() override;
    // The per-user file: <config dir>/Corvex PCB Design, Inc./Tolvane.ini
    static std::string userPath();

    bool openForWrite() override;
    bool openReadOnly() override;
    std::string read(const std::string& name) override;
    void write(const std::string& name, const std::string& text) override;
    void writeAll(const std::vector<std::pair<std::string, std::string>>& values) override;
    bool exists() override;
    void close() override;
    std::optional<std::string> peek(const std::string& name) override;
    void put(const std::string& name, const std::string& text) override;
    void remove(const std::string& name) override;

    const std::string& path() const { return path_; }
    // Settings files are a few hundred bytes; a larger file is damaged.
    static constexpr std::int64_t kMostBytes = 1 << 20;

private:
    // The file's values as last read; `stamp` tells whether the file on disk
    // is still the one read.
    struct Contents {
        bool valid = false;
        std::string stamp;
        ini::Document doc;
    };
    // The values on disk now (re-read only when the file changed); false
    // when the path is not a readable regular file.
    bool load();
    // Replaces the file with `doc`; throws SettingsError naming `name`.
    void save(const ini::Document& doc, const std::string& name);

    std::string path_;
    bool open_ = false;
    Contents contents_;
};

// The decimal separator of the user's numeric locale ("." or "," or another).
std::string systemDecimalSeparator();

}  // namespace tv
