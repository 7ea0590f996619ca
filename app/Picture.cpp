#include "Picture.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(QWidget* parent) : QWidget(parent) {}

Picture::~Picture() = default;

void Picture::setSource(const QString& source) {
    source_ = source;
    loaded_ = false;
    svg_.reset();
    image_ = QImage();
    update();
}

void Picture::setProportional(bool on) {
    proportional_ = on;
    update();
}

void Picture::setTransparent(bool on) {
    transparent_ = on;
    update();
}

void Picture::load() const {
    if (loaded_)
        return;
    loaded_ = true;
    if (source_.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        svg_ = std::make_unique<QSvgRenderer>(source_);
    else
        image_.load(source_);
}

QRectF Picture::fitted(const QRectF& box, QSizeF natural) const {
    if (!proportional_ || natural.isEmpty())
        return box;
    natural.scale(box.size(), Qt::KeepAspectRatio);
    return {box.left() + (box.width() - natural.width()) / 2,
            box.top() + (box.height() - natural.height()) / 2, natural.width(), natural.height()};
}

void Picture::render(QPainter& painter, const QRectF& box) const {
    load();
    if (svg_ && svg_->isValid()) {
        svg_->render(&painter, fitted(box, svg_->defaultSize()));
    } else if (!image_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted(box, image_.size()), image_);
    }
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    render(painter, rect());
}
