#pragma once

#include "calc/state.h"
#include "i18n/languages.h"

#include <QString>

#include <array>
#include <cstdint>

class QAction;
class QComboBox;
class QLabel;
class QObject;
class QTextEdit;
class QWidget;

namespace termika {

// What a language is written into. The controls and the printout's captions are found by their
// designed names below `window` and `printout`; the rest is handed over directly.
struct LanguageTarget {
    QWidget* window;
    QObject* printout;                     // Form2, whose captions expose the property "text"
    std::array<QComboBox*, 6> spacerLists; // cbRamka1 to cbRamka6
    QComboBox* aktRamka;                   // the spacer list bound to the active tab
    std::int32_t* indeksRamki;
    QTextEdit* notes; // Memo1
    TextSlots* textSlots;
    std::array<QAction*, LanguageCount> menuItems; // in the order of Language, for the check marks
    QString* jezyk;
};

// Writes every text of the language into the target in the handlers' order (menu, method
// buttons, tabs, header, edit captions, field labels, buttons, check boxes, printout captions,
// spacer lists, notes, slots), ticks the language's menu item, sets Jezyk to its code and lets
// Qt's own dialogs follow. Storing the code is left to the caller.
void applyLanguage(Language language, const LanguageTarget& target);

// The caption label whose buddy `control` is, as Qt Designer ties them; null where there is none.
QLabel* captionOf(const QWidget* control);

} // namespace termika
