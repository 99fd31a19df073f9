#pragma once
// What a sweep plots and the plot's face towards the sweep window. The plot
// itself (chart/sweep_chart.cpp) lives in a library of its own that is loaded
// when a sweep window first opens, so that the chart toolkit it draws with is
// not loaded with the program.
#include <QString>
#include <functional>
#include <vector>

#include "shell/analysis_fields.h"
#include "shell/goal_seek.h"

class QWidget;

namespace tv {

struct SweepPlot {
    AnalysisField input;
    std::vector<AnalysisField> results;
    std::vector<SweepPoint> points;
    bool logarithmic = false;
};

class SweepPlotter {
public:
    virtual ~SweepPlotter() = default;
    // The widget that shows the plot (owned by its parent once placed).
    virtual QWidget* widget() = 0;
    // Replaces what the plot shows.
    virtual void plot(const SweepPlot& plot) = 0;
    // Told the readout of the step under the mouse ("" when none).
    virtual void onCursorMoved(std::function<void(const QString&)> told) = 0;
};

// The library's entry point: a new plot without a parent.
using NewSweepPlotter = SweepPlotter*();
inline constexpr const char* kNewSweepPlotter = "tolvane_new_sweep_plotter";
// The library's file name, found beside the program or in its library folder.
inline constexpr const char* kPlotLibrary = "libtolvane_plot.so";

// A new plot from the library; nullptr, with the reason in `why`, when the
// library cannot be found or loaded.
SweepPlotter* newSweepPlotter(QString* why);

}  // namespace tv
