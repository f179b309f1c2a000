#pragma once

#include <string>

#include "real_input/real_user.h"

namespace real_input {

// A constant-amplitude single case made probabilistic, with a log-normal
// scatter of Se (coefficient of variation 0.1) given through its tag and the
// random-variable dialog. The program is at the input view afterwards.
void DefineProbabilisticJob(RealProgram& p);

// "&Calculate" on the probabilistic job: the simulation options come up, and
// `runs` is typed as their number of simulations.
void OpenSimulationOptions(RealProgram& p, const std::string& runs);

// "O&K" of the simulation options: the simulation runs, its summary comes
// up and is answered OK, and the results view takes the main window's place.
void RunTheSimulation(RealProgram& p);

}  // namespace real_input
