#include "guitest.h"

#include "app/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace termika::test;

namespace {

const QByteArrayList GlassLists{"cbSzyba1",   "cbSzyba2",   "cbSzyba3",   "cbSzyba4",
                                "cbSzyba5_1", "cbSzyba5_2", "cbSzyba6_1", "cbSzyba6_2"};
const QByteArrayList UgLabels{"lUg1",   "lUg2",   "lUg3",   "lUg4",
                              "lUg5_1", "lUg5_2", "lUg6_1", "lUg6_2"};

QByteArray typedEditOf(QByteArray list) {
    return list.replace("cbSzyba", "eUSzyby");
}

} // namespace

// Switching tabs, the glass entry mode, the method, and the two- and three-sash windows and
// balcony doors, driven through the window.
class TabsTest : public MainWindowTest {
    Q_OBJECT

    QString shown(const QString& expected) {
        return expected.front().isDigit() ? regional(expected) : expected;
    }

private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void tabChangeCarriesTheDimensions() {
        fill(1, regional("1200,5"), "1500", 1, 2, 1);
        press("Button2");
        showTab(2);
        QCOMPARE(edit("leSzer2")->text(), regional("1200,5"));
        QCOMPARE(edit("leWys2")->text(), QStringLiteral("1500"));
        for (const char* name : {"cbSystem2", "cbSzyba2", "cbRamka2"})
            QCOMPARE(list(name)->currentIndex(), 0);
        QCOMPARE(label("lUOkna2"), QStringLiteral("-"));
        QCOMPARE(form->state().UOkna, 0.0);
        QCOMPARE(form->AktRamka(), list("cbRamka2"));
        QCOMPARE(form->AktUOkna(), control<QLabel>("lUOkna2"));
        // The state keeps the frame of the last choice, but the press asks for a system.
        press("Button4");
        QCOMPARE(label("lUOkna2"), QStringLiteral("Podaj system"));

        showTab(1);
        QCOMPARE(edit("leSzer1")->text(), regional("1200,5"));
        for (const char* name : {"cbSystem1", "cbSzyba1", "cbRamka1"})
            QCOMPARE(list(name)->currentIndex(), 0);
        const termika::CalcState& s = form->state();
        QCOMPARE(s.NazwaSystemu, std::string("-"));
        QCOMPARE(s.NazwaSzyby1, std::string("-"));
        QCOMPARE(s.NazwaRamki, std::string("-"));
        QCOMPARE(s.USzyby1, 0.0);
        QCOMPARE(s.GrPak1, 0.0);
    }

    // Without a window manager the window has the focus only from the first click, which may
    // pick a tab: the first activation binds the tab then shown.
    void firstActivationBindsTheShownTab() {
        form.reset();
        TForm1 late;
        late.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(2);
        late.show();
        QVERIFY(waitForActive(&late));
        QCOMPARE(late.AktUOkna(), late.findChild<QLabel*>(QStringLiteral("lUOkna3")));
        QCOMPARE(late.AktRamka(), late.findChild<QComboBox*>(QStringLiteral("cbRamka3")));
    }

    // Before the window first has the focus (no window manager, an assistive tool acting at
    // once) the handlers that write through the bindings find tab 1's controls.
    void handlersBeforeTheFirstActivation() {
        form.reset();
        TForm1 early;
        const auto result = [&early] {
            return early.findChild<QLabel*>(QStringLiteral("lUOkna1"))->text();
        };
        early.findChild<QCheckBox*>(QStringLiteral("cbSzybaLista"))->toggle();
        QCOMPARE(result(), QStringLiteral("-"));
        early.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        QCOMPARE(result(), QStringLiteral("Podaj szerokość"));
        early.findChild<QLineEdit*>(QStringLiteral("leWysPrzew5"))->setText(QStringLiteral("900"));
        QCOMPARE(result(), QStringLiteral("-"));
        early.findChild<QAction*>(QStringLiteral("Angielski1"))->trigger();
        QCOMPARE(early.Jezyk(), QStringLiteral("en"));
    }

    void emptyWidthArrivesAsZero() {
        typeInto(edit("leSzer1"), "");
        showTab(3);
        QCOMPARE(edit("leSzer3")->text(), QStringLiteral("0"));
    }

    void doorTabPutsBothGlassListsBack() {
        showTab(5);
        pick(list("cbSzyba5_1"), 2);
        pick(list("cbSzyba5_2"), 6);
        showTab(1);
        showTab(5);
        QCOMPARE(list("cbSzyba5_1")->currentIndex(), 0);
        QCOMPARE(list("cbSzyba5_2")->currentIndex(), 0);
    }

