// A second start reaches the running program through its local socket.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "program_fixture.h"
#include "platform/single_instance.h"

namespace {

struct SingleInstanceTest : ::testing::Test {
    void SetUp() override { qt_test::startQt(); }
    QTemporaryDir dir;
    QString name() const { return dir.filePath("tolvane-test.socket"); }
};

TEST_F(SingleInstanceTest, ALaterStartAsksTheRunningOneToComeToTheFront) {
    tv::SingleInstance running(name());
    int raised = 0;
    running.onActivate = [&] { ++raised; };
    ASSERT_TRUE(running.listen());

    for (int start = 1; start <= 2; ++start) {
        tv::SingleInstance later(name());
        EXPECT_TRUE(later.activateRunning());
        QTRY_COMPARE_WITH_TIMEOUT(raised, start, 5000);
    }
}

TEST_F(SingleInstanceTest, WithNobodyRunningTheStartTakesTheSocketEvenAStaleOne) {
    {
        tv::SingleInstance first(name());
        EXPECT_FALSE(first.activateRunning(200));
        EXPECT_TRUE(first.listen());
    }
    // A program killed on the way leaves its socket file: nobody answers it.
    QFile stale(name());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    tv::SingleInstance next(name());
    EXPECT_FALSE(next.activateRunning(200));
    EXPECT_TRUE(next.listen());
    tv::SingleInstance third(name());
    EXPECT_TRUE(third.activateRunning());
}

TEST_F(SingleInstanceTest, TheSocketIsTheUsersAndTheDisplays) {
    const QByteArray display = qgetenv("DISPLAY"), runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("DISPLAY", ":7");
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    const QString x7 = tv::SingleInstance::defaultSocketName();
    qputenv("DISPLAY", ":8");
    const QString x8 = tv::SingleInstance::defaultSocketName();
    EXPECT_TRUE(x7.startsWith(dir.path() + "/")) << x7.toStdString();
    EXPECT_NE(x7, x8);
    qputenv("DISPLAY", display);
    qputenv("XDG_RUNTIME_DIR", runtime);
}

}  // namespace
