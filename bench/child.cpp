// The child side of the start-up measurement: one fresh process builds a window, shows it and
// reports the moment it is on screen as the user would first see it.
#include "bench/gui_bench.h"

#include "app/Form1.h"
#include "app/application.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace termika::bench {

namespace {

long long nanoseconds(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

long peakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct Marks {
    Clock::time_point entered;
    Clock::time_point appConstructed;
    Clock::time_point formsBuilt;
    Clock::time_point firstPaint;
};

// Watches the top-level window's paints. The start is complete at a paint that shows the
// window as the user gets it: for Termika, after the first activation has applied the stored
// language. The report comes from a zero timer after that paint, when the children painted in
// the same pass are done too.
class StartWatch : public QObject {
public:
    StartWatch(QWidget& window, Marks marks, bool waitsForActivation, bool activationRepaints)
        : window_(window), marks_(marks), waitsForActivation_(waitsForActivation),
          activationRepaints_(activationRepaints) {
        window.installEventFilter(this);
    }

    void activated() {
        if (activated_)
            return;
        activated_ = true;
        activatedAt_ = Clock::now();
        QTimer::singleShot(0, this, &StartWatch::check);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            lastPaint_ = Clock::now();
            if (!painted_)
                marks_.firstPaint = lastPaint_;
            painted_ = true;
            QTimer::singleShot(0, this, &StartWatch::check);
        }
        return false;
    }

private:
    void check() {
        if (!painted_)
            return;
        if (waitsForActivation_) {
            if (!activated_)
                return;
            if (activationRepaints_ && lastPaint_ < activatedAt_)
                return; // the new texts are not on screen yet
        }
        report();
    }

    [[noreturn]] void report() {
        const Clock::time_point ready = Clock::now();
        std::printf("marks main=%lld app=%lld built=%lld painted=%lld ready=%lld hwm=%ld\n",
                    nanoseconds(marks_.entered), nanoseconds(marks_.appConstructed),
                    nanoseconds(marks_.formsBuilt), nanoseconds(marks_.firstPaint),
                    nanoseconds(ready), peakRssKb());
        std::fflush(stdout);
        // Nothing after the report is measured; tearing the window down would only delay
        // the next run.
        std::_Exit(0);
    }

    QWidget& window_;
    Marks marks_;
    bool waitsForActivation_;
    bool activationRepaints_;
    bool painted_ = false;
    bool activated_ = false;
    Clock::time_point lastPaint_;
    Clock::time_point activatedAt_;
};

// The toolkit alone: a bare main window of Termika's shape with a menu bar and six empty tabs.
int runFloor(int argc, char** argv, Marks marks) {
    QApplication app(argc, argv);
    marks.appConstructed = Clock::now();
    QMainWindow window;
    QMenuBar* bar = window.menuBar();
    bar->addMenu(QStringLiteral("Plik"));
    bar->addMenu(QStringLiteral("Język"));
    bar->addAction(QStringLiteral("Info"));
    auto* tabs = new QTabWidget;
    for (int i = 1; i <= 6; ++i)
        tabs->addTab(new QWidget, QStringLiteral("Okno %1").arg(i));
    window.setCentralWidget(tabs);
    window.setFixedSize(QSize(827, 543) + QSize(0, bar->sizeHint().height()));
    marks.formsBuilt = Clock::now();
    window.show();
    StartWatch watch(window, marks, false, false);
    return QApplication::exec();
}

// What app/main.cpp does, with the watch added.
int runTermika(int argc, char** argv, Marks marks, bool languageStored) {
    QApplication app(argc, argv);
    marks.appConstructed = Clock::now();
    termika::setupApplication();
    TForm1 form1;
    marks.formsBuilt = Clock::now();
    form1.show();
    StartWatch watch(form1, marks, true, languageStored);
    // Connected after the window's own handler, so this runs once FormActivate is done.
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &watch, [&] {
        if (form1.AktUOkna())
            watch.activated();
    });
    return QApplication::exec();
}

} // namespace

const char* childMode(StartKind kind) {
    switch (kind) {
    case StartKind::Floor:
        return "floor";
    case StartKind::TermikaStored:
        return "termika-en";
    case StartKind::TermikaNothingStored:
        return "termika";
    }
    return "";
}

std::optional<StartKind> startKindOf(const std::string& mode) {
    for (StartKind kind :
         {StartKind::Floor, StartKind::TermikaStored, StartKind::TermikaNothingStored})
        if (mode == childMode(kind))
            return kind;
    return std::nullopt;
}

int runChild(StartKind kind, int argc, char** argv, Clock::time_point entered) {
    Marks marks{};
    marks.entered = entered;
    if (kind == StartKind::Floor)
        return runFloor(argc, argv, marks);
    return runTermika(argc, argv, marks, kind == StartKind::TermikaStored);
}

} // namespace termika::bench
