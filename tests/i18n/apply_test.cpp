#include "expected_texts.h"
#include "guitest.h"

#include "app/Form1.h"
#include "i18n/apply.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

using termika::Language;

namespace {

const QStringList Codes{"pl", "en", "de", "it", "se"};

Language languageOf(const QString& code) {
    return static_cast<Language>(Codes.indexOf(code));
}

// A printout caption as the printout exposes it: a named object with the property "text".
class Caption : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text MEMBER text_)
public:
    Caption(const char* name, QObject* parent) : QObject(parent) {
        setObjectName(QLatin1String(name));
    }

private:
    QString text_;
};

} // namespace

// A language written into the main window's controls, found by their designed names, into a
// stand-in printout and into plain slots and codes.
class ApplyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form;
    std::unique_ptr<QObject> printout;
    termika::TextSlots textSlots;
    std::int32_t indeksRamki = 0;
    QString jezyk;
    QComboBox* aktRamka = nullptr;

    template <class T> T* control(const QString& name) {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QComboBox* spacerList(int tab) {
        return control<QComboBox>(QStringLiteral("cbRamka%1").arg(tab));
    }

    void apply(const QString& code) {
        std::array<QComboBox*, 6> lists{};
        for (int i = 0; i < 6; ++i)
            lists[std::size_t(i)] = spacerList(i + 1);
        std::array<QAction*, 5> items{};
        for (int i = 0; i < 5; ++i)
            items[std::size_t(i)] = control<QAction>(
                QStringList{"Polski1", "Angielski1", "Niemiecki1", "Wloski1", "Szwedzki"}[i]);
        termika::applyLanguage(languageOf(code), {.window = form.get(),
                                                  .printout = printout.get(),
                                                  .spacerLists = lists,
                                                  .aktRamka = aktRamka,
                                                  .indeksRamki = &indeksRamki,
                                                  .notes = control<QTextEdit>("Memo1"),
                                                  .textSlots = &textSlots,
                                                  .menuItems = items,
                                                  .jezyk = &jezyk});
    }

    QString shown(const expected::Row& row) {
        const QString name = QLatin1String(row.name);
        switch (row.where) {
        case expected::Where::Menu:
            return control<QAction>(name)->text();
        case expected::Where::Tab: {
            auto* pages = control<QTabWidget>("PageControl");
            return pages->tabText(pages->indexOf(control<QWidget>(name)));
        }
        case expected::Where::Text:
            return control<QWidget>(name)->property("text").toString();
        case expected::Where::Printout:
            return printout->findChild<QObject*>(name)->property("text").toString();
        case expected::Where::Slot:
            return QString::fromStdString(textSlots.*row.slot);
        }
        return {};
    }

    QStringList spacerItems(int tab) {
        QStringList items;
        for (int i = 0; i < spacerList(tab)->count(); ++i)
            items << spacerList(tab)->itemText(i);
        return items;
    }

    static QStringList itemsOf(const std::array<const char*, 3>& cells) {
        return {cells[0], cells[1], cells[2]};
    }

    // What a target shows after the given languages, one after the other: the text of the
    // last language that writes it, else what it showed before any of them.
    static QString after(const QStringList& codes, const expected::Row& row,
                         const QString& before) {
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            if (const char* text = row.text[std::size_t(Codes.indexOf(*code))])
                return QString::fromUtf8(text);
        return before;
    }

private slots:
    void init() {
        form = std::make_unique<TForm1>();
        printout = std::make_unique<QObject>();
        printout->setObjectName("Form2");
        for (const char* name : {"QRLabel1", "QRLabel7", "QRLabel10", "QRLabel8"})
            new Caption(name, printout.get());
        textSlots = {};
        indeksRamki = 0;
        jezyk.clear();
        aktRamka = spacerList(1);
    }

    void cleanup() {
        form.reset();
        printout.reset();
    }

    void everyTextOfOneOrTwoLanguages_data() {
        QTest::addColumn<QStringList>("codes");
        for (const QString& code : Codes)
            QTest::newRow(qPrintable(code)) << QStringList{code};
        for (const QString& first : Codes)
            for (const QString& second : Codes)
                QTest::newRow(qPrintable(first + " then " + second)) << QStringList{first, second};
    }

    void everyTextOfOneOrTwoLanguages() {
        QFETCH(QStringList, codes);
        QHash<QString, QString> before;
        for (const expected::Row& row : expected::Texts)
            before[row.name] = shown(row);

        for (const QString& code : codes)
            apply(code);

        for (const expected::Row& row : expected::Texts)
            QCOMPARE(shown(row), after(codes, row, before[row.name]));
        const int last = Codes.indexOf(codes.last());
        QCOMPARE(jezyk, codes.last());
        const QStringList items{"Polski1", "Angielski1", "Niemiecki1", "Wloski1", "Szwedzki"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(control<QAction>(items[i])->isChecked(), i == last);
    }

    // The notes are the language's two lines, each as the memo's centred paragraph.
    void notesAreTheLanguagesTwoLines_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : Codes)
            QTest::newRow(qPrintable(code)) << code;
    }

    void notesAreTheLanguagesTwoLines() {
        QFETCH(QString, code);
        auto* memo = control<QTextEdit>("Memo1");
        memo->append("typed by the user");
        apply(code);
        QCOMPARE(memo->toPlainText(),
                 QString::fromUtf8(expected::Notes[std::size_t(Codes.indexOf(code))]));
        QCOMPARE(memo->document()->blockCount(), 2);
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
    }

    // The spacer lists get the language's items; only the list bound to the active tab gets its
    // selection back, whatever it was, none included. Italian leaves every list alone.
    void spacerListsAndTheirSelection_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("tab");      // the tab whose list is bound
        QTest::addColumn<int>("selected"); // in that list before the switch
        QTest::newRow("se, plastic on tab 1") << "se" << 1 << 2;
        QTest::newRow("en, steel on tab 4") << "en" << 4 << 1;
        QTest::newRow("de, nothing on tab 6") << "de" << 6 << 0;
        QTest::newRow("pl, no selection on tab 3") << "pl" << 3 << -1;
        QTest::newRow("it, plastic on tab 1") << "it" << 1 << 2;
    }

    void spacerListsAndTheirSelection() {
        QFETCH(QString, code);
        QFETCH(int, tab);
        QFETCH(int, selected);
        aktRamka = spacerList(tab);
        aktRamka->setCurrentIndex(selected);
        spacerList(tab == 2 ? 5 : 2)->setCurrentIndex(1); // another list with a choice of its own
        indeksRamki = 99;
        QList<int> before;
        for (int t = 1; t <= 6; ++t)
            before << spacerList(t)->currentIndex();
        QSignalSpy picked(aktRamka, &QComboBox::activated);

        apply(code);

        const auto cells = expected::SpacerItems[std::size_t(Codes.indexOf(code))];
        const bool rebuilt = cells[0] != nullptr;
        for (int t = 1; t <= 6; ++t) {
            QCOMPARE(spacerItems(t), rebuilt ? itemsOf(cells) : itemsOf(expected::SpacerItems[0]));
            const int shownIndex = rebuilt ? (t == tab ? selected : -1) : before[t - 1];
            QCOMPARE(spacerList(t)->currentIndex(), shownIndex);
        }
        QCOMPARE(indeksRamki, rebuilt ? selected : 99);
        QCOMPARE(picked.count(), 0);
    }

    // Qt's own dialogs speak the language too, where Qt has a translation for it.
    void qtDialogsFollow_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("de") << QStringList{"de"} << "Abbrechen";
        QTest::newRow("it") << QStringList{"it"} << "Annulla";
        QTest::newRow("pl") << QStringList{"pl"} << "Anuluj";
        QTest::newRow("en") << QStringList{"en"} << "Cancel";
        QTest::newRow("de then en") << QStringList{"de", "en"} << "Cancel";
        QTest::newRow("it then se, no Swedish in Qt") << QStringList{"it", "se"} << "Cancel";
        QTest::newRow("se then pl") << QStringList{"se", "pl"} << "Anuluj";
    }

    void qtDialogsFollow() {
        QFETCH(QStringList, codes);
        QFETCH(QString, cancel);
        for (const QString& code : codes)
            apply(code);
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), cancel);
    }
};

TERMIKA_GUI_TEST_MAIN(ApplyTest)
#include "apply_test.moc"
