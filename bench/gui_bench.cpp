// Times the window as a user drives it, on Qt's offscreen platform: typing a
// value and pressing Enter until the results are repainted, switching function
// by a tab click, the units switch, and start-up until the main window is
// shown. Every step ends when the events it posted (repaints included) have
// been handled. Start-up leaves out the splash's designed pause.
//
//   QT_QPA_PLATFORM=offscreen ./build/bench/tolvane_gui_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/app.h"
#include "core/catalogue.h"
#include "platform/form_view.h"
#include "shell/program.h"
#include "platform/qt_platform.h"
#include "platform/qt_windows.h"
#include "core/settings.h"
#include "platform/tab_strip.h"
#include "platform/themes.h"
#include "platform/widgets.h"

namespace {

// The GUI's platform without the splash's pause; a message box is counted and
// answered at once, so that no run can hang on one.
class QuickPlatform : public tv::QtPlatform {
public:
    QuickPlatform() : QtPlatform("Corvex PCB Design Vurivav") {}
    void delay(int) override {}
    void showMessage(const std::string&) override { ++messages; }
    int messages = 0;
};

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void settle() { QApplication::processEvents(); }

// A run that could not do what it times fails the program (the smoke test).
bool failed = false;
void fail(benchmark::State& state, const char* why) {
    failed = true;
    state.SkipWithError(why);
}

// The whole program: every window, start-up on the repair defaults, shown.
struct Program {
    QuickPlatform platform;
    tv::MemorySettingsKey key;
    tv::App app{platform, key, tv::functionCatalogue(), "."};
    std::unique_ptr<tv::QtWindows> windows;

    Program() {
        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        tv::buildWindows(app);
        windows = std::make_unique<tv::QtWindows>(app, platform);
        platform.attach(windows.get());
        windows->showMain();
        tv::StartupSequence(app);
        settle();
    }
    ~Program() { platform.attach(nullptr); }

    QWidget* widget(const char* name) const { return windows->widget("Form1", name); }
    void select(int function) {
        auto* strip = static_cast<tv::TabStrip*>(widget("TabControl1"));
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(function).center());
        settle();
    }
};

// One program for the benchmarks that drive it; it goes before the
// application object does.
std::unique_ptr<Program> shared;
Program& program() {
    if (!shared) shared = std::make_unique<Program>();
    return *shared;
}

// The field typed into and the result watched, per function.
struct Typing {
    int function;
    const char* field;
    const char* result;
};
constexpr Typing kTyping[] = {{0, "Edit3", "Edit8"}, {1, "Edit15", "Edit17"}, {12, "Edit140", "Edit160"}};

void BM_EnterToRepaint(benchmark::State& state) {
    Program& p = program();
    const Typing& t = kTyping[state.range(0)];
    p.select(t.function);
    auto* field = qobject_cast<QLineEdit*>(p.widget(t.field));
    QWidget* result = p.widget(t.result);
    if (!field || !result) {
        fail(state, "no such field");
        return;
    }
    PaintCounter counter;
    result->installEventFilter(&counter);
    const char* values[] = {"12", "13"};
    int n = 0;
    for (auto _ : state) {
        field->selectAll();
        QTest::keyClicks(field, values[n++ % 2]);
        QTest::keyClick(field, Qt::Key_Return);
        settle();
    }
    result->removeEventFilter(&counter);
    state.counters["result_paints_per_enter"] = double(counter.paints) / double(n);
    if (p.platform.messages) fail(state, "a message box came up");
    state.SetLabel(t.field);
}
BENCHMARK(BM_EnterToRepaint)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_TabSwitchByClick(benchmark::State& state) {
    Program& p = program();
    int a = static_cast<int>(state.range(0)), b = static_cast<int>(state.range(1));
    p.select(a);
    int n = 0;
    for (auto _ : state) p.select(++n % 2 ? b : a);
    if (p.app.currentFunction != (n % 2 ? b : a)) fail(state, "the tab click did not select");
    if (p.platform.messages) fail(state, "a message box came up");
}
BENCHMARK(BM_TabSwitchByClick)->Args({0, 1})->Args({1, 12})->Unit(benchmark::kMillisecond);

void BM_UnitsSwitch(benchmark::State& state) {
    Program& p = program();
    p.select(static_cast<int>(state.range(0)));
    auto* units = static_cast<tv::RadioGroupBox*>(p.widget("RadioGroup6"));
    int n = 0;
    for (auto _ : state) {
        QTest::mouseClick(units->button(++n % 2), Qt::LeftButton);
        settle();
    }
    // Back to imperial for the benchmarks that follow.
    if (units->button(1)->isChecked()) QTest::mouseClick(units->button(0), Qt::LeftButton);
    settle();
    if (p.platform.messages) fail(state, "a message box came up");
}
BENCHMARK(BM_UnitsSwitch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StartUpToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        auto p = std::make_unique<Program>();
        benchmark::DoNotOptimize(p->windows->main().isVisible());
        state.PauseTiming();
        p.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    tv::installUiFont();
    tv::applyTheme("Windows");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return failed ? 1 : 0;
}
