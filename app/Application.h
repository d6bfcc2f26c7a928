#pragma once

#include "app/ApplicationTitle.h"

#include <functional>

class TfrmMain;

// Builds the application and runs it: the modules initialise, the application takes its name,
// the main window is created (and runs FormCreate), then the event loop shows it and runs until it
// closes. `onShown`, when set, sees the main window right after it is shown (the start-up benchmark
// watches for its first paint there). Returns the exit code.
int RunQuillmere(int &argc, char **argv, const std::function<void(TfrmMain &)> &onShown = {});
