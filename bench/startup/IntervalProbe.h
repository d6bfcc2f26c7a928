#pragma once

#include <QObject>
#include <functional>

class TfrmMain;

// A command timed in the running program. Once the main window has painted, the chart is built,
// a clock starts and `command` runs; at the first paint of a widget that `isTarget` accepts, the
// probe prints "interval <seconds>" and "painted", closes that widget's window and ends the program.
// Returns the program's exit code.
int RunIntervalProbe(int &argc, char **argv, const std::function<void(TfrmMain &)> &command,
                     const std::function<bool(QObject *)> &isTarget);
