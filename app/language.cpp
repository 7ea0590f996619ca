#include "app/Form1.h"

#include "app/errorbox.h"
#include "i18n/apply.h"
#include "i18n/settings.h"
#include "reports/Form2.h"
#include "ui_Form1.h"

#include <array>
#include <utility>

using namespace termika;

namespace {

using Handler = void (TForm1::*)(QObject*);

// The start-up restore tries the stored code against these, in this order, each test made
// whatever the earlier ones gave; "pl" is not among them, so a stored Polish keeps the window
// as designed.
constexpr std::array<std::pair<const char*, Handler>, 4> Restored{{
    {"it", &TForm1::Wloski1Click},
    {"en", &TForm1::Angielski1Click},
    {"de", &TForm1::Niemiecki1Click},
    {"se", &TForm1::SzwedzkiClick},
}};

} // namespace

void TForm1::connectLanguageMenu() {
    const std::array<std::pair<QAction*, Handler>, LanguageCount> items{{
        {ui->Polski1, &TForm1::Polski1Click},
        {ui->Angielski1, &TForm1::Angielski1Click},
        {ui->Niemiecki1, &TForm1::Niemiecki1Click},
        {ui->Wloski1, &TForm1::Wloski1Click},
        {ui->Szwedzki, &TForm1::SzwedzkiClick},
    }};
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
}

void TForm1::Polski1Click(QObject* /*sender*/) {
    switchLanguage("pl");
}

void TForm1::Angielski1Click(QObject* /*sender*/) {
    switchLanguage("en");
}

void TForm1::Niemiecki1Click(QObject* /*sender*/) {
    switchLanguage("de");
}

void TForm1::Wloski1Click(QObject* /*sender*/) {
    switchLanguage("it");
}

void TForm1::SzwedzkiClick(QObject* /*sender*/) {
    switchLanguage("se");
}

void TForm1::switchLanguage(const char* code) {
    std::array<QComboBox*, 6> spacerLists{};
    for (std::size_t i = 0; i < tabs_.size(); ++i)
        spacerLists[i] = tabs_[i].ramka;
    applyLanguage(
        languageOfCode(code).value(),
        {.window = this,
         .printout = Form2,
         .spacerLists = spacerLists,
         .aktRamka = AktRamka_,
         .indeksRamki = &state_.IndeksRamki,
         .notes = ui->Memo1,
         .textSlots = &slots_,
         .menuItems = {ui->Polski1, ui->Angielski1, ui->Niemiecki1, ui->Wloski1, ui->Szwedzki},
         .jezyk = &Jezyk_});
    nameTypedUgEdits();
    RejestrZapis(this);
}

void TForm1::RejestrZapis(QObject* /*sender*/) {
    if (!termika::RejestrZapis(Jezyk_))
        reportError(this, QStringLiteral("Failed to set data for 'Langue'"));
}

bool TForm1::isLanguageCode(const QString& code) {
    return languageOfCode(code.toStdString()).has_value();
}

void TForm1::restoreLanguage(QObject* sender) {
    for (const auto& [code, handler] : Restored)
        if (Jezyk_ == QLatin1String(code))
            (this->*handler)(sender);
}
