// tolvane-monkey: the desktop program under random clicks, keys and menu
// mnemonics, for a given time, on a display of its own (xvfb-run). Every
// window the program opens takes the same treatment: message boxes, the
// options, goal seek and sweep windows, file dialogs. A watchdog thread
// fails the run when the window thread stops answering (a hang) or the
// program's memory grows past a limit, and prints the last actions.
//
//   tolvane-monkey [--seconds S] [--seed N] [--memory-mb M] [--work DIR]
//
// The program runs in DIR (its settings file and anything a file dialog
// writes go there); the desktop shell and printing are recorded, not used.
// Exit status: 0 clean, 1 a hang or too much memory, 2 bad arguments; a crash
// or a sanitizer report ends it as they do.
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <fstream>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "core/app.h"
#include "core/catalogue.h"
#include "platform/form_view.h"
#include "platform/ini_settings_key.h"
#include "platform/qt_platform.h"
#include "platform/qt_windows.h"
#include "platform/themes.h"
#include "shell/program.h"
#include "shell/repair.h"

namespace {

// The GUI's platform with the outside world recorded: no browser, mail
// program, calculator or printer is started, and the splash does not wait.
class MonkeyPlatform : public tv::QtPlatform {
public:
    MonkeyPlatform() : QtPlatform("Corvex PCB Design Vurivav") {}
    void open(const std::string&) override {}
    void openDocument(const std::string&) override {}
    void startProgram(const std::string&) override {}
    bool choosePrinter() override { return false; }
    void printerSetup() override {}
    void delay(int) override {}
};

// The last actions, for the report of a hang.
std::mutex logMutex;
std::deque<std::string> lastActions;
std::atomic<unsigned long> actions{0};

void record(const std::string& what) {
    std::lock_guard<std::mutex> lock(logMutex);
    lastActions.push_back(what);
    if (lastActions.size() > 40) lastActions.pop_front();
    actions.fetch_add(1, std::memory_order_relaxed);
}

long residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

[[noreturn]] void fail(const std::string& why) {
    std::lock_guard<std::mutex> lock(logMutex);
    std::fprintf(stderr, "monkey: %s after %lu actions; the last ones:\n", why.c_str(), actions.load());
    for (const auto& a : lastActions) std::fprintf(stderr, "  %s\n", a.c_str());
    std::fflush(stderr);
    _exit(1);
}

// Counts the windows the monkey got to (for the summary). A file dialog could
// walk to any folder and delete or rename what is there: it is answered at
// once with a file in the work folder.
class WindowWatcher : public QObject {
public:
    explicit WindowWatcher(QString folder) : folder_(std::move(folder)) {}
    std::map<std::string, int> shown;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) {
            auto* w = static_cast<QWidget*>(o);
            ++shown[w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString()];
        }
        if (e->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QFileDialog*>(o)) {
                record("file dialog answered");
                QTimer::singleShot(0, dialog, [dialog, path = QDir(folder_).filePath("sweep.csv")] {
                    dialog->selectFile(path);
                    static_cast<QDialog*>(dialog)->accept();
                });
            }
        return false;
    }

private:
    QString folder_;
};

using Rng = std::mt19937_64;
int below(Rng& rng, int n) { return n <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(n)); }

// The window that takes input now: a popup menu, a modal dialog, or the
// active (else the main) window.
QWidget* focusWindow(QWidget* main) {
    if (QWidget* w = QApplication::activePopupWidget()) return w;
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow(); w && w->isVisible()) return w;
    return main->isVisible() ? main : nullptr;
}

QString describe(QWidget* w) {
    QString name = w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) name += " \"" + b->text() + "\"";
    else if (w->isWindow() && !w->windowTitle().isEmpty()) name += " \"" + w->windowTitle() + "\"";
    return name;
}

class Monkey {
public:
    Monkey(Rng& rng, QWidget* main) : rng_(rng), main_(main) {}

