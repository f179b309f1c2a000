#pragma once

#include <cstdint>

#include "component/component_data.h"
#include "engine/analysis_records.h"

struct ProgramState;

// The working values that every run of a simulation leaves in the records:
// the run's drawn inputs (the specimen notch factor, the notched endurance
// range, the applied scaling factor), what the damage calculation derives
// from them (the notch factor in use, the stresses scaled by the factor) and
// the run's damage and life. The first run takes the nominal inputs and the
// main window shows its damage and reference life; kept after it and put
// back when the runs end, these values let the screens, the prints and the
// report show the job's inputs and its deterministic result, not the last
// random draw.
class FirstRunValues {
 public:
  // Keeps the values as they stand. The damage array is set aside while the
  // results are copied (it may hold millions of cycles) and returned
  // unchanged: the later runs write only its first element.
  explicit FirstRunValues(ProgramState& s);

  // Puts the values back. How the runs ended stays as they left it: whether
  // a run was stopped by an overload (CalcAborted) and whether the overload
  // message or question has been shown.
  void PutBack(ProgramState& s) const;

 private:
  Results results_;  // its damage array left empty
  float firstLevelDamage_ = 0.0f;
  LifeResults life_;
  ComponentData component_;
  float scalingFactorApplied_ = 1.0f;
  float stressRange_ = 0.0f;
  float stressMinOrMean_ = 0.0f;
  float historyScaleUsed_ = 0.0f;
  float seNotched_ = 0.0f;
};
