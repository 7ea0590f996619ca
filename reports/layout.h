#pragma once

#include <QStringView>
#include <Qt>

#include <span>

namespace termika {

// Title and detail bands stack from the top of the printable area; the page footer sits on its
// bottom edge.
enum class BandKind { Title, Detail, PageFooter };

struct Band {
    QStringView name;
    BandKind kind;
    double height; // mm; every band spans the 190 mm of the printable width
};

enum class ElementKind { Label, Picture };

// One element of a report page as designed. Lengths are millimetres from the top-left corner
// of the element's band; sizes in points.
struct ElementSpec {
    QStringView name;
    ElementKind kind = ElementKind::Label;
    BandKind band = BandKind::Detail;
    // A label that sizes itself keeps one point in place as its text changes: its left edge,
    // its centre (Qt::AlignHCenter) or its right edge (Qt::AlignRight); x is that point. A box
    // of fixed size (a picture, a label with autoSize off) has x as its left edge.
    double x = 0;
    double y = 0;
    double width = 0; // fixed boxes only
    double height = 0;
    QStringView font = u"Arial";
    double points = 10;
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    bool wordWrap = true;
    bool autoSize = true;
    QStringView text = {}; // a label's designed caption, a picture's resource path (empty: none)
};

// One page of bands, the elements drawn in table order (later ones over earlier ones).
struct ReportLayout {
    std::span<const Band> bands;
    std::span<const ElementSpec> elements;
};

// The printable width that the band positions are designed against.
inline constexpr double BandWidthMm = 190.0;

} // namespace termika
