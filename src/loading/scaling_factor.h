#pragma once

#include <string>

struct ProgramState;

// The scaling factor of a stress history, typed in box 0 (the factor, or the
// upper end of a master curve over the load level) or box 1 (the lower end).

// The title of a refused factor.
inline constexpr const char* kScalingFactorTitle = " Scaling Factor (RSF)";

// Why factor `v` cannot go into box `box` (the text that follows "Sorry,
// Data Incorrect! "), "" when it can: "(RSF = 0)" for 0 (also an empty or
// non-numeric text), "(|RSF| to big)" when the scaled history would reach
// 10000 (also for a number beyond the Single range, either sign), and for
// the ends of a master curve over the load level "(RSFmax < RSFmin)" when
// the lower end would exceed the upper by magnitude. Equal magnitudes pass;
// signs are not compared.
std::string ScalingFactorRefusal(const ProgramState& s, int box, float v);

// A typed factor checked: `value` is the text's leading number as the box
// checks it (BoxSingle), `reason` that of ScalingFactorRefusal.
struct ScalingFactorEntry {
  bool accepted;
  float value;
  std::string reason;
};
ScalingFactorEntry CheckScalingFactor(const ProgramState& s, int box, const std::string& text);

// Stores an accepted factor: ScalingFactor and, for a master curve over the
// load level, the end of the box (else both ends); then ScaleHistoryExtremes.
void StoreScalingFactor(ProgramState& s, int box, float value);

// The extremes of batch `batch`'s history times `factor`, the larger first.
struct HistoryExtremes {
  float max, min;
};
HistoryExtremes ScaledHistoryExtremes(const ProgramState& s, int batch, float factor);

// LoadSmax and LoadSmin: the extremes of the selected batch's history times
// ScalingFactor, the larger first.
void ScaleHistoryExtremes(ProgramState& s);

// "Smax = <max> <unit>,  Smin = <min> <unit>" of the history diagram, in
// the loading's display unit (LoadUnitFactor and LoadUnit: the stress unit,
// or micro-strain for a strain history) with the mask "###0.0# ".
std::string HistoryCaption(const ProgramState& s, float smax, float smin);

// The caption of the selected batch's history unscaled (HistMaxCaption): the
// history the scaling factor applies to, shown while the factor is typed.
std::string UnscaledHistoryCaption(const ProgramState& s);
