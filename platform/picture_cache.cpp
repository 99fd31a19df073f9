#include "platform/picture_cache.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace tv {

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

bool PictureDocument::valid() {
    if (!original_) original_ = std::make_unique<QSvgRenderer>(svg_);
    return original_->isValid();
}

QSvgRenderer& PictureDocument::themed(const PictureColours& colours, const QString& family) {
    if (!themed_ || !(colours == themedColours_) || family != themedFamily_) {
        themed_ = std::make_unique<QSvgRenderer>(themedPicture(svg_, colours, family));
        themed_->setAspectRatioMode(Qt::KeepAspectRatio);
        themedColours_ = colours;
        themedFamily_ = family;
    }
    return *themed_;
}

void PictureDocument::paint(QPainter& onto, QSize size, qreal dpr, const PictureColours& colours,
                            const QString& family) {
    const QRectF area(QPointF(0, 0), QSizeF(size));
    constexpr qint64 kMostKeptPixels = 256 * 1024;
    if (qint64(size.width()) * size.height() * dpr * dpr > kMostKeptPixels) {
        onto.save();
        onto.setRenderHint(QPainter::Antialiasing);
        themed(colours, family).render(&onto, area);
        onto.restore();
        ++drawn_;
        return;
    }
    const Key key{size.width(), size.height(), dpr,           colours.ground.rgba(), colours.ink.rgba(),
                  colours.accent.rgba(), colours.dark, family};
    auto it = drawings_.find(key);
    if (it == drawings_.end()) {
        QPixmap pixmap((QSizeF(size) * dpr).toSize());
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        themed(colours, family).render(&p, area);
        p.end();
        ++drawn_;
        it = drawings_.emplace(key, pixmap).first;
    }
    onto.drawPixmap(0, 0, it->second);
}

}  // namespace tv
