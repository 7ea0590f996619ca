// What the keyboard does beyond what the controls do by themselves.
#include "app/Form1.h"

#include "ui_Form1.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace {

// Enter and the keypad's Enter press the focused button, as Space does; Qt gives buttons that
// only in dialogs.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void TForm1::connectKeys() {
    auto* enter = new EnterPresses(this);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(enter);

    // F10 opens the menu bar, as on other desktops.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(ui->Plik1->menuAction()); });

    // The entry-mode box is no tab stop as designed, and an access key would change its caption:
    // a shortcut reaches it instead, told to screen readers as its description.
    const QKeySequence entryMode(Qt::ALT | Qt::Key_U);
    connect(new QShortcut(entryMode, this), &QShortcut::activated, ui->cbSzybaLista,
            &QCheckBox::click);
    ui->cbSzybaLista->setAccessibleDescription(entryMode.toString(QKeySequence::NativeText));
}
