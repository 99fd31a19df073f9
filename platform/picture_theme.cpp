#include "platform/picture_theme.h"

#include <QRegularExpression>

#include "platform/theme_style.h"
#include "platform/themes.h"

namespace tv {

namespace {

const QColor kGround(0xFF, 0xFF, 0xFF);
const QColor kInk(0x1F, 0x2A, 0x44);

bool isText(const QString& element) { return element == "text" || element == "tspan"; }
// Shapes whose fill is an area (as against arrowheads and marks drawn in ink).
bool isArea(const QString& element) {
    return element == "rect" || element == "circle" || element == "ellipse" || element == "path" || element == "g";
}

bool isLine(const QString& element) { return element == "line" || element == "polyline" || element == "path"; }
// Nearly white and nearly grey: a card or a ground.
bool paleNeutral(const QColor& c) { return c.lightnessF() >= 0.93 && c.hslSaturationF() <= 0.3; }
// Dark enough to be ink: labels, dimension lines, arrowheads.
bool inkLike(const QColor& c) { return c.lightnessF() < 0.3; }
// The deep green of the logo, the banner and the splash.
bool brandGreen(const QColor& c) {
    const int hue = c.hslHue();
    return hue >= 140 && hue <= 175 && c.hslSaturationF() >= 0.3 && c.lightnessF() < 0.3;
}

// A material's colour on a dark ground: the same hue, a little less
// saturated; mid tones (copper) keep about their lightness, pale ones (the
// laminate, which labels sit on) turn dark, so that nothing glares and light
// labels read on every area.
QColor shaded(const QColor& c) {
    const float l = c.lightnessF();
    const float lightness = l < 0.45f ? l * 0.9f : 0.405f - (l - 0.45f) * 0.4f;
    return QColor::fromHslF(c.hslHueF(), c.hslSaturationF() * 0.75f, lightness);
}

QColor rehued(const QColor& c, const QColor& accent) {
    return QColor::fromHslF(accent.hslHueF(), c.hslSaturationF() * 0.7f, c.lightnessF());
}

QColor recolour(const QColor& c, const QString& element, bool thin, const QString& attribute,
                const PictureColours& to) {
    const bool text = isText(element);
    if (c == kGround && !text) return to.ground;
    if (!to.dark) return c;
    if (c == kInk) return to.ink;
    // Labels sit on the ground or on a shaded material: they must read on
    // the darker materials too.
    const QColor underText = QColor::fromHslF(0, 0, 0.3f);
    if (brandGreen(c)) return text ? legibleOn(rehued(c, to.accent), underText) : rehued(c, to.accent);
    if (text) return legibleOn(c, underText);
    if (inkLike(c)) return attribute == "fill" && isArea(element) ? c : legibleOn(c, to.ground);
    // Thin lines drawn in colour (field lines, waves, leads) stay visible;
    // a wide stroke (a coil's turns) is material.
    if (attribute == "stroke" && thin && isLine(element)) return legibleOn(c, to.ground);
    if (paleNeutral(c)) return to.ground;
    return shaded(c);
}

QString hex(const QColor& c) { return c.name(QColor::HexRgb); }

}  // namespace

PictureColours PictureColours::of(const QPalette& palette) {
    PictureColours c;
    c.ground = palette.color(QPalette::Base);
    c.dark = isDark(palette);
    c.ink = c.dark ? palette.color(QPalette::Text) : kInk;
    c.accent = palette.color(QPalette::Highlight);
    return c;
}

QByteArray themedPicture(const QByteArray& svg, const PictureColours& colours, const QString& fontFamily) {
    static const QRegularExpression tag(QStringLiteral("<([A-Za-z]+)\\b[^>]*>"));
    static const QRegularExpression colour(QStringLiteral("\\b(fill|stroke|stop-color)=\"(#[0-9A-Fa-f]{6})\""));
    static const QRegularExpression family(QStringLiteral("\\bfont-family=\"[^\"]*\""));
    static const QRegularExpression strokeWidth(QStringLiteral("\\bstroke-width=\"([0-9.]+)\""));
    const QString in = QString::fromUtf8(svg);
    // Brand marks (the social icons, the donation button, the mark on the
    // banner) keep their colours, a whole document or one element.
    static const QRegularExpression own(QStringLiteral("\\bclass=\"own-colours\""));
    static const QRegularExpression ownDocument(QStringLiteral("<svg\\b[^>]*\\bclass=\"own-colours\""));
    const bool ownColours = ownDocument.match(in).hasMatch();
    QString out;
    out.reserve(in.size());
    qsizetype done = 0;
    for (auto tags = tag.globalMatch(in); tags.hasNext();) {
        const QRegularExpressionMatch t = tags.next();
        out += QStringView(in).mid(done, t.capturedStart() - done);
        const QString element = t.captured(1);
        QString text = t.captured(0);
        QString recoloured;
        qsizetype at = 0;
        const bool keep = ownColours || own.match(text).hasMatch();
        const QRegularExpressionMatch width = strokeWidth.match(text);
        const bool thin = !width.hasMatch() || width.captured(1).toDouble() <= 3;
        for (auto attrs = colour.globalMatch(text); !keep && attrs.hasNext();) {
            const QRegularExpressionMatch a = attrs.next();
            recoloured += QStringView(text).mid(at, a.capturedStart() - at);
            const QColor c = recolour(QColor(a.captured(2)), element, thin, a.captured(1), colours);
            recoloured += a.captured(1) + "=\"" + hex(c) + "\"";
            at = a.capturedEnd();
        }
        recoloured += QStringView(text).mid(at);
        if (!fontFamily.isEmpty()) recoloured.replace(family, "font-family=\"" + fontFamily + "\"");
        out += recoloured;
        done = t.capturedEnd();
    }
    out += QStringView(in).mid(done);
    return out.toUtf8();
}

}  // namespace tv
