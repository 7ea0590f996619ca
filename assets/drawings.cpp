#include "assets/drawings.h"

#include <QLineF>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace termika {

namespace {

// Profile faces as seen from the room, in pixels at the designed size.
constexpr double Frame = 9.0;     // visible frame face
constexpr double Sash = 10.0;     // sash face: stiles and top rail
constexpr double DoorRail = 17.0; // bottom rail of a door sash
constexpr double Mullion = 12.0;  // fixed mullion between two sashes
constexpr double Transom = 10.0;  // transom bar inside a door sash
constexpr double Bead = 5.0;      // glazing bead of the fixed glazing

// Line widths.
constexpr double WFrame = 2.5; // outer outline
constexpr double WSash = 1.75; // sash outline
constexpr double WGlass = 1.5; // glass edge, bead, transom
constexpr double WMitre = 1.0; // mitre joints at the corners
constexpr double WMark = 1.0;  // opening marks, dashed 5 on, 3 off
constexpr double WHandle = 1.25;

// One stroke of a drawing: a white-filled rectangle (rounded where radius > 0) or a line.
struct Stroke {
    std::optional<QRectF> rect;
    QLineF line;
    double width = 1;
    double radius = 0;
    bool dashed = false;
};

struct Sketch {
    QSizeF size;
    std::vector<Stroke> strokes;

    void rect(double x, double y, double w, double h, double width, double radius = 0) {
        strokes.push_back({QRectF(x, y, w, h), {}, width, radius, false});
    }
    void line(QPointF a, QPointF b, double width, bool dashed = false) {
        strokes.push_back({std::nullopt, QLineF(a, b), width, 0, dashed});
    }
};

// Boxes the opening marks keep out of: the transom bar, the field numbers the program writes
// over the door drawings.
using Box = std::array<double, 4>; // x0, y0, x1, y1

// The parts of the segment p-q that lie outside every box, leaving out crumbs under 2 px.
std::vector<QLineF> outsideBoxes(QPointF p, QPointF q, const std::vector<Box>& boxes) {
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    std::vector<std::pair<double, double>> cut;
    for (const Box& b : boxes) {
        double t0 = 0;
        double t1 = 1;
        bool inside = true;
        const std::array<std::pair<double, double>, 4> edges{
            {{-dx, p.x() - b[0]}, {dx, b[2] - p.x()}, {-dy, p.y() - b[1]}, {dy, b[3] - p.y()}}};
        for (const auto& [pk, qk] : edges) {
            if (pk == 0) {
                if (qk < 0) {
                    inside = false;
                    break;
                }
            } else if (pk < 0) {
                t0 = std::max(t0, qk / pk);
            } else {
                t1 = std::min(t1, qk / pk);
            }
        }
        if (inside && t0 < t1)
            cut.emplace_back(t0, t1);
    }
    std::sort(cut.begin(), cut.end());
    std::vector<std::pair<double, double>> parts;
    double t = 0;
    for (const auto& [a, b] : cut) {
        if (a > t)
            parts.emplace_back(t, a);
        t = std::max(t, b);
    }
    if (t < 1)
        parts.emplace_back(t, 1.0);
    const double length = std::hypot(dx, dy);
    std::vector<QLineF> out;
    for (const auto& [a, b] : parts)
        if ((b - a) * length >= 2.0)
            out.emplace_back(p + a * QPointF(dx, dy), p + b * QPointF(dx, dy));
    return out;
}

void mark(Sketch& d, QPointF p, QPointF q, const std::vector<Box>& keepOut) {
    for (const QLineF& part : outsideBoxes(p, q, keepOut))
        d.line(part.p1(), part.p2(), WMark, true);
}

// The four mitre joints between an outer and an inner outline.
void mitres(Sketch& d, const QRectF& outer, const QRectF& inner) {
    d.line(outer.topLeft(), inner.topLeft(), WMitre);
    d.line(outer.topRight(), inner.topRight(), WMitre);
    d.line(outer.bottomLeft(), inner.bottomLeft(), WMitre);
    d.line(outer.bottomRight(), inner.bottomRight(), WMitre);
}

// A handle with its lever pointing down, the rosette centred on (x, y).
void handle(Sketch& d, double x, double y) {
    d.rect(x - 3.0, y - 6.5, 6.0, 13.0, WHandle, 1.5);
    d.rect(x - 1.75, y - 1.75, 3.5, 20.0, WHandle, 1.5);
}

enum class Hinge { Left, Right };

struct SashKind {
    Hinge hinge; // the side it turns on; the handle is on the other
    bool tilts;  // tilt-and-turn, or turn only
};

// One opening sash with its outer edge `edge`; a door sash has a deeper bottom rail and a
// transom at transomY splitting the glass into two fields.
void sash(Sketch& d, const QRectF& edge, SashKind kind, bool door, double transomY,
          std::vector<Box> keepOut) {
    d.rect(edge.x(), edge.y(), edge.width(), edge.height(), WSash);
    const QRectF glass(QPointF(edge.left() + Sash, edge.top() + Sash),
                       QPointF(edge.right() - Sash, edge.bottom() - (door ? DoorRail : Sash)));
    mitres(d, edge, glass);
    if (door) {
        const double above = transomY - Transom / 2;
        const double below = transomY + Transom / 2;
        d.rect(glass.left(), glass.top(), glass.width(), above - glass.top(), WGlass);
        d.rect(glass.left(), below, glass.width(), glass.bottom() - below, WGlass);
        keepOut.push_back({glass.left() - 1, above - 0.5, glass.right() + 1, below + 0.5});
    } else {
        d.rect(glass.x(), glass.y(), glass.width(), glass.height(), WGlass);
    }
    // Turning: from the hinge-side corners to the middle of the handle side.
    const double middle = (glass.top() + glass.bottom()) / 2;
    const bool left = kind.hinge == Hinge::Left;
    const double hingeX = left ? glass.left() : glass.right();
    const double handleX = left ? glass.right() : glass.left();
    mark(d, {hingeX, glass.top()}, {handleX, middle}, keepOut);
    mark(d, {hingeX, glass.bottom()}, {handleX, middle}, keepOut);
    // Tilting: from the bottom corners to the middle of the top.
    if (kind.tilts) {
        const double centre = (glass.left() + glass.right()) / 2;
        mark(d, glass.bottomLeft(), {centre, glass.top()}, keepOut);
        mark(d, glass.bottomRight(), {centre, glass.top()}, keepOut);
    }
    const double x = left ? edge.right() - Sash / 2 : edge.left() + Sash / 2;
    const double y = door ? transomY - 6 : (edge.top() + edge.bottom()) / 2 - 6;
    handle(d, x, y);
}

QRectF outline(Sketch& d) {
    const double m = WFrame / 2;
    const QRectF outer(QPointF(m, m), QPointF(d.size.width() - m, d.size.height() - m));
    d.rect(outer.x(), outer.y(), outer.width(), outer.height(), WFrame);
    return outer;
}

QRectF inset(const QRectF& r, double by) {
    return r.adjusted(by, by, -by, -by);
}

// A frame with the sashes side by side and fixed mullions between them.
Sketch sashWindow(double w, double h, std::vector<SashKind> kinds, bool door = false,
                  const std::vector<Box>& keepOut = {}) {
    Sketch d{QSizeF(w, h), {}};
    const QRectF outer = outline(d);
    const QRectF inner = inset(outer, Frame);
    mitres(d, outer, inner);
    const auto n = static_cast<double>(kinds.size());
    const double sashWidth = (inner.width() - (n - 1) * Mullion) / n;
    const double transomY = std::round(h * 0.55); // doors only
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const double x = inner.left() + static_cast<double>(i) * (sashWidth + Mullion);
        sash(d, QRectF(x, inner.top(), sashWidth, inner.height()), kinds[i], door, transomY,
             keepOut);
    }
    return d;
}

