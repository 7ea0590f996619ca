#include "reports/report.h"

#include "reports/elements.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace termika {

Report::Report(QObject* owner, const QString& name, const ReportLayout& layout)
    : QObject(owner), layout_(layout) {
    setObjectName(name);
    elements_.reserve(layout.elements.size());
    for (const ElementSpec& design : layout.elements) {
        if (design.kind == ElementKind::Picture)
            elements_.push_back(new ReportPicture(design, this));
        else
            elements_.push_back(new ReportLabel(design, this));
    }
}

Report::~Report() {
    // The preview belongs to the caller's window but draws through our printer: it goes first.
    dropPreview();
}

ReportLabel* Report::label(QStringView name) const {
    for (QObject* element : elements_)
        if (element->objectName() == name)
            return qobject_cast<ReportLabel*>(element);
    return nullptr;
}

ReportPicture* Report::pictureElement(QStringView name) const {
    for (QObject* element : elements_)
        if (element->objectName() == name)
            return qobject_cast<ReportPicture*>(element);
    return nullptr;
}

void Report::setText(QStringView name, const QString& text) {
    ReportLabel* element = label(name);
    Q_ASSERT_X(element, "Report::setText", qPrintable(name.toString()));
    if (element)
        element->setText(text);
}

QString Report::text(QStringView name) const {
    const ReportLabel* element = label(name);
    return element ? element->text() : QString();
}

void Report::setPicture(QStringView name, const QString& resourcePath) {
    ReportPicture* element = pictureElement(name);
    Q_ASSERT_X(element, "Report::setPicture", qPrintable(name.toString()));
    if (element)
        element->setSource(resourcePath);
}

QString Report::picture(QStringView name) const {
    const ReportPicture* element = pictureElement(name);
    return element ? element->source() : QString();
}

QPageLayout Report::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

ReportContent Report::content() const {
    ReportContent values;
    values.reserve(elements_.size());
    for (const QObject* element : elements_) {
        if (const auto* picture = qobject_cast<const ReportPicture*>(element))
            values.push_back(picture->source());
        else
            values.push_back(static_cast<const ReportLabel*>(element)->text());
    }
    return values;
}

void Report::render(QPainter& painter, const QRectF& area) const {
    render(painter, area, content());
}

void Report::render(QPainter& painter, const QRectF& area, const ReportContent& content) const {
    const std::vector<PlacedElement> placed =
        placeElements(layout_, elements_, content, *painter.device(), area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedElement& item : placed) {
        if (const auto* picture = qobject_cast<const ReportPicture*>(item.element)) {
            picture->draw(painter, item.box, item.text);
            continue;
        }
        if (item.box.width() <= 0)
            continue; // an empty label that sizes itself takes no room
        // Opaque on white, as designed: a label covers whatever lies under it.
        painter.fillRect(item.box, Qt::white);
        painter.setFont(item.font);
        painter.setPen(Qt::black);
        const ElementSpec& design = *item.design;
        const int flags = int(design.align) | Qt::AlignTop |
                          (design.wordWrap ? Qt::TextWordWrap : 0) |
                          (design.autoSize ? Qt::TextDontClip : 0);
        painter.drawText(item.box, flags, item.text);
    }
    painter.restore();
}

QRectF Report::elementRect(QStringView name) const {
    // Laid out on a PDF page that is never written: its 1200 dpi gives the millimetres that
    // the exported file and the printer see.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    device.setPageLayout(pageLayout());
    const double unit = device.resolution() / 25.4;
    for (const PlacedElement& item :
         placeElements(layout_, elements_, content(), device, printableArea(device))) {
        if (item.element->objectName() == name)
            return {item.box.topLeft() / unit, item.box.size() / unit};
    }
    return {};
}

} // namespace termika
