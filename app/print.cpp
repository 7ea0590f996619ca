// The print handlers: they copy what the state holds onto a report and preview it. They check
// and compute nothing.
#include "app/Form1.h"

#include "app/Form3.h"
#include "app/Picture.h"
#include "reports/Form2.h"
#include "reports/Form4.h"
#include "reports/sheettexts.h"
#include "ui_Form1.h"

#include <QCheckBox>
#include <QTextEdit>

using namespace termika;

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

void TForm1::drukujClick(const TabRow& tab) {
    const bool typed = ui->cbSzybaLista->isChecked();
    const QString userUnit = text(slots_.TxtPakietUzytkownika);
    if (tab.isDoor()) {
        Form2->setText(u"QRLabel9", text(slots_.TxtSzyba1));
        Form2->setText(u"QRLabel11", text(slots_.TxtSzyba2));
        Form2->setText(u"qrlSzyba", typed ? userUnit : text(state_.NazwaSzyby1));
        Form2->setText(u"qrlSzyba2", typed ? userUnit : text(state_.NazwaSzyby2));
        Form2->setText(u"QRLabel13", QStringLiteral("Hp :"));
        Form2->setText(u"qrlHp", general(state_.WysPrzew));
    } else {
        Form2->setText(u"QRLabel9", text(slots_.TxtSzyba));
        Form2->setText(u"QRLabel11", QString());
        Form2->setText(u"qrlSzyba", typed ? userUnit : text(state_.NazwaSzyby1));
        Form2->setText(u"qrlSzyba2", text(state_.NazwaSzyby2));
        Form2->setText(u"QRLabel13", QString());
        Form2->setText(u"qrlHp", QString());
    }
    AktObraz_ = tab.image;
    Form2->setText(u"QRLMsg_1", ui->LMsg_1->text());
    Form2->setText(u"qrlSystem", text(state_.NazwaSystemu));
    Form2->setText(u"qrlRamka", text(state_.NazwaRamki));
    Form2->setText(u"qrlUSzyby", fixed2(state_.USzyby1));
    Form2->setText(u"qrlSzer", general(state_.Szer));
    Form2->setText(u"qrlWys", general(state_.Wys));
    Form2->setText(u"qrlUokna", fixed2(state_.UOkna));
    Form2->setPicture(u"QRImage", AktObraz_->source());
    // Every line of the notes, each ended by a line break.
    Form2->setText(u"QRLabel12", ui->Memo1->toPlainText() + QLatin1Char('\n'));
    Form2->preview(this);
}

void TForm1::Button14Click() {
    Form4->setPicture(u"QRImage3", ui->Image1->source());
    Form4->setText(u"qrlSystem", text(state_.NazwaSystemu));
    for (const SheetText& line : SheetTexts)
        Form4->setText(line.element, line.text.toString());
    Form4->preview(this);
}

void TForm1::Info1Click() {
    Form3->exec();
}
