// The paths a user takes once the window is up, each timed to the moment its result is painted.
#include "bench/gui_bench.h"

#include "app/Form1.h"
#include "reports/report.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>

namespace termika::bench {

namespace {

using namespace std::chrono_literals;

// Counts the repaint passes of a window: the top-level widget gets one UpdateRequest per pass
// and paints every dirty widget while handling it.
class RepaintCounter : public QObject {
public:
    explicit RepaintCounter(QWidget& window) : window_(window) { window.installEventFilter(this); }
    ~RepaintCounter() override { window_.removeEventFilter(this); }
    int passes() const { return passes_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest)
            ++passes_;
        return false;
    }

private:
    QWidget& window_;
    int passes_ = 0;
};

// Runs `change` and then the event loop until the window has repainted what it dirtied.
double timedWithRepaint(QWidget& window, const std::function<void()>& change) {
    const RepaintCounter counter(window);
    const Clock::time_point start = Clock::now();
    change();
    const Clock::time_point deadline = start + 2s;
    while (counter.passes() == 0 && Clock::now() < deadline)
        QCoreApplication::processEvents();
    return msBetween(start, Clock::now());
}

void waitUntil(const std::function<bool()>& condition) {
    const Clock::time_point deadline = Clock::now() + 5s;
    while (!condition() && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A new main window, shown and activated as at start.
std::unique_ptr<TForm1> newWindow() {
    auto form = std::make_unique<TForm1>();
    form->show();
    waitUntil([&] { return form->AktUOkna() != nullptr; });
    timedWithRepaint(*form, [] {});
    return form;
}

template <class T> T* control(const TForm1& form, const char* name) {
    T* found = form.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// A user's pick: the list's change handler runs only for picks.
void pick(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Tab 1 filled in and computed, so that a print has a real result to show.
void computeFirstTab(const TForm1& form) {
    control<QLineEdit>(form, "leSzer1")->setText(QStringLiteral("1200"));
    control<QLineEdit>(form, "leWys1")->setText(QStringLiteral("1400"));
    pick(control<QComboBox>(form, "cbSystem1"), 1);
    pick(control<QComboBox>(form, "cbSzyba1"), 1);
    pick(control<QComboBox>(form, "cbRamka1"), 1);
    control<QPushButton>(form, "Button2")->click();
}

// Closes a print preview as soon as its page view has painted once, and notes when.
class PreviewWatch : public QObject {
public:
    PreviewWatch() { qApp->installEventFilter(this); }
    ~PreviewWatch() override { qApp->removeEventFilter(this); }
    Clock::time_point paintedAt() const { return paintedAt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (seen_ || event->type() != QEvent::Paint)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !qobject_cast<QGraphicsView*>(widget->parentWidget()))
            return false;
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(widget->window());
        if (!dialog)
            return false;
        seen_ = true;
        QTimer::singleShot(0, this, [this, dialog] {
            paintedAt_ = Clock::now();
            dialog->close();
        });
        return false;
    }

private:
    bool seen_ = false;
    Clock::time_point paintedAt_;
};

// "Drukuj" pressed; the handler returns when the preview closes.
double previewTime(const TForm1& form) {
    const PreviewWatch watch;
    const Clock::time_point start = Clock::now();
    control<QPushButton>(form, "Button1")->click();
    return msBetween(start, watch.paintedAt());
}

double pdfTime(const Report& report, const QString& path) {
    const Clock::time_point start = Clock::now();
    if (!writePdf(report, path))
        qFatal("cannot write %s", qPrintable(path));
    return msBetween(start, Clock::now());
}

} // namespace

PathTimes measurePaths(int rounds, const std::string& scratchDir) {
    PathTimes times;
    const QString pdf = QDir(QString::fromStdString(scratchDir)).filePath("printout.pdf");

    // What only a new window pays: the hidden tabs' drawings, the pictures of the printout,
    // the preview window.
    for (int round = 0; round < rounds; ++round) {
        const std::unique_ptr<TForm1> form = newWindow();
        auto* tabs = control<QTabWidget>(*form, "PageControl");
        for (int i = 1; i < tabs->count(); ++i)
            times.tabFirstShown.push_back(
                timedWithRepaint(*form, [tabs, i] { tabs->setCurrentIndex(i); }));
        timedWithRepaint(*form, [tabs] { tabs->setCurrentIndex(0); });

        auto* printout = control<Report>(*form, "Form2");
        printout->setPicture(u"QRImage", QStringLiteral("okno1"));
        times.pdfFirst.push_back(pdfTime(*printout, pdf));

        computeFirstTab(*form);
        times.previewFirst.push_back(previewTime(*form));
    }

    const std::unique_ptr<TForm1> form = newWindow();
    auto* tabs = control<QTabWidget>(*form, "PageControl");
    for (int i = 0; i < 6 * (rounds + 1); ++i) {
        const int next = (tabs->currentIndex() + 1) % tabs->count();
        const double ms = timedWithRepaint(*form, [tabs, next] { tabs->setCurrentIndex(next); });
        if (i >= 6)
            times.tabChange.push_back(ms); // the first round shows every tab for the first time
    }
    tabs->setCurrentIndex(0);

    auto* english = control<QAction>(*form, "Angielski1");
    auto* polish = control<QAction>(*form, "Polski1");
    for (int round = 0; round < 2 * rounds; ++round) {
        times.languageSwitch.push_back(timedWithRepaint(*form, [english] { english->trigger(); }));
        times.languageSwitch.push_back(timedWithRepaint(*form, [polish] { polish->trigger(); }));
    }

    computeFirstTab(*form);
    auto* printout = control<Report>(*form, "Form2");
    previewTime(*form); // this window's preview window made
    for (int round = 0; round < 2 * rounds; ++round) {
        times.previewAgain.push_back(previewTime(*form));
        times.pdf.push_back(pdfTime(*printout, pdf));
    }
    return times;
}

} // namespace termika::bench
