#pragma once

// The two flags that steer the Next and Run step buttons.
struct WizardFlags {
  // The loading data in place fit the committed loading type. Nothing has
  // set it at start-up, which counts as false.
  bool LoadingDataReady = false;
  // False only while the problem definition's OK waits at its mean-stress
  // question or after the user answered No there.
  bool ApplyAccepted = true;

  bool operator==(const WizardFlags&) const = default;
};
