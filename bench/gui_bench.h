#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace termika::bench {

using Clock = std::chrono::steady_clock;

inline double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values);

// What a child process starts as. The floor is the toolkit alone in a window of Termika's shape.
enum class StartKind { Floor, TermikaStored, TermikaNothingStored };

const char* childMode(StartKind kind);
std::optional<StartKind> startKindOf(const std::string& mode);

// Runs in the child: builds the window, and once it is shown, painted (and for Termika, its
// stored language applied) writes one line of marks to stdout and leaves.
// `entered` is the first thing main() took.
int runChild(StartKind kind, int argc, char** argv, Clock::time_point entered);

// One fresh process as its parent measured it, in ms from just before the spawn.
struct StartRun {
    double mainEntered = 0;    // the dynamic linker and static initialisers are done
    double appConstructed = 0; // QApplication with its platform plugin and fonts
    double formsBuilt = 0;     // every form of the program created
    double firstPaint = 0;     // the top-level window's first paint event
    double ready = 0;          // painted after the stored language was applied
    double peakMb = 0;         // VmHWM
};

// Starts `self` as a child of the given kind with its own settings folder; std::nullopt when the
// child failed (its error output is printed).
std::optional<StartRun> startChild(const std::string& self, StartKind kind,
                                   const std::string& configHome, const std::string& runtimeDir);

// The in-process paths, each a list of samples in ms.
struct PathTimes {
    std::vector<double> tabChange;      // to a tab shown before, repainted
    std::vector<double> tabFirstShown;  // a tab's first showing in a new window
    std::vector<double> languageSwitch; // Polish to English and back, each way a sample
    std::vector<double> pdfFirst;       // the printout's first PDF of a new window
    std::vector<double> pdf;            // again, pictures loaded
    std::vector<double> previewFirst;   // "Drukuj" to the preview's first painted page
    std::vector<double> previewAgain;   // the same, the preview window made before
};

// Needs a QApplication set up as the program sets itself up.
PathTimes measurePaths(int rounds, const std::string& scratchDir);

} // namespace termika::bench
