#include "platform/ini_settings_key.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <clocale>

namespace tv {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Reading a named pipe or a device would wait forever (or read without end):
// only a regular file, or a path not there yet, is a usable key.
bool usable(const QFileInfo& info) { return !info.exists() || info.isFile(); }

// A dangling link counts as there: it is not installed over.
bool there(const QFileInfo& info) { return info.exists() || info.isSymLink(); }

std::unique_ptr<QSettings> openIni(const std::string& path) {
    auto s = std::make_unique<QSettings>(q(path), QSettings::IniFormat);
    s->setAtomicSyncRequired(true);
    return s;
}

// Values are plain strings; a hand-edited "12,5" reads back as a list.
std::string text(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(",").toStdString();
    return v.toString().toStdString();
}

}  // namespace

IniSettingsKey::IniSettingsKey(std::string path) : path_(std::move(path)) {}
IniSettingsKey::~IniSettingsKey() = default;

std::string IniSettingsKey::userPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (dir + "/Corvex PCB Design, Inc./Tolvane.ini").toStdString();
}

bool IniSettingsKey::exists() { return there(QFileInfo(q(path_))); }

bool IniSettingsKey::openForWrite() {
    close();
    QFileInfo info(q(path_));
    if (!usable(info) || (info.isSymLink() && !info.exists())) return false;
    if (!info.exists()) {
        if (!QDir().mkpath(info.absolutePath())) return false;
    }
    auto s = openIni(path_);
    if (!s->isWritable()) return false;
    open_ = std::move(s);
    return true;
}

bool IniSettingsKey::openReadOnly() {
    close();
    QFileInfo info(q(path_));
    if (!info.exists() || !info.isFile() || !info.isReadable()) return false;
    open_ = openIni(path_);
    return true;
}

std::string IniSettingsKey::read(const std::string& name) {
    if (!open_) return {};
    return text(open_->value(q(name)));
}

void IniSettingsKey::write(const std::string& name, const std::string& value) {
    if (!open_) throw SettingsError("Failed to set data for '" + name + "'");
    open_->setValue(q(name), q(value));
    open_->sync();
    if (open_->status() != QSettings::NoError) throw SettingsError("Failed to set data for '" + name + "'");
}

void IniSettingsKey::writeAll(const std::vector<std::pair<std::string, std::string>>& values) {
    std::string first = values.empty() ? std::string() : values.front().first;
    if (!open_) throw SettingsError("Failed to set data for '" + first + "'");
    for (const auto& [name, value] : values) open_->setValue(q(name), q(value));
    open_->sync();  // one replacement of the file
    if (open_->status() != QSettings::NoError) throw SettingsError("Failed to set data for '" + first + "'");
}

void IniSettingsKey::close() { open_.reset(); }

std::optional<std::string> IniSettingsKey::peek(const std::string& name) {
    QFileInfo info(q(path_));
    if (!info.exists() || !info.isFile()) return std::nullopt;
    QSettings s(q(path_), QSettings::IniFormat);
    if (!s.contains(q(name))) return std::nullopt;
    return text(s.value(q(name)));
}

void IniSettingsKey::put(const std::string& name, const std::string& value) {
    QFileInfo info(q(path_));
    if (!usable(info)) return;
    QDir().mkpath(info.absolutePath());
    auto s = openIni(path_);
    s->setValue(q(name), q(value));
    s->sync();
}

void IniSettingsKey::remove(const std::string& name) {
    QFileInfo info(q(path_));
    if (!info.exists() || !info.isFile()) return;
    auto s = openIni(path_);
    s->remove(q(name));
    s->sync();
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
