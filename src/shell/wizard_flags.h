#pragma once

// The flags that steer the step buttons between the dialogs and the inputs.
struct WizardFlags {
  bool LoadingDataReady = false;  // the loading data in place fit the committed loading type
  bool ApplyAccepted = true;      // false while the problem definition waits at its mean-stress question
};
