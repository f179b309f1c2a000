#pragma once

// Services of the result-diagram subsystem that the engine, shell and
// material handlers call.

class FormMain;
class Surface;

// Draws the S-N curve diagram on `target` (Pic_SN, Printer2 or the printer)
// and, on Pic_SN, places and fills the S-N labels and boxes.
void DrawSNCurve(FormMain& main, Surface& target);
// Will draw the damage bar diagram per level or cycle class on `target`.
void DrawDamageDiagram(FormMain& main, Surface& target);
// Will draw the master-curve screen on the graph and data surfaces.
void DrawMasterCurve(FormMain& main, Surface& graph, Surface& data);
// Will show the frames of the loading type and redraw the loading and damage diagrams.
void RedrawDiagrams(FormMain& main);
