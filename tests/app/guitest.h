#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>

#include "app/Form1.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <memory>

#include <functional>

class QWidget;

namespace termika::test {

// A message box as the user saw it before the watcher closed it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Closes every modal message box as soon as it opens and remembers it, so that a test never
// hangs on a box; a test takes the boxes it expects, and any box left over fails it.
class BoxWatcher : public QObject {
    Q_OBJECT
public:
    BoxWatcher();
    QList<SeenBox> take();
    // Runs while a box is open, before the watcher closes it.
    void onBox(std::function<void()> look) { look_ = std::move(look); }

private:
    void poll();
    QTimer timer_;
    QList<SeenBox> seen_;
    std::function<void()> look_;
};

// Picks an item of a list with the keyboard, as a user does, so that the list's change
// handler runs for the pick.
void pick(QComboBox* list, int index);

// Replaces the whole text of an edit by typing: select all, then the new characters one by one.
void typeInto(QWidget* edit, const QString& text);

// Writes a number text the way the regional format shows it: a ',' in the pattern becomes the
// system decimal separator.
QString regional(QString pattern);

bool commaFormat();

// Waits until `window` itself holds the focus. QTest::qWaitForWindowActive is not enough: it
// also returns while a transient parent or child of the window holds it, and the offscreen
// platform hands the focus out through queued events.
[[nodiscard]] bool waitForActive(const QWidget* window);

// The language store made unwritable while the object lives, by root too: on Linux the settings
// file's folder replaced by a regular file, on Windows the registry key denying writes. What the
// store held comes back after.
class UnwritableStore {
public:
    UnwritableStore();
    ~UnwritableStore();
    UnwritableStore(const UnwritableStore&) = delete;
    UnwritableStore& operator=(const UnwritableStore&) = delete;

private:
    QString folder_;
};

// Whether the store is a file of the test's own settings folder (Linux), where a damaged or
// hand-written file can be tried; on Windows it is the registry.
bool storeIsAFile();

// The settings file of the program, in the test's own settings folder; only where
// storeIsAFile().
QString settingsFile();

// Where the program keeps its language, as QSettings names it.
QString storeLocation();

// Whether poppler's pdftotext and pdfimages can read the PDF files a test writes (not from the
// Windows tests under Wine, where the files are only checked to be PDF).
bool popplerRuns();

// The stored language as another copy of the program would write or read it.
void storeLanguage(const QVariant& value);
QVariant storedLanguage();

// A main window driven as a user drives it, with every message box watched. Tests derive from
// it and call start() and finish() from their init() and cleanup().
class MainWindowTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<TForm1> form;
    std::unique_ptr<BoxWatcher> boxes;

    // Clears the stored language, watches the boxes, opens the window.
    void start();
    // Opens the window alone, for tests that store something first.
    void openForm();
    void finish();

    template <class T> T* control(const QString& name) const {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s of that kind", qPrintable(name));
        return found;
    }
    QWidget* widget(const QString& name) const { return control<QWidget>(name); }
    QLineEdit* edit(const QByteArray& name) const { return control<QLineEdit>(name); }
    QComboBox* list(const QByteArray& name) const { return control<QComboBox>(name); }
    QCheckBox* box(const QByteArray& name) const { return control<QCheckBox>(name); }
    QString label(const QByteArray& name) const { return control<QLabel>(name)->text(); }
    void press(const QByteArray& button) const;
    void click(const QByteArray& checkBox) const;
    // Picks the tab as a user does; n counts from 1.
    void showTab(int n) const;
    // Shows tab n and fills it in: dimensions, system, glass 1 (and glass 2 on the balcony
    // doors), spacer.
    void fill(int n, const QString& width, const QString& height, int system, int glass, int spacer,
              int glass2 = 0) const;
};

// Prepares the process for a GUI test (isolated settings, offscreen platform) and runs it.
int runGuiTest(QObject& test, int argc, char** argv);

} // namespace termika::test

// Skips the rest of a test that reads a PDF file with poppler's tools where they cannot run.
#define TERMIKA_NEEDS_POPPLER()                                                                    \
    do {                                                                                           \
        if (!termika::test::popplerRuns())                                                         \
            QSKIP("poppler's tools cannot be started from here");                                  \
    } while (false)

#define TERMIKA_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                              \
        TestClass test;                                                                            \
        return termika::test::runGuiTest(test, argc, argv);                                        \
    }
