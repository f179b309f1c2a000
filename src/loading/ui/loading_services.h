#pragma once

#include <vector>

// Services of the loading subsystem that the engine, shell and material
// handlers call. Event handlers of the loading frames are members of
// LoadingFramesPanel and LoadingDbPanel.

class FormMain;
class Surface;

// Reads the loading database of the folder DatabaseDir into the records
// (ReadLoadingDatabase of loading_db_file.h); when that gives up a selected
// batch, "&Run" and the data services' step button are disabled.
void ReadLoadingDatabase(FormMain& main);

// The loading diagrams. `target` is the screen picture of the diagram
// (Pic_Spectr, Pic_Hist, Pic_Distr), the hidden print picture Printer2 or the
// printer, told apart by Surface::IsPrinter() / IsHiddenPicture(). On the
// screen the frame goes to the upper right quarter of the window and the
// labels and value boxes on the picture are placed and filled; on paper
// nothing is cleared, and the diagram gets a frame with its title and the
// captions that the screen shows in labels. Every caller passes
// SelectedLoadingBatch.

// The block spectrum or constant amplitude as bars over the cycles of one
// block (the selected batch in any case); sets SpectrumDescending and, for a
// loading without batch levels, the typed stress pair.
void DrawSpectrumDiagram(FormMain& main, Surface& target, int batch);
// The stress history of `batch` (HistoryPoints) times the scaling factor
// over the point number; sets LoadSmax and LoadSmin.
void DrawHistoryDiagram(FormMain& main, Surface& target, int batch);
// The density of the loading distribution over s = S / Smax, or for another
// loading type the selected batch's spectrum as bars; places a typed Weibull
// or log-normal on s (StressRangeTo, DistQ) from DistQInput and DistRInput.
void DrawDistributionDiagram(FormMain& main, Surface& target, int batch);

// The loading-database browser's previews of batch `batch`: grey axes, the
// curve in &HC000C0, no texts. The history preview plots `points` (the
// batch's history as read, element 0 being 0); the distribution preview
// leaves DistQ and DistR at the batch's values.
void DrawSpectrumPreview(FormMain& main, int batch);
void DrawHistoryPreview(FormMain& main, int batch, const std::vector<float>& points);
void DrawDistributionPreview(FormMain& main, int batch);
