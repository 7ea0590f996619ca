#include "guitest.h"

#include "reports/Form2.h"
#include "reports/Form4.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace termika::test;

// "Drukuj" on every tab, the standards sheet, the Info dialog, and what the main window is like
// when the user comes back from a preview.
class PrintTest : public MainWindowTest {
    Q_OBJECT

    TForm2* printout() const { return form->findChild<TForm2*>(QStringLiteral("Form2")); }
    TForm4* sheet() const { return form->findChild<TForm4*>(QStringLiteral("Form4")); }

    // Presses a print button; `whileOpen` runs with the preview on screen, then the preview is
    // closed, as the user closes it, and the print handler returns.
    void print(const QByteArray& button, termika::Report* report,
               const std::function<void()>& whileOpen = {}) {
        bool seen = false;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            QPrintPreviewDialog* dialog = report->previewDialog();
            if (!dialog || !dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            seen = true;
            // A new window gets the focus, as a window system gives it.
            dialog->activateWindow();
            QVERIFY(waitForActive(dialog));
            if (whileOpen)
                whileOpen();
            // The user clicks into the main window, then closes the preview.
            form->activateWindow();
            QVERIFY(waitForActive(form.get()));
            dialog->close();
        });
        poll->start(10);
        press(button);
        QVERIFY(seen);
        QVERIFY(QApplication::activeWindow() == form.get());
    }

    QString printed(QStringView element) const { return printout()->text(element); }

