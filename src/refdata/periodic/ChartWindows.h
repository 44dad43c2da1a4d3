#pragma once
// The chart windows (ChartForm.h), by class name: one list for the charts
// part, which registers them when it loads, and for the program, which knows
// their names before that (Parts.cpp). X is applied to each class.
#define TESSIVAL_CHART_WINDOWS(X) X(frmPTable2) X(frmPTable3) X(frmPTable4) X(frmPTable5) X(frmPTable6) X(frmPTable7)

// Registers the chart windows (ChartForm.cpp).
void registerChartWindows();