    void pickingTheShownTabFiresNothing() {
        pick(list("cbSystem1"), 1);
        showTab(1);
        QCOMPARE(list("cbSystem1")->currentIndex(), 1);
        QCOMPARE(form->state().NazwaSystemu, std::string("Tavio 5"));
    }

    void tabChangeEndsTypedMode() {
        click("cbSzybaLista");
        typeInto(edit("eUSzyby1"), "1,1");
        showTab(2);
        QVERIFY(!box("cbSzybaLista")->isChecked());
        for (const QByteArray& glass : GlassLists) {
            QVERIFY2(!list(glass)->isHidden(), glass);
            QVERIFY2(edit(typedEditOf(glass))->isHidden(), glass);
            QVERIFY2(edit(typedEditOf(glass))->text().isEmpty(), glass);
        }
        for (const QByteArray& ug : UgLabels)
            QCOMPARE(label(ug), QStringLiteral("0"));
        QCOMPARE(form->state().USzyby1, 0.0);
    }

    void typedModeSwitchesEveryTab() {
        fill(2, "1500", "1500", 1, 2, 1);
        press("Button4");
        QCOMPARE(label("lUOkna2"), regional("1,41"));
        click("cbSzybaLista");
        for (const QByteArray& glass : GlassLists) {
            QVERIFY2(list(glass)->isHidden(), glass);
            QCOMPARE(list(glass)->currentIndex(), 0);
            QVERIFY2(!edit(typedEditOf(glass))->isHidden(), glass);
            QVERIFY2(edit(typedEditOf(glass))->text().isEmpty(), glass);
        }
        for (const QByteArray& ug : UgLabels)
            QCOMPARE(label(ug), QStringLiteral("0"));
        QVERIFY(!control<QLabel>("Label5")->isHidden());
        QVERIFY(!control<QLabel>("Label6")->isHidden());
        QCOMPARE(label("lUOkna2"), QStringLiteral("-"));
        const termika::CalcState& s = form->state();
        QCOMPARE(s.UOkna, 0.0);
        QCOMPARE(s.USzyby1, 0.0);
        QCOMPARE(s.USzyby2, 0.0);
        QCOMPARE(s.NazwaSzyby1, std::string("-"));

        // Back to the lists, and once more to typing: the typed values are gone.
        typeInto(edit("eUSzyby2"), "1,1");
        click("cbSzybaLista");
        QVERIFY(!list("cbSzyba2")->isHidden());
        QCOMPARE(list("cbSzyba2")->currentText(), QStringLiteral("-"));
        QVERIFY(edit("eUSzyby2")->isHidden());
        QCOMPARE(label("lUg2"), QStringLiteral("0"));
        click("cbSzybaLista");
        QVERIFY(edit("eUSzyby2")->text().isEmpty());
    }

    // A unit refused before the flip no longer refuses the Ug typed after it.
    void typedUgAfterAnUnsuitableUnit() {
        fill(1, "1000", "1500", 1, 5, 1);
        press("Button2");
        QCOMPARE(label("lUOkna1"), QStringLiteral("Nieodpowiedni pakiet"));
        click("cbSzybaLista");
        QCOMPARE(form->state().GrPak1, 0.0);
        typeInto(edit("eUSzyby1"), "1,1");
        press("Button2");
        QCOMPARE(label("lUOkna1"), regional("1,34"));
    }

    void methodButtonsReloadTheFrame() {
        auto* calculation = control<QRadioButton>("RadioButton1");
        auto* test = control<QRadioButton>("RadioButton2");
        QVERIFY(calculation->isHidden() && test->isHidden());
        fill(1, "1000", "1500", 1, 2, 1);
        test->setChecked(true);
        QCOMPARE(form->state().Metoda, std::uint8_t(0));
        QCOMPARE(form->state().URamy, 1.3);
        calculation->setChecked(true);
        QCOMPARE(form->state().Metoda, std::uint8_t(1));
        QCOMPARE(form->state().URamy, 1.52);
        QCOMPARE(label("lUOkna1"), QStringLiteral("-"));
        press("Button2");
        QCOMPARE(label("lUOkna1"), regional("1,42"));
    }