private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void twoSashPage() {
        fill(2, "1500", "1500", 1, 2, 1);
        press("Button4");
        print("Button3", printout());
        QCOMPARE(printed(u"qrlSystem"), QStringLiteral("Tavio 5"));
        QCOMPARE(printed(u"QRLabel9"), QStringLiteral("Szyba      :"));
        QCOMPARE(printed(u"qrlSzyba"), QStringLiteral("float 4mm / 16(ar) / termofloat 4mm"));
        QCOMPARE(printed(u"QRLabel11"), QString());
        QCOMPARE(printed(u"qrlSzyba2"), QStringLiteral("-")); // what the tab change left
        QCOMPARE(printed(u"qrlRamka"), QStringLiteral("stalowa"));
        QCOMPARE(printed(u"QRLabel13"), QString());
        QCOMPARE(printed(u"qrlHp"), QString());
        QCOMPARE(printed(u"qrlUSzyby"), regional("1,10"));
        QCOMPARE(printed(u"qrlSzer"), QStringLiteral("1500"));
        QCOMPARE(printed(u"qrlWys"), QStringLiteral("1500"));
        QCOMPARE(printed(u"qrlUokna"), regional("1,41"));
        QCOMPARE(printout()->picture(u"QRImage"), QStringLiteral("okno2"));
        QVERIFY(printed(u"QRLabel12").startsWith("Wartości współczynnika U"));
        QVERIFY(printed(u"QRLabel12").endsWith("zespolenia.\n"));
    }

    void doorPageThenWindowPage() {
        fill(5, "1000", "2200", 1, 2, 1, 6);
        typeInto(edit("leWysPrzew5"), regional("900,5"));
        typeInto(edit("leWysPrzew5"), "900");
        press("Button10");
        print("Button9", printout());
        QCOMPARE(printed(u"QRLabel9"), QStringLiteral("Szyba 1    :"));
        QCOMPARE(printed(u"QRLabel11"), QStringLiteral("Szyba 2    :"));
        QCOMPARE(printed(u"qrlSzyba"), QStringLiteral("float 4mm / 16(ar) / termofloat 4mm"));
        QCOMPARE(printed(u"qrlSzyba2"), QStringLiteral("TMP 33.1 / 12(ar) / 33.1"));
        QCOMPARE(printed(u"QRLabel13"), QStringLiteral("Hp :"));
        QCOMPARE(printed(u"qrlHp"), QStringLiteral("900"));
        QCOMPARE(printed(u"qrlUSzyby"), regional("1,10"));
        QCOMPARE(printed(u"qrlSzer"), QStringLiteral("1000"));
        QCOMPARE(printed(u"qrlWys"), QStringLiteral("2200"));
        QCOMPARE(printed(u"qrlUokna"), regional("1,42"));
        QCOMPARE(printout()->picture(u"QRImage"), QStringLiteral("okno5"));

        // Nothing of the door page stays on the next window page.
        fill(2, "1500", "1500", 1, 2, 1);
        press("Button4");
        print("Button3", printout());
        QCOMPARE(printed(u"QRLabel11"), QString());
        QCOMPARE(printed(u"QRLabel13"), QString());
        QCOMPARE(printed(u"qrlHp"), QString());
        QCOMPARE(printout()->picture(u"QRImage"), QStringLiteral("okno2"));
    }

    void typedUgOnDoorsPrintsTheUsersUnit_data() {
        QTest::addColumn<int>("tab");
        QTest::newRow("tab 5") << 5;
        QTest::newRow("tab 6") << 6;
    }

    void typedUgOnDoorsPrintsTheUsersUnit() {
        QFETCH(int, tab);
        showTab(tab);
        click("cbSzybaLista");
        print(tab == 5 ? "Button9" : "Button11", printout());
        QCOMPARE(printed(u"qrlSzyba"), QStringLiteral("Pakiet użytkownika"));
        QCOMPARE(printed(u"qrlSzyba2"), QStringLiteral("Pakiet użytkownika"));
    }

    void printAfterAnInputChangeShowsZero() {
        fill(1, "1000", "1500", 1, 2, 1);
        press("Button2");
        typeInto(edit("leWys1"), "1400");
        print("Button1", printout());
        QCOMPARE(printed(u"qrlUokna"), regional("0,00"));
        QCOMPARE(printed(u"qrlWys"), QStringLiteral("1400"));
    }

    void printAtStart() {
        print("Button7", printout());
        QCOMPARE(printed(u"qrlSystem"), QString());
        QCOMPARE(printed(u"qrlSzyba"), QString());
        QCOMPARE(printed(u"qrlUokna"), regional("0,00"));
        QCOMPARE(printed(u"qrlSzer"), QStringLiteral("0"));
    }

    // A press while the preview is open fills the page and opens no second preview.
    void secondPressWhilePreviewIsOpen() {
        fill(1, "1000", "1500", 1, 2, 1);
        press("Button2");
        print("Button1", printout(), [this] {
            press("Button1");
            QCOMPARE(form->findChildren<QPrintPreviewDialog*>().size(), 1);
        });
    }

    void standardsSheet() {
        pick(list("cbSystem1"), 3);
        QVERIFY(control<QWidget>("Button14")->isHidden());
        for (int run = 0; run < 2; ++run) {
            print("Button14", sheet());
            QCOMPARE(sheet()->text(u"qrlSystem"), QStringLiteral("Tavio Polar"));
            QCOMPARE(sheet()->text(u"qrlTyp"),
                     QStringLiteral("Rodzina okien jednodzielnych rozwierano-uchylanych."));
            const QStringList values{"Klasa 4", "Klasa 9A", "Klasa 1", "Klasa C4", "Spełnione",
                                     "Klasa 3", "Klasa 3",  "Klasa 4", "32-35dB"};
            for (int i = 0; i < 9; ++i)
                QCOMPARE(sheet()->text(QStringLiteral("qrl%1").arg(i + 1)), values[i]);
            QCOMPARE(sheet()->picture(u"QRImage3"), QStringLiteral("okno1"));
        }
    }

    // Coming back from a preview keeps what the user did: the notes typed, the shown tab's
    // bindings, its spacer choice and its result.
    void returnFromPreviewKeepsTheWindow() {
        fill(3, "2400", "1500", 3, 4, 2);
        // The calculation method, chosen by the hidden buttons (Polar's Uf is the same).
        control<QRadioButton>("RadioButton2")->setChecked(true);
        control<QRadioButton>("RadioButton1")->setChecked(true);
        press("Button6");
        QCOMPARE(form->state().Metoda, std::uint8_t(1));
        auto* memo = control<QTextEdit>("Memo1");
        memo->setPlainText(QStringLiteral("Uwagi klienta"));
        print("Button5", printout());
        QCOMPARE(printed(u"QRLabel12"), QStringLiteral("Uwagi klienta\n"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Uwagi klienta"));
        QCOMPARE(form->AktUOkna(), control<QLabel>("lUOkna3"));
        QCOMPARE(form->AktRamka(), list("cbRamka3"));
        QCOMPARE(list("cbRamka3")->currentIndex(), 2);
        QCOMPARE(label("lUOkna3"), regional("0,91"));
        QCOMPARE(form->state().Metoda, std::uint8_t(0));
        // A "-" written through the binding now goes to the shown tab.
        click("cbSzybaLista");
        QCOMPARE(label("lUOkna3"), QStringLiteral("-"));
    }

    // A language chosen meanwhile in another copy of the program takes effect on the return; an
    // unknown code changes nothing.
    void languageStoredElsewhere_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("jezyk");
        QTest::addColumn<QString>("tab1");
        QTest::newRow("en") << "en"
                            << "en"
                            << "Single leaf window";
        QTest::newRow("unknown") << "xx"
                                 << ""
                                 << "Okno 1-skrzydłowe";
    }

    void languageStoredElsewhere() {
        QFETCH(QString, stored);
        QFETCH(QString, jezyk);
        QFETCH(QString, tab1);
        showTab(3);
        pick(list("cbRamka3"), 2);
        storeLanguage(stored);
        print("Button5", printout());
        QCOMPARE(form->Jezyk(), jezyk);
        QCOMPARE(control<QTabWidget>("PageControl")->tabText(0), tab1);
        QCOMPARE(form->AktRamka(), list("cbRamka3"));
        QCOMPARE(list("cbRamka3")->currentIndex(), 2);
    }

    // Qt's own texts speak the window's language from the start, and the kept preview follows
    // every switch.
    void qtTextsSpeakTheWindowsLanguage_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("undo"); // the first item of an edit's context menu
        QTest::addColumn<QString>("preview");
        QTest::newRow("nothing stored") << QVariant() << "&Cofnij"
                                        << "Podgląd wydruku";
        QTest::newRow("pl") << QVariant("pl") << "&Cofnij"
                            << "Podgląd wydruku";
        QTest::newRow("unknown") << QVariant("xx") << "&Cofnij"
                                 << "Podgląd wydruku";
        QTest::newRow("de") << QVariant("de") << "&Rückgängig"
                            << "Druckvorschau";
    }

    void qtTextsSpeakTheWindowsLanguage() {
        QFETCH(QVariant, stored);
        QFETCH(QString, undo);
        QFETCH(QString, preview);
        if (stored.isValid()) {
            form.reset();
            storeLanguage(stored);
            openForm();
        }
        const auto previewTitle = [this] {
            QString title;
            print("Button1", printout(),
                  [&] { title = printout()->previewDialog()->windowTitle(); });
            return title;
        };
        const std::unique_ptr<QMenu> menu(edit("leSzer1")->createStandardContextMenu());
        QCOMPARE(menu->actions().constFirst()->text().section(QLatin1Char('\t'), 0, 0), undo);
        QCOMPARE(previewTitle(), preview);
        control<QAction>("Angielski1")->trigger();
        QCOMPARE(previewTitle(), QStringLiteral("Print Preview"));
        control<QAction>("Polski1")->trigger();
        QCOMPARE(previewTitle(), QStringLiteral("Podgląd wydruku"));
    }

    void infoDialog() {
        fill(1, "1000", "1500", 1, 2, 1);
        press("Button2");
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            auto* info = form->findChild<QDialog*>(QStringLiteral("Form3"));
            opened = info && info->isVisible() && info->isModal();
            info->accept();
        });
        control<QAction>("Info1")->trigger();
        QVERIFY(opened);
        QCOMPARE(label("lUOkna1"), regional("1,34"));
        QCOMPARE(edit("leSzer1")->text(), QStringLiteral("1000"));
    }
};

TERMIKA_GUI_TEST_MAIN(PrintTest)
#include "print_test.moc"
