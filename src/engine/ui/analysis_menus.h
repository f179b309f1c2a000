#pragma once

// Menus and controls that follow the committed problem definition; the
// problem definition's OK and the re-application after a job file share them.

class FormMain;

// "&Material Data...", "&Loading Data...", "&Run", "&Save..." and "&Open
// File..." usable; "Show &Last" not.
void EnableJobMenus(FormMain& main);

// The print items for a deterministic analysis, the simulation items and the
// sample-size controls for a probabilistic one. `resetSimulation` also clears
// the fatigue-limit option and the run count of a deterministic analysis.
void ShowMenusOfAnalysisKind(FormMain& main, bool resetSimulation);
