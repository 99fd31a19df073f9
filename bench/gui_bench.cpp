// Times the window as a user drives it, on Qt's offscreen platform, for each
// of the twenty functions: typing a value and pressing Enter until the
// results are repainted, switching to it by a tab click the first time after
// start-up (its panel is made then) and again; also the units switch, and
// start-up until the main window is shown. Every step ends when the events it
// posted (repaints included) have been handled. Start-up leaves out the
// splash's designed pause.
//
//   QT_QPA_PLATFORM=offscreen ./build/bench/tolvane_gui_bench
//       --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

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

// Handles what a step posted, as the event loop would on its way back:
// events, repaints and the widgets left for deletion (a rebuilt radio
// group's old buttons), which processEvents alone leaves standing.
void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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

    // Starts on the stored function `function`.
    explicit Program(int function = 0) {
        for (const auto& d : tv::repairDefaults()) key.values[d.name] = d.value;
        key.values["Program"] = std::to_string(function);
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

// The components inside a function's panel, at any depth, in description order.
std::vector<tv::Component*> insidePanel(tv::Form& form, const std::string& panel) {
    std::vector<tv::Component*> out;
    for (const auto& c : form.components())
        for (const tv::Component* p = form.find(c->parentName()); p && p != &form.self();
             p = form.find(p->parentName()))
            if (p->name() == panel) {
                out.push_back(c.get());
                break;
            }
    return out;
}

bool shown(tv::Form& form, const tv::Component& c) {
    for (const tv::Component* p = &c; p && p != &form.self(); p = form.find(p->parentName()))
        if (!p->visible()) return false;
    return true;
}

// The field typed into (the panel's first shown input field, else the shared
// temperature rise) and the result watched (its first shown read-only field
// holding a number), per function.
struct Typing {
    tv::Component* field = nullptr;
    tv::Component* result = nullptr;
};
Typing typingOf(tv::App& app, int function) {
    Typing t;
    for (tv::Component* c : insidePanel(app.Form1, app.catalogue.functions[size_t(function)].panel)) {
        if (c->kind() != tv::Kind::Edit || !shown(app.Form1, *c) || !c->enabled()) continue;
        bool number = c->text().find_first_of("0123456789") != std::string::npos;
        if (!c->readOnly() && !t.field) t.field = c;
        if (c->readOnly() && number && !t.result) t.result = c;
    }
    if (!t.field) t.field = &app.c("Edit1");
    return t;
}

// A second value near the field's own: a whole number one up, a decimal
// fraction one digit longer ("10" -> "11", "0.7" -> "0.71").
QString nearby(const QString& text) {
    bool whole = false;
    int n = text.toInt(&whole);
    return whole ? QString::number(n + 1) : text + "1";
}

// Typing a value into the function's first input and pressing Enter, until
// everything it changed is repainted.
void enterToRepaint(benchmark::State& state, int function) {
    Program& p = program();
    p.select(function);
    Typing t = typingOf(p.app, function);
    auto* field = qobject_cast<QLineEdit*>(p.windows->widget("Form1", t.field->name()));
    QWidget* result = t.result ? p.windows->widget("Form1", t.result->name()) : nullptr;
    PaintCounter counter;
    if (result) result->installEventFilter(&counter);
    const QString values[] = {nearby(field->text()), field->text()};
    const int before = p.platform.messages;
    int n = 0;
    for (auto _ : state) {
        field->selectAll();
        QTest::keyClicks(field, values[n++ % 2]);
        QTest::keyClick(field, Qt::Key_Return);
        settle();
    }
    if (result) result->removeEventFilter(&counter);
    state.counters["result_paints_per_enter"] = double(counter.paints) / double(std::max(n, 1));
    if (p.platform.messages != before) fail(state, "a message box came up");
    state.SetLabel(t.field->name());
}

// Switching to a function by its tab the first time after start-up: its
// panel is made, filled and painted. A fresh program for every run; the
// program starts on another function.
void firstSwitch(benchmark::State& state, int function) {
    for (auto _ : state) {
        state.PauseTiming();
        auto p = std::make_unique<Program>(function == 0 ? 1 : 0);
        state.ResumeTiming();
        p->select(function);
        state.PauseTiming();
        if (p->app.currentFunction != function) fail(state, "the tab click did not select");
        if (p->platform.messages) fail(state, "a message box came up");
        p.reset();
        settle();
        state.ResumeTiming();
    }
}

// Switching to a function again, its panel made before.
void laterSwitch(benchmark::State& state, int function) {
    Program& p = program();
    const int other = function == 0 ? 1 : 0;
    p.select(function);
    for (auto _ : state) {
        state.PauseTiming();
        p.select(other);
        state.ResumeTiming();
        p.select(function);
    }
    if (p.app.currentFunction != function) fail(state, "the tab click did not select");
    if (p.platform.messages) fail(state, "a message box came up");
}

// One benchmark of each kind per function, named by its tab
// ("EnterToRepaint/Via_Properties").
const bool registered = [] {
    for (const auto& f : tv::functionCatalogue().functions) {
        std::string tab;
        for (const char* c = f.tabCaption; *c; ++c)
            if (*c == ' ') tab += '_';
            else if (*c != '&' && *c != '\'') tab += *c;
        const int i = f.index();
        benchmark::RegisterBenchmark(("EnterToRepaint/" + tab).c_str(), enterToRepaint, i)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("FirstSwitchTo/" + tab).c_str(), firstSwitch, i)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark(("LaterSwitchTo/" + tab).c_str(), laterSwitch, i)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

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