Sketch fixedWindow(double w, double h) {
    Sketch d{QSizeF(w, h), {}};
    const QRectF outer = outline(d);
    const QRectF inner = inset(outer, Frame + 3.0); // a fixed frame is a little wider
    d.rect(inner.x(), inner.y(), inner.width(), inner.height(), WSash);
    mitres(d, outer, inner);
    const QRectF glass = inset(inner, Bead);
    d.rect(glass.x(), glass.y(), glass.width(), glass.height(), WGlass);
    mitres(d, inner, glass);
    // Two short strokes standing for the pane.
    for (const double k : {0.0, 9.0}) {
        const double x = glass.right() - 38 + k;
        const double y = glass.top() + 14 + k;
        d.line({x, y + 22}, {x + 22, y}, WMitre);
    }
    return d;
}

// The places of the field numbers over a door drawing, kept free of marks.
std::vector<Box> numberBoxes(std::initializer_list<QPointF> numbers) {
    std::vector<Box> boxes;
    for (const QPointF& p : numbers)
        boxes.push_back({p.x() - 4, p.y() - 14, p.x() + 16, p.y() + 12});
    return boxes;
}

struct Named {
    QStringView name;
    Sketch sketch;
};

const std::vector<Named>& drawings() {
    constexpr SashKind TurnLeft{Hinge::Left, false};
    constexpr SashKind TiltLeft{Hinge::Left, true};
    constexpr SashKind TiltRight{Hinge::Right, true};
    static const std::vector<Named> all{
        {u"okno1", sashWindow(193, 257, {TiltLeft})},
        {u"okno2", sashWindow(313, 225, {TurnLeft, TiltRight})},
        {u"okno3", sashWindow(377, 201, {TiltLeft, TurnLeft, TiltRight})},
        {u"okno4", fixedWindow(193, 265)},
        {u"okno5", sashWindow(129, 289, {TiltRight}, true, numberBoxes({{56, 112}, {56, 224}}))},
        {u"okno6", sashWindow(225, 289, {TurnLeft, TiltRight}, true,
                              numberBoxes({{56, 112}, {56, 224}, {160, 112}, {160, 224}}))},
    };
    return all;
}

const Sketch* find(QStringView name) {
    for (const Named& each : drawings())
        if (each.name == name)
            return &each.sketch;
    return nullptr;
}

} // namespace

bool isDrawing(QStringView name) {
    return find(name) != nullptr;
}

QSizeF drawingSize(QStringView name) {
    const Sketch* sketch = find(name);
    return sketch ? sketch->size : QSizeF();
}

void drawDrawing(QPainter& painter, QStringView name, const QRectF& box) {
    const Sketch* sketch = find(name);
    if (!sketch || box.isEmpty())
        return;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / sketch->size.width(), box.height() / sketch->size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), sketch->size), Qt::white);
    for (const Stroke& stroke : sketch->strokes) {
        QPen pen(Qt::black, stroke.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (stroke.dashed)
            pen.setDashPattern({5.0 / stroke.width, 3.0 / stroke.width});
        painter.setPen(pen);
        if (stroke.rect) {
            painter.setBrush(Qt::white);
            if (stroke.radius > 0)
                painter.drawRoundedRect(*stroke.rect, stroke.radius, stroke.radius);
            else
                painter.drawRect(*stroke.rect);
        } else {
            painter.drawLine(stroke.line);
        }
    }
    painter.restore();
}

} // namespace termika
