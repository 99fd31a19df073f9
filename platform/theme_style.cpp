#include "platform/theme_style.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>

namespace tv {

bool isDark(const QPalette& palette) { return palette.color(QPalette::Window).lightnessF() < 0.5; }

namespace {

// The colour that marks a chosen item on a dark palette: the selection
// colour, lifted so that it stands out against the field colour.
QColor accent(const QPalette& pal) { return mix(pal.color(QPalette::Highlight), Qt::white, 0.3); }

// The largest square centred in `r`, inset by half a pen so that lines stay sharp.
QRectF square(const QRect& r) {
    qreal side = std::min(r.width(), r.height()) - 1.0;
    QRectF s(0, 0, side, side);
    s.moveCenter(QRectF(r).center());
    return s;
}

void drawRadio(const QStyleOption& o, QPainter& p) {
    const QPalette& pal = o.palette;
    bool on = o.state & QStyle::State_On, enabled = o.state & QStyle::State_Enabled;
    QColor field = enabled ? pal.color(QPalette::Base) : pal.color(QPalette::Window);
    QColor text = pal.color(QPalette::Text);
    QRectF ring = square(o.rect).adjusted(0.75, 0.75, -0.75, -0.75);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(on && enabled ? accent(pal) : mix(field, text, enabled ? 0.6 : 0.45), 1.5));
    p.setBrush((o.state & QStyle::State_Sunken) ? mix(field, text, 0.15) : field);
    p.drawEllipse(ring);
    if (!on) return;
    qreal r = ring.width() * 0.27;
    p.setPen(Qt::NoPen);
    p.setBrush(text);
    p.drawEllipse(ring.center(), r, r);
}

void drawCheck(const QStyleOption& o, QPainter& p) {
    const QPalette& pal = o.palette;
    bool on = o.state & QStyle::State_On, partly = o.state & QStyle::State_NoChange;
    bool enabled = o.state & QStyle::State_Enabled;
    QColor field = enabled ? pal.color(QPalette::Base) : pal.color(QPalette::Window);
    QColor text = pal.color(QPalette::Text);
    QColor mark = enabled ? accent(pal) : mix(field, text, 0.45);
    QRectF box = square(o.rect).adjusted(0.75, 0.75, -0.75, -0.75);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(on || partly ? mark : mix(field, text, enabled ? 0.6 : 0.45), 1.5));
    p.setBrush(on ? mark : (o.state & QStyle::State_Sunken) ? mix(field, text, 0.15) : field);
    p.drawRoundedRect(box, 2, 2);
    qreal w = box.width(), h = box.height();
    if (on) {
        // A tick in the field colour on the filled box.
        QPainterPath tick;
        tick.moveTo(box.left() + w * 0.22, box.top() + h * 0.52);
        tick.lineTo(box.left() + w * 0.42, box.top() + h * 0.72);
        tick.lineTo(box.left() + w * 0.78, box.top() + h * 0.30);
        p.setPen(QPen(field, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else if (partly) {
        p.setPen(QPen(mark, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(box.left() + w * 0.25, box.center().y()), QPointF(box.right() - w * 0.25, box.center().y()));
    }
}

// A tab above the page: the selected one in the page's colour with an accent
// line along its top, joined to the page; the others darker and set back.
void drawTab(const QStyleOptionTab& tab, QPainter& p) {
    const QPalette& pal = tab.palette;
    QColor window = pal.color(QPalette::Window);
    QColor outline = mix(window, pal.color(QPalette::WindowText), 0.28);
    bool selected = tab.state & QStyle::State_Selected;
    bool hot = (tab.state & QStyle::State_MouseOver) && (tab.state & QStyle::State_Enabled);
    QRect r = tab.rect;
    if (!selected) r.adjust(0, 2, 0, 0);
    QColor fill = selected ? window : hot ? window.darker(115) : window.darker(135);
    p.fillRect(r.adjusted(0, 0, 0, selected ? 1 : 0), fill);
    p.setPen(outline);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), QPoint(r.left(), r.bottom()));
    p.drawLine(r.topRight(), QPoint(r.right(), r.bottom()));
    if (selected) p.fillRect(QRect(r.left() + 1, r.top(), r.width() - 2, 2), accent(pal));
}

}  // namespace

ThemeStyle::ThemeStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

QIcon ThemeStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    const bool across = icon == SP_ToolBarHorizontalExtensionButton;
    if (!across && icon != SP_ToolBarVerticalExtensionButton) return QProxyStyle::standardIcon(icon, option, widget);
    QPixmap arrow(16, 16);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    QStyleOption shape;
    shape.rect = arrow.rect();
    shape.palette = option ? option->palette : widget ? widget->palette() : QPalette();
    shape.state = State_Enabled;
    drawPrimitive(across ? PE_IndicatorArrowRight : PE_IndicatorArrowDown, &shape, &painter, widget);
    painter.end();
    return QIcon(arrow);
}

int ThemeStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* data) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    // A drop-down list opens below its box, as long as its visible-item count
    // allows, and scrolls the rest; not a menu over the whole screen.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

void ThemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (option && isDark(option->palette) &&
        (element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox)) {
        painter->save();
        if (element == PE_IndicatorRadioButton) drawRadio(*option, *painter);
        else drawCheck(*option, *painter);
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ThemeStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (element == CE_MenuItem) {
        // A separator is a plain line across the menu, whatever the item's text.
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType == QStyleOptionMenuItem::Separator) {
            painter->save();
            painter->setPen(mix(item->palette.color(QPalette::Base), item->palette.color(QPalette::Text), 0.3));
            int y = item->rect.center().y();
            painter->drawLine(item->rect.left() + 5, y, item->rect.right() - 5, y);
            painter->restore();
            return;
        }
    }
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (tab && tab->shape == QTabBar::RoundedNorth && isDark(tab->palette)) {
        if (element == CE_TabBarTabShape) {
            painter->save();
            drawTab(*tab, *painter);
            painter->restore();
            return;
        }
        if (element == CE_TabBarTab && !(tab->state & (State_Selected | State_MouseOver))) {
            // The captions of the tabs not chosen are dimmed a little.
            QStyleOptionTab dimmed(*tab);
            QColor text = mix(tab->palette.color(QPalette::WindowText), tab->palette.color(QPalette::Window), 0.3);
            dimmed.palette.setColor(QPalette::WindowText, text);
            dimmed.palette.setColor(QPalette::ButtonText, text);
            QProxyStyle::drawControl(element, &dimmed, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace tv
