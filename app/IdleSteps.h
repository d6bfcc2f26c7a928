#pragma once

#include <functional>

class QWidget;

// Once `window` has painted for the first time, runs `step` whenever the event loop has nothing else
// to do, one call per turn of the loop, until it returns false; so a step delays an event that
// arrives meanwhile by no more than its own length. Each call runs guarded. Stops when `window` goes.
void StepWhenIdle(QWidget &window, std::function<bool()> step);
