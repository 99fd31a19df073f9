#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <sstream>

#include "platform/ini_settings_key.h"
#include "shell/script_driver.h"

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

namespace {

// Texts of every kind a value may hold: separators, quotes, blanks at the
// ends, control characters, escapes that a hex digit follows, other scripts.
const std::vector<std::string> kHostileValues = {
    "0",     "12,5",      " lead", "trail ", "a;b",  "a=b",    "q\"uote", "back\\slash", "@at",   "@@x",
    "tab\t", "l1\nl2",    "\x01",  "\x01" "a", "\xC2\xB5m", "",  "#hash",   "[br]",        "x y",   "\x7F",
    "%20",   "@String(x)", "\"",   "\\x41", "a,b,c", ",",      "  ",      "\r",          "1e308", "N/A"};

}  // namespace

TEST(IniSettingsKey, FilesReadAndWrittenAsQSettingsDoes) {
    QTemporaryDir dir;
    const QString ours = dir.path() + "/ours.ini", theirs = dir.path() + "/theirs.ini";
    {
        IniSettingsKey key(ours.toStdString());
        ASSERT_TRUE(key.openForWrite());
        QSettings qs(theirs, QSettings::IniFormat);
        for (size_t i = 0; i < kHostileValues.size(); ++i) {
            key.write("V" + std::to_string(i), kHostileValues[i]);
            qs.setValue(QString("V%1").arg(i), QString::fromStdString(kHostileValues[i]));
        }
        key.write("Odd name%", "1");
        qs.setValue("Odd name%", "1");
        qs.sync();
    }
    // Each reads what the other wrote, and both write the same file.
    QSettings fromOurs(ours, QSettings::IniFormat);
    IniSettingsKey fromTheirs(theirs.toStdString());
    ASSERT_TRUE(fromTheirs.openReadOnly());
    for (size_t i = 0; i < kHostileValues.size(); ++i) {
        const QString name = QString("V%1").arg(i);
        QVariant v = fromOurs.value(name);
        const QString text = v.typeId() == QMetaType::QStringList ? v.toStringList().join(",") : v.toString();
        // QSettings itself reads a list back without the blanks around its commas.
        EXPECT_EQ(text.toStdString(), kHostileValues[i]) << i;
        EXPECT_EQ(fromTheirs.read(name.toStdString()), kHostileValues[i]) << i;
    }
    EXPECT_EQ(fromTheirs.read("Odd name%"), "1");
    EXPECT_EQ(readAll(ours), readAll(theirs));
}

TEST(IniSettingsKey, HandEditedFilesReadAsQSettingsReadsThem) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/hand.ini";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF[general]\nK=1\nK=2\nL = 12, 5 \nM=a;comment\nN=\"q;x\" tail\nO=@String(zz)\n"
            "P=@ByteArray(bb)\nQ=@Invalid()\nR=@@x\nS=\\x41\\t\\101\n;C=1\n#D=2\nno equals\n"
            "T=a\\\n b\nW=\\x00e9\n%55k=6\n[Other]\nU=4\n[General]\nX=3\r\n");
    f.close();
    QSettings qs(path, QSettings::IniFormat);
    IniSettingsKey key(path.toStdString());
    ASSERT_TRUE(key.openReadOnly());
    for (const char* name : {"K", "L", "M", "N", "O", "P", "Q", "R", "S", "C", "#D", "T", "W", "Uk", "U", "X"}) {
        QVariant v = qs.value(name);
        const QString text = v.typeId() == QMetaType::QStringList ? v.toStringList().join(",") : v.toString();
        EXPECT_EQ(key.read(name), text.toStdString()) << name;
    }
    // A value written keeps the other section.
    key.close();
    ASSERT_TRUE(key.openForWrite());
    key.write("Program", "3");
    QSettings after(path, QSettings::IniFormat);
    EXPECT_EQ(after.value("Other/U").toString(), "4");
    EXPECT_EQ(after.value("Program").toString(), "3");
}

// The disk is full (the file size limit stands in for it): the write fails
// with its message, the file keeps its old values, and neither a check of the
// stored value nor a restart sees the value that was not written.
TEST(IniSettingsKey, AFailedWriteLeavesTheFileAndIsSeenAsFailed) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/Tolvane.ini").toStdString();
    IniSettingsKey key(path);
    ASSERT_TRUE(key.openForWrite());
    std::vector<std::pair<std::string, std::string>> defaults;
    for (const auto& d : repairDefaults()) defaults.emplace_back(d.name, d.value);
    key.writeAll(defaults);
    key.close();
    const std::string before = readAll(QString::fromStdString(path));

    std::ostringstream out, err;
    ScriptDriver driver(key, ".", out, err);
    driver.start();
    struct FileSizeLimit {
        rlimit old{};
        FileSizeLimit() {
            signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit tiny = old;
            tiny.rlim_cur = 16;
            setrlimit(RLIMIT_FSIZE, &tiny);
        }
        ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    };
    {
        FileSizeLimit full;
        std::istringstream script(
            "click ConductorProperties1\n"
            "expect-message \"Failed to set data for 'Program'\"\n"
            "expect-stored Program 0\n"
            "restart\n"
            "expect TabControl1.index 0\n"
            "expect-stored Program 0\n");
        EXPECT_EQ(driver.run(script), 0) << out.str() << err.str();
    }
    EXPECT_EQ(readAll(QString::fromStdString(path)), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary file left
}

// A file far larger than settings ever are is a damaged key: its values read
// as missing (start-up then offers the repair) without parsing megabytes.
TEST(IniSettingsKey, AHugeFileIsADamagedKey) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Tolvane.ini";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nRegistry_Status=0\nProgram=5\n");
    f.write(QByteArray(IniSettingsKey::kMostBytes, ';'));
    f.close();
    IniSettingsKey key(path.toStdString());
    EXPECT_TRUE(key.exists());
    ASSERT_TRUE(key.openReadOnly());
    EXPECT_EQ(key.read("Program"), "");
    key.close();
    std::ostringstream out, err;
    ScriptDriver driver(key, ".", out, err);
    driver.start();
    EXPECT_TRUE(driver.app().c("Label301").visible());  // "Registry Error!"
    EXPECT_EQ(driver.app().currentFunction, 0);
}
