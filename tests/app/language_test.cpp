#include "guitest.h"

#include "app/Form1.h"
#include "i18n/platform.h"
#include "i18n/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace termika::test;

namespace {

const QStringList Codes{"pl", "en", "de", "it", "se"};
const QStringList MenuItems{"Polski1", "Angielski1", "Niemiecki1", "Wloski1", "Szwedzki"};

void writeSettingsFile(const QByteArray& content) {
    QFile file(settingsFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(settingsFile()));
    file.write(content);
}

// Whether a widget's caption fits into the widget, as its style draws it.
bool showsInFull(const QWidget* w) {
    const QString text = w->property("text").toString();
    if (text.isEmpty())
        return true;
    const QFontMetrics fm = w->fontMetrics();
    const QStyle* style = w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return fm.horizontalAdvance(text) <= label->contentsRect().width();
    if (const auto* button = qobject_cast<const QPushButton*>(w))
        return fm.horizontalAdvance(text) + 2 * style->pixelMetric(QStyle::PM_ButtonMargin) <=
               button->width();
    if (w->objectName() == "cbSzybaLista") { // its caption wraps onto further lines
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const QRect room(0, 0, w->width() - indicator, w->height());
        const QRect needed = fm.boundingRect(room, Qt::TextWordWrap, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return w->sizeHint().width() <= w->width();
    return true;
}

// The value that QSettings reads from a settings file holding `content`.
QVariant valueOfLine(const QByteArray& content) {
    const QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("line.ini")));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write(content);
    file.close();
    return QSettings(file.fileName(), QSettings::IniFormat).value(QStringLiteral("Langue"));
}

QByteArray readSettingsFile() {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The language as the user meets it: restored at start, picked from the menu, stored.
class LanguageTest : public MainWindowTest {
    Q_OBJECT

    QComboBox* spacerList(int tab) {
        return control<QComboBox>(QStringLiteral("cbRamka%1").arg(tab));
    }
    QString tabCaption(int index) { return control<QTabWidget>("PageControl")->tabText(index); }
    QString checkedItem() {
        QStringList checked;
        for (const QString& item : MenuItems)
            if (control<QAction>(item)->isChecked())
                checked << item;
        return checked.join(',');
    }
    void choose(const QString& code) {
        control<QAction>(MenuItems[Codes.indexOf(code)])->trigger();
    }

private slots:
    void init() {
        termika::openLanguageStore()->clear();
        if (storeIsAFile())
            QFile::remove(settingsFile());
        boxes = std::make_unique<BoxWatcher>();
    }

    void cleanup() { finish(); }

    // Only "it", "en", "de" and "se", exactly so, bring a language back at start, and that
    // language stores its code again (the rewritten file loses the hand-written comment).
    void startsInTheStoredLanguage_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("jezyk");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("firstTab");
        QTest::addColumn<QString>("transom"); // the caption of tab 5's transom height
        QTest::addColumn<QString>("swedish"); // the menu item's caption
        QTest::addColumn<QString>("steel");   // spacer item 1
        QTest::addColumn<int>("notes");       // lines
        QTest::addColumn<bool>("rewritten");
        const QString designedTransom = "Wysokość przweiązki";
        QTest::newRow("none") << QByteArray() << ""
                              << "Polski1"
                              << "Okno 1-skrzydłowe" << designedTransom << "Szwedzki [SE]"
                              << "stalowa" << 4 << false;
        QTest::newRow("en") << QByteArray("Langue=en") << "en"
                            << "Angielski1"
                            << "Single leaf window"
                            << "High of mullion"
                            << "Swedish [SE]"
                            << "steel" << 2 << true;
        QTest::newRow("de") << QByteArray("Langue=de") << "de"
                            << "Niemiecki1"
                            << "Einflügliges Fenster"
                            << "Wysokość przewiązki"
                            << "Szwedzki [SE]"
                            << "stalowa" << 2 << true;
        QTest::newRow("it") << QByteArray("Langue=it") << "it"
                            << "Wloski1"
                            << "Finestra 1- anta "
                            << "Altezza di traverso"
                            << "Szwedzki [SE]"
                            << "stalowa" << 2 << true;
        QTest::newRow("se") << QByteArray("Langue=se") << "se"
                            << "Szwedzki"
                            << "1-lufts fönster"
                            << "Postens höjd"
                            << "Svenska [SE]"
                            << "stal" << 2 << true;
        for (const char* other : {"EN", "fr", "pl", "sv", "en "}) {
            QTest::newRow(other) << QByteArray("Langue=\"") + other + '"' << other << "Polski1"
                                 << "Okno 1-skrzydłowe" << designedTransom << "Szwedzki [SE]"
                                 << "stalowa" << 4 << false;
        }
        QTest::newRow("a list") << QByteArray("Langue=en, de") << ""
                                << "Polski1"
                                << "Okno 1-skrzydłowe" << designedTransom << "Szwedzki [SE]"
                                << "stalowa" << 4 << false;
    }

    void startsInTheStoredLanguage() {
        QFETCH(QByteArray, line);
        QFETCH(QString, jezyk);
        QFETCH(QString, checked);
        QFETCH(QString, firstTab);
        QFETCH(QString, transom);
        QFETCH(QString, swedish);
        QFETCH(QString, steel);
        QFETCH(int, notes);
        QFETCH(bool, rewritten);
        const QByteArray file = "; written by hand\n[General]\n" + line + "\n";
        if (!line.isEmpty()) {
            if (storeIsAFile())
                writeSettingsFile(file);
            else
                storeLanguage(valueOfLine(file)); // the same value, in the registry
        }

        openForm();

        QCOMPARE(form->Jezyk(), jezyk);
        QCOMPARE(checkedItem(), checked);
        QCOMPARE(tabCaption(0), firstTab);
        QCOMPARE(label("leWysPrzew5Label"), transom);
        QCOMPARE(control<QAction>("Szwedzki")->text(), swedish);
        QCOMPARE(spacerList(1)->itemText(1), steel);
        QCOMPARE(control<QTextEdit>("Memo1")->document()->blockCount(), notes);
        if (!storeIsAFile())
            return;
        if (line.isEmpty())
            QVERIFY(!QFile::exists(settingsFile()));
        else
            QCOMPARE(readSettingsFile() != file, rewritten);
    }

    void damagedStoreStartsAsDesigned_data() {
        QTest::addColumn<bool>("directory");
        QTest::newRow("garbage") << false;
        QTest::newRow("a directory") << true;
    }

    void damagedStoreStartsAsDesigned() {
        if (!storeIsAFile())
            QSKIP("the store is the registry here");
        QFETCH(bool, directory);
        if (directory) {
            QVERIFY(QDir().mkdir(settingsFile()));
        } else {
            QByteArray garbage;
            for (int i = 0; i < 500; ++i)
                garbage.append(char((i * 37 + 11) % 256));
            writeSettingsFile(garbage);
        }
        openForm();
        QDir().rmdir(settingsFile());
        QCOMPARE(form->Jezyk(), QString());
        QCOMPARE(checkedItem(), QStringLiteral("Polski1"));
        QCOMPARE(tabCaption(0), QStringLiteral("Okno 1-skrzydłowe"));
    }

    // A pick from the menu applies the language at once and stores it, also when it is the
    // language already in use.
    void menuPickAppliesAndStores_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("firstTab");
        QTest::newRow("pl") << QStringList{"pl"} << "Okno 1-skrzydłowe";
        QTest::newRow("en") << QStringList{"en"} << "Single leaf window";
        QTest::newRow("de") << QStringList{"de"} << "Einflügliges Fenster";
        QTest::newRow("it") << QStringList{"it"} << "Finestra 1- anta ";
        QTest::newRow("se") << QStringList{"se"} << "1-lufts fönster";
        QTest::newRow("de twice") << QStringList{"de", "de"} << "Einflügliges Fenster";
    }

