#pragma once

struct ProgramState;

// Which rows of the job summary box are on show, by the job's options.

// The Kt row: S-N data of a plain specimen, except with the local stress
// approach and notch sensitivity neglected.
bool KtRowShown(const ProgramState& s);
// The random-variable tag beside Kt: a shown Kt row of a probabilistic,
// nominal-stress job.
bool KtTagShown(const ProgramState& s);
// The notch radius: Kt above 1 with notch sensitivity accounted.
bool NotchRadiusShown(const ProgramState& s);
// The notch-radius row of the summary: a plain specimen whose notch radius
// counts (a feature specimen shows its thickness there).
bool NotchRadiusRowShown(const ProgramState& s);
// The thickness rows: S-N data of a feature specimen.
bool ThicknessRowsShown(const ProgramState& s);
// The notch factor of the mean-stress effect: mean stress accounted with
// S-N data of a feature specimen.
bool MeanStressNotchFactorShown(const ProgramState& s);
// The S-N extension rows with their value boxes: a history or a spectrum.
bool ExtensionBoxesShown(const ProgramState& s);
