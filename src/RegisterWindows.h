#pragma once
// Every window is registered by name (Forms) before anything shows it, by its
// subject's function here. The program calls registerProgramWindows first
// thing; a test or benchmark calls the functions of the libraries it links.
//
// The subjects' functions are inline, so the program's registration is
// compiled into one place (Parts.cpp): kept with each subject's code it would
// touch seven more stretches of the executable at start, half a megabyte
// more resident (bench/run-startup.sh).
#include "formulas/FormulaWindows.h"   // tessival_formulas
#include "gases/GasWindows.h"          // tessival_gases
#include "help/HelpWindows.h"          // tessival_help
#include "measure/MeasureWindows.h"    // tessival_measure
#include "refdata/RefdataWindows.h"    // tessival_refdata
#include "shell/ShellWindows.h"        // tessival_core
#include "solutions/SolutionWindows.h" // tessival_solutions
// registerChartWindows: in tessival_refdata, and the charts part.
#include "refdata/periodic/ChartWindows.h"

// The program as the student runs it (Parts.cpp): every subject, and the
// windows of the parts loaded on first use.
void registerProgramWindows();
