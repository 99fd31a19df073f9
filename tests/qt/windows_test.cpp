// The widgets and the window model wired together: typing and Enter, the hint
// under the mouse, a tab click, and a conversion error's message box. Runs the
// real program (every window, start-up on the repair defaults) offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app.h"
#include "catalogue.h"
#include "form_view.h"
#include "program.h"
#include "qt_platform.h"
#include "qt_windows.h"
#include "settings.h"
#include "tab_strip.h"
#include "themes.h"
#include "widgets.h"

namespace {

void startQt() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        tv::installUiFont();
        tv::applyTheme("Windows");
        return a;
    }();
    (void)app;
}

// The GUI's platform without the splash's waiting.
class QuickPlatform : public tv::QtPlatform {
public:
    QuickPlatform() : QtPlatform("Corvex PCB Design Vurivav") {}
    void delay(int) override {}
};

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        startQt();
        // Answers every message box the moment it is up, recording it; no
        // test can hang on a modal box.
        closer_ = std::make_unique<QTimer>();
        closer_->setInterval(5);
        QObject::connect(closer_.get(), &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    boxes.push_back({box->windowTitle(), box->text()});
                    box->done(QMessageBox::Ok);
                }
        });
        closer_->start();

        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        app = std::make_unique<tv::App>(platform, key, tv::functionCatalogue(), ".");
        tv::buildWindows(*app);
        windows = std::make_unique<tv::QtWindows>(*app, platform);
        platform.attach(windows.get());
        windows->showMain();
        tv::StartupSequence(*app);
        QApplication::processEvents();
        ASSERT_TRUE(boxes.empty()) << "start-up showed: " << boxes.front().second.toStdString();
    }

    void TearDown() override {
        tv::applyTheme("Windows");
        platform.attach(nullptr);
        windows.reset();
        app.reset();
        closer_.reset();
    }

    QWidget* widget(const char* name) {
        QWidget* w = windows->widget("Form1", name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Moves the mouse over the middle of a widget, as the window system reports
    // it. The first move into a window only makes it the mouse's window.
    void hover(QWidget* w) {
        QWidget* top = w->window();
        if (!pointerIn_.contains(top)) {
            QTest::mouseMove(top->windowHandle(), QPoint(1, top->height() - 1));
            pointerIn_.insert(top);
        }
        QTest::mouseMove(top->windowHandle(), w->mapTo(top, w->rect().center()));
    }

    void typeInto(QLineEdit* edit, const char* text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }

    QuickPlatform platform;
    tv::MemorySettingsKey key;
    std::unique_ptr<tv::App> app;
    std::unique_ptr<tv::QtWindows> windows;
    std::vector<std::pair<QString, QString>> boxes;  // caption, text

private:
    std::unique_ptr<QTimer> closer_;
    QSet<QWidget*> pointerIn_;
};

TEST_F(Windows, TypingReachesTheModelAndEnterRecalculates) {
    auto* rise = qobject_cast<QLineEdit*>(widget("Edit1"));
    auto* fahrenheit = qobject_cast<QLabel*>(widget("Label2"));
    ASSERT_TRUE(rise && fahrenheit);
    ASSERT_EQ(fahrenheit->text(), "36.0");

    typeInto(rise, "30");
    EXPECT_EQ(app->c("Edit1").text(), "30");
    EXPECT_EQ(fahrenheit->text(), "36.0") << "typing alone does not recalculate";

    QTest::keyClick(rise, Qt::Key_Return);
    EXPECT_EQ(fahrenheit->text(), "54.0");
    EXPECT_EQ(rise->text(), "30") << "Enter is swallowed, the text stays";
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, StatusBarShowsTheHintUnderTheMouse) {
    auto* status = qobject_cast<tv::StatusPanels*>(widget("StatusBar1"));
    ASSERT_TRUE(status);

    hover(widget("Button1"));
    EXPECT_EQ(status->text(0), "Solve using the given inputs.");
    EXPECT_EQ(app->c("StatusBar1").panelText(0), "Solve using the given inputs.");

    // A radio button has no hint of its own: its group's hint shows.
    auto* units = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup6"));
    ASSERT_TRUE(units && units->count() == 2);
    hover(units->button(1));
    EXPECT_EQ(status->text(0), "Switch between imperial units and metric units.");

    // A label inside a group without hints clears the panel.
    hover(widget("Label23"));
    EXPECT_EQ(status->text(0), "");
    // The second panel keeps the material warning's place.
    EXPECT_EQ(status->text(1), QString::fromStdString(app->c("StatusBar1").panelText(1)));
}

TEST_F(Windows, ClickingARadioItemRaisesItsGroupsClickOnce) {
    tv::Component& units = app->c("RadioGroup6");
    int clicks = 0;
    units.onClick.chain([&] { ++clicks; });
    auto* group = qobject_cast<tv::RadioGroupBox*>(widget("RadioGroup6"));
    ASSERT_TRUE(group);

    QTest::mouseClick(group->button(1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(units.itemIndex(), 1);
    EXPECT_EQ(key.values["Units"], "1");
    // Clicking the item already chosen changes nothing.
    QTest::mouseClick(group->button(1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(group->button(1)->isChecked());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ClickingATabSelectsItsFunction) {
    auto* strip = qobject_cast<tv::TabStrip*>(widget("TabControl1"));
    ASSERT_TRUE(strip);
    QWidget* page = widget("Panel1");
    // The twenty tabs wrap into rows that stay above the calculator area.
    EXPECT_GT(strip->rowCount(), 1);
    EXPECT_LE(strip->stripHeight(), page->y());
    for (int i = 0; i < strip->count(); ++i) EXPECT_LE(strip->tabRect(i).right(), strip->width()) << i;

    const int fusing = 12;
    int rowOfFirstTab = strip->tabRect(0).y();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(fusing).center());

    EXPECT_EQ(app->currentFunction, fusing);
    EXPECT_EQ(strip->current(), fusing);
    EXPECT_TRUE(widget("GroupBox33")->isVisible());
    EXPECT_FALSE(widget("GroupBox1")->isVisible());
    EXPECT_EQ(key.values["Program"], "12");
    // The selected tab's row moved next to the page.
    EXPECT_GT(strip->tabRect(fusing).y(), strip->tabRect(0).y());
    EXPECT_EQ(strip->tabRect(fusing).y(), rowOfFirstTab);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ConversionErrorShowsAMessageBox) {
    auto* rise = qobject_cast<QLineEdit*>(widget("Edit1"));
    ASSERT_TRUE(rise);
    typeInto(rise, "2x");
    EXPECT_TRUE(boxes.empty());
    QTest::keyClick(rise, Qt::Key_Return);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Corvex PCB Design Vurivav");
    EXPECT_EQ(boxes[0].second, "'2x' is not a valid floating point value");
    // The recalculation stopped at the field: the old result stays.
    EXPECT_EQ(qobject_cast<QLabel*>(widget("Label2"))->text(), "36.0");
}

TEST_F(Windows, OptionsWindowHoldsTheMainWindowUntilClosedByItsFrame) {
    QAction* menuItem = windows->main().actionOf(app->c("CopperWeight1"));
    ASSERT_TRUE(menuItem);
    menuItem->trigger();
    tv::FormView* options = windows->view("Form6");
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(options->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(app->Form1.self().enabled());

    options->close();  // the title bar's close button
    EXPECT_FALSE(options->isVisible());
    EXPECT_FALSE(app->Form6.self().visible());
    EXPECT_TRUE(app->Form1.self().enabled());
    EXPECT_TRUE(windows->main().isEnabled());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, ChoosingAThemeRecoloursAtOnceAndKeepsResultsReadable) {
    windows->main().actionOf(app->c("CopperWeight1"))->trigger();
    auto* themes = qobject_cast<QComboBox*>(windows->widget("Form6", "cbxVclStyles"));
    ASSERT_TRUE(themes);
    ASSERT_EQ(themes->currentText(), "Windows");

    QTest::keyClick(themes, Qt::Key_Down);
    EXPECT_EQ(platform.activeStyle(), "Charcoal Dark Slate");
    EXPECT_EQ(key.values["Vurivav_Theme"], "1");
    EXPECT_FALSE(windows->view("Form6")->isVisible());
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightnessF(), 0.5);
    // A navy result is drawn in a lighter blue on the dark window.
    QColor result = widget("Label2")->palette().color(QPalette::Active, QPalette::WindowText);
    EXPECT_EQ(result.hslHue(), QColor(0, 0, 128).hslHue());
    EXPECT_GT(result.lightnessF(), 0.5);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Windows, IpcVersionInOptionsSteersTheConductorPanel) {
    windows->main().actionOf(app->c("ConductorProperties1"))->trigger();
    windows->main().actionOf(app->c("CopperWeight1"))->trigger();
    auto* ipc = qobject_cast<tv::RadioGroupBox*>(windows->widget("Form6", "RadioGroup1"));
    QWidget* solveFor = widget("RadioGroup8");
    auto* mode = qobject_cast<QLabel*>(widget("Label243"));
    ASSERT_TRUE(ipc && solveFor && mode);
    EXPECT_FALSE(solveFor->isEnabled());

    QTest::mouseClick(ipc->button(2), Qt::LeftButton);
    EXPECT_TRUE(solveFor->isEnabled());
    EXPECT_EQ(mode->text(), "IPC-2221 mode");
    EXPECT_EQ(key.values["IPC_Version"], "2");

    QTest::mouseClick(ipc->button(0), Qt::LeftButton);
    EXPECT_FALSE(solveFor->isEnabled());
    EXPECT_EQ(mode->text(), "IPC-2152 with modifiers mode");
    EXPECT_EQ(app->c("RadioGroup8").itemIndex(), 0);
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
