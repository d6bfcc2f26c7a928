#pragma once

#include "app/schedule/SchedulePlotPoints.h"

class QWidget;

// The schedule's two charts in Qt Charts, built as a module of their own that TSchedulePlot loads with
// the first plot: Qt Charts and Qt's OpenGL libraries stay out of the program's start-up.

extern "C" {
// A widget of two tabs, owned by `parent`: the balance over time with the extras and without, the
// payoff marked (its label and tooltip say when); and each year's interest and principal as stacked
// bars.
QWidget *QuillmerePlotChartsCreate(QWidget *parent);
// Draws `content` on `charts` (made by QuillmerePlotChartsCreate), replacing what it showed.
void QuillmerePlotChartsShow(QWidget *charts, const SchedulePlotContent &content);
}

using PlotChartsCreate = decltype(&QuillmerePlotChartsCreate);
using PlotChartsShow = decltype(&QuillmerePlotChartsShow);
