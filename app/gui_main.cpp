// tolvane: the desktop program. Builds the window model, realises it with Qt
// widgets, runs the start-up sequence with its splash, then the event loop.
//
//   tolvane [--screenshot FILE]
//   tolvane --help | --version
//
// --screenshot FILE saves the main window as a PNG once start-up is done and
// ends the program (for checking the look on a virtual display); messages on
// the way are printed and answered with OK.
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <string>

#include "core/app.h"
#include "core/catalogue.h"
#include "platform/form_view.h"
#include "platform/ini_settings_key.h"
#include "shell/program.h"
#include "platform/qt_platform.h"
#include "platform/qt_windows.h"
#include "shell/repair.h"
#include "platform/themes.h"
#include "platform/window_fit.h"

namespace {

const char* kTitle = "Corvex PCB Design Vurivav";

const char* kUsage = "usage: tolvane [--screenshot FILE]\n       tolvane --help | --version\n";

int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

// Answered before any window exists, so that they work without a display.
bool answeredAtOnce(int argc, char** argv) {
    if (argc != 2) return false;
    std::string a = argv[1];
    if (a == "--help" || a == "-h") {
        std::printf("%s\n"
                    "Tolvane, the engineering calculator for PCB designers.\n\n"
                    "  --screenshot FILE  save the main window as a PNG once started, then end\n"
                    "  --help             show this help\n"
                    "  --version          show the version\n\n"
                    "Settings: ~/.config/Corvex PCB Design, Inc./Tolvane.ini. See tolvane(1).\n",
                    kUsage);
        return true;
    }
    if (a == "--version") {
        std::printf("tolvane 7.13\n");
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredAtOnce(argc, argv)) return 0;
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Tolvane");
    QGuiApplication::setDesktopFileName("tolvane");
    QApplication::setOrganizationName("Corvex PCB Design, Inc.");
    QApplication::setApplicationVersion("7.13");

    QString screenshot;
    QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--screenshot" && i + 1 < args.size()) screenshot = args[++i];
        else return usage();
    }

    // Unattended screenshots: message boxes are printed and answered at once.
    QTimer answerer;
    if (!screenshot.isEmpty()) {
        QObject::connect(&answerer, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    std::fprintf(stderr, "message: %s\n", box->text().toLocal8Bit().constData());
                    box->done(QMessageBox::Ok);
                }
        });
        answerer.start(50);
    }

    tv::installUiFont();
    tv::applyTheme("Windows");

    tv::QtPlatform platform(kTitle);
    tv::IniSettingsKey key(tv::IniSettingsKey::userPath());
    // The first start on this account installs the defaults, as an installer
    // would, so that the settings load finds a repaired key.
    tv::installOnFirstStart(key);
    tv::App app(platform, key, tv::functionCatalogue(), tv::systemDecimalSeparator());
    // A damaged window description: say what is wrong instead of starting.
    auto cannotStart = [&](const std::exception& e) {
        std::string text = std::string("Tolvane cannot start: a window description is damaged.\n\n") + e.what();
        std::fprintf(stderr, "%s\n", text.c_str());
        if (screenshot.isEmpty()) QMessageBox::critical(nullptr, kTitle, QString::fromStdString(text));
        return 1;
    };
    std::unique_ptr<tv::QtWindows> windows;
    try {
        tv::buildWindows(app);
        windows = std::make_unique<tv::QtWindows>(app, platform);
        platform.attach(windows.get());
        if (screenshot.isEmpty()) windows->rememberPositionIn(tv::windowPositionPath());
        windows->showMain();
        tv::StartupSequence(app);
    } catch (const std::exception& e) {
        platform.attach(nullptr);
        return cannotStart(e);
    }
    if (app.ended) return app.exitCode;

    if (!screenshot.isEmpty()) {
        QApplication::processEvents();
        bool saved = windows->main().grab().save(screenshot, "PNG");
        if (!saved) std::fprintf(stderr, "cannot write %s\n", screenshot.toLocal8Bit().constData());
        return saved ? 0 : 1;
    }
    int status = QApplication::exec();
    return app.ended ? app.exitCode : status;
}
