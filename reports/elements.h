#pragma once

#include "reports/layout.h"

#include <QImage>
#include <QObject>
#include <QString>

class QPainter;
class QRectF;

namespace termika {

// A text element of a report page. It keeps whatever was written last until the next write;
// nothing resets it between prints.
class ReportLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    ReportLabel(const ElementSpec& design, QObject* parent);

    const ElementSpec& design() const { return design_; }
    QString text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

private:
    const ElementSpec& design_;
    QString text_;
};

// A picture element: one of the window drawings by name ("okno3") or a raster image by
// resource path (":/img/logo.png"). A raster is read at the first page drawn, not before: the
// program creates its reports at start and may never print.
class ReportPicture : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    ReportPicture(const ElementSpec& design, QObject* parent);

    const ElementSpec& design() const { return design_; }
    QString source() const { return source_; }
    void setSource(const QString& source) { source_ = source; }
    // Whether the raster image of the current source has been read.
    bool isLoaded() const { return !image_.isNull() && imageSource_ == source_; }

    // Stretches the artwork of `source` (the element's own, or what it held when a preview was
    // laid out) over the box. A drawing stays vector paths on a PDF or printer.
    void draw(QPainter& painter, const QRectF& box, const QString& source) const;

private:
    const ElementSpec& design_;
    QString source_;
    // The raster read last, kept: the print handlers write the same picture again and again.
    mutable QString imageSource_;
    mutable QImage image_;
};

} // namespace termika
