#include "core/settings.h"

namespace tv {

bool MemorySettingsKey::openForWrite() {
    if (!writable) return false;
    installed = true;
    open_ = true;
    return true;
}

bool MemorySettingsKey::openReadOnly() {
    open_ = installed;
    return open_;
}

std::string MemorySettingsKey::read(const std::string& name) {
    if (!open_) return {};
    auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
}

void MemorySettingsKey::write(const std::string& name, const std::string& text) {
    if (!open_ || !writable) throw SettingsError("Failed to set data for '" + name + "'");
    values[name] = text;
}

void MemorySettingsKey::writeAll(const std::vector<std::pair<std::string, std::string>>& all) {
    if (!open_ || !writable) {
        std::string first = all.empty() ? std::string() : all.front().first;
        throw SettingsError("Failed to set data for '" + first + "'");
    }
    for (const auto& [name, text] : all) values[name] = text;
}

std::optional<std::string> MemorySettingsKey::peek(const std::string& name) {
    auto it = values.find(name);
    if (!installed || it == values.end()) return std::nullopt;
    return it->second;
}

void MemorySettingsKey::put(const std::string& name, const std::string& text) {
    installed = true;
    values[name] = text;
}

void MemorySettingsKey::remove(const std::string& name) { values.erase(name); }

const std::vector<SettingDefault>& repairDefaults() {
    static const std::vector<SettingDefault> d = {
        {"Conductor_Reduction", "100"}, {"IPC_Version", "0"}, {"Derating", "0"},
        {"Manual_Copper_Weight", "0"},  {"Program", "0"},     {"Units", "0"},
        {"Via_Height_Enable", "1"},     {"Registry_Status", "0"}, {"Base_Weight", "1"},
        {"Plate_Weight", "2"},          {"TH_Via_AR_Setting", "10"}, {"UVia_AR_Setting", "1"},
        {"Vurivav_Theme", "0"},
    };
    return d;
}

void Settings::write(const std::string& name, const std::string& text) {
    if (key_.openForWrite()) cache_[name] = text;
    try {
        key_.write(name, cache_[name]);
    } catch (...) {
        key_.close();
        throw;
    }
    key_.close();
}

const std::string& Settings::read(const std::string& name) {
    cache_[name] = key_.read(name);
    return cache_[name];
}

}  // namespace tv
