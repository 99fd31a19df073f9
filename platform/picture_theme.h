#pragma once
// Pictures drawn in the colours of the theme. The drawings are made for a
// light window: a white ground, dark slate ink (#1f2a44), navy labels, copper
// and laminate in their own colours. For another palette the SVG text is
// recoloured before it is rendered:
// - the white ground (and white holes) takes the palette's field colour, on
//   every theme;
// - on a dark palette the ink takes the palette's text colour, other text and
//   line colours are lifted until they read on the ground (navy becomes the
//   light blue of the results), pale neutral areas join the ground, the
//   materials are shaded down so that none of them glares, and the brand's
//   green takes the hue of the palette's accent;
// - every text is set in the window's font family.
// A document whose root carries class="own-colours" (a brand mark) keeps its
// colours; so does an element that carries it.
#include <QByteArray>
#include <QColor>
#include <QPalette>
#include <QString>

namespace tv {

// The colours a picture is drawn with, taken from a palette.
struct PictureColours {
    QColor ground;  // the drawing's white
    QColor ink;     // the drawing's dark slate ink
    QColor accent;  // the hue that replaces the brand's green
    bool dark = false;

    static PictureColours of(const QPalette& palette);
    bool operator==(const PictureColours&) const = default;
};

// The SVG document recoloured for `colours`, its texts in `fontFamily` (empty:
// as drawn).
QByteArray themedPicture(const QByteArray& svg, const PictureColours& colours, const QString& fontFamily);

}  // namespace tv
