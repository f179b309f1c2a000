#pragma once

#include <optional>

#include "shell/user_messages.h"

struct ProgramState;

// The loading values of the job checked by the rules of the input boxes that
// take them, so that no calculation runs on a value that its box would refuse
// (a job opened from a file, or a loading type chosen after the values were
// given for another).

// The boxes of the loading inputs, as the main window names them.
enum class LoadingBox {
  SSmaxt,     // spectrum and constant amplitude: the range (0), a master curve's lower end (1)
  SSmeant,    // their mean or minimum
  DTt,        // distribution: Q (0) and R (1)
  DTSmaxt,    // its range (1), a master curve's lower end (0)
  DTmeant,    // its mean or minimum
  DTvolumet,  // its block volume
  SHscalt,    // history: the scaling factor or a master curve's upper end (0), its lower end (1)
};

struct LoadingValueRefusal {
  LoadingBox box;
  int index;  // the element of a box array, 0 for a single box
  InputRefusal refusal;  // as the box itself refuses the value
};

// The first value of the job's loading type that its box refuses, with the
// box's own message, icon and title; nothing when every box would take its
// value. By loading type, in the order the boxes are visited:
//   history: the scaling factor (for a master curve over the load level its
//     upper end ScalingFactorMax, then its lower end ScalingFactorMin);
//   spectrum and constant amplitude: StressRangeTo, for a master curve over
//     the load level StressRangeFrom, then StressMinOrMean;
//   distribution: a typed-in Q and R (a batch's come from the batch and no
//     box takes them), StressRangeTo and, for a master curve over the load
//     level, StressRangeFrom where the range boxes take typing (a Beta law
//     or a batch), StressMinOrMean, and a typed-in block volume.
std::optional<LoadingValueRefusal> RefusedLoadingValue(const ProgramState& s);
