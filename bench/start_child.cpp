// The child of the start-up measurement alone, for Windows: timed from outside (under Wine, by
// scripts/windows/startup.sh), from the spawn to the exit that follows the ready report.
#include "bench/gui_bench.h"

#include <optional>
#include <string>

int main(int argc, char** argv) {
    using namespace termika::bench;
    const Clock::time_point entered = Clock::now();
    const std::optional<StartKind> kind =
        argc >= 3 && std::string(argv[1]) == "--child" ? startKindOf(argv[2]) : std::nullopt;
    return kind ? runChild(*kind, argc, argv, entered) : 2;
}
