#pragma once

#include <QSizeF>
#include <QStringView>

class QPainter;
class QRectF;

namespace termika {

// The six window drawings, "okno1" to "okno6": front views from the room side, black lines on
// white, drawn with QPainter from one definition. On a printer or a PDF they stay paths, and
// they are sharp at any scale.

// Whether `name` is one of the drawings.
bool isDrawing(QStringView name);

// The size the drawing is designed at, in pixels: the box of the main window that shows it.
// Empty for a name that is no drawing.
QSizeF drawingSize(QStringView name);

// Draws the drawing stretched over `box`; a name that is no drawing draws nothing.
void drawDrawing(QPainter& painter, QStringView name, const QRectF& box);

} // namespace termika
