// Tab switching, the glass entry mode and the calculation method: the handlers that act on all
// tabs at once.
#include "app/Form1.h"

#include "ui_Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace termika;

void TForm1::PageControlChange() {
    const TabRow& tab = shownTab();
    // Setting an equal text runs no change handler; a different one runs it as typing would.
    tab.szer->setText(general(state_.Szer));
    tab.wys->setText(general(state_.Wys));
    AktRamka_ = tab.ramka;
    AktUOkna_ = tab.uOkna;
    // Lists set by code run no handler: the state keeps the last choice's catalogue values,
    // which the input check keeps from any result until the user picks again.
    tab.system->setCurrentIndex(0);
    for (QComboBox* glass : tab.szyba)
        if (glass)
            glass->setCurrentIndex(0);
    tab.ramka->setCurrentIndex(0);
    state_.UOkna = 0;
    state_.USzyby1 = 0;
    state_.USzyby2 = 0;
    state_.GrPak1 = 0;
    state_.GrPak2 = 0;
    for (std::string* name :
         {&state_.NazwaSystemu, &state_.NazwaSzyby1, &state_.NazwaSzyby2, &state_.NazwaRamki})
        name->assign(1, '-');
    showResult(tab.uOkna, QStringLiteral("-"));
    ui->LMsg_1->clear();
    // Back to list mode: unticking runs the handler once, and it runs once more either way.
    ui->cbSzybaLista->setChecked(false);
    cbSzybaListaClick();
}

void TForm1::cbSzybaListaClick() {
    invalidate(AktUOkna_);
    const bool typed = ui->cbSzybaLista->isChecked();
    for (const TabRow& tab : tabs_) {
        const bool both = tab.usesGlass2();
        for (std::size_t i = 0; i < 2; ++i) {
            if (!tab.szyba[i] || (i == 1 && !both))
                continue;
            tab.szyba[i]->setVisible(!typed);
            tab.uSzyby[i]->setVisible(typed);
            if (typed)
                tab.szyba[i]->setCurrentIndex(0);
            else
                tab.uSzyby[i]->clear(); // runs its change handler, as deleting the text would
        }
        if (tab.szyba2Caption)
            tab.szyba2Caption->setVisible(both);
    }
    if (typed)
        state_.NazwaSzyby1.assign(1, '-');
    state_.USzyby1 = 0;
    state_.USzyby2 = 0;
    // The lists are on "-" after a flip, so no listed unit's thickness may still refuse a
    // typed Ug, nor a typed Ug leave one behind.
    state_.GrPak1 = 0;
    state_.GrPak2 = 0;
    for (const TabRow& tab : tabs_) {
        tab.lUg[0]->setText(general(state_.USzyby1));
        if (tab.lUg[1])
            tab.lUg[1]->setText(general(state_.USzyby2));
    }
}

void TForm1::RadioButton1Click() {
    methodChosen(1);
}

void TForm1::RadioButton2Click() {
    methodChosen(0);
}

void TForm1::methodChosen(std::uint8_t metoda) {
    state_.UOkna = 0;
    state_.Metoda = metoda;
    cbSystemChange(shownTab());
}

// The door's hidden "glass under the transom" box: one glazing for the whole door, or a second
// one below the transom, whose controls and field numbers follow the box.
void TForm1::cbSzybaRClick(const TabRow& tab) {
    // The box decides the door's formula, so a number shown before it changed is no longer its Uw.
    invalidate(tab.uOkna);
    const bool both = tab.usesGlass2();
    const bool typed = ui->cbSzybaLista->isChecked();
    tab.wysPrzew->setVisible(both);
    tab.wysPrzewCaption->setVisible(both);
    tab.szyba2Caption->setVisible(both);
    if (both) {
        (typed ? static_cast<QWidget*>(tab.uSzyby[1]) : tab.szyba[1])->show();
    } else {
        tab.szyba[1]->hide();
        tab.uSzyby[1]->hide();
    }
    for (QLabel* number : tab.lowerFieldNumbers)
        if (number)
            number->setText(both ? QStringLiteral("2") : QStringLiteral("1"));
}
