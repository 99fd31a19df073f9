#include "platform/themes.h"

#include "platform/theme_style.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <cmath>
#include <memory>

namespace tv {

namespace {

// One colour scheme: the roles a palette needs; the bevel shades are derived.
struct Scheme {
    const char* name;
    QRgb window, windowText, base, alternateBase, text, button, buttonText, highlight,
        highlightedText, link, disabledText;
};

// Charcoal Dark Slate: charcoal surfaces, slate-blue selection.
// Charcoal HiRes: near-black surfaces, pure white text, strong blue selection.
// Slate: light blue-grey surfaces with dark slate text.
constexpr Scheme kSchemes[] = {
    {"Charcoal Dark Slate", 0x2E3238, 0xE4E6EA, 0x22262B, 0x2A2F35, 0xEDEFF2, 0x3A4049, 0xE4E6EA,
     0x5B7FA6, 0xFFFFFF, 0x8FB8E8, 0x808891},
    {"Charcoal HiRes", 0x1B1B1B, 0xFFFFFF, 0x0E0E0E, 0x202020, 0xFFFFFF, 0x2E2E2E, 0xFFFFFF, 0x2F80ED,
     0xFFFFFF, 0x6CB4FF, 0x8C8C8C},
    {"Slate", 0xD9DFE6, 0x1C2530, 0xF5F7FA, 0xE8EDF2, 0x111820, 0xC9D2DC, 0x1C2530, 0x4A6A8F, 0xFFFFFF,
     0x1F4E8C, 0x7D8894},
};

constexpr const char* kPlain = "Windows";

QPalette paletteOf(const Scheme& s) {
    QColor window(s.window), button(s.button);
    bool dark = window.lightnessF() < 0.5;
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, QColor(s.windowText));
    p.setColor(QPalette::Base, QColor(s.base));
    p.setColor(QPalette::AlternateBase, QColor(s.alternateBase));
    p.setColor(QPalette::Text, QColor(s.text));
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, QColor(s.buttonText));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, QColor(s.highlight));
    p.setColor(QPalette::HighlightedText, QColor(s.highlightedText));
    p.setColor(QPalette::Link, QColor(s.link));
    p.setColor(QPalette::LinkVisited, QColor(s.link).darker(120));
    p.setColor(QPalette::ToolTipBase, dark ? button : QColor(0xFFFFE1));
    p.setColor(QPalette::ToolTipText, dark ? QColor(s.windowText) : QColor(Qt::black));
    p.setColor(QPalette::PlaceholderText, QColor(s.disabledText));
    // Bevels: a highlight and a shadow around the window colour.
    p.setColor(QPalette::Light, window.lighter(dark ? 160 : 125));
    p.setColor(QPalette::Midlight, window.lighter(dark ? 130 : 110));
    p.setColor(QPalette::Mid, window.darker(dark ? 130 : 125));
    p.setColor(QPalette::Dark, window.darker(dark ? 170 : 150));
    p.setColor(QPalette::Shadow, window.darker(dark ? 250 : 300));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(s.disabledText));
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(s.disabledText));
    return p;
}

double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

std::vector<std::string> themeNames() {
    std::vector<std::string> names{kPlain};
    for (const auto& s : kSchemes) names.emplace_back(s.name);
    return names;
}

bool applyTheme(const std::string& name) {
    QPalette palette;
    if (name == kPlain) {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        if (!fusion) return false;
        palette = fusion->standardPalette();
    } else {
        const Scheme* scheme = nullptr;
        for (const auto& s : kSchemes)
            if (name == s.name) scheme = &s;
        if (!scheme) return false;
        palette = paletteOf(*scheme);
    }
    if (!qobject_cast<ThemeStyle*>(QApplication::style())) QApplication::setStyle(new ThemeStyle);
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    return true;
}

QColor legibleOn(const QColor& wanted, const QColor& background) {
    constexpr double kReadable = 4.5;
    if (background.lightnessF() >= 0.5 || contrast(wanted, background) >= kReadable) return wanted;
    // Raise the lightness, keeping hue and saturation: navy becomes a light blue.
    QColor hsl = wanted.toHsl();
    for (int step = 1; step <= 20; ++step) {
        float lightness = std::min(1.0f, hsl.lightnessF() + 0.05f * static_cast<float>(step));
        QColor lighter = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness);
        if (contrast(lighter, background) >= kReadable) return lighter;
    }
    return Qt::white;
}

void installUiFont() {
    const QString family = "Liberation Sans";
    bool have = QFontDatabase::families().contains(family);
    for (const char* path : {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                             "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"}) {
        if (have) break;
        if (QFile::exists(path)) have = QFontDatabase::addApplicationFont(path) >= 0;
    }
    QFont font = have ? QFont(family) : QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    // 8 points at 96 dpi.
    font.setPixelSize(11);
    QApplication::setFont(font);
}

}  // namespace tv
