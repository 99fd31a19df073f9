#pragma once
// The per-user settings key: thirteen string values, written the moment they
// change. SettingsKey is the platform's key (an INI file on Linux, a map in
// memory for tests and scripts); Settings adds the settings cache and the one
// write pattern every writer uses.
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tv {

// A failed write of the platform's key; its text is shown as a message and the
// handler that was writing stops there.
struct SettingsError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // Opens the key, creating it when missing; false when it cannot.
    virtual bool openForWrite() = 0;
    // Opens an existing key for reading; false when it does not exist.
    virtual bool openReadOnly() = 0;
    // The text of a value; empty when the value or the open key is missing.
    virtual std::string read(const std::string& name) = 0;
    // Throws SettingsError when the key is not open or the write fails.
    virtual void write(const std::string& name, const std::string& text) = 0;
    // Writes several values in one step: afterwards the key holds all of them
    // or, when the write fails (or the program is killed), none.
    virtual void writeAll(const std::vector<std::pair<std::string, std::string>>& values) = 0;
    // Whether the key exists at all, readable or not (false: never installed).
    virtual bool exists() = 0;
    virtual void close() = 0;

    // What another program sees or does (script commands store/unstore).
    virtual std::optional<std::string> peek(const std::string& name) = 0;
    virtual void put(const std::string& name, const std::string& text) = 0;
    virtual void remove(const std::string& name) = 0;
};

// A key held in memory; `installed` false is a key never installed.
class MemorySettingsKey : public SettingsKey {
public:
    bool installed = true;
    bool writable = true;
    std::map<std::string, std::string> values;

    bool openForWrite() override;
    bool openReadOnly() override;
    std::string read(const std::string& name) override;
    void write(const std::string& name, const std::string& text) override;
    void writeAll(const std::vector<std::pair<std::string, std::string>>& values) override;
    bool exists() override { return installed; }
    void close() override { open_ = false; }
    std::optional<std::string> peek(const std::string& name) override;
    void put(const std::string& name, const std::string& text) override;
    void remove(const std::string& name) override;

private:
    bool open_ = false;
};

// The thirteen values and the defaults the repair installs, in repair order.
struct SettingDefault {
    const char* name;
    const char* value;
};
const std::vector<SettingDefault>& repairDefaults();

class Settings {
public:
    explicit Settings(SettingsKey& key) : key_(key) {}

    // Opens the key for writing; when it opened the cache takes `text`; then the
    // cached text is written (a failed open rewrites the previous text).
    void write(const std::string& name, const std::string& text);
    // Opens read-only; returns whether it opened. Reads fill the cache.
    bool openRead() { return key_.openReadOnly(); }
    const std::string& read(const std::string& name);  // reads into the cache
    void close() { key_.close(); }
    const std::string& cached(const std::string& name) { return cache_[name]; }
    void setCached(const std::string& name, const std::string& text) { cache_[name] = text; }
    SettingsKey& key() { return key_; }

private:
    SettingsKey& key_;
    std::map<std::string, std::string> cache_;
};

}  // namespace tv
