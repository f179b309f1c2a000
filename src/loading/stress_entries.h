#pragma once

#include <optional>
#include <string>

#include "shell/user_messages.h"

struct ProgramState;

// The stress inputs of the spectrum (and constant-amplitude) and the
// distribution frames: the stress range or amplitude, for a master curve
// over the load level its two ends, and the mean or minimum stress. A range
// is held as a range in MPa whatever the input mode: a box shows the stored
// range x LoadUnitFactor / StressInputMode.
//
// A refusal is given as the reason that follows the refusal text (an empty
// reason refuses too); no reason (nullopt) means accepted. A typed number
// beyond the Single range reads as the infinity of its sign (BoxSingle) and
// is refused with the reason of the bound it passes; one too small for a
// Single reads as NaN, which fails the first check of its box.

// The stored range of a typed range or amplitude: the text's leading number
// / LoadUnitFactor x StressInputMode, as a Single (BoxSingle).
float TypedStressRange(const ProgramState& s, const std::string& text);
// A stored range as its box shows it: range x LoadUnitFactor / StressInputMode.
float ShownStressRange(const ProgramState& s, float range);
// The stored stress of a typed mean or minimum: leading number / LoadUnitFactor.
float TypedStress(const ProgramState& s, const std::string& text);

// Range and amplitude trade places (mode 1 <-> 2); the stored range and
// minimum-or-mean keep their values and so change their meaning. Not while
// the mean stress is neglected: false, nothing changes.
bool SwitchRangeAndAmplitude(ProgramState& s);
// Mean and minimum trade places, the stored value converted so that the
// loading stays as it is: from mode 2 the minimum LoadSmin, from mode 1 the
// mean (LoadSmax + LoadSmin) / 2; 0 while the mean stress is neglected.
void SwitchMeanAndMinimum(ProgramState& s);
// Stores an accepted mean or minimum (and its copy) and derives the pair.
void StoreStressMinOrMean(ProgramState& s, float v);

// ---- the spectrum frame (SSmaxt, SSmeant)

// Title of a refused range or amplitude: LoadQuantity & "Range (SS)" while
// the mean stress is neglected, else LoadQuantity & "Amplitude (SS)".
std::string SpectrumRangeTitle(const ProgramState& s);
// Whether range `v` (stored form) may go into SS box `box` (0 the range or
// upper end, 1 the lower end). Refused: a negative range; in range-and-
// minimum mode a range whose implied mean (v / 2 + minimum) is negative; for
// a master curve over the load level an end beyond the other (by magnitude,
// with the sign of v). Reasons: "" while the mean stress is neglected, else
// "(SS < 0)" for v <= 0 or NaN, "(Sm < 0)" for a negative implied mean,
// "(SSmax < SSmin)" for the order of the ends, "(SS too big)" for an
// infinite v.
std::optional<std::string> SpectrumRangeRefusal(const ProgramState& s, int box, float v);
// Stores an accepted range: MaxStressInput, StressRange and the box's end
// (StressRangeFrom for box 1, StressRangeTo for box 0), and derives the
// pair; returns the tag shown beside the box ("(range)", "(amplit.)",
// "(Max)" or "(Min)").
std::string StoreSpectrumRange(ProgramState& s, int box, float v);
// Why a mean or minimum `v` (MPa) is refused, nothing when it is taken: a
// negative mean, or a minimum whose implied mean falls below 0 by more than
// 0.0015 MPa (also NaN): "Sorry, No mean stress effect for Sm < 0."
// (information icon); a value beyond the Single range: "Sorry, Data
// Incorrect! (Sm too big)" (critical icon); both titled " Mean Stress Effect".
std::optional<InputRefusal> SpectrumMeanRefusal(const ProgramState& s, float v);

// The refusals of a mean or minimum, from whether it gives a negative mean.
std::optional<InputRefusal> MeanStressRefusal(bool negativeMean, float v);
inline constexpr const char* kNoMeanStressEffect = "Sorry, No mean stress effect for Sm < 0.";
inline constexpr const char* kMeanStressTitle = " Mean Stress Effect";
