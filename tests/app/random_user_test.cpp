#include "guitest.h"

#include "app/Form1.h"
#include "calc/numtext.h"
#include "calc/uw.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace termika::test;

// A user who does thousands of random things across all tabs, seeded and repeatable. After every
// action the window must tell the truth: a result label shows a number only while it is the Uw of
// what the inputs last stored, and every error box says one of the program's known texts.
//   TERMIKA_SEED=n    replays one run
//   TERMIKA_STEPS=n   how many actions (3000 by default)
class RandomUserTest : public MainWindowTest {
    Q_OBJECT

    QRandomGenerator rng;
    quint32 seed = 0;
    int step = 0;
    QString lastAction;
    QTimer closePreviews;
    int numbersChecked = 0;
    int boxesSeen = 0;

    int below(int n) { return static_cast<int>(rng.bounded(static_cast<quint32>(n))); }
    bool chance(int percent) { return below(100) < percent; }

    QWidget* shownPage() const { return control<QTabWidget>("PageControl")->currentWidget(); }
    int shownTab() const { return control<QTabWidget>("PageControl")->currentIndex() + 1; }

    template <class T> QList<T*> onShownTab(bool visibleOnly) const {
        QList<T*> found;
        for (T* w : shownPage()->findChildren<T*>())
            if (!visibleOnly || !w->isHidden())
                found << w;
        return found;
    }

    QString numberText() {
        const QString sep = QLocale::system().decimalPoint();
        switch (below(10)) {
        case 0:
            return QString();
        case 1:
            return QStringLiteral("0");
        case 2:
            return QString::number(below(3000) - 500);
        case 3:
            return QString::number(below(40) * 100 + 50) + sep + QString::number(below(10));
        case 4: { // something that is not a number
            static const QStringList junk{"-", "12a", "1e", "1,2,3", "abc",   "1.5.",
                                          " ", "+-3", "∞",  "0x10",  "1e400", "nan"};
            return junk[below(static_cast<int>(junk.size()))];
        }
        case 5:
            return QString::number(below(900) + 100) + QStringLiteral("e1");
        default:
            return QString::number(below(2500) + 200);
        }
    }

    void typeSomething() {
        const QList<QLineEdit*> edits = onShownTab<QLineEdit>(true);
        if (edits.isEmpty())
            return;
        QLineEdit* edit = edits[below(static_cast<int>(edits.size()))];
        QString text = numberText();
        if (chance(1)) // a huge paste
            text = QString(100000, QLatin1Char(chance(50) ? '7' : 'x'));
        lastAction = QStringLiteral("type '%1' into %2").arg(text.left(20), edit->objectName());
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (ascii && text.size() < 8 && chance(30))
            typeInto(edit, text); // keystroke by keystroke
        else
            edit->setText(text);
    }

    void pickSomething() {
        const QList<QComboBox*> lists = onShownTab<QComboBox>(true);
        QComboBox* list = lists[below(static_cast<int>(lists.size()))];
        const int item = below(list->count());
        lastAction = QStringLiteral("pick %1 in %2").arg(item).arg(list->objectName());
        list->setCurrentIndex(item);
        emit list->activated(item); // as the user's pick does
    }

    void tickSomething() {
        QList<QCheckBox*> boxes = onShownTab<QCheckBox>(false); // the hidden ones too
        boxes << box("cbSzybaLista");
        QCheckBox* b = boxes[below(static_cast<int>(boxes.size()))];
        lastAction = QStringLiteral("toggle %1").arg(b->objectName());
        b->toggle();
    }

    void pressPrzelicz() {
        // Each tab's "Przelicz" is Button2, Button4, … Button12.
        const QByteArray button = "Button" + QByteArray::number(2 * shownTab());
        lastAction = QStringLiteral("press %1").arg(QString::fromLatin1(button));
        press(button);
    }

    void printSomething() {
        // The "Drukuj" buttons are numbered one below their tab's "Przelicz".
        const QByteArray button = "Button" + QByteArray::number(2 * shownTab() - 1);
        lastAction = QStringLiteral("print with %1").arg(QString::fromLatin1(button));
        press(button);
    }

