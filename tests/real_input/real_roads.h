#pragma once

// Roads that several real-input tests take on their way to what they test,
// by the same clicks and keys as a user.

class OptionButton;

namespace real_input {

struct RealProgram;

// From the problem definition, with the loading type `type` chosen, to the
// loading database's browser on the database of the program's folder (read,
// then browsed).
void BrowseTheLoadingDatabase(RealProgram& p, OptionButton& type);

// From the problem definition to a probabilistic job: a constant-amplitude
// single case whose endurance limit gets a log-normal scatter (10 %) through
// its tag and the random-variable dialog.
void MakeTheJobProbabilistic(RealProgram& p);

}  // namespace real_input
