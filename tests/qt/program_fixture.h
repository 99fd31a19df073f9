#pragma once
// The real program on the offscreen platform for Qt tests: every window built
// from the model, start-up run on the repair defaults, message boxes answered
// (and recorded) the moment they are up.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/app.h"
#include "core/catalogue.h"
#include "platform/form_view.h"
#include "shell/program.h"
#include "platform/qt_platform.h"
#include "platform/qt_windows.h"
#include "core/settings.h"
#include "platform/themes.h"

namespace qt_test {

// The offscreen platform's screen is 800 x 600 unless told otherwise; the
// tests run on a desktop-sized screen, where the main window opens as designed.
inline void largeOffscreenScreen() {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;
    const std::string path = (std::filesystem::temp_directory_path() / "tolvane-qt-tests-screen.json").string();
    // Test programs start side by side and read the file as they start: it is
    // written aside and renamed into place, so that none reads it half written.
    const std::string aside = path + "." + std::to_string(::getpid());
    std::ofstream(aside) << R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1920, "height": 1200,)"
                            R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    std::filesystem::rename(aside, path);
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + path.c_str());
}

inline void startQt() {
    largeOffscreenScreen();
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
                    icons.push_back(box->icon());
                    bool question = box->button(QMessageBox::Yes) != nullptr;
                    box->done(!question ? QMessageBox::Ok : answerYes ? QMessageBox::Yes : QMessageBox::No);
                } else if (auto* dialog = qobject_cast<QPrintDialog*>(w); dialog && dialog->isVisible()) {
                    printDialogs.push_back(dialog->windowTitle());
                    dialog->accept();
                }
        });
        closer_->start();

        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        app = std::make_unique<tv::App>(platform, key, tv::functionCatalogue(), separator);
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

    std::string separator = ".";  // the user's decimal separator
    QuickPlatform platform;
    tv::MemorySettingsKey key;
    std::unique_ptr<tv::App> app;
    std::unique_ptr<tv::QtWindows> windows;
    std::vector<std::pair<QString, QString>> boxes;  // caption, text
    std::vector<QMessageBox::Icon> icons;            // of each box
    bool answerYes = true;                            // to Yes/No questions
    QStringList printDialogs;                         // captions of accepted print dialogs

private:
    std::unique_ptr<QTimer> closer_;
    QSet<QWidget*> pointerIn_;
};

}  // namespace qt_test
