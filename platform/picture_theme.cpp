#include "platform/picture_theme.h"

#include <algorithm>

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

// The few patterns of SVG text the recolouring looks for, read by hand: the
// regular-expression engine would cost the program half a megabyte at start.
namespace svg {

bool isWordChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
}
bool isLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}
bool isHexDigit(QChar c) { return isWordChar(c) && QStringLiteral("0123456789abcdefABCDEF").contains(c); }
// Whether `word` starts at `at` in `text` after a word boundary.
bool wordAt(QStringView text, qsizetype at, QStringView word) {
    return text.mid(at).startsWith(word) && (at == 0 || !isWordChar(text[at - 1])) && isWordChar(text[at]);
}

// The next start tag from `from`: "<name ...>" with a name of letters; false
// when there is none.
bool nextTag(QStringView in, qsizetype from, qsizetype* start, qsizetype* end, QStringView* name) {
    for (qsizetype at = in.indexOf(u'<', from); at >= 0; at = in.indexOf(u'<', at + 1)) {
        qsizetype n = at + 1;
        while (n < in.size() && isLetter(in[n])) ++n;
        if (n == at + 1 || (n < in.size() && isWordChar(in[n]))) continue;
        const qsizetype close = in.indexOf(u'>', n);
        if (close < 0) continue;
        *start = at;
        *end = close + 1;
        *name = in.mid(at + 1, n - at - 1);
        return true;
    }
    return false;
}

// `attribute="value"` at `at`, the value as `accepts` takes it: its end, or -1.
template <class Accepts>
qsizetype attributeAt(QStringView text, qsizetype at, QStringView attribute, QStringView* value, Accepts accepts) {
    if (!wordAt(text, at, attribute)) return -1;
    qsizetype v = at + attribute.size();
    if (!text.mid(v).startsWith(u"=\"")) return -1;
    v += 2;
    qsizetype e = v;
    while (e < text.size() && text[e] != u'"') ++e;
    if (e == text.size() || !accepts(text.mid(v, e - v))) return -1;
    *value = text.mid(v, e - v);
    return e + 1;
}

bool anything(QStringView) { return true; }
bool colourValue(QStringView v) {
    return v.size() == 7 && v[0] == u'#' && std::all_of(v.begin() + 1, v.end(), isHexDigit);
}
bool numberValue(QStringView v) {
    return !v.isEmpty() && std::all_of(v.begin(), v.end(), [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
}

// The first `attribute="value"` in `text` whose value `accepts` takes.
template <class Accepts>
bool find(QStringView text, QStringView attribute, QStringView* value, Accepts accepts) {
    for (qsizetype at = text.indexOf(attribute); at >= 0; at = text.indexOf(attribute, at + 1))
        if (attributeAt(text, at, attribute, value, accepts) >= 0) return true;
    return false;
}

// Whether the document's own <svg ...> tag marks it as keeping its colours.
bool ownDocument(QStringView in) {
    for (qsizetype at = in.indexOf(u"<svg"); at >= 0; at = in.indexOf(u"<svg", at + 1)) {
        if (at + 4 < in.size() && isWordChar(in[at + 4])) continue;
        qsizetype close = in.indexOf(u'>', at);
        if (close < 0) close = in.size();
        QStringView value;
        if (find(in.mid(at + 4, close - at - 4), u"class", &value, [](QStringView v) { return v == u"own-colours"; }))
            return true;
    }
    return false;
}

}  // namespace svg

QByteArray themedPicture(const QByteArray& bytes, const PictureColours& colours, const QString& fontFamily) {
    const QString text = QString::fromUtf8(bytes);
    const QStringView in(text);
    // Brand marks (the social icons, the donation button, the mark on the
    // banner) keep their colours, a whole document or one element.
    const bool ownColours = svg::ownDocument(in);
    const auto own = [](QStringView v) { return v == u"own-colours"; };
    QString out;
    out.reserve(in.size());
    qsizetype done = 0, start, end;
    QStringView name;
    while (svg::nextTag(in, done, &start, &end, &name)) {
        out += in.mid(done, start - done);
        const QString element = name.toString();
        const QStringView tag = in.mid(start, end - start);
        QStringView value;
        const bool keep = ownColours || svg::find(tag, u"class", &value, own);
        const bool thin = !svg::find(tag, u"stroke-width", &value, svg::numberValue) || value.toDouble() <= 3;
        QString recoloured;
        qsizetype at = 0;
        for (qsizetype i = 0; !keep && i < tag.size(); ++i) {
            for (QStringView attribute : {u"fill", u"stroke", u"stop-color"}) {
                const qsizetype after = svg::attributeAt(tag, i, attribute, &value, svg::colourValue);
                if (after < 0) continue;
                recoloured += tag.mid(at, i - at);
                const QColor c = recolour(QColor(value), element, thin, attribute.toString(), colours);
                recoloured += attribute;
                recoloured += QLatin1String("=\"") + hex(c) + QLatin1Char('"');
                at = i = after;
                --i;
                break;
            }
        }
        recoloured += tag.mid(at);
        if (!fontFamily.isEmpty()) {
            QString withFamily;
            const QStringView r(recoloured);
            qsizetype copied = 0;
            for (qsizetype i = 0; i < r.size(); ++i) {
                const qsizetype after = svg::attributeAt(r, i, u"font-family", &value, svg::anything);
                if (after < 0) continue;
                withFamily += r.mid(copied, i - copied);
                withFamily += QLatin1String("font-family=\"") + fontFamily + QLatin1Char('"');
                copied = i = after;
                --i;
            }
            withFamily += r.mid(copied);
            recoloured = withFamily;
        }
        out += recoloured;
        done = end;
    }
    out += in.mid(done);
    return out.toUtf8();
}

}  // namespace tv
