#pragma once

// Drawings of the probabilistic analysis that the second window's print
// commands put on the printer or on the hidden print picture.

class FormMain;
class Surface;

// The simulation results diagram, on one surface for both of its parts on
// paper; neither surface is cleared.
void DrawMCSResultsDiagram(FormMain& main, Surface& graph, Surface& data);
