#include "reports/elements.h"

#include <QPainter>
#include <QSvgRenderer>

namespace termika {

ReportLabel::ReportLabel(const ElementSpec& design, QObject* parent)
    : QObject(parent), design_(design), text_(design.text.toString()) {
    setObjectName(design.name.toString());
}

ReportPicture::ReportPicture(const ElementSpec& design, QObject* parent)
    : QObject(parent), design_(design), source_(design.text.toString()) {
    setObjectName(design.name.toString());
}

ReportPicture::~ReportPicture() = default;

void ReportPicture::setSource(const QString& source) {
    if (source == source_)
        return; // keep what is loaded: the print handlers write the same drawing again and again
    source_ = source;
    loaded_ = false;
    svg_.reset();
    image_ = QImage();
}

void ReportPicture::load() const {
    if (loaded_)
        return;
    loaded_ = true;
    if (source_.isEmpty())
        return;
    if (source_.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        svg_ = std::make_unique<QSvgRenderer>(source_);
        svg_->setAspectRatioMode(Qt::IgnoreAspectRatio);
    } else {
        image_.load(source_);
    }
}

void ReportPicture::draw(QPainter& painter, const QRectF& box) const {
    load();
    if (svg_ && svg_->isValid()) {
        svg_->render(&painter, box);
    } else if (!image_.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(box, image_);
        painter.restore();
    }
}

} // namespace termika
