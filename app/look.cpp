#include "app/look.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>

namespace termika {

namespace {

// Palettes and fonts rather than style sheets: a style sheet on a control sends it through Qt's
// style sheet engine, and on a panel everything inside the panel too, which used to be the
// largest part of the window's start.
struct Look {
    const char* name;
    QColor ink;    // the text; invalid: the window's own
    QColor paper;  // the background of an edit; invalid: the window's own
    int pixelSize; // 0: the window's own
    bool bold = false;
};

const QColor Red(Qt::red);
const QColor Navy(0x00, 0x00, 0x80);
const QColor White(Qt::white);

const Look Looks[] = {
    {"cbSzybaLista", Navy, {}, 0},
    {"LMsg_1", {}, {}, 13, true},
    // The results and their captions, "U Okna :".
    {"Label11", Red, {}, 16},
    {"lUOkna1", Red, {}, 16},
    {"Label32", Red, {}, 16},
    {"lUOkna2", Red, {}, 16},
    {"Label34", Red, {}, 16},
    {"lUOkna3", Red, {}, 16},
    {"Label36", Red, {}, 16},
    {"lUOkna4", Red, {}, 16},
    {"Label38", Red, {}, 16},
    {"lUOkna5", Red, {}, 16},
    {"Label40", Red, {}, 16},
    {"lUOkna6", Red, {}, 16},
    // The glass field numbers drawn over the balcony doors.
    {"l5_1", {}, {}, 21, true},
    {"l5_2", {}, {}, 21, true},
    {"L6_1_1", {}, {}, 21, true},
    {"L6_2_1", {}, {}, 21, true},
    {"L6_1_2", {}, {}, 21, true},
    {"L6_2_2", {}, {}, 21, true},
    {"Memo1", {}, White, 16},
};

void keepToolkitColours(QWidget& widget) {
    QPalette own = QApplication::palette(&widget);
    own.setResolveMask(~QPalette::ResolveMask(0));
    widget.setPalette(own);
}

void apply(const Look& look, QWidget& control) {
    if (look.ink.isValid() || look.paper.isValid()) {
        QPalette palette = control.palette();
        if (look.ink.isValid()) {
            palette.setColor(QPalette::WindowText, look.ink);
            palette.setColor(QPalette::Text, look.ink);
            palette.setColor(QPalette::ButtonText, look.ink);
        }
        if (look.paper.isValid()) {
            palette.setColor(QPalette::Base, look.paper);
            palette.setColor(QPalette::Window, look.paper); // the edit's frame is shaded from it
        }
        control.setPalette(palette);
        // The paper is the edit's alone: its scroll bars keep the toolkit's colours.
        if (look.paper.isValid())
            for (QScrollBar* bar : control.findChildren<QScrollBar*>())
                keepToolkitColours(*bar);
    }
    if (look.pixelSize > 0 || look.bold) {
        QFont font = control.font();
        if (look.pixelSize > 0)
            font.setPixelSize(look.pixelSize);
        if (look.bold)
            font.setBold(true);
        control.setFont(font);
    }
}

} // namespace

void applyDesignedLook(QWidget& window) {
    for (const Look& look : Looks) {
        if (auto* control = window.findChild<QWidget*>(QLatin1String(look.name)))
            apply(look, *control);
        else
            qWarning("No control named %s to style", look.name);
    }
}

} // namespace termika
