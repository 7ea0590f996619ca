#pragma once

#include "reports/layout.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

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

// A picture element, given by resource path (":/img/okno3.svg"). The artwork is read at the
// first page drawn, not before: the program creates its reports at start and may never print.
class ReportPicture : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    ReportPicture(const ElementSpec& design, QObject* parent);
    ~ReportPicture() override;

    const ElementSpec& design() const { return design_; }
    QString source() const { return source_; }
    void setSource(const QString& source);
    bool isLoaded() const { return loaded_; }

    // Stretches the picture over the box. A drawing stays vector paths on a PDF or printer.
    void draw(QPainter& painter, const QRectF& box) const;

private:
    void load() const;

    const ElementSpec& design_;
    QString source_;
    mutable bool loaded_ = false;
    mutable std::unique_ptr<QSvgRenderer> svg_;
    mutable QImage image_;
};

} // namespace termika
