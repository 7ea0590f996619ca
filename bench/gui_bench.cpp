// Termika's start-up and GUI paths against the toolkit's own floor, measured in one run.
//
//   bench_gui [--runs N] [--rounds N]
//
// --runs fresh processes of each kind (the floor, Termika with English stored, Termika with
// nothing stored), run in turn (default 15), and --rounds rounds of the paths timed in one
// process (default 5). Figures are for reading: the targets are printed beside
// them, never enforced, because the machines they run on are shared and noisy.
#include "bench/gui_bench.h"

#include "app/application.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

using namespace termika::bench;

namespace termika::bench {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace termika::bench

namespace {

struct Options {
    int runs = 15;
    int rounds = 5;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const int value = std::max(1, std::atoi(argv[i + 1]));
        if (name == "--runs")
            options.runs = value;
        else if (name == "--rounds")
            options.rounds = value;
    }
    return options;
}

std::string executablePath() {
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return length > 0 ? std::string(path.data(), std::size_t(length)) : std::string();
}

std::string firstValue(const char* file, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) {
            const std::size_t colon = line.find(':');
            const std::size_t start = line.find_first_not_of(" \t", colon + 1);
            return start == std::string::npos ? std::string() : line.substr(start);
        }
    return {};
}

void makeFolder(const QString& path, const QByteArray& settings = {}) {
    QDir().mkpath(path);
    if (settings.isEmpty())
        return;
    QFile file(path + "/Termika.conf");
    if (!file.open(QIODevice::WriteOnly) || file.write(settings) != settings.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

struct StartSeries {
    const char* name;
    StartKind kind;
    std::string configHome;
    std::vector<StartRun> runs;

    double medianOf(double StartRun::*field) const {
        std::vector<double> values;
        for (const StartRun& run : runs)
            values.push_back(run.*field);
        return median(values);
    }
};

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says this of every fixed-size window; it tells nothing about the figures.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        defaultHandler(type, context, message);
}

const char* verdict(bool holds) {
    return holds ? "holds" : "MISSED";
}

void printStart(const std::vector<StartSeries>& series) {
    const StartSeries& floor = series.front();
    const double floorTime = floor.medianOf(&StartRun::ready);
    const double floorMemory = floor.medianOf(&StartRun::peakMb);

    std::printf("\nStart-up, spawn to painted window  median    ratio   target\n");
    for (const StartSeries& s : series) {
        const double ms = s.medianOf(&StartRun::ready);
        if (&s == &floor) {
            std::printf("  %-31s %6.1f ms\n", s.name, ms);
            continue;
        }
        const double ratio = ms / floorTime;
        std::printf("  %-31s %6.1f ms  %5.2f x  <= 1.4 x  %s\n", s.name, ms, ratio,
                    verdict(ratio <= 1.4));
    }
    std::printf("\nPeak memory (VmHWM)                median    ratio   target\n");
    for (const StartSeries& s : series) {
        const double mb = s.medianOf(&StartRun::peakMb);
        if (&s == &floor) {
            std::printf("  %-31s %6.1f MB\n", s.name, mb);
            continue;
        }
        const double ratio = mb / floorMemory;
        std::printf("  %-31s %6.1f MB  %5.2f x  <= 1.3 x  %s\n", s.name, mb, ratio,
                    verdict(ratio <= 1.3));
    }
    std::printf("\nWhere the start goes, ms from the spawn (medians)\n"
                "                                   main()  QApplication  forms  1st paint  "
                "ready\n");
    for (const StartSeries& s : series)
        std::printf("  %-31s %6.1f  %12.1f  %5.1f  %9.1f  %5.1f\n", s.name,
                    s.medianOf(&StartRun::mainEntered), s.medianOf(&StartRun::appConstructed),
                    s.medianOf(&StartRun::formsBuilt), s.medianOf(&StartRun::firstPaint),
                    s.medianOf(&StartRun::ready));
}

void printPath(const char* name, const std::vector<double>& samples, double targetMs = 0) {
    const double ms = median(samples);
    if (targetMs > 0)
        std::printf("  %-48s %7.2f ms  < %3.0f ms  %s\n", name, ms, targetMs,
                    verdict(ms < targetMs));
    else
        std::printf("  %-48s %7.2f ms\n", name, ms);
}

void printPaths(const PathTimes& t) {
    std::printf("\nIn one process                                     median     target\n");
    printPath("tab change (tab shown before), repainted", t.tabChange, 2);
    printPath("tab change, the tab's first showing", t.tabFirstShown, 2);
    printPath("language switch (English, back to Polish)", t.languageSwitch, 10);
    printPath("printout to PDF (writePdf)", t.pdf, 50);
    printPath("printout to PDF, a new window's first", t.pdfFirst, 50);
    printPath("\"Drukuj\" to the preview's first painted page", t.previewAgain, 150);
    printPath("the same, a new window's first preview", t.previewFirst, 150);
    if (!t.previewFirst.empty())
        std::printf(
            "  (the first preview in the process, which loads Qt's print support: %.1f ms)\n",
            t.previewFirst.front());
}

} // namespace

int main(int argc, char** argv) {
    const Clock::time_point entered = Clock::now();
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        const std::optional<StartKind> kind = startKindOf(argv[2]);
        return kind ? runChild(*kind, argc, argv, entered) : 2;
    }

    const Options options = parse(argc, argv);
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        qFatal("no temporary folder");
    const QString root = scratch.path();
    makeFolder(root + "/floor");
    makeFolder(root + "/en", "[General]\nLangue=en\n");
    makeFolder(root + "/none");
    makeFolder(root + "/paths");
    makeFolder(root + "/runtime");
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::string runtime = (root + "/runtime").toStdString();

    std::printf("Termika GUI bench: offscreen platform, Release build\n");
    std::printf("Machine: %u cores, %s, %.1f GiB memory (shared and noisy: compare the ratios, "
                "which are measured in the same run)\n",
                std::thread::hardware_concurrency(),
                firstValue("/proc/cpuinfo", "model name").c_str(),
                std::atof(firstValue("/proc/meminfo", "MemTotal").c_str()) / (1024.0 * 1024.0));
    std::printf("%d fresh processes of each kind, run in turn; %d rounds in one process\n",
                options.runs, options.rounds);
    std::fflush(stdout);

    std::vector<StartSeries> series{
        {"floor (bare window, six tabs)", StartKind::Floor, (root + "/floor").toStdString(), {}},
        {"Termika, \"en\" stored", StartKind::TermikaStored, (root + "/en").toStdString(), {}},
        {"Termika, nothing stored",
         StartKind::TermikaNothingStored,
         (root + "/none").toStdString(),
         {}},
    };
    const std::string self = executablePath();
    for (int run = 0; run < options.runs; ++run) {
        // Each round starts with another kind, so that none always follows the same one.
        for (std::size_t i = 0; i < series.size(); ++i) {
            StartSeries& s = series[(i + std::size_t(run)) % series.size()];
            const std::optional<StartRun> measured =
                startChild(self, s.kind, s.configHome, runtime);
            if (!measured)
                return 1;
            s.runs.push_back(*measured);
        }
    }
    printStart(series);
    std::fflush(stdout);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/paths"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + "/runtime"));
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    termika::setupApplication();
    printPaths(measurePaths(options.rounds, (root + "/paths").toStdString()));
    return 0;
}
