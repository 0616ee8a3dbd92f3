// Start-up of the desktop program to the first paint of baio, against a bare
// Qt window with one label, each a fresh process; the ratio of the two and
// each one's peak memory are reported as counters.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

struct Start {
    double seconds = 0;
    double peakMiB = 0;
};

// Runs the child program in `mode` until it says it has painted.
Start startChild(const char* mode) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe");
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        // Measured without a display, so that runs compare on any machine.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(BIO_STARTUP_CHILD, BIO_STARTUP_CHILD, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[64];
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
    const auto painted = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string("startup_child ") + mode + " failed");
    return {std::chrono::duration<double>(painted - begin).count(), usage.ru_maxrss / 1024.0};
}

void StartupToFirstPaint(benchmark::State& state) {
    // Once untimed each, so that both find the libraries and fonts in the page cache.
    startChild("baio");
    startChild("bare");
    double baio = 0, bare = 0, baioPeak = 0, barePeak = 0;
    for (auto _ : state) {
        const Start program = startChild("baio");
        const Start plain = startChild("bare");
        state.SetIterationTime(program.seconds);
        baio += program.seconds;
        bare += plain.seconds;
        baioPeak = std::max(baioPeak, program.peakMiB);
        barePeak = std::max(barePeak, plain.peakMiB);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["baio_ms"] = 1000 * baio / runs;
    state.counters["bare_ms"] = 1000 * bare / runs;
    state.counters["ratio"] = baio / bare;  // aim: at most 1.3
    state.counters["baio_peak_MiB"] = baioPeak;
    state.counters["bare_peak_MiB"] = barePeak;
}

}  // namespace

BENCHMARK(StartupToFirstPaint)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
