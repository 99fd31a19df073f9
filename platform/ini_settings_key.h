#pragma once
// The per-user settings key as an INI file written by QSettings: section
// [General], one Name=text line per value. A missing file is a key that was
// never installed; a path that is not a regular file (a named pipe, a
// directory, a device) is a key that can be neither read nor written. Every
// write is synced to disk at once, by replacing the whole file, so that a
// program killed while writing leaves the old file or the new one.
#include <memory>
#include <string>

#include "core/settings.h"

class QSettings;

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

private:
    std::string path_;
    std::unique_ptr<QSettings> open_;
};

// The decimal separator of the user's numeric locale ("." or "," or another).
std::string systemDecimalSeparator();

}  // namespace tv
