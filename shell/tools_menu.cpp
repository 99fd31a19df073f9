// The Tools menu: the desktop programs (the first calculator or text editor
// of the usual Linux desktops that is installed), goal seek and sweep.
#include <string>
#include <vector>

#include "core/app.h"
#include "shell/outward.h"

namespace tv {

namespace {

struct DesktopProgram {
    const char* what;
    std::vector<std::string> candidates;  // in order of preference
};

const DesktopProgram kCalculator{
    "calculator",
    {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "qalculate-qt", "xcalc"}};
const DesktopProgram kEditor{
    "text editor",
    {"gnome-text-editor", "gedit", "kwrite", "kate", "mousepad", "pluma", "xed", "featherpad", "leafpad", "xedit"}};

void start(App& app, const DesktopProgram& p) {
    const std::string program = app.platform.findProgram(p.candidates);
    if (program.empty()) {
        app.message(std::string("No ") + p.what + " program was found on this computer. Install one (for example " +
                    p.candidates[0] + ", " + p.candidates[1] + " or " + p.candidates[3] + ") and try again.");
        return;
    }
    app.platform.startProgram(program);
}

}  // namespace

void installToolsMenu(App& app) {
    App* a = &app;
    app.c("Calculator1").onClick = [a] { start(*a, kCalculator); };
    app.c("ASCIIEditor1").onClick = [a] { start(*a, kEditor); };
    app.c("GoalSeek1").onClick = [a] { a->platform.showAnalysis(AnalysisWindow::GoalSeek); };
    app.c("Sweep1").onClick = [a] { a->platform.showAnalysis(AnalysisWindow::Sweep); };
}

}  // namespace tv