    // Actions by the window they went to (for the summary).
    std::map<std::string, long> actedIn;

    // One random action in the window that takes input now.
    void act() {
        QWidget* window = focusWindow(main_);
        if (!window) return;
        ++actedIn[describe(window).toStdString()];
        const int r = below(rng_, 100);
        const bool modal = window != main_;
        if (modal && r < 8) return key(window, Qt::Key_Escape, Qt::NoModifier);
        if (modal && r < 10 && !qobject_cast<QMenu*>(window)) {
            // The close box of the title bar.
            record("close " + describe(window).toStdString());
            window->close();
            return;
        }
        if (r < 45) return click(window);
        if (r < 75) return typeKey(window);
        if (r < 90) return mnemonic(window);
        if (r < 95) return key(window, below(rng_, 2) ? Qt::Key_Return : Qt::Key_Tab, Qt::NoModifier);
        return key(window, Qt::Key_F10, Qt::NoModifier);
    }

private:
    // A click (left mostly) somewhere on a visible, enabled widget of the window.
    void click(QWidget* window) {
        QList<QWidget*> targets;
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0) targets.append(w);
        targets.append(window);
        QWidget* w = targets[below(rng_, static_cast<int>(targets.size()))];
        const QPoint at(below(rng_, w->width()), below(rng_, w->height()));
        const Qt::MouseButton button = below(rng_, 10) == 0 ? Qt::RightButton : Qt::LeftButton;
        record("click " + describe(w).toStdString() + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        if (below(rng_, 8) == 0) QTest::mouseDClick(w, button, Qt::NoModifier, at);
        else QTest::mouseClick(w, button, Qt::NoModifier, at);
    }

    void typeKey(QWidget* window) {
        static const char chars[] = "0123456789012345678901234567890123456789.,-eE +x";
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        const char ch = chars[below(rng_, static_cast<int>(sizeof chars) - 1)];
        record(std::string("key '") + ch + "' in " + describe(target).toStdString());
        QTest::keyClick(target, ch);
        if (below(rng_, 6) == 0) key(window, below(rng_, 2) ? Qt::Key_Backspace : Qt::Key_Return, Qt::NoModifier);
    }

    // Alt and a letter: menus of the menu bar, buttons and labels with a
    // mnemonic; inside a menu, the letter alone.
    void mnemonic(QWidget* window) {
        // Mostly a letter the window offers (an "&X" of a menu, a button or
        // a label), else any letter.
        QString letters;
        auto take = [&](const QString& text) {
            const qsizetype at = text.indexOf('&');
            if (at >= 0 && at + 1 < text.size() && text[at + 1].isLetter()) letters += text[at + 1].toUpper();
        };
        if (auto* menu = qobject_cast<QMenu*>(window)) {
            for (QAction* a : menu->actions())
                if (a->isVisible() && a->isEnabled()) take(a->text());
        } else {
            for (QMenuBar* bar : window->findChildren<QMenuBar*>())
                for (QAction* a : bar->actions()) take(a->text());
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                if (b->isVisible() && b->isEnabled()) take(b->text());
        }
        const char letter = !letters.isEmpty() && below(rng_, 5) != 0
                                ? letters[below(rng_, static_cast<int>(letters.size()))].toLatin1()
                                : static_cast<char>('A' + below(rng_, 26));
        const bool inMenu = qobject_cast<QMenu*>(window) != nullptr;
        key(window, static_cast<Qt::Key>(letter), inMenu ? Qt::NoModifier : Qt::AltModifier);
    }

    void key(QWidget* window, Qt::Key k, Qt::KeyboardModifiers mods) {
        QWidget* target = QApplication::focusWidget() && QApplication::focusWidget()->window() == window->window()
                              ? QApplication::focusWidget()
                              : window;
        record("key " + QKeySequence(k | mods).toString().toStdString() + " in " + describe(target).toStdString());
        QTest::keyClick(target, k, mods);
    }

