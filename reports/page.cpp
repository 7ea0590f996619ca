#include "reports/page.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include <algorithm>

namespace termika {

namespace {

struct Scale {
    QPointF origin;
    double unit; // device units per millimetre

    double length(double mm) const { return mm * unit; }
};

// Title and detail bands from the top, each after the one before; page footers on the bottom
// edge, as a report engine prints them.
std::vector<double> bandTops(const ReportLayout& layout, double pageHeightMm) {
    std::vector<double> tops;
    double next = 0;
    for (const Band& band : layout.bands) {
        if (band.kind == BandKind::PageFooter) {
            tops.push_back(pageHeightMm - band.height);
        } else {
            tops.push_back(next);
            next += band.height;
        }
    }
    return tops;
}

double bandTop(const ReportLayout& layout, const std::vector<double>& tops, BandKind kind) {
    for (std::size_t i = 0; i < layout.bands.size(); ++i)
        if (layout.bands[i].kind == kind)
            return tops[i];
    return 0;
}

QFont fontFor(const ElementSpec& design, const QPaintDevice& device, double unit) {
    QFont font(design.font.toString());
    // Points are the device's own; when the area is drawn smaller or larger than true
    // millimetres (a page setup other than A4), the type follows the layout.
    const double deviceUnit = device.logicalDpiY() / 25.4;
    font.setPointSizeF(design.points * unit / deviceUnit);
    font.setBold(design.bold);
    return font;
}

// The box of a label that sizes itself: its text's extent, wrapped where the band ends, placed
// around the point that the alignment keeps.
QRectF autoSizedBox(const ElementSpec& design, const QFontMetricsF& metrics, const QString& text,
                    const Scale& scale, double bandTopMm) {
    const double bandWidth = scale.length(BandWidthMm);
    const double x = scale.length(design.x);
    double room = bandWidth - x;
    if (design.align & Qt::AlignHCenter)
        room = 2 * std::min(x, bandWidth - x);
    else if (design.align & Qt::AlignRight)
        room = x;
    const int flags = int(design.align) | (design.wordWrap ? Qt::TextWordWrap : 0);
    QSizeF size(0, metrics.height());
    if (!text.isEmpty())
        size = metrics.boundingRect(QRectF(0, 0, std::max(room, 1.0), 1e9), flags, text).size();

    double left = x;
    if (design.align & Qt::AlignHCenter)
        left = x - size.width() / 2;
    else if (design.align & Qt::AlignRight)
        left = x - size.width();
    const QPointF topLeft(left, scale.length(bandTopMm + design.y));
    return {scale.origin + topLeft, size};
}

QRectF fixedBox(const ElementSpec& design, const Scale& scale, double bandTopMm) {
    return {scale.origin + QPointF(scale.length(design.x), scale.length(bandTopMm + design.y)),
            QSizeF(scale.length(design.width), scale.length(design.height))};
}

} // namespace

std::vector<PlacedElement> placeElements(const ReportLayout& layout,
                                         const std::vector<QObject*>& elements,
                                         const ReportContent& content, const QPaintDevice& device,
                                         const QRectF& area) {
    const Scale scale{area.topLeft(), area.width() / BandWidthMm};
    const std::vector<double> tops = bandTops(layout, area.height() / scale.unit);

    std::vector<PlacedElement> placed;
    placed.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const ElementSpec& design = layout.elements[i];
        const double top = bandTop(layout, tops, design.band);
        PlacedElement out{&design, elements[i], {}, {}, content[i]};
        if (design.kind == ElementKind::Label) {
            out.font = fontFor(design, device, scale.unit);
            if (design.autoSize) {
                const QFontMetricsF metrics(out.font, &device);
                out.box = autoSizedBox(design, metrics, out.text, scale, top);
            } else {
                out.box = fixedBox(design, scale, top);
            }
        } else {
            out.box = fixedBox(design, scale, top);
        }
        placed.push_back(std::move(out));
    }
    return placed;
}

QRectF printableArea(const QPagedPaintDevice& device) {
    const QSizeF mm = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    return {QPointF(0, 0), mm * (device.logicalDpiX() / 25.4)};
}

} // namespace termika
