// The keys reach the model through the windows: the menu shortcuts, Ctrl+Tab
// between the calculators, Escape and Enter on the secondary windows, and a
// key that ends the start-up picture.
#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include "platform/help_window.h"
#include "platform/result_fields.h"
#include "platform/tab_strip.h"
#include "program_fixture.h"
#include "shell/designs.h"
#include "shell/program.h"

namespace {

using qt_test::Windows;

void activate(QWidget* w) {
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QApplication::processEvents();
}

TEST_F(Windows, CtrlTabStepsThroughTheCalculatorsAsATabClickDoes) {
    QWidget& main = windows->main();
    activate(&main);
    QTest::keyClick(&main, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(app->c("TabControl1").itemIndex(), 1);
    EXPECT_TRUE(app->c("GroupBox5").visible());
    EXPECT_EQ(key.values["Program"], "1") << "the selection ran whole and was stored";
    auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->current(), 1);

    QTest::keyClick(&main, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&main, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(app->c("TabControl1").itemIndex(), 19);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, MenuItemsCarryTheirShortcuts) {
    const std::pair<const char*, const char*> expected[] = {
        {"Exit1", "Ctrl+Q"}, {"Print1", "Ctrl+P"}, {"HelpTopics1", "F1"}, {"SaveDesign1", "Ctrl+S"},
        {"OpenDesign1", "Ctrl+O"}, {"CopyResults1", "Ctrl+Shift+C"}};
    for (const auto& [item, keys] : expected) {
        QAction* action = windows->main().actionOf(app->c(item));
        ASSERT_TRUE(action) << item;
        EXPECT_EQ(action->shortcut(), QKeySequence(keys)) << item;
    }
    answerYes = false;
    activate(&windows->main());
    QTest::keyClick(&windows->main(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].second, "Print form data?");
}

// The title bar shows the design's name once the work is saved in one.
TEST_F(Windows, TheTitleBarShowsTheDesignsName) {
    tv::startDesignSession(*app);
    const QString plain = windows->main().windowTitle();
    const std::string path = (std::filesystem::temp_directory_path() / "title-test.tvd").string();
    ASSERT_TRUE(tv::saveDesign(*app, path));
    QApplication::processEvents();
    EXPECT_EQ(windows->main().windowTitle(), "title-test.tvd - " + plain);
    std::filesystem::remove(path);
}

TEST_F(Windows, EscapeClosesEachWindowThroughItsCloseHandler) {
    for (const char* opener : {"About1", "References1", "CopperWeight1"}) {
        app->c(opener).onClick();
        QApplication::processEvents();
        tv::FormView* top = nullptr;
        for (const char* form : {"Form2", "Form5", "Form6"})
            if (app->form(form)->self().visible()) top = windows->view(form);
        ASSERT_TRUE(top) << opener;
        ASSERT_TRUE(top->isVisible());
        EXPECT_FALSE(app->Form1.self().enabled());
        activate(top);
        QTest::keyClick(top, Qt::Key_Escape);
        EXPECT_FALSE(top->isVisible()) << opener;
        EXPECT_FALSE(top->form().self().visible()) << opener;
        EXPECT_TRUE(app->Form1.self().enabled()) << opener;
    }
    // Enter accepts About.
    app->c("About1").onClick();
    tv::FormView* about = windows->view("Form2");
    activate(about);
    QTest::keyClick(about, Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(app->Form1.self().enabled());
}

// A platform whose splash progress is interrupted by a key press after a few
// steps; it counts the steps that ran.
class KeyOnSplash : public tv::QtPlatform {
public:
    KeyOnSplash() : QtPlatform("Corvex PCB Design Vurivav") {}
    void delay(int) override {
        if (++steps == 5 && windows) QTest::keyClick(windows->view("Form4"), Qt::Key_Space);
    }
    int steps = 0;
    tv::QtWindows* windows = nullptr;
};

TEST(Splash, AKeyPressEndsTheStartUpPictureAtOnce) {
    qt_test::startQt();
    KeyOnSplash platform;
    tv::MemorySettingsKey key;
    for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
    tv::App app(platform, key, tv::functionCatalogue(), ".");
    tv::buildWindows(app);
    tv::QtWindows windows(app, platform);
    platform.attach(&windows);
    platform.windows = &windows;
    windows.showMain();
    tv::StartupSequence(app);
    EXPECT_LT(platform.steps, 10) << "the progress stopped at the key";
    EXPECT_FALSE(app.Form4.self().visible());
    EXPECT_FALSE(windows.view("Form4")->isVisible());
    EXPECT_EQ(app.c("Label27").caption(), "42.0") << "the first recalculation ran";
    EXPECT_TRUE(windows.main().isEnabled());
    platform.attach(nullptr);
}

}  // namespace

namespace {

TEST_F(Windows, F1ShowsTheManualInAHelpWindow) {
    activate(&windows->main());
    QTest::keyClick(&windows->main(), Qt::Key_F1);
    tv::HelpWindow* help = platform.helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->browser().toPlainText();
    for (const char* part : {"Conductor Properties", "Goal Seek", "Sweep", "tolvane-cli", "Reactance"})
        EXPECT_TRUE(text.contains(part)) << part;
    EXPECT_TRUE(boxes.empty());
    // A second F1 brings the same window back.
    help->close();
    activate(&windows->main());
    QTest::keyClick(&windows->main(), Qt::Key_F1);
    EXPECT_EQ(platform.helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
}

}  // namespace

namespace {

class CommaWindows : public Windows {
protected:
    void SetUp() override {
        separator = ",";
        Windows::SetUp();
    }
};

// Under a comma separator a copied result pastes into an input and reads.
TEST_F(CommaWindows, ACopiedResultPastesIntoAnInputAndRecalculates) {
    auto* hole = qobject_cast<QLineEdit*>(widget("Edit3"));
    auto* current = qobject_cast<QLineEdit*>(widget("Edit10"));
    ASSERT_TRUE(hole && current);
    ASSERT_EQ(current->text(), "2.0148 Amps");
    current->setFocus(Qt::TabFocusReason);
    QTest::keyClick(current, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2,0148");

    hole->setFocus(Qt::TabFocusReason);
    QTest::keyClick(hole, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(hole, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(hole, Qt::Key_Return);
    EXPECT_EQ(app->c("Edit3").text(), "2,0148");
    EXPECT_TRUE(boxes.empty()) << "the pasted number reads";
    EXPECT_NE(current->text(), "2.0148 Amps") << "and the via recalculated";

    tv::copyResult(*windows, *current, true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), current->text().replace('.', ','));
}

}  // namespace
