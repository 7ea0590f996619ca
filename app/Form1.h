#pragma once

#include "app/tabs.h"
#include "calc/breakdown.h"
#include "calc/state.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>

class Picture;
namespace termika {
class Announcer;
}
class QComboBox;
class QLabel;
class QLineEdit;
class QWindow;
class TForm2;
class TForm3;
class TForm4;

namespace Ui {
class TForm1;
}

// The main window: six window-type tabs over one shared calculation state.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    const termika::CalcState& state() const { return state_; }
    const termika::TextSlots& textSlots() const { return slots_; }
    const QString& Jezyk() const { return Jezyk_; }
    QComboBox* AktRamka() const { return AktRamka_; }
    QLabel* AktUOkna() const { return AktUOkna_; }

    // Runs when the focus comes to the main window from another window of the program, and
    // once at start; not after a modal box or dialog of its own.
    void FormActivate(QObject* sender);
    void Zamknij1Click();

    // The shown tab takes over the shared dimensions and starts its choices afresh.
    void PageControlChange();
    // Switches every tab between picking glazing units and typing their Ug.
    void cbSzybaListaClick();
    // The hidden method buttons reload the shown tab's frame values.
    void RadioButton1Click();
    void RadioButton2Click();
    // The hidden "Drukuj normy" button: the standards sheet of the single-sash window.
    void Button14Click();
    void Info1Click();
    // The language menu and the stored language (language.cpp).
    void Polski1Click(QObject* sender);
    void Angielski1Click(QObject* sender);
    void Niemiecki1Click(QObject* sender);
    void Wloski1Click(QObject* sender);
    void SzwedzkiClick(QObject* sender);
    void RejestrZapis(QObject* sender);    // stores Jezyk; reports a failed write
    void restoreLanguage(QObject* sender); // runs the handler of a stored "it", "en", "de" or "se"

private:
    void connectLanguageMenu();
    void switchLanguage(const char* code); // applies the language of a code, then stores it
    static bool isLanguageCode(const QString& code); // one of the five, exactly

private:
    void fillLists();
    void connectHandlers();
    void connectKeys(); // keys.cpp
    // Names each typed-Ug edit for screen readers by the glass it stands for, from the field
    // labels in the language in use.
    void nameTypedUgEdits();
    void focusWindowChanged(QWindow* window);
    const TabRow& shownTab() const;

    // The handler families, each written once over a row of the tab table.
    void leSzerChange(const TabRow& tab);
    void leWysChange(const TabRow& tab);
    void cbSystemChange(const TabRow& tab);
    void cbSzybaChange(const TabRow& tab, termika::GlassField field);
    void eUSzybyChange(const TabRow& tab, termika::GlassField field);
    void cbRamkaChange(const TabRow& tab);
    void przeliczClick(const TabRow& tab);
    void leWysPrzewChange(const TabRow& tab);
    void cbSzybaRClick(const TabRow& tab);
    void methodChosen(std::uint8_t metoda);
    void drukujClick(const TabRow& tab);

    // Every write into a result label goes through these two: a number carries its breakdown
    // as a tooltip, anything else carries none.
    void showResult(QLabel* label, const QString& text);
    void showUw(QLabel* label, const termika::Breakdown& breakdown);
    // Tells screen readers what a result label now says, with its caption, so that the user
    // hears the outcome of a press without leaving the button. A "-" says nothing.
    void tell(const QLabel* result);
    void invalidate(QLabel* label);
    void readDimension(const QLineEdit* edit, double& field);
    QString fixed2(double value) const;  // pattern "0.00"
    QString general(double value) const; // the general number form

    // What last held the focus, for telling a return from another window of ours from a
    // return from a modal box, a popup or another program.
    enum class FocusSource { Nothing, MainWindow, Ignored, OtherWindow };

    std::unique_ptr<Ui::TForm1> ui;
    TabTable tabs_;
    termika::CalcState state_;
    termika::TextSlots slots_;
    QString Jezyk_;
    QComboBox* AktRamka_ = nullptr;
    QLabel* AktUOkna_ = nullptr;
    Picture* AktObraz_ = nullptr; // the drawing printed last
    termika::Announcer* announcer_ = nullptr;
    bool activated_ = false;
    std::string decimalSep_;
    FocusSource lastFocus_ = FocusSource::Nothing;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
};
