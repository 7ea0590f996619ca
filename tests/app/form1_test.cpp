#include "guitest.h"

#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <memory>

using namespace termika::test;

// The main window driven as a user drives it: typing into the edits, picking list items,
// pressing the buttons, reading the labels.
class Form1Test : public MainWindowTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void startsAsDesigned() {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Termika"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Termika v 0.1.12"));
        QCOMPARE(form->centralWidget()->size(), QSize(827, 543));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));

        const auto* pages = control<QTabWidget>("PageControl");
        const QStringList captions{"Okno 1-skrzydłowe",   "Okno 2-skrzydłowe",
                                   "Okno 3-skrzydłowe",   "Fest",
                                   "Balkon 1-skrzydłowy", "Balkon 2-skrzydłowy"};
        QCOMPARE(pages->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            QCOMPARE(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
        }
        QCOMPARE(pages->currentIndex(), 0);
        QVERIFY(control<QAction>("Polski1")->isChecked());

        const QList<std::pair<const char*, const char*>> menu{{"Plik1", "Plik"},
                                                              {"Zamknij1", "Zamknij"},
                                                              {"Jezyk1", "Język"},
                                                              {"Polski1", "Polski [PL]"},
                                                              {"Angielski1", "Angielski [EN]"},
                                                              {"Niemiecki1", "Niemiecki [DE]"},
                                                              {"Wloski1", "Włoski [IT]"},
                                                              {"Szwedzki", "Szwedzki [SE]"},
                                                              {"Info1", "Info"}};
        for (const auto& [name, caption] : menu)
            QCOMPARE(control<QAction>(name)->text(), QString::fromUtf8(caption));
        QStringList bar;
        for (const QAction* item : form->menuBar()->actions())
            bar << item->objectName();
        QCOMPARE(bar, QStringList({"Plik1", "Jezyk1", "Info1"}));

        // The printout, the Info dialog and the standards sheet exist from the start, hidden.
        QStringList forms;
        for (const QObject* child : form->children())
            if (QRegularExpression("^Form[234]$").match(child->objectName()).hasMatch())
                forms << child->objectName();
        QCOMPARE(forms, QStringList({"Form2", "Form3", "Form4"}));
        QVERIFY(!control<QWidget>("Form3")->isVisible());

        for (QComboBox* l : form->findChildren<QComboBox*>()) {
            QCOMPARE(l->currentText(), QStringLiteral("-"));
            const QString n = l->objectName();
            const int expected = n.startsWith("cbSystem") ? 5 : n.startsWith("cbSzyba") ? 7 : 3;
            QCOMPARE(l->count(), expected);
        }
        for (int t = 1; t <= 6; ++t) {
            QCOMPARE(edit(qPrintable(QStringLiteral("leSzer%1").arg(t)))->text(),
                     QStringLiteral("0"));
            QCOMPARE(edit(qPrintable(QStringLiteral("leWys%1").arg(t)))->text(),
                     QStringLiteral("0"));
            QCOMPARE(label(qPrintable(QStringLiteral("lUOkna%1").arg(t))), QStringLiteral("-"));
        }
        for (const char* ug :
             {"lUg1", "lUg2", "lUg3", "lUg4", "lUg5_1", "lUg5_2", "lUg6_1", "lUg6_2"})
            QCOMPARE(label(ug), QStringLiteral("---"));
        QCOMPARE(list("cbSystem1")->itemText(2), QStringLiteral("Tavio Classic"));
        QCOMPARE(list("cbRamka1")->itemText(1), QStringLiteral("stalowa"));
        QCOMPARE(list("cbSzyba5_2")->itemText(6), QStringLiteral("TMP 33.1 / 12(ar) / 33.1"));

        const QString memo = control<QTextEdit>("Memo1")->toPlainText();
        QCOMPARE(memo.split('\n').size(), 4);
        QVERIFY(memo.startsWith("Wartości współczynnika U dla wyliczanego okna uzyskane metodą "
                                "badawczą mogą odbiegać od \nprezentowanych w programie.\n\n"));
    }

    void hiddenControlsExistHidden() {
        for (const char* name :
             {"Button14", "cbSzyba5_R", "cbSzyba6_R", "LMsg_1", "RadioButton1", "RadioButton2",
              "eUSzyby1", "eUSzyby4", "eUSzyby5_2", "eUSzyby6_1", "lGrPak_5_1", "lGrPak_5_2"}) {
            auto* w = control<QWidget>(name);
            QVERIFY2(w->isHidden(), name);
        }
        QVERIFY(control<QCheckBox>("cbSzyba5_R")->isChecked());
        QVERIFY(!control<QCheckBox>("cbSlupRuch")->isChecked());
    }

    void layoutAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Panel3") << "Panel3" << QRect(0, 0, 825, 65);
        QTest::newRow("Panel1") << "Panel1" << QRect(0, 64, 825, 476);
        QTest::newRow("PageControl") << "PageControl" << QRect(2, 2, 821, 373);
        QTest::newRow("Memo1") << "Memo1" << QRect(2, 2, 817, 95);
        QTest::newRow("Image1") << "Image1" << QRect(8, 8, 193, 257);
        QTest::newRow("leSzer1") << "leSzer1" << QRect(64, 288, 65, 21);
        QTest::newRow("cbSystem1") << "cbSystem1" << QRect(496, 16, 297, 21);
        QTest::newRow("eUSzyby1") << "eUSzyby1" << QRect(496, 40, 129, 21);
        QTest::newRow("Button2") << "Button2" << QRect(646, 308, 75, 25);
        QTest::newRow("Image7") << "Image7" << QRect(705, 10, 105, 47);
        QTest::newRow("leWysPrzew5") << "leWysPrzew5" << QRect(168, 224, 57, 21);
        QTest::newRow("Image6") << "Image6" << QRect(16, 8, 225, 289);
    }

    void layoutAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(control<QWidget>(qPrintable(name))->geometry(), geometry);
    }

    void labelledEditsHaveCaptions() {
        auto* caption = control<QLabel>("leSzer1Label");
        QCOMPARE(caption->buddy(), edit("leSzer1"));
        QCOMPARE(caption->text(), QStringLiteral("Szerokość"));
        QCOMPARE(control<QLabel>("leWysPrzew5Label")->text(),
                 QStringLiteral("Wysokość przweiązki"));
    }

    void tabOrderOfTabOne() {
        const QStringList order{"leSzer1",  "leWys1",  "cbSystem1", "cbSzyba1", "eUSzyby1",
                                "cbRamka1", "Button2", "Button1",   "Button14"};
        for (int i = 0; i + 1 < order.size(); ++i) {
            QWidget* next = control<QWidget>(qPrintable(order[i]))->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), order[i + 1]);
        }
    }

    void activationSetsPolishSlotsAndTabOneBindings() {
        QCOMPARE(form->textSlots().MsgPakiet, std::string("Nieodpowiedni pakiet"));
        QCOMPARE(form->textSlots().TxtSzyba, std::string("Szyba      :"));
        QCOMPARE(form->AktRamka(), list("cbRamka1"));
        QCOMPARE(form->AktUOkna(), control<QLabel>("lUOkna1"));
        QCOMPARE(form->state().Metoda, std::uint8_t(0));
    }

    // The activation reads the stored language again when the focus comes back from another
    // window of the program, but not from one of its modal boxes.
    void activationRunsOnReturnFromAnotherWindow() {
        QCOMPARE(form->Jezyk(), QString());
        storeLanguage("en");

        typeInto(edit("leSzer1"), "x");
        QCOMPARE(boxes->take().size(), 1);
        form->activateWindow(); // the focus goes back from the closed box
        QVERIFY(waitForActive(form.get()));
        QCOMPARE(form->Jezyk(), QString());

        QWidget other;
        other.show();
        QVERIFY(waitForActive(&other));
        form->activateWindow();
        QVERIFY(waitForActive(form.get()));
        QCOMPARE(form->Jezyk(), QStringLiteral("en"));
    }

    void checksInOrder_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("glass");
        QTest::addColumn<int>("spacer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing") << "0"
                                 << "0" << 0 << 0 << 0 << "Podaj szerokość";
        QTest::newRow("width only") << "1000"
                                    << "0" << 0 << 0 << 0 << "Podaj wysokość";
        QTest::newRow("no system") << "1000"
                                   << "1500" << 0 << 0 << 0 << "Podaj system";
        QTest::newRow("no glass") << "1000"
                                  << "1500" << 1 << 0 << 1 << "Podaj szybę";
        QTest::newRow("no spacer") << "1000"
                                   << "1500" << 1 << 2 << 0 << "Podaj ramkę";
        QTest::newRow("48 mm in Tavio 5") << "1000"
                                          << "1500" << 1 << 5 << 1 << "Nieodpowiedni pakiet";
        QTest::newRow("48 mm in Classic") << "1000"
                                          << "1500" << 2 << 5 << 1 << "Nieodpowiedni pakiet";
        QTest::newRow("36 mm in Tavio 5") << "1000"
                                          << "1500" << 1 << 4 << 1 << "1,08";
        QTest::newRow("48 mm in Polar") << "1000"
                                        << "1500" << 3 << 5 << 1 << "0,83";
        QTest::newRow("worked example") << "1000"
                                        << "1500" << 1 << 2 << 1 << "1,34";
        QTest::newRow("small window") << "600"
                                      << "800" << 1 << 2 << 1 << "1,46";
    }

    void checksInOrder() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(int, system);
        QFETCH(int, glass);
        QFETCH(int, spacer);
        QFETCH(QString, shown);
        fill(1, width, height, system, glass, spacer);
        press("Button2");
        QCOMPARE(label("lUOkna1"), shown.front().isDigit() ? regional(shown) : shown);
    }

    void fixedWindowTab_data() {
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("glass");
        QTest::addColumn<int>("spacer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Polar, 48 mm, plastic") << 3 << 5 << 2 << "0,73";
        QTest::newRow("Tavio 5, 24 mm, steel") << 1 << 2 << 1 << "1,37";
        QTest::newRow("Tavio 5, 48 mm") << 1 << 5 << 1 << "Nieodpowiedni pakiet";
    }

    void fixedWindowTab() {
        QFETCH(int, system);
        QFETCH(int, glass);
        QFETCH(int, spacer);
        QFETCH(QString, shown);
        fill(4, "1000", "1500", system, glass, spacer);
        press("Button8");
        QCOMPARE(label("lUOkna4"), shown.front().isDigit() ? regional(shown) : shown);
        QCOMPARE(label("lUOkna1"), QStringLiteral("-"));
    }

    void eachInputChangeClearsTheResult_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("width") << 0;
        QTest::newRow("height") << 1;
        QTest::newRow("system") << 2;
        QTest::newRow("glass") << 3;
        QTest::newRow("spacer") << 4;
    }

    void eachInputChangeClearsTheResult() {
        QFETCH(int, change);
        fill(1, "1000", "1500", 1, 2, 1);
        press("Button2");
        QCOMPARE(label("lUOkna1"), regional("1,34"));
        QVERIFY(form->state().UOkna > 0);
        switch (change) {
        case 0:
            typeInto(edit("leSzer1"), "1200");
            break;
        case 1:
            typeInto(edit("leWys1"), "1400");
            break;
        case 2:
            pick(list("cbSystem1"), 3);
            break;
        case 3:
            pick(list("cbSzyba1"), 1);
            break;
        case 4:
            pick(list("cbRamka1"), 2);
            break;
        }
        QCOMPARE(label("lUOkna1"), QStringLiteral("-"));
        QCOMPARE(form->state().UOkna, 0.0);
    }

    void glazingShowsItsUg() {
        pick(list("cbSzyba1"), 2);
        QCOMPARE(label("lUg1"), regional("1,10"));
        QCOMPARE(form->state().NazwaSzyby1, std::string("float 4mm / 16(ar) / termofloat 4mm"));
        pick(list("cbSzyba1"), 0);
        QCOMPARE(label("lUg1"), regional("0,00"));

        showTab(5);
        pick(list("cbSzyba5_2"), 5);
        QCOMPARE(label("lUg5_2"), regional("0,50"));
        QCOMPARE(label("lGrPak_5_2"), QStringLiteral("48"));
        QCOMPARE(form->state().GrPak2, 48.0);
        QCOMPARE(label("lUg5_1"), QStringLiteral("0")); // the tab change cleared it
    }

    void systemAndSpacerStoreTheirValues() {
        pick(list("cbSystem1"), 2);
        QCOMPARE(form->state().NazwaSystemu, std::string("Tavio 5 Classic"));
        QCOMPARE(form->state().URamy, 1.1);
        showTab(6);
        pick(list("cbSystem6"), 2);
        QCOMPARE(form->state().NazwaSystemu, std::string("Tavio 5 Clasic"));
        pick(list("cbRamka6"), 1);
        QCOMPARE(form->state().NazwaRamki, std::string("stalowa"));
        QCOMPARE(form->state().PsiRamki, 0.064);
    }

    void movablePostReloadsTheSystem() {
        showTab(2);
        pick(list("cbSystem2"), 3);
        QCOMPARE(form->state().SzerSlupka, 200.0);
        QTest::mouseClick(control<QCheckBox>("cbSlupRuch"), Qt::LeftButton);
        QCOMPARE(form->state().SzerSlupka, 180.0);
        QCOMPARE(form->state().USlupka, 1.05);
        QCOMPARE(label("lUOkna2"), QStringLiteral("-"));
    }

    void notANumberOpensTheErrorBox() {
        fill(1, "1000", "1500", 1, 2, 1);
        typeInto(edit("leSzer1"), "12a");
        const QList<SeenBox> seen = boxes->take();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("Termika"));
        QCOMPARE(seen[0].text, QStringLiteral("'12a' is not a valid floating point value."));
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QCOMPARE(edit("leSzer1")->text(), QStringLiteral("12a"));
        QCOMPARE(form->state().Szer, 12.0);
        QCOMPARE(label("lUOkna1"), QStringLiteral("-"));
    }

    void everyBadKeystrokeOpensTheBoxAgain() {
        typeInto(edit("leWys1"), "-");
        typeInto(edit("leWys1"), "-x");
        const QList<SeenBox> seen = boxes->take();
        QCOMPARE(seen.size(), 3); // "-", then "-" again and "-x"
        QCOMPARE(seen.last().text, QStringLiteral("'-x' is not a valid floating point value."));
        QCOMPARE(form->state().Wys, 0.0);
    }

    void decimalSeparatorOfTheRegion() {
        const QString accepted = commaFormat() ? "1000,5" : "1000.5";
        const QString refused = commaFormat() ? "1000.5" : "1000,5";
        typeInto(edit("leSzer1"), accepted);
        QCOMPARE(form->state().Szer, 1000.5);
        QVERIFY(boxes->take().isEmpty());
        typeInto(edit("leSzer1"), refused);
        const QList<SeenBox> seen = boxes->take();
        QCOMPARE(seen.size(), 2); // at the separator and at the digit after it
        QCOMPARE(seen.last().text, "'" + refused + "' is not a valid floating point value.");
        QCOMPARE(form->state().Szer, 1000.0);
    }

    // A frame that leaves no glass is refused in the result label, never computed, and never
    // divides by a zero window area.
    void frameLeavingNoGlassIsRefused_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty width") << ""
                                     << "1500"
                                     << "Podaj szerokość";
        QTest::newRow("width 00") << "00"
                                  << "1500"
                                  << "Podaj szerokość";
        QTest::newRow("width 0,0") << "0,0"
                                   << "1500"
                                   << "Podaj szerokość";
        QTest::newRow("negative width") << "-1000"
                                        << "1500"
                                        << "Podaj szerokość";
        QTest::newRow("narrower than two bars") << "232"
                                                << "1500"
                                                << "Podaj szerokość";
        QTest::newRow("empty height") << "1000"
                                      << ""
                                      << "Podaj wysokość";
        QTest::newRow("height under two bars") << "1000"
                                               << "200"
                                               << "Podaj wysokość";
    }

    void frameLeavingNoGlassIsRefused() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, shown);
        fill(1, "1000", "1500", 1, 2, 1);
        press("Button2");
        const termika::CalcState before = form->state();
        typeInto(edit("leSzer1"), regional(width));
        typeInto(edit("leWys1"), regional(height));
        boxes->take(); // typing "-" on the way to "-1000" is not a number yet
        press("Button2");
        QCOMPARE(label("lUOkna1"), shown);
        QCOMPARE(form->state().UOkna, 0.0);
        QCOMPARE(form->state().PoleOkna, before.PoleOkna);
        QCOMPARE(form->state().PoleRamy, before.PoleRamy);
        QVERIFY(boxes->take().isEmpty());
    }

    void typedUgAcceptsPointAndComma_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("point") << "1.1";
        QTest::newRow("comma") << "1,1";
    }

    void typedUgAcceptsPointAndComma() {
        QFETCH(QString, typed);
        typeInto(edit("eUSzyby1"), typed);
        QCOMPARE(form->state().USzyby1, 1.1);
        QCOMPARE(label("lUg1"), regional("1,1"));
        QCOMPARE(form->state().GrPak1, 0.0);
        // Deleting the whole text at once keeps the value.
        typeInto(edit("eUSzyby1"), "");
        QCOMPARE(form->state().USzyby1, 1.1);
        QCOMPARE(label("lUg1"), regional("1,1"));
    }

    void typedUgThatIsNotANumber() {
        typeInto(edit("eUSzyby1"), "1x");
        const QList<SeenBox> seen = boxes->take();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("'1x' is not a valid floating point value."));
        QCOMPARE(form->state().USzyby1, 1.0);
        QCOMPARE(label("lUg1"), QStringLiteral("1"));
    }

    void typedUgCountsAsGlazing() {
        fill(1, "1000", "1500", 1, 0, 1);
        typeInto(edit("eUSzyby1"), "1,1");
        press("Button2");
        QCOMPARE(label("lUOkna1"), regional("1,34"));
    }

    // The program ends with exit code 0 when its window closes, by "Zamknij" or the close box.
    void closingEndsTheProgram_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Zamknij") << true;
        QTest::newRow("close box") << false;
    }

    void closingEndsTheProgram() {
        QFETCH(bool, byMenu);
        QTimer::singleShot(0, form.get(), [this, byMenu] {
            if (byMenu)
                control<QAction>("Zamknij1")->trigger();
            else
                form->windowHandle()->close();
        });
        QTimer watchdog; // never hang on a window that does not close
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!form->isVisible());
    }
};

TERMIKA_GUI_TEST_MAIN(Form1Test)
#include "form1_test.moc"
