// The parent side of the start-up measurement: the clock starts just before the spawn, so the
// dynamic linker, the static initialisers and everything up to the first paint are inside.
#include "bench/gui_bench.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace termika::bench {

namespace {

constexpr int ChildTimeoutMs = 20000;

// The parent's environment with the child's platform and folders put in.
std::vector<std::string> childEnvironment(const std::string& configHome,
                                          const std::string& runtimeDir) {
    const std::string replaced[] = {"QT_QPA_PLATFORM=", "XDG_CONFIG_HOME=", "XDG_RUNTIME_DIR="};
    std::vector<std::string> env;
    for (char** each = environ; *each; ++each) {
        const std::string entry(*each);
        bool keep = true;
        for (const std::string& prefix : replaced)
            keep = keep && entry.rfind(prefix, 0) != 0;
        if (keep)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_CONFIG_HOME=" + configHome);
    env.push_back("XDG_RUNTIME_DIR=" + runtimeDir);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (std::string& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Reads one line from the child, giving up when it takes longer than any start should.
std::string readLine(int fd) {
    std::string line;
    char c = 0;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, ChildTimeoutMs);
        if (ready <= 0)
            return {};
        const ssize_t got = read(fd, &c, 1);
        if (got <= 0 || c == '\n')
            return line;
        line.push_back(c);
    }
}

void printFile(const std::string& path) {
    std::ifstream in(path);
    std::cerr << std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

std::optional<StartRun> startChild(const std::string& self, StartKind kind,
                                   const std::string& configHome, const std::string& runtimeDir) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return std::nullopt;
    const std::string errors = runtimeDir + "/child-errors.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> args{self, "--child", childMode(kind)};
    std::vector<std::string> env = childEnvironment(configHome, runtimeDir);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(env);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int failed = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed) {
        close(out[0]);
        std::cerr << "cannot start " << self << ": " << std::strerror(failed) << '\n';
        return std::nullopt;
    }
    const std::string line = readLine(out[0]);
    close(out[0]);
    if (line.empty())
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);

    long long main = 0, app = 0, built = 0, painted = 0, ready = 0;
    long hwm = 0;
    if (std::sscanf(line.c_str(),
                    "marks main=%lld app=%lld built=%lld painted=%lld ready=%lld hwm=%ld", &main,
                    &app, &built, &painted, &ready, &hwm) != 6) {
        std::cerr << "the " << childMode(kind) << " child reported nothing; its errors:\n";
        printFile(errors);
        return std::nullopt;
    }
    const long long origin =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    const auto ms = [origin](long long mark) { return double(mark - origin) / 1e6; };
    return StartRun{ms(main), ms(app), ms(built), ms(painted), ms(ready), double(hwm) / 1024.0};
}

} // namespace termika::bench
