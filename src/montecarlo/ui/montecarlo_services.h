#pragma once

#include <cstdint>
#include <string>

// Services of the probabilistic analysis that the input handlers, the job
// file and the print commands call.

class FormMain;
class Surface;

// Opens the random-variable dialog for the variable of the caller's label:
// "Material Data" (the endurance limit, `dN_distr`(index)), "Loading Data"
// (the scaling factor, `load_distr`(index)) or "Component Geometry" (Kt,
// index 0). Returns when OK or Cancel has closed it: true when OK stored the
// variable. Another caller text opens nothing.
bool ShowRandomVariablePanel(FormMain& main, const std::string& callerText, int16_t index);
// Editable (OK on, "&Cancel") or view-only (OK off, "E&xit") use of the dialog.
void SetRandomVariableDialogEditable(FormMain& main, bool editable);
// The density plot of the dialog's working record on the picture `pic_rand`,
// the hidden print picture or the printer.
void DrawProbabilityDensity(FormMain& main, Surface& target, int16_t distType, float a, float b);
// The tag at the end of the dialog's caption for the option button
// `optionIndex` (type code + 1).
void UpdateDistributionTag(FormMain& main, int16_t optionIndex);

// The tags of the endurance limit, the scaling factor and Kt on the main
// window from the random-variable table.
void ShowRandomVariableTags(FormMain& main);
// The random data file (*.rsn): open (index 0) or save (any other index)
// while the main view is idle; after an open the tags follow the table.
void OpenSaveRandomData(FormMain& main, int16_t index);
