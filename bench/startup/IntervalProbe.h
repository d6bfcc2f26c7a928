#pragma once

#include <QObject>
#include <functional>

class TfrmMain;

// Which widgets a timed command waits for.
struct IntervalTargets {
    std::function<bool(QObject *)> Window;  // the window the command shows
    std::function<bool(QObject *)> Painted; // the widget whose first paint ends the interval
};

// A command timed in the running program. Once the main window has painted, the chart is built, a
// clock starts and `command` runs; at the first paint of a widget that targets.Painted accepts, the
// probe prints "interval <seconds>", "window <seconds>" (the part from the first showing of a widget
// that targets.Window accepts) and "painted", closes that widget's window and ends the program.
// Returns the program's exit code.
int RunIntervalProbe(int &argc, char **argv, const std::function<void(TfrmMain &)> &command,
                     const IntervalTargets &targets);
