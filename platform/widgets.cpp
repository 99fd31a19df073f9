#include "platform/widgets.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QSvgRenderer>
#include <QToolButton>
#include <algorithm>

#include "platform/picture_cache.h"
#include "platform/theme_style.h"

namespace tv {

namespace {

// A one-pixel bevel: light top-left and dark bottom-right when raised, the
// other way round when sunken.
void drawBevel(QPainter& p, const QPalette& pal, const QRect& r, bool raised) {
    p.setPen(pal.color(raised ? QPalette::Light : QPalette::Dark));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pal.color(raised ? QPalette::Dark : QPalette::Light));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace


QString plainCaption(const std::string& caption) {
    QString in = qs(caption), out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '&') {
            if (i + 1 < in.size() && in[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

namespace {

// A click is a left press and a left release inside the widget.
bool pressLeft(QMouseEvent* e) { return e->button() == Qt::LeftButton; }
bool releaseInside(QWidget* w, QMouseEvent* e, bool& pressed) {
    bool was = pressed;
    pressed = false;
    return was && e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

// A classic etched line pair: the shadow, then the highlight one pixel lower right.
void etchedRect(QPainter& p, const QRect& r, const QPalette& pal) {
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -2, -2));
    p.setPen(pal.color(QPalette::Light));
    p.drawRect(r.adjusted(1, 1, -1, -1));
}

}  // namespace

// ---- FrameBox ----

FrameBox::FrameBox(Look look, QWidget* parent) : QWidget(parent), look_(look) {}

void FrameBox::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    update();
}

int FrameBox::contentTop() const { return look_ == Look::Group ? fontMetrics().height() : 0; }

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    if (look_ == Look::Panel) {
        if (autoFillBackground()) p.fillRect(rect(), pal.window());
        drawBevel(p, pal, rect().adjusted(0, 0, -1, -1), true);
        if (!title_.isEmpty())
            style()->drawItemText(&p, rect(), Qt::AlignCenter, pal, isEnabled(), title_, QPalette::WindowText);
        return;
    }
    QFontMetrics fm = fontMetrics();
    int half = fm.height() / 2;
    QRect text(8, 0, title_.isEmpty() ? 0 : fm.horizontalAdvance(title_), fm.height());
    // The frame line stops either side of the title, whatever lies beneath.
    p.save();
    p.setClipRegion(QRegion(rect()).subtracted(QRegion(text)));
    etchedRect(p, rect().adjusted(0, half, 0, 0), pal);
    p.restore();
    if (!title_.isEmpty())
        style()->drawItemText(&p, text, Qt::AlignLeft | Qt::AlignVCenter, pal, isEnabled(), title_,
                              QPalette::WindowText);
}

void FrameBox::mousePressEvent(QMouseEvent* e) { pressed_ = pressLeft(e); }
void FrameBox::mouseReleaseEvent(QMouseEvent* e) {
    if (releaseInside(this, e, pressed_)) emit clicked();
}

// ---- RadioGroupBox ----

RadioGroupBox::RadioGroupBox(QWidget* parent)
    : FrameBox(Look::Group, parent), group_(new QButtonGroup(this)) {
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroupBox::picked);
    connect(group_, &QButtonGroup::idToggled, this, [this] { updateTabStop(); });
}

void RadioGroupBox::setTabStop(bool on) {
    tabStop_ = on;
    updateTabStop();
}

void RadioGroupBox::updateTabStop() {
    auto chosen = std::find_if(buttons_.begin(), buttons_.end(), [](QRadioButton* b) { return b->isChecked(); });
    QRadioButton* stop = chosen != buttons_.end() ? *chosen : buttons_.empty() ? nullptr : buttons_.front();
    for (QRadioButton* b : buttons_) b->setFocusPolicy(tabStop_ && b == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroupBox::setItems(const std::vector<std::string>& items) {
    // The old buttons go once control is back in the event loop: the user's
    // click on one of them may be what rebuilt the list.
    for (QRadioButton* b : buttons_) {
        group_->removeButton(b);
        b->hide();
        b->deleteLater();
    }
    buttons_.clear();
    for (size_t i = 0; i < items.size(); ++i) {
        auto* b = new WholeButton<QRadioButton>(qs(items[i]), this);
        group_->addButton(b, static_cast<int>(i));
        buttons_.push_back(b);
        b->show();
    }
    arrange();
    updateTabStop();
}

void RadioGroupBox::setIndex(int index) {
    // An exclusive group cannot show "nothing selected" until exclusivity is
    // lifted for the moment of unchecking.
    group_->setExclusive(false);
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setChecked(static_cast<int>(i) == index);
    group_->setExclusive(true);
    updateTabStop();
}

// Items share the height below the title evenly, one column, as the classic
// radio group arranges them.
void RadioGroupBox::arrange() {
    if (buttons_.empty()) return;
    int n = count();
    int textHeight = fontMetrics().height();
    int room = height() - textHeight - 5;
    int rowHeight = std::max(1, room / n);
    int top = textHeight + 1 + (room % n) / 2;
    for (int i = 0; i < n; ++i)
        buttons_[static_cast<size_t>(i)]->setGeometry(8, top + i * rowHeight, width() - 10, rowHeight);
}

void RadioGroupBox::resizeEvent(QResizeEvent*) { arrange(); }
void RadioGroupBox::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) arrange();
    FrameBox::changeEvent(e);
}

// ---- ClickLabel ----

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) { pressed_ = pressLeft(e); }
void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (releaseInside(this, e, pressed_)) emit clicked();
}

