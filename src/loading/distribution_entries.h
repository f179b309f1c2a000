#pragma once

#include <cstdint>
#include <optional>
#include <string>

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
// lie beyond the Single range, or an infinite v. A typed number that no
// Single holds comes as NaN: "(Q< 0)" or "(R< 0)". "" when accepted.
std::string DistributionParameterRefusal(const ProgramState& s, int index, float v);
// Stores an accepted parameter in use and as typed; a Weibull or log-normal
// Q is turned from display units into MPa.
void StoreDistributionParameter(ProgramState& s, int index, float v);
// The parameter as its box shows it, "##0.0##" ("##0.0#" for R): Q in
// display units (a Weibull's DistQInput x LoadUnitFactor, a log-normal's
// DistQInput + ln LoadUnitFactor).
std::string ShownDistributionParameter(const ProgramState& s, int index);
// " Distribution Parameter (Q)" or "... (R)".
std::string DistributionParameterTitle(int index);

// Title of a refused stress range: LoadQuantity & "Range" while the mean
// stress is neglected, else LoadQuantity & "Amplitude".
std::string DistributionRangeTitle(const ProgramState& s);
// Whether range `v` (stored form) may go into box `box`: refused when
// negative or not a finite number (reason ""), and for a master curve
// over the load level when the lower end would lie above the upper (reason
// " (SSmax < SSmin)", to follow "Sorry, Data Incorrect!" directly).
std::optional<std::string> DistributionRangeRefusal(const ProgramState& s, int box, float v);
// Stores an accepted range: MaxStressInput, the box's end (in a single case
// box 1 also sets StressRange) and the derived pair.
void StoreDistributionRange(ProgramState& s, int box, float v);

// Before a mean or minimum is checked the stress in use follows the typed
// one: StressRange := StressRangeTo, StressMinOrMean := StressMinOrMeanInput.
void BeginDistributionMean(ProgramState& s);
// Whether a mean or minimum v (MPa) is refused: a negative mean, a minimum
// below -StressRange / 2 (a negative mean), a value beyond the Single range.
bool DistributionMeanRefused(const ProgramState& s, float v);

// The block volume of a typed text: its leading number to the nearest
// whole number (halves to even). False for a volume of 1 or less, or one
// that a 32-bit count cannot hold (TypedLong).
bool TypedBlockVolume(const std::string& text, int32_t& n);
// Stores an accepted block volume: BlockVolumeEntry and CyclesPerBlock.
void StoreBlockVolume(ProgramState& s, int32_t n);
inline constexpr const char* kBlockVolumeReason = " (NS < 1)";
inline constexpr const char* kBlockVolumeTitle = "Block volume";
