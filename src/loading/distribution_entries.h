#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/user_messages.h"

struct ProgramState;

// The inputs of a loading distribution on its diagram: the parameters Q
// (index 0) and R (index 1), the stress range (box 1; for a master curve
// over the load level its upper end, box 0 its lower end), the mean or
// minimum stress and the block volume. Q of a Weibull distribution is held
// in MPa, Q of a log-normal one as the mean of ln S with S in MPa; the other
// parameters have no unit. Stress values follow loading/stress_entries.h.

// Why parameter `index` cannot take the typed value v: "(Q< 0)" or "(R< 0)"
// for v <= 0; "(Q> 100)" for a Beta or Weibull Q of 1000 or more, "(R> 100)"
// for R of 100 or more, and the same "> 100)" reason for a Weibull or
// log-normal Q or R whose largest stress range (the diagram's Smax) would
// lie beyond the Single range, or an infinite v (a typed number beyond the
// Single range, BoxSingle). A number too small for a Single comes as NaN:
// "(Q< 0)" or "(R< 0)". "" when accepted.
std::string DistributionParameterRefusal(const ProgramState& s, int index, float v);
// Stores an accepted parameter in use and as typed; a Weibull or log-normal
// Q is turned from display units into MPa.
void StoreDistributionParameter(ProgramState& s, int index, float v);
// The parameter as its box takes it: Q in display units (a Weibull's
// DistQInput x LoadUnitFactor, a log-normal's DistQInput + ln LoadUnitFactor).
float DistributionParameterInBox(const ProgramState& s, int index);
// The same as its box shows it, "##0.0##" ("##0.0#" for R).
std::string ShownDistributionParameter(const ProgramState& s, int index);
// " Distribution Parameter (Q)" or "... (R)".
std::string DistributionParameterTitle(int index);

// Title of a refused stress range: LoadQuantity & "Range" while the mean
// stress is neglected, else LoadQuantity & "Amplitude".
std::string DistributionRangeTitle(const ProgramState& s);
// Whether range `v` (stored form) may go into box `box`: refused when
// negative or NaN (reason ""), beyond the Single range (" (SS too big)"),
// and for a master curve over the load level when the lower end would lie
// above the upper (" (SSmax < SSmin)"); the reasons follow "Sorry, Data
// Incorrect!" directly.
std::optional<std::string> DistributionRangeRefusal(const ProgramState& s, int box, float v);
// Stores an accepted range: MaxStressInput, the box's end (in a single case
// box 1 also sets StressRange) and the derived pair.
void StoreDistributionRange(ProgramState& s, int box, float v);

// Before a mean or minimum is checked the stress in use follows the typed
// one: StressRange := StressRangeTo, StressMinOrMean := StressMinOrMeanInput.
void BeginDistributionMean(ProgramState& s);
// Why a mean or minimum v (MPa) is refused, nothing when it is taken: a
// negative mean, or a minimum below -StressRange / 2 (a negative mean), as
// MeanStressRefusal (loading/stress_entries.h) words them.
std::optional<InputRefusal> DistributionMeanRefusal(const ProgramState& s, float v);

// The block volume n of a typed text: its leading number to the nearest
// whole number (halves to even). Why it is refused, "" when n is taken:
// kBlockVolumeReason for a volume of 1 or less, kBlockVolumeTooBig for one
// that a 32-bit count cannot hold.
std::string TypedBlockVolume(const std::string& text, int32_t& n);
// The same check of a whole or typed block volume.
std::string BlockVolumeRefusal(double volume);
// Stores an accepted block volume: BlockVolumeEntry and CyclesPerBlock.
void StoreBlockVolume(ProgramState& s, int32_t n);
inline constexpr const char* kBlockVolumeReason = " (NS < 1)";
inline constexpr const char* kBlockVolumeTooBig = " (NS > 2147483647)";
inline constexpr const char* kBlockVolumeTitle = "Block volume";