    void switchLanguage() {
        static const char* const items[] = {"Polski1", "Angielski1", "Niemiecki1", "Wloski1",
                                            "Szwedzki"};
        const char* item = items[below(5)];
        lastAction = QStringLiteral("language %1").arg(QLatin1String(item));
        control<QAction>(item)->trigger();
    }

    void switchTab() {
        const int n = below(6) + 1;
        lastAction = QStringLiteral("show tab %1").arg(n);
        showTab(n);
    }

    void act() {
        const int roll = below(100);
        if (roll < 35)
            typeSomething();
        else if (roll < 65)
            pickSomething();
        else if (roll < 73)
            tickSomething();
        else if (roll < 92)
            pressPrzelicz();
        else if (roll < 94)
            printSomething();
        else if (roll < 96)
            switchLanguage();
        else
            switchTab();
    }

    QString where() const {
        return QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(lastAction);
    }

    // The invariants, after every action.
    bool truthful() {
        static const QRegularExpression known(
            "^('.*' is not a valid floating point value|Invalid floating point operation|"
            "Failed to set data for 'Langue')\\.$",
            QRegularExpression::DotMatchesEverythingOption);
        const QList<SeenBox> seenBoxes = boxes->take();
        boxesSeen += static_cast<int>(seenBoxes.size());
        for (const SeenBox& seen : seenBoxes) {
            if (!known.match(seen.text).hasMatch()) {
                qWarning("%s: unknown box text %s", qPrintable(where()),
                         qPrintable(seen.text.left(80)));
                return false;
            }
        }
        const termika::CalcState& s = form->state();
        const QString shown = label("lUOkna" + QByteArray::number(shownTab()));
        if (shown == QStringLiteral("-")) {
            if (s.UOkna != 0) {
                qWarning("%s: '-' shown while UOkna is %g", qPrintable(where()), s.UOkna);
                return false;
            }
            return true;
        }
        if (!shown.front().isDigit() && shown.front() != QLatin1Char('-'))
            return true; // a message
        // A number: it must be the Uw of what the inputs last stored.
        const std::string sep = QLocale::system().decimalPoint().toStdString();
        termika::CalcState fresh = s;
        termika::Breakdown b;
        termika::DoorOptions door;
        const QByteArray t = QByteArray::number(shownTab());
        if (shownTab() >= 5) {
            door.glassUnderTransom = box("cbSzyba" + t + "_R")->isChecked();
            door.transomGiven = edit("leWysPrzew" + t)->text() != QStringLiteral("0");
        }
        const auto type = static_cast<termika::WindowType>(shownTab() - 1);
        if (termika::computeUw(type, fresh, door, b) != termika::Outcome::Done ||
            fresh.UOkna != s.UOkna ||
            QString::fromStdString(termika::formatFixed2(s.UOkna, sep)) != shown) {
            qWarning("%s: shows %s, but the stored inputs give %s", qPrintable(where()),
                     qPrintable(shown), termika::formatFixed2(fresh.UOkna, sep).c_str());
            return false;
        }
        ++numbersChecked;
        return true;
    }

private slots:
    void init() {
        start();
        // The user closes every preview as soon as it opens.
        connect(&closePreviews, &QTimer::timeout, this, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
                    preview && preview->isVisible())
                    preview->close();
        });
        closePreviews.start(10);
    }
    void cleanup() { finish(); }

    void everyActionLeavesTheWindowTruthful() {
        seed = qEnvironmentVariableIsSet("TERMIKA_SEED")
                   ? qEnvironmentVariableIntValue("TERMIKA_SEED")
                   : 20261210;
        const int steps = qEnvironmentVariableIsSet("TERMIKA_STEPS")
                              ? qEnvironmentVariableIntValue("TERMIKA_STEPS")
                              : 3000;
        rng.seed(seed);
        for (step = 1; step <= steps; ++step) {
            act();
            QVERIFY2(truthful(), qPrintable(where()));
        }
        qInfo("seed %u: %d actions, %d results checked against a fresh calculation, %d error boxes",
              seed, steps, numbersChecked, boxesSeen);
    }
};

TERMIKA_GUI_TEST_MAIN(RandomUserTest)
#include "random_user_test.moc"