    Rng& rng_;
    QWidget* main_;
};

}  // namespace

int main(int argc, char** argv) {
    double seconds = 60;
    std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    long memoryLimit = 3000;
    QString work = QDir::temp().filePath("tolvane-monkey-" + QString::number(getpid()));
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!next) return 2;
        if (a == "--seconds") seconds = std::atof(next);
        else if (a == "--seed") seed = std::strtoull(next, nullptr, 10);
        else if (a == "--memory-mb") memoryLimit = std::atol(next);
        else if (a == "--work") work = next;
        else return 2;
        ++i;
    }
    QDir().mkpath(work);
    if (!QDir::setCurrent(work)) return 2;
    std::printf("monkey: seed %llu for %.0f s in %s\n", static_cast<unsigned long long>(seed), seconds,
                work.toLocal8Bit().constData());
    std::fflush(stdout);

    QApplication qapp(argc, argv);
    tv::installUiFont();
    tv::applyTheme("Windows");
    WindowWatcher watcher(work);
    qapp.installEventFilter(&watcher);
    Rng rng(seed);
    const auto started = std::chrono::steady_clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(); };

    // The watchdog: the window thread must take an action every few seconds
    // (a search or a long sweep lets events through while it works).
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        unsigned long seen = actions.load();
        auto lastChange = std::chrono::steady_clock::now();
        while (!done.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long mb = residentMegabytes();
            if (mb > memoryLimit) fail("memory " + std::to_string(mb) + " MB over the limit of " + std::to_string(memoryLimit));
            const unsigned long now = actions.load();
            if (now != seen) {
                seen = now;
                lastChange = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - lastChange > std::chrono::seconds(60)) {
                fail("a hang: the window thread answered nothing for 60 s");
            }
        }
    });

    int runs = 0;
    std::map<std::string, long> actedIn;
    while (elapsed() < seconds) {
        // One run of the program, from start-up until it ends (File > Exit)
        // or the time is up; then it starts again on the same settings.
        ++runs;
        MonkeyPlatform platform;
        tv::IniSettingsKey key(QDir(work).filePath("Tolvane.ini").toStdString());
        tv::installOnFirstStart(key);
        tv::App app(platform, key, tv::functionCatalogue(), below(rng, 3) == 0 ? "," : ".");
        tv::buildWindows(app);
        auto windows = std::make_unique<tv::QtWindows>(app, platform);
        platform.attach(windows.get());
        windows->showMain();
        record("start " + std::to_string(runs));
        tv::StartupSequence(app);
        if (!app.ended) {
            Monkey monkey(rng, &windows->main());
            // A timer is not run again while its handler runs, and an action
            // may open a modal window whose event loop runs inside it: each
            // action is a single shot of its own, one waiting at a time.
            QTimer tick;
            bool waiting = false;
            QObject::connect(&tick, &QTimer::timeout, [&] {
                if (elapsed() >= seconds) {
                    // Close whatever is open, innermost first, then end.
                    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
                    else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
                    else QCoreApplication::exit(0);
                    return;
                }
                if (waiting) return;
                waiting = true;
                QTimer::singleShot(0, &tick, [&] {
                    waiting = false;
                    monkey.act();
                });
            });
            tick.start(2);
            QApplication::exec();
            for (const auto& [name, count] : monkey.actedIn) actedIn[name] += count;
        }
        platform.attach(nullptr);
        windows.reset();
    }
    done = true;
    watchdog.join();
    std::string windowsShown, acted;
    for (const auto& [name, count] : watcher.shown) windowsShown += " " + name + " " + std::to_string(count);
    for (const auto& [name, count] : actedIn) acted += " " + name + " " + std::to_string(count);
    std::printf("monkey: %lu actions in %d runs of the program over %.0f s: no crash, hang or runaway memory\n"
                "windows shown:%s\nactions in:%s\n",
                actions.load(), runs, elapsed(), windowsShown.c_str(), acted.c_str());
    return 0;
}
