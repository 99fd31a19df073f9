#include "platform/sweep_chart.h"

#include <QApplication>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QCategoryAxis>
#include <QMouseEvent>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/widgets.h"

namespace tv {

namespace {

const char* kNothingYet = "Choose the input, its ends and the results to record, then Sweep.";

bool darkTheme() { return QApplication::palette().color(QPalette::Window).lightnessF() < 0.5; }

// Axis texts in the window's colours and font, so that the plot sits in the
// dialog under every theme.
void styleAxis(QAbstractAxis* axis) {
    const QPalette pal = QApplication::palette();
    QFont font = QApplication::font();
    axis->setLabelsFont(font);
    axis->setLabelsColor(pal.color(QPalette::WindowText));
    font.setBold(true);
    axis->setTitleFont(font);
    axis->setTitleBrush(pal.color(QPalette::WindowText));
    axis->setGridLineColor(pal.color(QPalette::Mid));
    axis->setMinorGridLineColor(pal.color(QPalette::Midlight));
    axis->setLinePenColor(pal.color(QPalette::Dark));
}

// A value axis over [lo, hi] with a little room, or around a single value.
QValueAxis* valueAxis(double lo, double hi, bool margin) {
    auto* axis = new QValueAxis;
    if (!(lo <= hi)) lo = 0, hi = 1;
    if (lo == hi) {
        const double d = lo == 0 ? 1 : std::fabs(lo) * 0.1;
        lo -= d;
        hi += d;
    } else if (margin) {
        const double d = (hi - lo) * 0.05;
        lo -= d;
        hi += d;
    }
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
    axis->setLabelFormat("%g");
    return axis;
}

// The swept range exactly, with ticks on round values inside it.
QValueAxis* inputAxis(double lo, double hi) {
    if (!(lo < hi)) return valueAxis(lo, hi, false);
    auto* axis = new QValueAxis;
    axis->setRange(lo, hi);
    const double raw = (hi - lo) / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double m : {2.0, 5.0, 10.0})
        if (raw / magnitude >= m) step = m * magnitude;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickInterval(step);
    axis->setTickAnchor(std::ceil(lo / step) * step);
    axis->setLabelFormat("%g");
    return axis;
}

// A logarithmic input axis: the chart runs on log10 of the input, labelled
// with round values of the input itself (1, 2, 5 in each decade, or every
// digit over less than a decade).
QCategoryAxis* logInputAxis(double lo, double hi) {
    auto* axis = new QCategoryAxis;
    axis->setRange(std::log10(lo), std::log10(hi));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double decades = std::log10(hi / lo);
    const std::vector<int> steps = decades > 3 ? std::vector<int>{1}
                                   : decades > 1 ? std::vector<int>{1, 2, 5}
                                                 : std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int k = static_cast<int>(std::floor(std::log10(lo))); k <= static_cast<int>(std::ceil(std::log10(hi))); ++k)
        for (int m : steps) {
            const double v = m * std::pow(10.0, k);
            if (v >= lo * (1 - 1e-12) && v <= hi * (1 + 1e-12)) axis->append(QString::number(v, 'g', 6), std::log10(v));
        }
    if (axis->count() < 2) {  // a narrow range: its ends
        for (const QString& label : axis->categoriesLabels()) axis->remove(label);
        axis->append(QString::number(lo, 'g', 6), std::log10(lo));
        axis->append(QString::number(hi, 'g', 6), std::log10(hi));
    }
    return axis;
}

QString numberOf(double v) { return std::isfinite(v) ? QString::number(v, 'g', 6) : QStringLiteral("N/A"); }

QString withUnit(const QString& number, const std::string& unit) {
    return unit.empty() || number == "N/A" ? number : number + " " + qs(unit);
}

}  // namespace

