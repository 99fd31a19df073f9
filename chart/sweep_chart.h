#pragma once
// The plot of a sweep: one line per result over the swept input, one value
// axis per unit (left, right, left...), the input's axis logarithmic for a
// logarithmic sweep (the chart then runs on log10 of the input). Gaps (steps without a result) break the line. Under the
// mouse a cursor line marks the nearest step and its values are read out.
//
// Built as the plot library (libtolvane_plot.so), which the sweep window loads
// through newSweepPlotter(); the tests link it.
#include <QChartView>
#include <vector>

#include "platform/sweep_plot.h"

class QGraphicsLineItem;
class QLineSeries;

namespace tv {

// Where values lie on a drawn axis: (value - origin) * scale. A range the
// chart cannot draw as it is (values beyond 1e300, whose width its arithmetic
// overflows, or a width below a billionth of the values, which it takes for
// none) is drawn shifted and scaled, and labelled with the values themselves.
struct AxisPlacement {
    double origin = 0, scale = 1;
    double on(double v) const { return (v - origin) * scale; }
    double off(double p) const { return p / scale + origin; }
    bool plain() const { return origin == 0 && scale == 1; }
};

class Q_DECL_EXPORT SweepChart : public QChartView, public SweepPlotter {
    Q_OBJECT
public:
    explicit SweepChart(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void plot(const SweepPlot& plot) override;
    void onCursorMoved(std::function<void(const QString&)> told) override;
    // The plotted points of a result (every line piece of it, in order), as
    // input and result values.
    QList<QPointF> plotted(size_t result) const;
    // The step nearest to a point of the view (-1 when there is none) and
    // the readout of a step: "Conductor Width = 12 mils   Conductor Current = 1.6 Amps".
    int stepAt(const QPoint& viewPos) const;
    QString readout(int step) const;

signals:
    void cursorMoved(const QString& readout);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void clear();
    void showCursor(int step);
    // Where an input value lies on the input axis (log10 on a logarithmic
    // one, placed by xPlace_ on a linear one).
    double onAxis(double input) const;

    SweepPlot plot_;
    // The line pieces of each result; the first piece carries the legend.
    std::vector<std::vector<QLineSeries*>> lines_;
    QLineSeries* anchor_ = nullptr;  // a series on the input axis, for mapping
    QGraphicsLineItem* cursor_ = nullptr;
    bool logInput_ = false;
    AxisPlacement xPlace_;
    std::vector<AxisPlacement> yPlace_;  // by result
};

}  // namespace tv
