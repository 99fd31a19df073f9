#pragma once
// The plot of a sweep: one line per result over the swept input, one value
// axis per unit (left, right, left...), the input's axis logarithmic for a
// logarithmic sweep (the chart then runs on log10 of the input). Gaps (steps without a result) break the line. Under the
// mouse a cursor line marks the nearest step and its values are read out.
#include <QChartView>
#include <vector>

#include "shell/analysis_fields.h"
#include "shell/goal_seek.h"

class QGraphicsLineItem;
class QLineSeries;

namespace tv {

struct SweepPlot {
    AnalysisField input;
    std::vector<AnalysisField> results;
    std::vector<SweepPoint> points;
    bool logarithmic = false;
};

class SweepChart : public QChartView {
    Q_OBJECT
public:
    explicit SweepChart(QWidget* parent = nullptr);

    // Replaces what the chart shows.
    void plot(const SweepPlot& plot);
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
    // Where an input value lies on the input axis (log10 on a logarithmic one).
    double onAxis(double input) const;

    SweepPlot plot_;
    // The line pieces of each result; the first piece carries the legend.
    std::vector<std::vector<QLineSeries*>> lines_;
    QLineSeries* anchor_ = nullptr;  // a series on the input axis, for mapping
    QGraphicsLineItem* cursor_ = nullptr;
    bool logInput_ = false;
};

}  // namespace tv
