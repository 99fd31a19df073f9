#pragma once
// The style every theme draws with: Fusion, with the marks that must read at a
// glance drawn so that they do on any palette. Menu separators are a plain
// line; on dark palettes radio buttons show a clear ring and dot, check boxes
// a filled box with its tick, and the selected tab is the page's colour with
// an accent line while the others sit darker. Dialog buttons carry no icons,
// and drop-down lists open as a scrolling list below their box.
#include <QColor>
#include <QIcon>
#include <QProxyStyle>

namespace tv {

class ThemeStyle : public QProxyStyle {
    Q_OBJECT
public:
    ThemeStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // Dialog buttons (OK, Yes, No) show their text only, as the desktop's own do.
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* data = nullptr) const override;
    // The menu bar's overflow arrow is drawn, not read from an image file:
    // reading one loads every image-format plugin at start-up.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Whether a palette is one of the dark themes' (light text on a dark window).
bool isDark(const QPalette& palette);
// `a` moved towards `b` by `t` (0 gives a, 1 gives b).
inline QColor mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](double x, double y) { return static_cast<float>(x + (y - x) * t); };
    return QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()), lerp(a.blueF(), b.blueF()));
}

}  // namespace tv
