// tolvane: the desktop program. Builds the window model, realises it with Qt
// widgets, runs the start-up sequence with its splash, then the event loop.
//
//   tolvane [--new-instance] [--screenshot FILE]
//   tolvane --help | --version
//
// The options are read before the toolkit starts (app/command_line.h). A
// start while the program runs already brings its window to the front and
// ends, unless --new-instance is given.
// --screenshot FILE saves the main window as a PNG once start-up is done and
// ends the program (for checking the look on a virtual display); messages on
// the way are printed and answered with OK. It always runs a window of its own.
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <malloc.h>
#include <exception>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "core/app.h"
#include "core/catalogue.h"
#include "platform/form_view.h"
#include "platform/ini_settings_key.h"
#include "shell/designs.h"
#include "shell/program.h"
#include "platform/qt_platform.h"
#include "platform/qt_windows.h"
#include "platform/single_instance.h"
#include "shell/repair.h"
#include "platform/themes.h"
#include "platform/window_fit.h"

namespace {

const char* kTitle = "Corvex PCB Design Vurivav";

// Brings the main window to the front, not minimised, and with it the
// window that holds it (the options window, a message), which takes the input.
void toFront(QWidget& main) {
    for (QWidget* w : {&main, QApplication::activeModalWidget()}) {
        if (!w || !w->isVisible()) continue;
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w->raise();
        w->activateWindow();
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so that they work without a display.
    const tv::GuiCommandLine options = tv::parseGuiCommandLine(argc, argv);
    switch (options.action) {
    case tv::GuiCommandLine::Action::Help: std::fputs(tv::guiHelp().c_str(), stdout); return 0;
    case tv::GuiCommandLine::Action::Version: std::fputs(tv::guiVersion().c_str(), stdout); return 0;
    case tv::GuiCommandLine::Action::Usage:
        std::fprintf(stderr, "tolvane: %s\n%s", options.error.c_str(), tv::kGuiUsage);
        return 2;
    case tv::GuiCommandLine::Action::Run: break;
    }

    // One allocation arena for all threads: the toolkit's helper threads and
    // the field solver's worker allocate little, and an arena each would keep
    // a few hundred kilobytes of its own.
    mallopt(M_ARENA_MAX, 1);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Tolvane");
    QGuiApplication::setDesktopFileName("tolvane");
    QApplication::setOrganizationName("Corvex PCB Design, Inc.");
    QApplication::setApplicationVersion(TOLVANE_VERSION);
    const QString screenshot = QString::fromLocal8Bit(options.screenshot.c_str());

    // One program per user and display: a running one comes to the front.
    std::unique_ptr<tv::SingleInstance> instance;
    if (!options.newInstance && screenshot.isEmpty()) {
        instance = std::make_unique<tv::SingleInstance>();
        if (instance->activateRunning()) return 0;
        instance->listen();
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
        if (instance) instance->onActivate = [&windows] { toFront(windows->main()); };
        tv::StartupSequence(app);
    } catch (const std::exception& e) {
        platform.attach(nullptr);
        return cannotStart(e);
    }
    if (app.ended) return app.exitCode;

    // The work of the last session comes back after the start-up, and the work
    // is remembered every few seconds while it changes and when the program
    // ends (not for unattended screenshots, which show the defaults).
    QTimer rememberer;
    const std::string workPath = screenshot.isEmpty() ? tv::rememberedWorkPath() : std::string();
    tv::startDesignSession(app);
    if (!workPath.empty()) {
        tv::keepRecentDesigns(app, tv::designDataFolder() + "/recent-designs");
        tv::restoreWork(app, workPath);
        // Not while a window holds the program (a goal seek or sweep tries
        // values on the window, a message waits): the work is kept after.
        QObject::connect(&rememberer, &QTimer::timeout, [&] {
            if (!app.ended && !QApplication::activeModalWidget()) tv::rememberWork(app, workPath);
        });
        rememberer.start(3000);
    }

    if (!screenshot.isEmpty()) {
        QApplication::processEvents();
        bool saved = windows->main().grab().save(screenshot, "PNG");
        if (!saved) std::fprintf(stderr, "cannot write %s\n", screenshot.toLocal8Bit().constData());
        return saved ? 0 : 1;
    }
    int status = QApplication::exec();
    rememberer.stop();
    if (const std::string why = tv::rememberWork(app, workPath); !why.empty())
        std::fprintf(stderr, "tolvane: cannot remember the work in %s: %s\n", workPath.c_str(), why.c_str());
    return app.ended ? app.exitCode : status;
}
