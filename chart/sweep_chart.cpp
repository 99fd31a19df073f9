#include "chart/sweep_chart.h"

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

#include "platform/theme_style.h"
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
    // The grid is the text colour faded into the plot's ground, so that it
    // shows, quietly, on light and dark grounds alike.
    const QColor ground = pal.color(QPalette::Base), ink = pal.color(QPalette::WindowText);
    axis->setGridLineColor(mix(ground, ink, 0.25));
    axis->setMinorGridLineColor(mix(ground, ink, 0.12));
    axis->setLinePenColor(pal.color(QPalette::Dark));
}

// Ticks every round step (1, 2 or 5 times a power of ten) from the first
// round value inside [lo, hi]. False when such steps cannot be counted in
// doubles: a range narrower than the numbers' own resolution (a tick would
// not move past the last) or wider than the largest number.
bool roundTicks(QValueAxis* axis, double lo, double hi) {
    const double half = hi / 2 - lo / 2;  // half the width, which cannot overflow
    if (!(half > 0) || !std::isfinite(half)) return false;
    const double raw = half / 2.5;  // a fifth of the width
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double m : {2.0, 5.0, 10.0})
        if (raw / magnitude >= m) step = m * magnitude;
    const double anchor = std::ceil(lo / step) * step;
    const double largest = std::max(std::fabs(lo), std::fabs(hi));
    if (!std::isfinite(step) || !(step > 0) || !std::isfinite(anchor) || step < largest * 1e-12 ||
        half / step > 25)
        return false;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickInterval(step);
    axis->setTickAnchor(anchor);
    return true;
}

// An axis over [lo, hi]: round ticks where they can be counted, else just its
// two ends.
QValueAxis* rangeAxis(double lo, double hi) {
    auto* axis = new QValueAxis;
    axis->setRange(lo, hi);
    if (!roundTicks(axis, lo, hi)) {
        axis->setTickType(QValueAxis::TicksFixed);
        axis->setTickCount(2);
    }
    axis->setLabelFormat("%g");
    return axis;
}

// Values beyond this are drawn scaled down: the chart's own arithmetic on an
// axis (its width, the steps across it) would leave the range of numbers.
constexpr double kLargestDrawn = 1e300;
// A width below this share of the values is drawn shifted to zero and
// stretched: the chart takes it for no width at all.
constexpr double kNarrowest = 1e-9;

AxisPlacement placementFor(double lo, double hi) {
    AxisPlacement place;
    const double largest = std::max(std::fabs(lo), std::fabs(hi));
    if (!std::isfinite(largest)) return place;
    if (largest > kLargestDrawn) {
        place.scale = std::ldexp(1.0, -static_cast<int>(std::ceil(std::log2(largest / kLargestDrawn))));
    } else if (hi > lo && hi - lo <= largest * kNarrowest && std::isfinite(1 / (hi - lo))) {
        place.origin = lo;
        place.scale = 1 / (hi - lo);
    }
    return place;
}

// An axis drawn through `place`, labelled with the values themselves at its
// ends and three points between, with the digits that tell them apart.
QCategoryAxis* placedAxis(double lo, double hi, const AxisPlacement& place) {
    auto* axis = new QCategoryAxis;
    axis->setRange(place.on(lo), place.on(hi));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    std::vector<double> values;
    for (int i = 0; i <= 4; ++i) values.push_back(lo * (1 - i / 4.0) + hi * (i / 4.0));
    int digits = 6;
    auto distinct = [&] {
        for (size_t i = 1; i < values.size(); ++i)
            if (values[i] != values[i - 1] &&
                QString::number(values[i], 'g', digits) == QString::number(values[i - 1], 'g', digits))
                return false;
        return true;
    };
    while (digits < 17 && !distinct()) ++digits;
    for (double v : values) axis->append(QString::number(v, 'g', digits), place.on(v));
    return axis;
}

