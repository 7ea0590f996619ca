#pragma once

#include "reports/layout.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QObject;
class QPaintDevice;
class QPagedPaintDevice;

namespace termika {

// What a page shows, element by element in table order: a label's text, a picture's source.
using ReportContent = std::vector<QString>;

// An element where it lands on one page, in the paint device's units.
struct PlacedElement {
    const ElementSpec* design;
    const QObject* element;
    QRectF box;
    QFont font;
    QString text; // a label's text, a picture's source
};

// Lays the elements out on a page whose printable area is `area` on `device`, showing `content`:
// bands stacked, labels sized to their texts with the device's own font metrics, so that what
// is measured here is what the painter draws.
std::vector<PlacedElement> placeElements(const ReportLayout& layout,
                                         const std::vector<QObject*>& elements,
                                         const ReportContent& content, const QPaintDevice& device,
                                         const QRectF& area);

// The printable area of a paged device (inside its margins) in the coordinates a painter on it
// starts with.
QRectF printableArea(const QPagedPaintDevice& device);

} // namespace termika
