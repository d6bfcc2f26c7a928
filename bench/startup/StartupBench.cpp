// Start-up of the program against a minimal Qt Widgets program: wall time from starting the
// process to its first painted window, and the process's peak resident memory. Beside it, the Print
// Preview command in the running program (the first one and a repeat one), from the command to the
// preview's first painted sheet, the opening of a 30-year payment schedule to its window's first
// paint and its "What if..." to the extras' first paint, each against the program's own start-up, with
// the peak memory it adds; and typing in a schedule's "Extra each month", each keystroke to the
// window's next repaint, median and maximum. Each process starts after a user's pause; the program's
// start-up is also timed right after the last one ended, to show what the pause costs. A command is
// also set against the start-up of the process it ran in, so that a slow spell of the machine weighs
// on both alike. Needs a display.
#include "bench/startup/UserPause.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char **environ;

namespace {
struct ProbeRun {
    double Seconds = 0;        // from starting the process to its "painted" line, or the interval it reported
    double WindowSeconds = 0;  // the part of the interval a probe reports as its window's
    double StartupSeconds = 0; // from starting the process to its "started" line, when a probe reports one
    long PeakRssKiB = 0;
    std::vector<double> KeystrokeSeconds; // each keystroke to its repaint, when a probe reports them
};

// When a process starts: after a user's pause, or right after the last one ended, on a machine still
// warm from it (which no user meets; reported beside the other to show what the pause costs).
enum class ProbeStart { AfterAPause, BackToBack };

// Starts `path` (with `argument` unless empty) at `start`, waits for its "painted" line and for its
// end. A probe that times a step inside the program reports it on an "interval <seconds>" line
// before "painted", after a "started" line at its own start-up's end; one that times keystrokes
// reports each on a "keystroke <seconds>" line.
ProbeRun RunProbe(const char *path, const char *argument, ProbeStart start)
{
    if (start == ProbeStart::AfterAPause)
        std::this_thread::sleep_for(std::chrono::milliseconds(UserPauseMs));
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char *const argv[] = {const_cast<char *>(path), *argument != 0 ? const_cast<char *>(argument) : nullptr,
                          nullptr};
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0)
        throw std::runtime_error(std::string("cannot start ") + path);

    std::string output;
    char buffer[64];
    ssize_t count = 0;
    double startupSeconds = 0;
    while (output.find("painted\n") == std::string::npos &&
           (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(count));
        if (startupSeconds == 0 && output.find("started\n") != std::string::npos)
            startupSeconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    const auto painted = std::chrono::steady_clock::now();
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (output.find("painted\n") == std::string::npos)
        throw std::runtime_error(std::string(path) + " ended without painting (is there a display?)");
    double seconds = std::chrono::duration<double>(painted - started).count();
    if (const std::size_t interval = output.find("interval "); interval != std::string::npos)
        seconds = std::stod(output.substr(interval + 9));
    double windowSeconds = 0;
    if (const std::size_t window = output.find("window "); window != std::string::npos)
        windowSeconds = std::stod(output.substr(window + 7));
    std::vector<double> keystrokes;
    for (std::size_t at = output.find("keystroke "); at != std::string::npos;
         at = output.find("keystroke ", at + 10))
        keystrokes.push_back(std::stod(output.substr(at + 10)));
    return {seconds, windowSeconds, startupSeconds, usage.ru_maxrss, keystrokes};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::map<std::string, std::vector<ProbeRun>> &Runs()
{
    static std::map<std::string, std::vector<ProbeRun>> runs;
    return runs;
}

void BM_StartupToFirstPaint(benchmark::State &state, const char *name, const char *path, const char *argument,
                            ProbeStart start = ProbeStart::AfterAPause)
{
    std::vector<ProbeRun> &runs = Runs()[name];
    for (auto _ : state) {
        try {
            runs.push_back(RunProbe(path, argument, start));
        } catch (const std::exception &failure) {
            state.SkipWithError(failure.what());
            return;
        }
        const std::vector<double> &keystrokes = runs.back().KeystrokeSeconds;
        state.SetIterationTime(keystrokes.empty() ? runs.back().Seconds
                                                  : *std::max_element(keystrokes.begin(), keystrokes.end()));
    }
    std::vector<double> rss;
    for (const ProbeRun &run : runs)
        rss.push_back(static_cast<double>(run.PeakRssKiB));
    state.counters["peak_rss_KiB"] = Median(rss);
}
// Each probe runs seven times and reports the time it measured itself, in milliseconds.
void AsProbe(benchmark::internal::Benchmark *probe)
{
    probe->UseManualTime()->Iterations(7)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_StartupToFirstPaint, MinimalQt, "minimal", MINIMAL_PROBE, "")->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, MinimalQtWithText, "minimal with text", MINIMAL_PROBE, "text")
    ->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, Quillmere, "quillmere", QUILLMERE_PROBE, "")->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, QuillmereBackToBack, "quillmere back to back", QUILLMERE_PROBE, "",
                  ProbeStart::BackToBack)
    ->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, PrintPreviewToPaintedSheet, "preview", PREVIEW_PROBE, "")
    ->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, PrintPreviewAgainToPaintedSheet, "preview again", PREVIEW_PROBE,
                  "again")
    ->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, ScheduleToPaintedWindow, "schedule", SCHEDULE_PROBE, "")
    ->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, WhatIfToPaintedExtras, "what if", WHATIF_PROBE, "")->Apply(AsProbe);
