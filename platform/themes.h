#pragma once
// Colour themes and the UI font. "Windows" is the platform's plain light look;
// "Charcoal Dark Slate", "Charcoal HiRes" and "Slate" are the program's own
// colour schemes. Every theme is a complete palette on the Fusion style (with
// the marks of ThemeStyle).
#include <QColor>
#include <string>
#include <vector>

namespace tv {

std::vector<std::string> themeNames();
// Applies a theme to the whole application at once; false (nothing changes)
// for an unknown name.
bool applyTheme(const std::string& name);

// The colour to draw text of colour `wanted` on `background`. Light
// backgrounds show every colour exactly; on a dark background a colour too dark
// to read (navy results) is made lighter, keeping its hue.
QColor legibleOn(const QColor& wanted, const QColor& background);

// The 8-point UI font with Arial metrics the window geometry was laid out for
// (Liberation Sans where installed), sized in pixels so that screen DPI
// settings do not scale it.
void installUiFont();

}  // namespace tv
