#pragma once

// Services of the result-diagram subsystem that the engine, shell and
// material handlers call.

class FormMain;
class Surface;

// Draws the S-N curve diagram on `target` (Pic_SN, Printer2 or the printer)
// and, on Pic_SN, places and fills the S-N labels and boxes.
void DrawSNCurve(FormMain& main, Surface& target);
// The damage bar diagram of the last analysis, per spectrum level or
// rainflow cycle, alone or cumulative, on `target` (Pic_Dam, the hidden
// print picture or the printer; the surface says which).
void DrawDamageDiagram(FormMain& main, Surface& target);
// The master-curve screen: the life over the varied parameter on `graph`,
// the job's data on `data` (on the screen pic_master and pic_master1; on
// paper one surface for both, neither cleared).
void DrawMasterCurve(FormMain& main, Surface& graph, Surface& data);
// Shows the loading and damage frames of the loading type and redraws their
// diagrams.
void RedrawDiagrams(FormMain& main);
// Hides the loading and damage frames that the job's loading type does not
// show, so that no frame of another loading type stays over the job's own
// (the job summary of a distribution takes the damage frame's place).
void HideFramesOfOtherLoadingTypes(FormMain& main);
// Results on show are stale once the job changes under them: the life and
// scatter-factor labels and the damage and reliability diagrams are hidden,
// and "Print &Screen" and "Print Su&mmary" are disabled.
void HideStaleResults(FormMain& main);
