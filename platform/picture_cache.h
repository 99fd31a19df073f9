#pragma once
// The pictures of the windows, read once and drawn once per size and theme.
// Drawing an SVG (its texts become outlines) costs far more than copying a
// pixmap, so a document is parsed once however many widgets show it, and
// each drawing of it is kept under its size, pixel ratio and the colours and
// font it was drawn in: showing a panel again, or coming back to a theme or a
// unit system, copies the drawing made the first time.
#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <map>
#include <memory>
#include <tuple>

#include "platform/picture_theme.h"

class QPainter;
class QSvgRenderer;

namespace tv {

class PictureDocument {
public:
    // The document of these SVG bytes, shared with every widget that shows
    // the same picture; null when empty. It is parsed when first drawn or
    // asked about, not when a widget takes it.
    static std::shared_ptr<PictureDocument> of(const QByteArray& svg);

    explicit PictureDocument(QByteArray svg);
    ~PictureDocument();
    PictureDocument(const PictureDocument&) = delete;
    PictureDocument& operator=(const PictureDocument&) = delete;

    // Whether the SVG reads; an unreadable one shows nothing.
    bool valid();

    // Paints the drawing, recoloured for `colours` with its texts in
    // `family`, filling `size` (aspect ratio kept). It is drawn the first
    // time and copied from then on. A drawing larger than a calculator's
    // picture (the splash, which fills its own window and is painted once) is
    // not kept: it is drawn straight onto `onto`, as a kept copy would double
    // its window's memory.
    void paint(QPainter& onto, QSize size, qreal dpr, const PictureColours& colours, const QString& family);
    // How many drawings were made (not copied) so far.
    int drawn() const { return drawn_; }

private:
    // The renderer of the document in these colours and font; the last one
    // asked for is kept (a theme changes seldom).
    QSvgRenderer& themed(const PictureColours& colours, const QString& family);

    QByteArray svg_;
    std::unique_ptr<QSvgRenderer> original_;
    std::unique_ptr<QSvgRenderer> themed_;
    PictureColours themedColours_;
    QString themedFamily_;
    // width, height, pixel ratio, ground, ink, accent, dark, font family
    using Key = std::tuple<int, int, qreal, QRgb, QRgb, QRgb, bool, QString>;
    std::map<Key, QPixmap> drawings_;
    int drawn_ = 0;
};

}  // namespace tv
