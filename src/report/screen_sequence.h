#pragma once

#include <vector>

struct AnalysisOptions;

// The drawings that picture the main window on the printer or in a bitmap,
// each drawn into a region of the page of its own.
enum class ScreenDrawing { SNCurve, History, Spectrum, Distribution, Damage, DataBox, MasterCurve };

// The main window's own print screen: for a single case the S-N curve, the
// loading diagram of the loading type (a spectrum or constant amplitude shows
// its distribution instead while the spectrum frame is hidden), the damage
// bars (not for a distribution) and the summary box; for a master curve the
// master-curve screen alone.
std::vector<ScreenDrawing> MainScreenDrawings(const AnalysisOptions& options, bool spectrumFrameVisible);

// The main screen added by the second window's print commands: the spectrum
// (the history for a history loading), the damage bars, the S-N curve and the
// summary box, whatever the analysis.
std::vector<ScreenDrawing> SecondWindowMainScreenDrawings(const AnalysisOptions& options);