// A value axis over [lo, hi] with a little room, or around a single value.
QAbstractAxis* valueAxis(double lo, double hi, bool margin, AxisPlacement* place) {
    if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
    // Room of a twentieth of the width (a tenth of the value for a single
    // one), unless that leaves the range of numbers or vanishes in it.
    double d = lo == hi ? (lo == 0 ? 1 : std::fabs(lo) * 0.1) : margin ? (hi / 2 - lo / 2) * 0.1 : 0;
    if (lo == hi && (lo - d == lo || hi + d == hi)) d = std::max(std::fabs(lo) * 1e-9, 1e-300);
    if (std::isfinite(lo - d) && std::isfinite(hi + d)) {
        lo -= d;
        hi += d;
    }
    *place = placementFor(lo, hi);
    if (!place->plain()) return placedAxis(lo, hi, *place);
    return rangeAxis(lo, hi);
}

// The swept range exactly, with ticks on round values inside it.
QAbstractAxis* inputAxis(double lo, double hi, AxisPlacement* place) {
    if (!(lo < hi)) return valueAxis(lo, hi, false, place);
    *place = placementFor(lo, hi);
    if (!place->plain()) return placedAxis(lo, hi, *place);
    return rangeAxis(lo, hi);
}

// A logarithmic input axis: the chart runs on log10 of the input, labelled
// with round values of the input itself (1, 2, 5 in each decade, or every
// digit over less than a decade, or every few decades over many).
QCategoryAxis* logInputAxis(double lo, double hi) {
    auto* axis = new QCategoryAxis;
    const double first = std::log10(lo), last = std::log10(hi);  // within +-324 for positive doubles
    axis->setRange(first, last);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double decades = last - first;
    const std::vector<int> steps = decades > 3 ? std::vector<int>{1}
                                   : decades > 1 ? std::vector<int>{1, 2, 5}
                                                 : std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const int every = decades > 12 ? static_cast<int>(std::ceil(decades / 12)) : 1;
    for (int k = static_cast<int>(std::floor(first)); k <= static_cast<int>(std::ceil(last)); ++k) {
        if (k % every != 0) continue;
        for (int m : steps) {
            const double v = m * std::pow(10.0, k);
            if (std::isfinite(v) && v > 0 && v >= lo * (1 - 1e-12) && v <= hi * (1 + 1e-12))
                axis->append(QString::number(v, 'g', 6), std::log10(v));
        }
    }
    if (axis->count() < 2) {  // a narrow range: its ends, with the digits that tell them apart
        for (const QString& label : axis->categoriesLabels()) axis->remove(label);
        int digits = 6;
        while (digits < 17 && QString::number(lo, 'g', digits) == QString::number(hi, 'g', digits)) ++digits;
        axis->append(QString::number(lo, 'g', digits), first);
        axis->append(QString::number(hi, 'g', digits), last);
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

void SweepChart::onCursorMoved(std::function<void(const QString&)> told) {
    connect(this, &SweepChart::cursorMoved, this, std::move(told));
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
    // A logarithmic axis over next to no ratio is a linear one.
    logInput_ = plot.logarithmic && xLo > 0 && xHi > xLo && std::log10(xHi) - std::log10(xLo) > 1e-6;
    xPlace_ = {};
    QAbstractAxis* xAxis = logInput_ ? logInputAxis(xLo, xHi) : inputAxis(xLo, xHi, &xPlace_);
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
    yPlace_.assign(plot.results.size(), {});
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
        AxisPlacement place;
        QAbstractAxis* axis = valueAxis(lo, hi, true, &place);
        axis->setTitleText(captions.join(", ") + (units[u].empty() ? "" : " (" + qs(units[u]) + ")"));
        c->addAxis(axis, u % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
        styleAxis(axis);
        axis->setGridLineVisible(u == 0);  // the first axis alone rules the grid
        for (size_t r : byUnit[units[u]]) {
            yAxisOf[r] = axis;
            yPlace_[r] = place;
        }
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
            if (std::isfinite(y)) pieces.back().append({onAxis(p.input), yPlace_[r].on(y)});
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
            for (const QPointF& p : l->points())
                out.append({logInput_ ? std::pow(10.0, p.x()) : xPlace_.off(p.x()), yPlace_[result].off(p.y())});
    return out;
}

double SweepChart::onAxis(double input) const { return logInput_ ? std::log10(input) : xPlace_.on(input); }

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

extern "C" Q_DECL_EXPORT tv::SweepPlotter* tolvane_new_sweep_plotter() { return new tv::SweepChart; }
