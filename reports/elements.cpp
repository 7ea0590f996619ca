#include "reports/elements.h"

#include "assets/drawings.h"

#include <QPainter>

namespace termika {

ReportLabel::ReportLabel(const ElementSpec& design, QObject* parent)
    : QObject(parent), design_(design), text_(design.text.toString()) {
    setObjectName(design.name.toString());
}

ReportPicture::ReportPicture(const ElementSpec& design, QObject* parent)
    : QObject(parent), design_(design), source_(design.text.toString()) {
    setObjectName(design.name.toString());
}

void ReportPicture::draw(QPainter& painter, const QRectF& box, const QString& source) const {
    if (source.isEmpty())
        return;
    if (isDrawing(source)) {
        drawDrawing(painter, source, box);
        return;
    }
    if (source != imageSource_) {
        image_.load(source);
        imageSource_ = source;
    }
    if (image_.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(box, image_);
    painter.restore();
}

} // namespace termika