    void windowsWithMembers_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("glass");
        QTest::addColumn<int>("spacer");
        QTest::addColumn<bool>("post");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two-sash, mullion") << 2 << "1500" << 1 << 2 << 1 << false << "1,41";
        QTest::newRow("two-sash, post") << 2 << "1500" << 1 << 2 << 1 << true << "1,39";
        QTest::newRow("two-sash, 48 mm")
            << 2 << "1500" << 1 << 5 << 1 << false << "Nieodpowiedni pakiet";
        QTest::newRow("two-sash, 48 mm Polar") << 2 << "1500" << 3 << 5 << 1 << false << "0,90";
        QTest::newRow("three-sash, post") << 3 << "2400" << 3 << 4 << 2 << true << "0,90";
        QTest::newRow("three-sash, mullions") << 3 << "2400" << 3 << 4 << 2 << false << "0,91";
        QTest::newRow("three-sash, width 00")
            << 3 << "00" << 3 << 4 << 2 << false << "Podaj szerokość";
    }

    void windowsWithMembers() {
        QFETCH(int, tab);
        QFETCH(QString, width);
        QFETCH(int, system);
        QFETCH(int, glass);
        QFETCH(int, spacer);
        QFETCH(bool, post);
        QFETCH(QString, expected);
        fill(tab, width, "1500", system, glass, spacer);
        const QByteArray box = tab == 2 ? "cbSlupRuch" : "cbSlupRuch2";
        if (post) {
            QTest::mouseClick(this->box(box), Qt::LeftButton);
            QCOMPARE(label("lUOkna" + QByteArray::number(tab)), QStringLiteral("-"));
        }
        press(tab == 2 ? "Button4" : "Button6");
        QCOMPARE(label("lUOkna" + QByteArray::number(tab)), shown(expected));
    }

    void balconyDoors_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("glass2");
        QTest::addColumn<QString>("transom");
        QTest::addColumn<bool>("twoGlazings");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one-sash") << 5 << "1000" << 6 << "900" << true << "1,42";
        QTest::newRow("one-sash, one glazing") << 5 << "1000" << 6 << "900" << false << "1,37";
        QTest::newRow("one glazing needs no glass 2")
            << 5 << "1000" << 0 << "900" << false << "1,37";
        QTest::newRow("glass 2 missing") << 5 << "1000" << 0 << "900" << true << "Podaj szybę";
        QTest::newRow("glass 2 of 48 mm")
            << 5 << "1000" << 5 << "900" << true << "Nieodpowiedni pakiet";
        QTest::newRow("transom at the height")
            << 5 << "1000" << 6 << "2200" << true << "Wysokość przewiązki niepoprawna";
        QTest::newRow("transom 2199, one glazing") << 5 << "1000" << 6 << "2199" << false << "1,37";
        // 2199 + 84 / 2 mm reaches into the top rail: field 1 would have no glass.
        QTest::newRow("transom 2199 in the top rail")
            << 5 << "1000" << 6 << "2199" << true << "Wysokość przewiązki niepoprawna";
        QTest::newRow("transom 0")
            << 5 << "1000" << 6 << "0" << true << "Podaj wysokość przewiązki";
        QTest::newRow("transom 0, one glazing") << 5 << "1000" << 6 << "0" << false << "1,37";
        QTest::newRow("untouched 800") << 5 << "1000" << 6 << "" << true << "1,42";
        QTest::newRow("two-sash") << 6 << "1600" << 6 << "900" << true << "1,46";
        QTest::newRow("two-sash, one glazing") << 6 << "1600" << 6 << "900" << false << "1,41";
    }

    void balconyDoors() {
        QFETCH(int, tab);
        QFETCH(QString, width);
        QFETCH(int, glass2);
        QFETCH(QString, transom);
        QFETCH(bool, twoGlazings);
        QFETCH(QString, expected);
        const QByteArray t = QByteArray::number(tab);
        fill(tab, width, "2200", 1, 2, 1, glass2);
        if (tab == 6)
            QTest::mouseClick(box("cbSlupRuch3"), Qt::LeftButton);
        if (!transom.isEmpty())
            typeInto(edit("leWysPrzew" + t), transom);
        if (!twoGlazings)
            click("cbSzyba" + t + "_R");
        press(tab == 5 ? "Button10" : "Button12");
        QCOMPARE(label("lUOkna" + t), shown(expected));
        if (transom.isEmpty())
            QCOMPARE(form->state().WysPrzew, 800.0);
    }

    // A transom typed on one door tab no longer blocks the other, whose own edit counts.
    void transomOfTheOtherDoorTab() {
        fill(5, "1000", "2200", 1, 2, 1, 6);
        typeInto(edit("leWysPrzew5"), "2500");
        QCOMPARE(form->state().WysPrzew, 2500.0);
        fill(6, "1600", "2200", 1, 2, 1, 6);
        press("Button12");
        QCOMPARE(label("lUOkna6"), regional("1,47"));
        QCOMPARE(form->state().WysPrzew, 800.0);
    }

    // The transom edit's "-" goes to the shown tab's result.
    void transomEditClearsTheShownResult() {
        fill(1, "1000", "1500", 1, 2, 1);
        press("Button2");
        showTab(5);
        showTab(1);
        pick(list("cbSystem1"), 1);
        pick(list("cbSzyba1"), 2);
        pick(list("cbRamka1"), 1);
        press("Button2");
        edit("leWysPrzew5")->setText("1000");
        QCOMPARE(label("lUOkna1"), QStringLiteral("-"));
        QCOMPARE(form->state().UOkna, 0.0);
        QCOMPARE(form->state().WysPrzew, 1000.0);
    }

    void glassUnderTransomShowsAndHides() {
        fill(5, "1000", "2200", 1, 2, 1, 6);
        press("Button10");
        click("cbSzyba5_R");
        // The box changes the door's formula: the number shown before is no longer its Uw.
        QCOMPARE(label("lUOkna5"), QStringLiteral("-"));
        QCOMPARE(form->state().UOkna, 0.0);
        for (const char* name : {"leWysPrzew5", "cbSzyba5_2", "Label5", "eUSzyby5_2"})
            QVERIFY2(widget(name)->isHidden(), name);
        QCOMPARE(label("l5_2"), QStringLiteral("1"));
        QCOMPARE(label("l5_1"), QStringLiteral("1"));
        click("cbSzyba5_R");
        for (const char* name : {"leWysPrzew5", "cbSzyba5_2", "Label5"})
            QVERIFY2(!widget(name)->isHidden(), name);
        QVERIFY(edit("eUSzyby5_2")->isHidden());
        QCOMPARE(label("l5_2"), QStringLiteral("2"));

        showTab(6);
        click("cbSzybaLista");
        click("cbSzyba6_R");
        QVERIFY(control<QLabel>("Label6")->isHidden());
        QVERIFY(edit("eUSzyby6_2")->isHidden());
        QCOMPARE(label("L6_2_1"), QStringLiteral("1"));
        QCOMPARE(label("L6_2_2"), QStringLiteral("1"));
        // Typed mode now switches glass 1 only, and leaves "Szyba 2" hidden.
        click("cbSzybaLista");
        click("cbSzybaLista");
        QVERIFY(!edit("eUSzyby6_1")->isHidden());
        QVERIFY(edit("eUSzyby6_2")->isHidden());
        QVERIFY(control<QLabel>("Label6")->isHidden());
        click("cbSzyba6_R");
        QVERIFY(!edit("eUSzyby6_2")->isHidden());
        QVERIFY(list("cbSzyba6_2")->isHidden());
        QCOMPARE(label("L6_2_2"), QStringLiteral("2"));
    }

    void typedUgOnADoorNeedsBothFields() {
        fill(5, "1000", "2200", 1, 0, 1);
        click("cbSzybaLista");
        typeInto(edit("eUSzyby5_1"), "1,1");
        press("Button10");
        QCOMPARE(label("lUOkna5"), QStringLiteral("Podaj szybę"));
        typeInto(edit("eUSzyby5_2"), "1.3");
        press("Button10");
        QCOMPARE(label("lUOkna5"), regional("1,42"));
    }

    // While a result label shows a number, its tooltip explains it; otherwise it has none.
    void resultCarriesItsBreakdown_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("symbols");
        QTest::newRow("one-sash") << 1 << QStringList{"Ag, Ug", "Af, Uf", "lg, ψ", "Aw"};
        QTest::newRow("two-sash") << 2 << QStringList{"Ag, Ug", "Af, Uf", "Am, Um"};
        QTest::newRow("door") << 5 << QStringList{"Ag1, Ug1", "Ag2, Ug2", "At, Ut"};
    }

    void resultCarriesItsBreakdown() {
        QFETCH(int, tab);
        QFETCH(QStringList, symbols);
        const QByteArray t = QByteArray::number(tab);
        const QByteArray button = QByteArray("Button") + QByteArray::number(2 * tab);
        fill(tab, "1500", "2200", 1, 2, 1, 6);
        auto* result = control<QLabel>("lUOkna" + t);
        QVERIFY(result->toolTip().isEmpty());
        press(button);
        const QString tip = result->toolTip();
        for (const QString& symbol : symbols)
            QVERIFY2(tip.contains(symbol), qPrintable(symbol));
        QVERIFY(tip.contains(regional("Aw = 3,3000 m²"))); // 1500 × 2200 mm, regional separator
        QVERIFY(tip.contains(label("lUOkna" + t) + " W/(m²·K)"));
        typeInto(edit("leWys" + t), "2100");
        QVERIFY(result->toolTip().isEmpty());
        typeInto(edit("leWys" + t), "0");
        press(button);
        QCOMPARE(label("lUOkna" + t), QStringLiteral("Podaj wysokość"));
        QVERIFY(result->toolTip().isEmpty());
    }
};

TERMIKA_GUI_TEST_MAIN(TabsTest)
#include "tabs_test.moc"
