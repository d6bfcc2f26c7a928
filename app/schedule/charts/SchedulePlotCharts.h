#pragma once

#include "calc/SchedulePlot.h"

class QWidget;

// The schedule's two charts in Qt Charts, built as a module of their own that TSchedulePlot loads with
// the first plot: Qt Charts and Qt's OpenGL libraries stay out of the program's start-up.

extern "C" {
// A widget of two tabs, owned by `parent`: the balance over time with the extras and without, the
// payoff marked (its legend entry and tooltip say when); and each year's interest and principal as
// stacked bars.
QWidget *QuillmerePlotChartsCreate(QWidget *parent);
// Draws `description` on `charts` (made by QuillmerePlotChartsCreate), replacing what it showed.
void QuillmerePlotChartsShow(QWidget *charts, const SchedulePlotDescription &description);
}

using PlotChartsCreate = decltype(&QuillmerePlotChartsCreate);
using PlotChartsShow = decltype(&QuillmerePlotChartsShow);
