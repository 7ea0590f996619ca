#include "WrapCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);

    const QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
}

bool WrapCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}
