#pragma once

class QWidget;

// Prints "painted" on standard output once `window` has painted for the first time and its
// picture has gone to the screen, then ends the event loop. The start-up benchmark reads that line.
void ReportFirstPaintAndQuit(QWidget &window);
