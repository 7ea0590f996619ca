#include "Panel.h"

#include <QPainter>
#include <QStyleOptionFrame>

Panel::Panel(QWidget* parent) : QFrame(parent) {}

void Panel::setFill(const QColor& colour) {
    fill_ = colour;
    update();
}

void Panel::setFillRole(QPalette::ColorRole role) {
    fillRole_ = role;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QColor colour = fill_.isValid()                 ? fill_
                          : fillRole_ != QPalette::NoRole ? palette().color(fillRole_)
                                                          : QColor();
    if (colour.isValid()) {
        painter.fillRect(rect(), colour);
        // The bevel is shaded from the panel's own colour, not from the window's.
        option.palette.setColor(QPalette::Window, colour);
        option.palette.setColor(QPalette::Light, colour.lighter(115));
        option.palette.setColor(QPalette::Midlight, colour.lighter(107));
        option.palette.setColor(QPalette::Dark, colour.darker(150));
        option.palette.setColor(QPalette::Shadow, colour.darker(300));
    }
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
}