// ---- ShapeBox ----

ShapeBox::ShapeBox(QWidget* parent) : QWidget(parent) {}

void ShapeBox::setFill(const QColor& c) {
    fill_ = c;
    update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::black);
    p.setBrush(fill_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ShapeBox::mousePressEvent(QMouseEvent* e) { pressed_ = pressLeft(e); }
void ShapeBox::mouseReleaseEvent(QMouseEvent* e) {
    if (releaseInside(this, e, pressed_)) emit clicked();
}

// ---- Picture ----

Picture::Picture(QWidget* parent) : QWidget(parent) {}
Picture::~Picture() = default;

void Picture::setSvg(const QByteArray& svg) {
    doc_ = PictureDocument::of(svg);
    update();
}

bool Picture::hasPicture() const { return doc_ && doc_->valid(); }

void Picture::paintEvent(QPaintEvent*) {
    if (!hasPicture()) return;
    QPainter onto(this);
    doc_->paint(onto, size(), devicePixelRatioF(), PictureColours::of(palette()), font().family());
}

void Picture::mousePressEvent(QMouseEvent* e) { pressed_ = pressLeft(e); }
void Picture::mouseReleaseEvent(QMouseEvent* e) {
    if (releaseInside(this, e, pressed_)) emit clicked();
}

// ---- SpinArrows ----

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    // The arrows take no focus themselves; a click focuses the spin button.
    setFocusPolicy(Qt::ClickFocus);
    for (auto [button, arrow, step] : {std::tuple{up_, Qt::UpArrow, 1}, std::tuple{down_, Qt::DownArrow, -1}}) {
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(400);
        button->setAutoRepeatInterval(80);
        connect(button, &QToolButton::clicked, this, [this, s = step] { emit stepped(s); });
    }
}

void SpinArrows::resizeEvent(QResizeEvent*) {
    int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

// ---- StatusPanels ----

StatusPanels::StatusPanels(std::vector<int> widths, QWidget* parent)
    : QWidget(parent), widths_(std::move(widths)), texts_(widths_.size()) {}

void StatusPanels::setText(size_t panel, const QString& text) {
    if (panel >= texts_.size() || texts_[panel] == text) return;
    texts_[panel] = text;
    update();
}

QString StatusPanels::text(size_t panel) const { return panel < texts_.size() ? texts_[panel] : QString(); }

void StatusPanels::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    int x = 0;
    for (size_t i = 0; i < widths_.size(); ++i) {
        // The last panel reaches the right edge, as status bars draw it.
        int w = i + 1 == widths_.size() ? std::max(widths_[i], width() - x) : widths_[i];
        QRect r(x, 2, w, height() - 2);
        x += w + 2;
        drawBevel(p, pal, r.adjusted(0, 0, -1, -1), false);
        QRect inside = r.adjusted(3, 1, -3, -1);
        QString shown = fontMetrics().elidedText(texts_[i], Qt::ElideRight, inside.width());
        style()->drawItemText(&p, inside, Qt::AlignLeft | Qt::AlignVCenter, pal, isEnabled(), shown,
                              QPalette::WindowText);
    }
}

}  // namespace tv
