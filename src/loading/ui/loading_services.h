#pragma once

// Services of the loading subsystem that the engine, shell and material
// handlers call. Event handlers of the loading frames are members of
// LoadingFramesPanel and LoadingDbPanel.

class FormMain;
class Surface;

// Will read the loading database of the data folder into the records.
void ReadLoadingDatabase(FormMain& main);
// Will draw the spectrum / constant-amplitude diagram of `batch` on `target`.
void DrawSpectrumDiagram(FormMain& main, Surface& target, int batch);
// Will draw the stress-history diagram of `batch` on `target`.
void DrawHistoryDiagram(FormMain& main, Surface& target, int batch);
// Will draw the loading-distribution diagram of `batch` on `target`.
void DrawDistributionDiagram(FormMain& main, Surface& target, int batch);
