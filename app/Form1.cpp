#include "app/Form1.h"

#include "app/Form3.h"
#include "app/accessibility.h"
#include "app/errorbox.h"
#include "app/look.h"
#include "calc/catalogue.h"
#include "calc/numtext.h"
#include "i18n/apply.h"
#include "i18n/settings.h"
#include "i18n/texts.h"
#include "reports/Form2.h"
#include "reports/Form4.h"
#include "ui_Form1.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
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
    applyDesignedLook(*this);
    tabs_ = makeTabTable(*ui);
    decimalSep_ = QLocale::system().decimalPoint().toStdString();

    setFixedSize(ui->Form1Client->minimumSize() + QSize(0, menuBar()->sizeHint().height()));
    move(339, 123);
    centreText(ui->Memo1);
    // The submenus answer to their designed names as menu items too.
    ui->Plik1->menuAction()->setObjectName(QStringLiteral("Plik1"));
    ui->Jezyk1->menuAction()->setObjectName(QStringLiteral("Jezyk1"));
    fillLists();
    // Bound from the start, so that a handler that runs before the window first has the focus
    // (no window manager, an assistive tool acting at once) finds tab 1 and Polish messages.
    AktRamka_ = tabs_.front().ramka;
    AktUOkna_ = tabs_.front().uOkna;
    slots_ = polishSlots();
    announcer_ = new Announcer(ui->Form1Client);
    connectHandlers();
    connectLanguageMenu();
    connectKeys();
    nameTypedUgEdits();
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
    connect(ui->Info1, &QAction::triggered, this, &TForm1::Info1Click);
    connect(ui->Button14, &QPushButton::clicked, this, &TForm1::Button14Click);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TForm1::focusWindowChanged);

    connect(ui->PageControl, &QTabWidget::currentChanged, this, &TForm1::PageControlChange);
    connect(ui->cbSzybaLista, &QCheckBox::toggled, this, &TForm1::cbSzybaListaClick);
    connect(ui->RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(ui->RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });

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
        connect(tab.przelicz, &QPushButton::clicked, this, [this, &tab] { przeliczClick(tab); });
        connect(tab.drukuj, &QPushButton::clicked, this, [this, &tab] { drukujClick(tab); });
        if (tab.isDoor()) {
            connect(tab.wysPrzew, &QLineEdit::textChanged, this,
                    [this, &tab] { leWysPrzewChange(tab); });
            connect(tab.szybaR, &QCheckBox::toggled, this, [this, &tab] { cbSzybaRClick(tab); });
        }
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
    const QString stored = RejestrOdczyt();
    state_.Metoda = 0;
    if (activated_) {
        // Back from a preview: the bindings, the notes and the spacer lists stay as the user
        // left them; only a language chosen meanwhile in another copy of the program is taken.
        if (stored != Jezyk_ && isLanguageCode(stored)) {
            slots_ = polishSlots();
            switchLanguage(stored.toLatin1().constData());
        }
        return;
    }
    activated_ = true;
    Jezyk_ = stored;
    // Tab 1 is shown at start, unless the user picked another tab before the window first had
    // the focus (a desktop without a window manager gives it only at the first click).
    AktRamka_ = shownTab().ramka;
    AktUOkna_ = shownTab().uOkna;
    slots_ = polishSlots();
    restoreLanguage(sender);
}

void TForm1::Zamknij1Click() {
    close();
}

void TForm1::nameTypedUgEdits() {
    for (const TabRow& tab : tabs_)
        for (std::size_t i = 0; i < 2; ++i)
            if (tab.uSzyby[i])
                if (const QLabel* field = captionOf(tab.szyba[i]))
                    tab.uSzyby[i]->setAccessibleName(field->text() + QStringLiteral(", Ug"));
}

const TabRow& TForm1::shownTab() const {
    const QWidget* page = ui->PageControl->currentWidget();
    for (const TabRow& tab : tabs_)
        if (tab.sheet == page)
            return tab;
    return tabs_.front();
}

QString TForm1::fixed2(double value) const {
    return QString::fromStdString(formatFixed2(value, decimalSep_));
}

QString TForm1::general(double value) const {
    return QString::fromStdString(formatGeneral(value, decimalSep_));
}
