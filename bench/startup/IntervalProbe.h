#pragma once

#include <QObject>
#include <functional>

class TfrmMain;

// Which widgets a timed command waits for.
struct IntervalTargets {
    std::function<bool(QObject *)> Window;  // the window the command shows
    std::function<bool(QObject *)> Painted; // the widget whose first paint ends the interval
};

// A command timed in the running program, as a user meets it. Once the main window has painted and its
// picture has gone to the screen, the probe prints "started", so that the command can be set against the
// start-up of the same process. Once the chart is built and a user's pause has passed (a second, in which
// the program readies what it can while idle), a clock starts and `command` runs; at the first paint of a
// widget that targets.Painted accepts, the probe prints "interval <seconds>", "window <seconds>" (the
// part from the first showing of a widget that targets.Window accepts) and "painted", closes that
// widget's window and ends the program. With `untimedRuns`, the command runs that many times before,
// untimed, each closed at that paint and followed by another pause, so that the timed run is a repeat.
// With `prepare`, that runs once the chart is built, before the pause, to ready what the command acts on.
// Returns the exit code.
int RunIntervalProbe(int &argc, char **argv, const std::function<void(TfrmMain &)> &command,
                     const IntervalTargets &targets, int untimedRuns = 0,
                     const std::function<void(TfrmMain &)> &prepare = {});
