#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "platform/ini_settings_key.h"

using namespace tv;

namespace {
std::string readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}
}  // namespace

TEST(IniSettingsKey, MissingFileIsAKeyNeverInstalled) {
    QTemporaryDir dir;
    IniSettingsKey key((dir.path() + "/sub/Tolvane.ini").toStdString());
    EXPECT_FALSE(key.openReadOnly());
    EXPECT_EQ(key.read("Units"), "");
    EXPECT_FALSE(key.peek("Units").has_value());
    EXPECT_THROW(key.write("Units", "1"), SettingsError);
}

TEST(IniSettingsKey, WritesArePlainIniLinesOnDiskAtOnce) {
    QTemporaryDir dir;
    QString path = dir.path() + "/sub/Tolvane.ini";
    IniSettingsKey key(path.toStdString());
    ASSERT_TRUE(key.openForWrite());
    key.write("Program", "3");
    key.write("TH_Via_AR_Setting", "12,5");
    // On disk before the key is closed.
    std::string text = readAll(path);
    EXPECT_NE(text.find("[General]"), std::string::npos);
    EXPECT_NE(text.find("Program=3"), std::string::npos);
    key.close();
    ASSERT_TRUE(key.openReadOnly());
    EXPECT_EQ(key.read("TH_Via_AR_Setting"), "12,5");
    EXPECT_EQ(key.read("Units"), "");
    key.close();
}

TEST(IniSettingsKey, HandWrittenValuesReadAsTheirText) {
    QTemporaryDir dir;
    QString path = dir.path() + "/Tolvane.ini";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nTH_Via_AR_Setting=12,5\nProgram=18\ngarbage line without equals\n");
    f.close();
    IniSettingsKey key(path.toStdString());
    ASSERT_TRUE(key.openReadOnly());
    EXPECT_EQ(key.read("TH_Via_AR_Setting"), "12,5");
    EXPECT_EQ(key.read("Program"), "18");
}

TEST(IniSettingsKey, UncreatableLocationFailsToOpenForWriting) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    IniSettingsKey key((dir.path() + "/file/Tolvane.ini").toStdString());
    EXPECT_FALSE(key.openForWrite());
    EXPECT_THROW(key.write("Program", "1"), SettingsError);
}

TEST(IniSettingsKey, APathThatIsNoRegularFileIsNeitherReadNorWritten) {
    QTemporaryDir dir;
    const std::string pipe = (dir.path() + "/pipe.ini").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, dir.path().toStdString()}) {
        IniSettingsKey key(path);
        EXPECT_TRUE(key.exists()) << path;  // there: never installed over
        EXPECT_FALSE(key.openReadOnly()) << path;
        EXPECT_FALSE(key.openForWrite()) << path;
        EXPECT_FALSE(key.peek("Units").has_value()) << path;
        key.put("Units", "1");
    }
}

TEST(IniSettingsKey, WriteAllPutsEveryValueInOneFile) {
    QTemporaryDir dir;
    IniSettingsKey key((dir.path() + "/sub/Tolvane.ini").toStdString());
    EXPECT_FALSE(key.exists());
    ASSERT_TRUE(key.openForWrite());
    key.writeAll({{"Program", "0"}, {"Units", "1"}, {"TH_Via_AR_Setting", "12,5"}});
    key.close();
    EXPECT_TRUE(key.exists());
    EXPECT_EQ(key.peek("Units").value_or(""), "1");
    EXPECT_EQ(key.peek("TH_Via_AR_Setting").value_or(""), "12,5");
}
