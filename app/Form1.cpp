#include "app/Form1.h"

#include "app/Form3.h"
#include "app/errorbox.h"
#include "calc/catalogue.h"
#include "calc/numtext.h"
#include "i18n/settings.h"
#include "i18n/texts.h"
#include "reports/Form2.h"
#include "reports/Form4.h"
#include "ui_Form1.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QWindow>

using namespace termika;

namespace {

void centreText(QTextEdit* memo) {
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(format);
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    tabs_ = makeTabTable(*ui);
    decimalSep_ = QLocale::system().decimalPoint().toStdString();

    setFixedSize(ui->Form1Client->minimumSize() + QSize(0, menuBar()->sizeHint().height()));
    move(339, 123);
    centreText(ui->Memo1);
    // The submenus answer to their designed names as menu items too.
    ui->Plik1->menuAction()->setObjectName(QStringLiteral("Plik1"));
    ui->Jezyk1->menuAction()->setObjectName(QStringLiteral("Jezyk1"));
    fillLists();
    connectHandlers();
    connectLanguageMenu();
    ui->leSzer1->setFocus(); // the first input in the tab order, ready for typing

    // The other forms, in their designed order; each lives as long as the main window.
    Form2 = new TForm2(this);
    Form3 = new TForm3(this);
    Form4 = new TForm4(this);
}

TForm1::~TForm1() = default;

void TForm1::fillLists() {
    QStringList systems;
    for (const std::string_view name : SystemItems)
        systems << QString::fromUtf8(name);
    QStringList glazing;
    for (const Glazing& unit : GlazingItems)
        glazing << QString::fromUtf8(unit.name);
    const QStringList spacers = polishSpacerItems();
    for (const TabRow& tab : tabs_) {
        tab.system->addItems(systems);
        for (QComboBox* glass : tab.szyba)
            if (glass)
                glass->addItems(glazing);
        tab.ramka->addItems(spacers);
    }
}

void TForm1::connectHandlers() {
    connect(ui->Zamknij1, &QAction::triggered, this, &TForm1::Zamknij1Click);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm1::focusWindowChanged);

    for (const TabRow& tab : tabs_) {
        connect(tab.szer, &QLineEdit::textChanged, this, [this, &tab] { leSzerChange(tab); });
        connect(tab.wys, &QLineEdit::textChanged, this, [this, &tab] { leWysChange(tab); });
        connect(tab.system, &QComboBox::activated, this, [this, &tab] { cbSystemChange(tab); });
        if (tab.slupRuch)
            connect(tab.slupRuch, &QCheckBox::toggled, this, [this, &tab] { cbSystemChange(tab); });
        for (const GlassField field : {GlassField::First, GlassField::Second}) {
            const auto i = static_cast<std::size_t>(field);
            if (!tab.szyba[i])
                continue;
            connect(tab.szyba[i], &QComboBox::activated, this,
                    [this, &tab, field] { cbSzybaChange(tab, field); });
            connect(tab.uSzyby[i], &QLineEdit::textChanged, this,
                    [this, &tab, field] { eUSzybyChange(tab, field); });
        }
        connect(tab.ramka, &QComboBox::activated, this, [this, &tab] { cbRamkaChange(tab); });
        if (tab.formula)
            connect(tab.przelicz, &QPushButton::clicked, this,
                    [this, &tab] { przeliczClick(tab); });
    }
}

void TForm1::focusWindowChanged(QWindow* window) {
    if (!window)
        return; // the focus left the program; coming back from elsewhere runs nothing
    const FocusSource before = lastFocus_;
    if (window == windowHandle()) {
        lastFocus_ = FocusSource::MainWindow;
        if (before == FocusSource::Nothing || before == FocusSource::OtherWindow)
            FormActivate(this);
        return;
    }
    const bool ownWindow = window->type() == Qt::Window || window->type() == Qt::Dialog;
    lastFocus_ = ownWindow && window->modality() == Qt::NonModal ? FocusSource::OtherWindow
                                                                 : FocusSource::Ignored;
}

void TForm1::FormActivate(QObject* sender) {
    Jezyk_ = RejestrOdczyt();
    state_.Metoda = 0;
    AktRamka_ = ui->cbRamka1;
    AktUOkna_ = ui->lUOkna1;
    slots_ = polishSlots();
    restoreLanguage(sender);
}

void TForm1::Zamknij1Click() {
    close();
}

QString TForm1::fixed2(double value) const {
    return QString::fromStdString(formatFixed2(value, decimalSep_));
}

QString TForm1::general(double value) const {
    return QString::fromStdString(formatGeneral(value, decimalSep_));
}

void TForm1::invalidate(const TabRow& tab) {
    tab.uOkna->setText(QStringLiteral("-"));
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
    invalidate(tab);
    readDimension(tab.szer, state_.Szer);
}

void TForm1::leWysChange(const TabRow& tab) {
    invalidate(tab);
    readDimension(tab.wys, state_.Wys);
}

void TForm1::cbSystemChange(const TabRow& tab) {
    invalidate(tab);
    applySystem(state_, tab.type, tab.system->currentIndex(),
                tab.slupRuch && tab.slupRuch->isChecked());
}

void TForm1::cbSzybaChange(const TabRow& tab, GlassField field) {
    invalidate(tab);
    const auto i = static_cast<std::size_t>(field);
    applyGlazing(state_, field, tab.szyba[i]->currentIndex());
    const GlassFields glass = glassFields(state_, field);
    tab.lUg[i]->setText(fixed2(glass.ug));
    if (tab.grPak[i])
        tab.grPak[i]->setText(general(glass.thickness));
}

void TForm1::eUSzybyChange(const TabRow& tab, GlassField field) {
    invalidate(tab);
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
    invalidate(tab);
    applySpacer(state_, tab.ramka->currentIndex(), tab.ramka->currentText().toStdString());
}

void TForm1::przeliczClick(const TabRow& tab) {
    const std::string width = tab.szer->text().toStdString();
    const std::string height = tab.wys->text().toStdString();
    const CheckInput input{width,
                           height,
                           tab.system->currentIndex(),
                           tab.szyba[0]->currentIndex(),
                           tab.uSzyby[0]->text().isEmpty(),
                           tab.ramka->currentIndex()};
    const Outcome outcome = press(input, state_, tab.formula);
    if (outcome == Outcome::Done)
        tab.uOkna->setText(fixed2(state_.UOkna));
    else if (const std::string* message = messageFor(slots_, outcome))
        tab.uOkna->setText(QString::fromStdString(*message));
    else
        reportError(this, QStringLiteral("Invalid floating point operation"));
}
