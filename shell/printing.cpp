// Printing the main window and the printer set-up.
#include "core/app.h"
#include "shell/outward.h"

namespace tv {

namespace {

// Set while a print runs: the progress lets window events through, and a
// second click on "Print" then must not start another print.
struct PrintState {
    bool busy = false;
};

}  // namespace

void Button2Click(App& app) {
    PrintState& state = app.state<PrintState>();
    if (state.busy) return;
    if (!app.ask("Print form data?", "Print...")) return;
    if (!app.platform.choosePrinter()) return;
    state.busy = true;
    struct Release {
        PrintState& s;
        ~Release() { s.busy = false; }
    } release{state};

    Component& label = app.c("Label29");
    Component& bar = app.c("ProgressBar3");
    label.setVisible(true);
    app.platform.processEvents();
    bar.setVisible(true);
    for (int v = 0; v <= 100; ++v) {
        bar.setPosition(v);
        app.platform.delay(10);
    }
    label.setVisible(false);
    bar.setPosition(0);
    bar.setVisible(false);
    // The window is printed as it shows now, without the progress.
    app.platform.printMainWindow();
}

void installPrinting(App& app) {
    App* a = &app;
    app.c("Button2").onClick = [a] { Button2Click(*a); };
    app.c("Print1").onClick = [a] { Button2Click(*a); };
    app.c("PrinterSetup1").onClick = [a] { a->platform.printerSetup(); };
}

}  // namespace tv