// The time of an iteration is its slowest keystroke.
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, KeystrokeToRepaint, "typing", KEYSTROKE_PROBE, "")->Apply(AsProbe);
BENCHMARK_CAPTURE(BM_StartupToFirstPaint, KeystrokeToRepaintWithPlot, "typing with the plot", KEYSTROKE_PROBE,
                  "plot")
    ->Apply(AsProbe);

// Typing in "Extra each month": every keystroke of every run, to its repaint.
void PrintKeystrokes()
{
    for (const std::string name : {"typing", "typing with the plot"}) {
        std::vector<double> keystrokes;
        for (const ProbeRun &run : Runs()[name])
            keystrokes.insert(keystrokes.end(), run.KeystrokeSeconds.begin(), run.KeystrokeSeconds.end());
        if (keystrokes.empty())
            continue;
        std::printf("A keystroke in Extra each month to the repaint, %s: median %.1f ms, maximum %.1f ms "
                    "over %zu keystrokes\n",
                    name == "typing" ? "extras shown" : "extras and plot shown", 1000 * Median(keystrokes),
                    1000 * *std::max_element(keystrokes.begin(), keystrokes.end()), keystrokes.size());
    }
}

// A command against the start-up of the process it ran in: both met the machine as it was then.
void PrintRatioToOwnStartup(const std::string &name)
{
    std::vector<double> startups;
    std::vector<double> ratios;
    for (const ProbeRun &run : Runs()[name]) {
        if (run.StartupSeconds <= 0)
            continue;
        startups.push_back(run.StartupSeconds);
        ratios.push_back(run.Seconds / run.StartupSeconds);
    }
    if (!ratios.empty())
        std::printf("  = %.2f of the start-up of its own process (%.1f ms), the median of %zu pairs\n",
                    Median(ratios), 1000 * Median(startups), ratios.size());
}

void PrintRatios()
{
    const auto median = [](const std::string &name, auto field) {
        std::vector<double> values;
        for (const ProbeRun &run : Runs()[name])
            values.push_back(static_cast<double>(run.*field));
        return Median(values);
    };
    if (Runs()["quillmere"].empty())
        return;
    // The commands timed inside the running program, against its start-up.
    const std::pair<const char *, const char *> commands[] = {
        {"preview", "Print Preview to its painted sheet"},
        {"preview again", "A repeat Print Preview to its painted sheet"},
        {"schedule", "A 30-year schedule to its painted window"},
        {"what if", "Its What if... to the painted extras"}};
    const double startup = median("quillmere", &ProbeRun::Seconds);
    const double startupRss = median("quillmere", &ProbeRun::PeakRssKiB);
    const bool backToBackTimed = !Runs()["quillmere back to back"].empty();
    const double warmStartup = backToBackTimed ? median("quillmere back to back", &ProbeRun::Seconds) : 0;
    for (const auto &[name, what] : commands) {
        if (Runs()[name].empty())
            continue;
        const double time = median(name, &ProbeRun::Seconds);
        const double window = median(name, &ProbeRun::WindowSeconds);
        const double rss = median(name, &ProbeRun::PeakRssKiB);
        std::printf(
            "%s: %.1f ms = %.2f of the start-up (%.1f ms), of which %.1f ms from the window's showing "
            "on; peak memory %.0f KiB, %+.0f KiB over the start-up's\n",
            what, 1000 * time, time / startup, 1000 * startup, 1000 * window, rss, rss - startupRss);
        PrintRatioToOwnStartup(name);
        if (backToBackTimed)
            std::printf("  = %.2f of a start-up right after the last one ended (%.1f ms)\n",
                        time / warmStartup, 1000 * warmStartup);
    }
    for (const std::string yardstick : {"minimal", "minimal with text"}) {
        if (Runs()[yardstick].empty())
            continue;
        const double time = median("quillmere", &ProbeRun::Seconds);
        const double baseTime = median(yardstick, &ProbeRun::Seconds);
        const double rss = median("quillmere", &ProbeRun::PeakRssKiB);
        const double baseRss = median(yardstick, &ProbeRun::PeakRssKiB);
        std::printf(
            "against the %s Qt program: start-up %.1f / %.1f ms = %.2f, peak memory %.0f / %.0f KiB = %.2f\n",
            yardstick.c_str(), 1000 * time, 1000 * baseTime, time / baseTime, rss, baseRss, rss / baseRss);
    }
}
} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    PrintKeystrokes();
    return 0;
}
