#pragma once
// The pictures of the windows, read once and drawn once per size and theme.
// Drawing an SVG (its texts become outlines) costs far more than copying a
// pixmap, so a document is parsed once however many widgets show it, and
// each drawing of it is kept under its size, pixel ratio and the colours it
// was drawn for: showing a panel again, or coming back to a theme or a unit
// system, copies the drawing made the first time.
#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QSize>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

class QPainter;
class QSvgRenderer;

namespace tv {

// What a drawing depends on besides its document and size: the theme's
// colours around it, and whether it sits on a card (with the card's frame).
struct PictureLook {
    QRgb window = 0;
    QRgb text = 0;
    bool card = false;
    QRgb frame = 0;
};

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
    // Whether the drawing fills its whole frame with a light, opaque ground
    // (found by drawing it small once, when first asked).
    bool lightGround();
    QSvgRenderer& renderer();

    // Paints the drawing at a size and look onto `onto`: `draw` makes it (on
    // a transparent pixmap of that size) the first time, and it is copied
    // from then on. A drawing larger than a calculator's picture (the splash,
    // which fills its own window and is painted once) is not kept: it is
    // drawn straight onto `onto`, as a kept copy would double its window's
    // memory.
    using Draw = std::function<void(QPainter&)>;
    void paint(QPainter& onto, QSize size, qreal dpr, const PictureLook& look, const Draw& draw);
    // How many drawings were made (not copied) so far.
    int drawn() const { return drawn_; }

private:
    QByteArray svg_;
    std::unique_ptr<QSvgRenderer> renderer_;
    std::optional<bool> lightGround_;
    // width, height, pixel ratio, window and text colour, card, frame
    using Key = std::tuple<int, int, qreal, QRgb, QRgb, bool, QRgb>;
    std::map<Key, QPixmap> drawings_;
    int drawn_ = 0;
};

}  // namespace tv
