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

// An element where it lands on one page, in the paint device's units.
struct PlacedElement {
    const ElementSpec* design;
    const QObject* element;
    QRectF box;
    QFont font;
    QString text; // labels only
};

// Lays the elements out on a page whose printable area is `area` on `device`: bands stacked,
// labels sized to their texts with the device's own font metrics, so that what is measured here
// is what the painter draws.
std::vector<PlacedElement> placeElements(const ReportLayout& layout,
                                         const std::vector<QObject*>& elements,
                                         const QPaintDevice& device, const QRectF& area);

// The printable area of a paged device (inside its margins) in the coordinates a painter on it
// starts with.
QRectF printableArea(const QPagedPaintDevice& device);

} // namespace termika
