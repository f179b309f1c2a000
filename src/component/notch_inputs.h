#pragma once

#include <string>

struct ProgramState;

// The rules of the component's notch inputs in the job summary box: what a
// typed value is refused for, and what an accepted one stores. A refusal
// reason is the text that follows "Sorry, Data Incorrect! "; an empty reason
// means the value is accepted.

// The two wordings of the Kt row's label.
inline constexpr const char* kKtRowCaption = "Stress Conc. Factor:  Kt = ";
inline constexpr const char* kKfRowCaption = "Notch Factor:         Kf = ";
// The tool tip of a Kt/Kf label: what a click turns it into.
std::string NotchToggleTip(bool ktWording);

// Kt or Kf as the labels word it ("Kt" or "Kf").
std::string NotchWord(bool ktWording);
// The title of a refused Kt (or Kf) value.
std::string NotchFactorTitle(bool ktWording);

// The Kt box: 1 to 20; for a master curve over Kt, the upper end (index 0)
// not below the lower end and the lower end (index 1) not above the upper.
std::string KtEntryRefusal(const ProgramState& s, int index, float v, bool ktWording);
// Stores an accepted Kt: one value sets Kt, the specimen's notch factor, the
// upper end, the mean-stress notch factor and Kf; an end of a master curve
// over Kt sets that end and the specimen's notch factor.
void StoreKtEntry(ProgramState& s, int index, float v);
// A master curve over Kt: its two ends are typed instead of one value.
bool KtRangeEntry(const ProgramState& s);

// The notch radius in mm: above 0 ("(r must be > 0)"), and a Single
// ("(r too big)" beyond its range).
std::string NotchRadiusRefusal(float radius);
inline constexpr const char* kNotchRadiusTitle = " Notch Radius";

// The notch factor of the mean-stress effect: 1 to 20.
std::string MeanStressNotchFactorRefusal(float v, bool ktWording);
// Stores an accepted notch factor into Kf, KtInput and MseNotchFactor.
void StoreMeanStressNotchFactor(ProgramState& s, float v);

// The notch factor that the summary, the reports and the simulation results
// file show (MseNotchFactor) for the job's own values, as typing its notch
// factor row leaves it: the notch factor of the mean-stress effect (KtInput)
// for a feature specimen, Kt for a plain specimen, whose Kt row is the one
// typed into.
float ShownNotchFactorOf(const ProgramState& s);
