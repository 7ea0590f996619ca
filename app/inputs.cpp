// The handler families of the tabs' inputs and "Przelicz", each written once over a row of the
// tab table.
#include "app/Form1.h"

#include "app/accessibility.h"
#include "app/breakdowntip.h"
#include "app/errorbox.h"
#include "calc/catalogue.h"
#include "calc/numtext.h"
#include "calc/uw.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace termika;

void TForm1::showResult(QLabel* label, const QString& text) {
    label->setText(text);
    label->setToolTip(QString());
    label->setAccessibleDescription(QString());
    tell(label);
}

void TForm1::showUw(QLabel* label, const Breakdown& breakdown) {
    label->setText(fixed2(breakdown.uw()));
    label->setToolTip(breakdownTip(breakdown, decimalSep_));
    label->setAccessibleDescription(breakdownText(breakdown, decimalSep_));
    tell(label);
}

void TForm1::tell(const QLabel* result) {
    if (result->text() != QLatin1String("-"))
        announcer_->say(spokenText(result));
}

void TForm1::invalidate(QLabel* label) {
    showResult(label, QStringLiteral("-"));
    state_.UOkna = 0;
}

void TForm1::readDimension(const QLineEdit* edit, double& field) {
    const QString text = edit->text();
    if (text.isEmpty()) {
        field = 0;
        return;
    }
    if (const auto value = parseNumber(text.toStdString(), decimalSep_))
        field = *value;
    else
        reportError(this, conversionError(text));
}

void TForm1::leSzerChange(const TabRow& tab) {
    invalidate(tab.uOkna);
    readDimension(tab.szer, state_.Szer);
}

void TForm1::leWysChange(const TabRow& tab) {
    invalidate(tab.uOkna);
    readDimension(tab.wys, state_.Wys);
}

// The one transom height shared by both doors; its "-" goes to the shown tab.
void TForm1::leWysPrzewChange(const TabRow& tab) {
    invalidate(AktUOkna_);
    readDimension(tab.wysPrzew, state_.WysPrzew);
}

void TForm1::cbSystemChange(const TabRow& tab) {
    invalidate(tab.uOkna);
    applySystem(state_, tab.type, tab.system->currentIndex(),
                tab.slupRuch && tab.slupRuch->isChecked());
}

void TForm1::cbSzybaChange(const TabRow& tab, GlassField field) {
    invalidate(tab.uOkna);
    const auto i = static_cast<std::size_t>(field);
    applyGlazing(state_, field, tab.szyba[i]->currentIndex());
    const GlassFields glass = glassFields(state_, field);
    tab.lUg[i]->setText(fixed2(glass.ug));
    if (tab.grPak[i])
        tab.grPak[i]->setText(general(glass.thickness));
}

void TForm1::eUSzybyChange(const TabRow& tab, GlassField field) {
    invalidate(tab.uOkna);
    const auto i = static_cast<std::size_t>(field);
    double& ug = glassFields(state_, field).ug;
    const QString text = tab.uSzyby[i]->text();
    if (!text.isEmpty()) {
        const std::string prepared = normaliseTypedUg(text.toStdString(), decimalSep_);
        const auto value = parseNumber(prepared, decimalSep_);
        if (!value) {
            reportError(this, conversionError(QString::fromStdString(prepared)));
            return;
        }
        ug = *value;
    }
    tab.lUg[i]->setText(general(ug));
}

void TForm1::cbRamkaChange(const TabRow& tab) {
    invalidate(tab.uOkna);
    applySpacer(state_, tab.ramka->currentIndex(), tab.ramka->currentText().toStdString());
}

void TForm1::przeliczClick(const TabRow& tab) {
    const auto glass = [&tab](std::size_t i) {
        return tab.szyba[i]
                   ? GlassChoice{tab.szyba[i]->currentIndex(), tab.uSzyby[i]->text().isEmpty()}
                   : GlassChoice{};
    };
    const std::string width = tab.szer->text().toStdString();
    const std::string height = tab.wys->text().toStdString();
    const std::string transom = tab.wysPrzew ? tab.wysPrzew->text().toStdString() : std::string();
    PressInput input;
    input.type = tab.type;
    input.check.widthText = width;
    input.check.heightText = height;
    input.check.systemItem = tab.system->currentIndex();
    input.check.glass1 = glass(0);
    input.check.spacerItem = tab.ramka->currentIndex();
    input.check.glassUnderTransom = tab.usesGlass2();
    input.check.glass2 = glass(1);
    input.transomText = transom;

    const PressResult result = press(input, state_, decimalSep_);
    switch (result.outcome) {
    case Outcome::Done:
        showUw(tab.uOkna, result.breakdown);
        break;
    case Outcome::NotANumber:
        reportError(this, conversionError(QString::fromStdString(result.badText)));
        break;
    case Outcome::ArithmeticError:
        reportError(this, QStringLiteral("Invalid floating point operation"));
        break;
    default:
        showResult(tab.uOkna, QString::fromStdString(*messageFor(slots_, result.outcome)));
        break;
    }
}
