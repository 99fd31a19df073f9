#include "platform/picture_cache.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace tv {

namespace {

// Whether a drawing fills its whole frame with a light, opaque ground: its
// four corner pixels, drawn small and stretched to a square, are nearly white.
bool hasLightGround(QSvgRenderer& svg) {
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage probe(16, 16, QImage::Format_ARGB32);
    probe.fill(Qt::transparent);
    QPainter p(&probe);
    svg.render(&p, QRectF(probe.rect()));
    p.end();
    for (QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)}) {
        QColor c = probe.pixelColor(corner);
        if (c.alpha() < 250 || c.lightnessF() < 0.9) return false;
    }
    return true;
}

}  // namespace

std::shared_ptr<PictureDocument> PictureDocument::of(const QByteArray& svg) {
    if (svg.isEmpty()) return nullptr;
    // Documents live as long as a widget shows them.
    static QHash<QByteArray, std::weak_ptr<PictureDocument>> documents;
    if (auto known = documents.value(svg).lock()) return known;
    auto doc = std::make_shared<PictureDocument>(svg);
    documents.insert(svg, doc);
    return doc;
}

PictureDocument::PictureDocument(QByteArray svg) : svg_(std::move(svg)) {}
PictureDocument::~PictureDocument() = default;

QSvgRenderer& PictureDocument::renderer() {
    if (!renderer_) {
        renderer_ = std::make_unique<QSvgRenderer>(svg_);
        renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *renderer_;
}

bool PictureDocument::valid() { return renderer().isValid(); }

bool PictureDocument::lightGround() {
    if (!lightGround_) {
        lightGround_ = valid() && hasLightGround(renderer());
        renderer().setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return *lightGround_;
}

void PictureDocument::paint(QPainter& onto, QSize size, qreal dpr, const PictureLook& look, const Draw& draw) {
    constexpr qint64 kMostKeptPixels = 256 * 1024;
    if (qint64(size.width()) * size.height() * dpr * dpr > kMostKeptPixels) {
        onto.save();
        onto.setRenderHint(QPainter::Antialiasing);
        draw(onto);
        onto.restore();
        ++drawn_;
        return;
    }
    const Key key{size.width(), size.height(), dpr, look.window, look.text, look.card, look.card ? look.frame : 0u};
    auto it = drawings_.find(key);
    if (it == drawings_.end()) {
        QPixmap pixmap((QSizeF(size) * dpr).toSize());
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
        p.end();
        ++drawn_;
        it = drawings_.emplace(key, pixmap).first;
    }
    onto.drawPixmap(0, 0, it->second);
}

}  // namespace tv
