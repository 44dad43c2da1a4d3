#pragma once
// Every window is registered by name (Forms) before anything shows it, by its
// subject's function here. The program calls registerProgramWindows first
// thing; a test or benchmark calls the functions of the libraries it links.

void registerShellWindows();     // tessival_core
void registerRefdataWindows();   // tessival_refdata
void registerChartWindows();     // tessival_refdata, and the charts part
void registerFormulaWindows();   // tessival_formulas
void registerGasWindows();       // tessival_gases
void registerSolutionWindows();  // tessival_solutions
void registerMeasureWindows();   // tessival_measure
void registerHelpWindows();      // tessival_help

// The program as the student runs it (Parts.cpp): every subject, and the
// windows of the parts loaded on first use.
void registerProgramWindows();
