#include "platform/tab_strip.h"

#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>
#include <climits>

namespace tv {

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

void TabStrip::setTabs(const QStringList& captions) {
    captions_ = captions;
    if (current_ >= count()) current_ = -1;
    hover_ = -1;
    relayout();
}

void TabStrip::setCurrent(int index) {
    if (index < -1 || index >= count()) index = -1;
    if (index == current_) return;
    current_ = index;
    relayout();
}

QRect TabStrip::tabRect(int index) const {
    if (index < 0 || index >= static_cast<int>(rects_.size())) return {};
    return rects_[static_cast<size_t>(index)];
}

int TabStrip::tabAt(const QPoint& pos) const {
    // The selected tab is drawn on top, so it wins where tabs overlap.
    if (tabRect(current_).contains(pos)) return current_;
    for (int i = 0; i < static_cast<int>(rects_.size()); ++i)
        if (rects_[static_cast<size_t>(i)].contains(pos)) return i;
    return -1;
}

QSize TabStrip::tabSizeHint(int index) const {
    QStyleOptionTab opt;
    initTabOption(opt, index);
    QFontMetrics fm = fontMetrics();
    int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
    QSize text = fm.size(Qt::TextShowMnemonic, captions_[index]);
    QSize size(text.width() + hframe, std::max(text.height(), fm.height()) + vframe);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, size, this);
}

int TabStrip::rowOf(int index) const {
    for (size_t r = 0; r < rows_.size(); ++r)
        if (std::find(rows_[r].begin(), rows_[r].end(), index) != rows_[r].end()) return static_cast<int>(r);
    return 0;
}

void TabStrip::relayout() {
    rows_.clear();
    rects_.assign(static_cast<size_t>(count()), QRect());
    if (captions_.isEmpty()) {
        rowHeight_ = 0;
        update();
        return;
    }
    int avail = std::max(1, width() - 2 * kMargin);
    std::vector<QSize> sizes;
    int tallest = 0;
    for (int i = 0; i < count(); ++i) {
        sizes.push_back(tabSizeHint(i));
        tallest = std::max(tallest, sizes.back().height());
    }
    // Fill rows greedily in tab order.
    int used = 0;
    for (int i = 0; i < count(); ++i) {
        int w = sizes[static_cast<size_t>(i)].width();
        if (rows_.empty() || (used + w > avail && !rows_.back().empty())) {
            rows_.emplace_back();
            used = 0;
        }
        rows_.back().push_back(i);
        used += w;
    }
    int n = rowCount();

    // The rows must leave the page's children uncovered: squeeze the row height
    // down to the text height when the children start higher than the rows end.
    rowHeight_ = tallest;
    int limit = INT_MAX;
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow()) limit = std::min(limit, w->y());
    if (limit != INT_MAX && kMargin + n * rowHeight_ + 2 > limit)
        rowHeight_ = std::max(fontMetrics().height() + 4, (limit - kMargin - 2) / n);

    // The selected tab's row sits next to the page; the others keep their
    // cyclic order above it.
    int selected = current_ >= 0 ? rowOf(current_) : 0;
    for (int r = 0; r < n; ++r) {
        const auto& row = rows_[static_cast<size_t>(r)];
        int place = n - 1 - ((r - selected + n) % n);
        int y = kMargin + place * rowHeight_;
        int total = 0;
        for (int i : row) total += sizes[static_cast<size_t>(i)].width();
        // With several rows each row is stretched to the full width.
        int extra = n > 1 ? std::max(0, avail - total) : 0;
        int share = extra / static_cast<int>(row.size());
        int x = kMargin;
        for (size_t k = 0; k < row.size(); ++k) {
            int w = sizes[static_cast<size_t>(row[k])].width() + share;
            if (k + 1 == row.size() && n > 1) w = kMargin + avail - x;
            rects_[static_cast<size_t>(row[k])] = QRect(x, y, w, rowHeight_);
            x += w;
        }
    }
    update();
}

void TabStrip::initTabOption(QStyleOptionTab& opt, int index) const {
    opt.initFrom(this);
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    opt.shape = QTabBar::RoundedNorth;
    opt.text = captions_.value(index);
    opt.documentMode = false;
    opt.features |= QStyleOptionTab::HasFrame;
    if (index < 0 || index >= static_cast<int>(rects_.size())) return;
    opt.rect = rects_[static_cast<size_t>(index)];
    if (index == current_) opt.state |= QStyle::State_Selected;
    if (index == hover_ && isEnabled()) {
        opt.state |= QStyle::State_MouseOver;
        // Hot tracking: the caption under the mouse takes the link colour.
        if (index != current_)
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
                opt.palette.setColor(role, palette().color(QPalette::Link));
    }
    const auto& row = rows_.empty() ? std::vector<int>{} : rows_[static_cast<size_t>(rowOf(index))];
    auto at = std::find(row.begin(), row.end(), index);
    if (at == row.end()) return;
    size_t k = static_cast<size_t>(at - row.begin());
    opt.position = row.size() == 1 ? QStyleOptionTab::OnlyOneTab
                 : k == 0 ? QStyleOptionTab::Beginning
                 : k + 1 == row.size() ? QStyleOptionTab::End
                 : QStyleOptionTab::Middle;
    if (k > 0 && row[k - 1] == current_) opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    else if (k + 1 < row.size() && row[k + 1] == current_) opt.selectedPosition = QStyleOptionTab::NextIsSelected;
    else opt.selectedPosition = QStyleOptionTab::NotAdjacent;
}

void TabStrip::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    int top = stripHeight() - overlap;

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, top, width(), height() - top);
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarSize = QSize(width(), stripHeight());
    frame.tabBarRect = QRect(0, 0, width(), stripHeight());
    frame.selectedTabRect = tabRect(current_);
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);

    // Rows from the top down, so that lower rows overlap upper ones; the
    // selected tab last.
    std::vector<int> order(static_cast<size_t>(count()));
    for (int i = 0; i < count(); ++i) order[static_cast<size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        bool sa = a == current_, sb = b == current_;
        if (sa != sb) return sb;
        return rects_[static_cast<size_t>(a)].y() < rects_[static_cast<size_t>(b)].y();
    });
    for (int i : order) {
        QStyleOptionTab opt;
        initTabOption(opt, i);
        p.drawControl(QStyle::CE_TabBarTab, opt);
    }
}

void TabStrip::mouseMoveEvent(QMouseEvent* e) {
    int h = tabAt(e->position().toPoint());
    if (h != hover_) {
        hover_ = h;
        update();
    }
    QWidget::mouseMoveEvent(e);
}

void TabStrip::leaveEvent(QEvent*) {
    if (hover_ != -1) {
        hover_ = -1;
        update();
    }
}

void TabStrip::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    int i = tabAt(e->position().toPoint());
    if (i >= 0 && i != current_) emit picked(i);
}

void TabStrip::resizeEvent(QResizeEvent*) { relayout(); }

void TabStrip::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) relayout();
    QWidget::changeEvent(e);
}

bool TabStrip::event(QEvent* e) {
    // The children's places are known once the window is about to show.
    if (e->type() == QEvent::Show) relayout();
    return QWidget::event(e);
}

}  // namespace tv
