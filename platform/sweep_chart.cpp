#include "sweep_chart.h"

#include <QApplication>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>

#include "widgets.h"

namespace tv {

namespace {

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
    if (plot.points.empty() || plot.results.empty()) return;

    // The input axis.
    double xLo = plot.points.front().input, xHi = xLo;
    for (const SweepPoint& p : plot.points) {
        xLo = std::min(xLo, p.input);
        xHi = std::max(xHi, p.input);
    }
    QAbstractAxis* xAxis;
    if (plot.logarithmic && xLo > 0 && xHi > xLo) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setRange(xLo, xHi);
        log->setLabelFormat("%g");
        log->setMinorTickCount(8);
        xAxis = log;
    } else {
        xAxis = valueAxis(xLo, xHi, false);
    }
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
        for (size_t r : byUnit[units[u]]) yAxisOf[r] = axis;
    }

    // The lines: a new piece after every gap, all pieces in the colour of
    // the first, which alone appears in the legend.
    lines_.resize(plot.results.size());
    for (size_t r = 0; r < plot.results.size(); ++r) {
        auto newPiece = [&] {
            auto* line = new QLineSeries;
            line->setName(qs(plot.results[r].label()));
            c->addSeries(line);
            line->attachAxis(xAxis);
            line->attachAxis(yAxisOf[r]);
            if (!lines_[r].empty()) {
                line->setPen(lines_[r].front()->pen());
                for (QLegendMarker* m : c->legend()->markers(line)) m->setVisible(false);
            }
            lines_[r].push_back(line);
            return line;
        };
        QLineSeries* piece = newPiece();
        bool open = true;  // the current piece takes the next point
        for (const SweepPoint& p : plot.points) {
            const double y = p.results[r];
            if (!std::isfinite(y)) {
                open = piece->count() == 0;
                continue;
            }
            if (!open) piece = newPiece();
            open = true;
            piece->append(p.input, y);
        }
        // A piece of one point has no line to draw: mark it.
        for (QLineSeries* l : lines_[r]) l->setPointsVisible(l->count() == 1 || plot.points.size() <= 25);
    }
    anchor_ = lines_.front().front();
    c->legend()->setVisible(plot.results.size() > 1);
}

QList<QPointF> SweepChart::plotted(size_t result) const {
    QList<QPointF> out;
    if (result < lines_.size())
        for (QLineSeries* l : lines_[result]) out += l->points();
    return out;
}

int SweepChart::stepAt(const QPoint& viewPos) const {
    if (!anchor_ || plot_.points.empty()) return -1;
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPos));
    if (!chart()->plotArea().contains(inChart)) return -1;
    const double x = chart()->mapToValue(inChart, anchor_).x();
    // Nearest on the axis as drawn: by ratio on a logarithmic axis.
    const bool log = plot_.logarithmic && x > 0;
    auto distance = [&](double v) { return log && v > 0 ? std::fabs(std::log(v / x)) : std::fabs(v - x); };
    int best = 0;
    for (size_t i = 1; i < plot_.points.size(); ++i)
        if (distance(plot_.points[i].input) < distance(plot_.points[static_cast<size_t>(best)].input))
            best = static_cast<int>(i);
    return best;
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
    const double x = chart()->mapToPosition(QPointF(plot_.points[static_cast<size_t>(step)].input, 0), anchor_).x();
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