SweepChart::SweepChart(QWidget* parent) : QChartView(parent) {
    setObjectName("chart");
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QChart* c = chart();
    c->setTheme(darkTheme() ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    const QPalette pal = QApplication::palette();
    c->setBackgroundBrush(pal.color(QPalette::Base));
    c->setBackgroundRoundness(0);
    c->legend()->setLabelColor(pal.color(QPalette::WindowText));
    c->legend()->setFont(QApplication::font());
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(QMargins(4, 4, 4, 4));
    c->setTitleBrush(pal.color(QPalette::PlaceholderText));
    c->setTitleFont(QApplication::font());
    c->setTitle(kNothingYet);
    setBackgroundBrush(pal.color(QPalette::Window));
    setMinimumSize(420, 280);
}

void SweepChart::clear() {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    lines_.clear();
    anchor_ = nullptr;
    delete cursor_;
    cursor_ = nullptr;
}

void SweepChart::plot(const SweepPlot& plot) {
    clear();
    plot_ = plot;
    QChart* c = chart();
    if (plot.points.empty() || plot.results.empty()) {
        c->setTitle(kNothingYet);
        return;
    }
    c->setTitle({});

    // The input axis.
    double xLo = plot.points.front().input, xHi = xLo;
    for (const SweepPoint& p : plot.points) {
        xLo = std::min(xLo, p.input);
        xHi = std::max(xHi, p.input);
    }
    logInput_ = plot.logarithmic && xLo > 0 && xHi > xLo;
    QAbstractAxis* xAxis = logInput_ ? static_cast<QAbstractAxis*>(logInputAxis(xLo, xHi)) : inputAxis(xLo, xHi);
    xAxis->setTitleText(qs(plot.input.label()));
    c->addAxis(xAxis, Qt::AlignBottom);
    styleAxis(xAxis);

    // One value axis per unit, titled with the captions it carries.
    std::map<std::string, std::vector<size_t>> byUnit;
    std::vector<std::string> units;
    for (size_t r = 0; r < plot.results.size(); ++r) {
        const std::string& unit = plot.results[r].unit;
        if (!byUnit.count(unit)) units.push_back(unit);
        byUnit[unit].push_back(r);
    }
    std::vector<QAbstractAxis*> yAxisOf(plot.results.size());
    for (size_t u = 0; u < units.size(); ++u) {
        double lo = INFINITY, hi = -INFINITY;
        QStringList captions;
        for (size_t r : byUnit[units[u]]) {
            captions << qs(plot.results[r].caption);
            for (const SweepPoint& p : plot.points)
                if (std::isfinite(p.results[r])) {
                    lo = std::min(lo, p.results[r]);
                    hi = std::max(hi, p.results[r]);
                }
        }
        QValueAxis* axis = valueAxis(lo, hi, true);
        axis->setTitleText(captions.join(", ") + (units[u].empty() ? "" : " (" + qs(units[u]) + ")"));
        c->addAxis(axis, u % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
        styleAxis(axis);
        axis->setGridLineVisible(u == 0);  // the first axis alone rules the grid
        for (size_t r : byUnit[units[u]]) yAxisOf[r] = axis;
    }

    // The lines: a new piece after every gap, all pieces in the colour of
    // the first, which alone appears in the legend; points standing alone
    // between gaps are marked. Each piece gets its points at once (adding
    // them one by one redraws the line each time).
    lines_.resize(plot.results.size());
    const bool few = plot.points.size() <= 25;
    for (size_t r = 0; r < plot.results.size(); ++r) {
        std::vector<QList<QPointF>> pieces(1);
        for (const SweepPoint& p : plot.points) {
            const double y = p.results[r];
            if (std::isfinite(y)) pieces.back().append({onAxis(p.input), y});
            else if (!pieces.back().isEmpty()) pieces.emplace_back();
        }
        if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.pop_back();
        for (const QList<QPointF>& points : pieces) {
            auto* line = new QLineSeries;
            line->setName(qs(plot.results[r].label()));
            line->replace(points);
            line->setPointsVisible(few || points.size() == 1);
            c->addSeries(line);
            line->attachAxis(xAxis);
            line->attachAxis(yAxisOf[r]);
            if (!lines_[r].empty()) {
                line->setPen(lines_[r].front()->pen());
                for (QLegendMarker* m : c->legend()->markers(line)) m->setVisible(false);
            }
            lines_[r].push_back(line);
        }
    }
    anchor_ = lines_.front().front();
    c->legend()->setVisible(plot.results.size() > 1);
}

QList<QPointF> SweepChart::plotted(size_t result) const {
    QList<QPointF> out;
    if (result < lines_.size())
        for (QLineSeries* l : lines_[result])
            for (const QPointF& p : l->points()) out.append({logInput_ ? std::pow(10.0, p.x()) : p.x(), p.y()});
    return out;
}

double SweepChart::onAxis(double input) const { return logInput_ ? std::log10(input) : input; }

int SweepChart::stepAt(const QPoint& viewPos) const {
    if (!anchor_ || plot_.points.empty()) return -1;
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPos));
    if (!chart()->plotArea().contains(inChart)) return -1;
    const double x = chart()->mapToValue(inChart, anchor_).x();
    auto distance = [&](const SweepPoint& p) { return std::fabs(onAxis(p.input) - x); };
    size_t best = 0;
    for (size_t i = 1; i < plot_.points.size(); ++i)
        if (distance(plot_.points[i]) < distance(plot_.points[best])) best = i;
    return static_cast<int>(best);
}

QString SweepChart::readout(int step) const {
    if (step < 0 || static_cast<size_t>(step) >= plot_.points.size()) return {};
    const SweepPoint& p = plot_.points[static_cast<size_t>(step)];
    QStringList parts{qs(plot_.input.caption) + " = " + withUnit(numberOf(p.input), plot_.input.unit)};
    for (size_t r = 0; r < plot_.results.size(); ++r)
        parts << qs(plot_.results[r].caption) + " = " + withUnit(numberOf(p.results[r]), plot_.results[r].unit);
    return parts.join("     ");
}

void SweepChart::showCursor(int step) {
    if (step < 0) {
        if (cursor_) cursor_->hide();
        emit cursorMoved({});
        return;
    }
    const QRectF area = chart()->plotArea();
    const double x = chart()->mapToPosition(QPointF(onAxis(plot_.points[static_cast<size_t>(step)].input), 0), anchor_).x();
    if (!cursor_) {
        cursor_ = new QGraphicsLineItem;
        cursor_->setZValue(100);
        QPen pen(QApplication::palette().color(QPalette::WindowText));
        pen.setStyle(Qt::DashLine);
        cursor_->setPen(pen);
        scene()->addItem(cursor_);
    }
    const QPointF top = chart()->mapToScene(QPointF(x, area.top()));
    const QPointF bottom = chart()->mapToScene(QPointF(x, area.bottom()));
    cursor_->setLine(QLineF(top, bottom));
    cursor_->show();
    emit cursorMoved(readout(step));
}

void SweepChart::mouseMoveEvent(QMouseEvent* e) {
    QChartView::mouseMoveEvent(e);
    showCursor(stepAt(e->position().toPoint()));
}

void SweepChart::leaveEvent(QEvent* e) {
    QChartView::leaveEvent(e);
    showCursor(-1);
}

}  // namespace tv
