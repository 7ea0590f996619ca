#include "Picture.h"

#include "assets/drawings.h"

#include <QCoreApplication>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>

using termika::drawDrawing;
using termika::drawingSize;
using termika::isDrawing;

namespace {

// The logo is a large photograph that takes longer to decode than the rest of the window takes
// to build; decoding it alongside costs the start nothing where there is a second core. The
// main window and the Info dialog show the same one, decoded once.
using Decoded = QHash<QString, std::shared_future<QImage>>; // touched by the GUI thread only

Decoded& decodedImages() {
    static Decoded images;
    return images;
}

std::shared_future<QImage> decoded(const QString& source) {
    Decoded& images = decodedImages();
    if (images.isEmpty())
        // A decoding still under way is waited for while Qt is still there to finish it.
        qAddPostRoutine([] { decodedImages().clear(); });
    auto found = images.find(source);
    if (found == images.end())
        found = images.insert(
            source, std::async(std::launch::async, [source] { return QImage(source); }).share());
    return *found;
}

} // namespace

Picture::Picture(QWidget* parent) : QWidget(parent) {}

Picture::~Picture() = default;

void Picture::setSource(const QString& source) {
    source_ = source;
    image_ = QImage();
    decoding_ =
        source.isEmpty() || isDrawing(source) ? std::shared_future<QImage>() : decoded(source);
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

QRectF Picture::fitted(const QRectF& box, QSizeF natural) const {
    if (!proportional_ || natural.isEmpty())
        return box;
    natural.scale(box.size(), Qt::KeepAspectRatio);
    return {box.left() + (box.width() - natural.width()) / 2,
            box.top() + (box.height() - natural.height()) / 2, natural.width(), natural.height()};
}

void Picture::render(QPainter& painter, const QRectF& box) const {
    if (isDrawing(source_)) {
        drawDrawing(painter, source_, fitted(box, drawingSize(source_)));
        return;
    }
    if (image_.isNull() && decoding_.valid())
        image_ = decoding_.get();
    if (!image_.isNull()) {
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