    void menuPickAppliesAndStores() {
        QFETCH(QStringList, codes);
        QFETCH(QString, firstTab);
        openForm();
        for (const QString& code : codes)
            choose(code);
        const QString code = codes.last();
        QCOMPARE(form->Jezyk(), code);
        QCOMPARE(checkedItem(), MenuItems[Codes.indexOf(code)]);
        QCOMPARE(tabCaption(0), firstTab);
        QCOMPARE(storedLanguage(), QVariant(code));
        QCOMPARE(control<QTextEdit>("Memo1")->document()->blockCount(), 2);
    }

    // The spacer lists through a sequence of languages, tab 1 bound as the active tab: its
    // choice survives by index, the others lose theirs, Italian changes nothing. ψ and the
    // spacer's name stay those of the user's last real choice.
    void spacerChoiceThroughSwitches_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("othersIndex");
        QTest::newRow("en then it")
            << QStringList{"en", "it"} << 1 << QStringList{"-", "steel", "plastic"} << -1;
        QTest::newRow("it then de")
            << QStringList{"it", "de"} << 2 << QStringList{"-", "stalowa", "tworzywowa"} << -1;
        QTest::newRow("it alone") << QStringList{"it"} << 2
                                  << QStringList{"-", "stalowa", "tworzywowa"} << 0;
        QTest::newRow("se with plastic")
            << QStringList{"se"} << 2 << QStringList{"-", "stal", "plast"} << -1;
        QTest::newRow("se then it")
            << QStringList{"se", "it"} << 1 << QStringList{"-", "stal", "plast"} << -1;
        QTest::newRow("pl with nothing chosen")
            << QStringList{"pl"} << 0 << QStringList{"-", "stalowa", "tworzywowa"} << -1;
    }

    void spacerChoiceThroughSwitches() {
        QFETCH(QStringList, codes);
        QFETCH(int, picked);
        QFETCH(QStringList, items);
        QFETCH(int, othersIndex);
        openForm();
        pick(spacerList(1), picked);
        const double psi = form->state().PsiRamki;
        const std::string name = form->state().NazwaRamki;

        for (const QString& code : codes)
            choose(code);

        for (int tab = 1; tab <= 6; ++tab) {
            QStringList shown;
            for (int i = 0; i < spacerList(tab)->count(); ++i)
                shown << spacerList(tab)->itemText(i);
            QCOMPARE(shown, items);
            QCOMPARE(spacerList(tab)->currentIndex(), tab == 1 ? picked : othersIndex);
        }
        QCOMPARE(form->state().PsiRamki, psi);
        QCOMPARE(form->state().NazwaRamki, name);
    }

    // A message stays in the language it was written in until the tab calculates again; the
    // next one speaks the new language, Polish where the language has no text of its own.
    void messagesFollowOnTheNextCalculation_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("glass");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("en, no width") << "en"
                                      << "0" << 2 << "Podaj szerokość"
                                      << "Enter the width of the window";
        QTest::newRow("de, no width") << "de"
                                      << "0" << 2 << "Podaj szerokość"
                                      << "Breite angeben";
        QTest::newRow("de, unsuitable glazing") << "de"
                                                << "1000" << 5 << "Nieodpowiedni pakiet"
                                                << "Nieodpowiedni pakiet";
        QTest::newRow("it, unsuitable glazing") << "it"
                                                << "1000" << 5 << "Nieodpowiedni pakiet"
                                                << "Pachietto inadeguato";
        QTest::newRow("se, no width") << "se"
                                      << "0" << 2 << "Podaj szerokość"
                                      << "Ange bredd";
    }

    void messagesFollowOnTheNextCalculation() {
        QFETCH(QString, code);
        QFETCH(QString, width);
        QFETCH(int, glass);
        QFETCH(QString, before);
        QFETCH(QString, after);
        openForm();
        typeInto(control<QLineEdit>("leSzer1"), width);
        typeInto(control<QLineEdit>("leWys1"), "1500");
        pick(control<QComboBox>("cbSystem1"), 1);
        pick(control<QComboBox>("cbSzyba1"), glass);
        pick(spacerList(1), 1);
        QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
        QCOMPARE(label("lUOkna1"), before);

        choose(code);
        QCOMPARE(label("lUOkna1"), before);
        QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
        QCOMPARE(label("lUOkna1"), after);
    }

    // Whatever the language, every caption on screen shows in full, and each result caption
    // ends next to its result label, growing to the left.
    void captionsShowInFull_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : Codes)
            QTest::newRow(qPrintable(code)) << code;
    }

    void captionsShowInFull() {
        QFETCH(QString, code);
        openForm();
        choose(code);
        auto* pages = control<QTabWidget>("PageControl");
        const QTabBar* bar = pages->tabBar();
        // Every tab at its full width: none elided, none behind a scroll button.
        QVERIFY(bar->sizeHint().width() <= bar->width());
        QVERIFY(bar->tabRect(bar->count() - 1).right() < bar->width());
        QStringList cut;
        for (int tab = 0; tab < pages->count(); ++tab) {
            pages->setCurrentIndex(tab);
            for (const QWidget* w : form->findChildren<QWidget*>())
                if (w->isVisible() && !showsInFull(w) && !cut.contains(w->objectName()))
                    cut << w->objectName();
        }
        QVERIFY2(cut.isEmpty(), qPrintable("cut off: " + cut.join(", ")));
        const QList<std::pair<const char*, const char*>> results{
            {"Label11", "lUOkna1"}, {"Label32", "lUOkna2"}, {"Label34", "lUOkna3"},
            {"Label36", "lUOkna4"}, {"Label38", "lUOkna5"}, {"Label40", "lUOkna6"}};
        for (const auto& [caption, result] : results) {
            const auto* shown = control<QLabel>(caption);
            const int gap = control<QLabel>(result)->x() - (shown->x() + shown->width());
            QVERIFY2(gap >= 0 && gap <= 4, caption);
            QVERIFY(shown->alignment() & Qt::AlignRight);
        }
    }

    // A store that cannot be written: the switch takes effect in full, then the error box
    // shows; the store keeps the earlier language, which the next start brings back.
    void failedStoreWrite() {
        storeLanguage("en");
        openForm();
        QCOMPARE(form->Jezyk(), QStringLiteral("en"));
        QString jezykAtBox, tabAtBox, checkedAtBox;
        boxes->onBox([&] {
            jezykAtBox = form->Jezyk();
            tabAtBox = tabCaption(0);
            checkedAtBox = checkedItem();
        });
        {
            const UnwritableStore blocked;
            choose("de");
        }
        const QList<SeenBox> seen = boxes->take();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("Termika"));
        QCOMPARE(seen[0].text, QStringLiteral("Failed to set data for 'Langue'."));
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QCOMPARE(jezykAtBox, QStringLiteral("de"));
        QCOMPARE(tabAtBox, QStringLiteral("Einflügliges Fenster"));
        QCOMPARE(checkedAtBox, QStringLiteral("Niemiecki1"));

        QCOMPARE(termika::RejestrOdczyt(), QStringLiteral("en"));
        form.reset();
        openForm();
        QCOMPARE(tabCaption(0), QStringLiteral("Single leaf window"));
    }
};

TERMIKA_GUI_TEST_MAIN(LanguageTest)
#include "language_test.moc"
