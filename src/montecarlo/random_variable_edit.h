#pragma once

#include <cstdint>
#include <string>

#include "montecarlo/random_variables.h"

// The rules of the random-variable dialog: which slot of the table a caller
// edits, the working record on opening, the checks of the three boxes, the
// commit of OK and the tag at the end of the dialog's caption.

// The caller texts: the dialog's frame caption and the choice of the slot.
inline constexpr const char* kMaterialCaller = "Material Data";
inline constexpr const char* kLoadingCaller = "Loading Data";
inline constexpr const char* kComponentCaller = "Component Geometry";

// The slot a caller edits: "Material Data" its label's index + 1, plus 3
// while the fatigue-database browser shows (the S-N frame's label 4, the
// browser's label 7); "Loading Data" 2 and "Component Geometry" 3 whatever
// the index. Any other text, or an index beyond the table, names no slot (0).
int16_t RandomVariableSlot(const std::string& callerText, int16_t index, bool fatigueBrowserShown);

// The variable's name in the dialog's caption ("Endurance Limit,  Se: ",
// "Scaling Factor,  k: ", "Stress Conc. Factor,  Kt: "); "" for another text.
std::string RandomVariableName(const std::string& callerText);

// The names of the parameters B and A by type: Weibull "Shape:" and
// "Scale: ", exponential "Shape:" and "Shift:   ", every other type "STDV: "
// and "Mean: ".
struct DistributionParameterNames {
  const char* b;
  const char* a;
};
DistributionParameterNames ParameterNamesOf(int16_t type);

// The type the dialog shows for a stored type: a code outside -1 .. 5 (only
// a damaged file can hold one) shows as None (0).
int16_t ShownDistributionType(int16_t storedType);

// Opens slot `slot` in the working record: its type (as shown), COV and
// bounds, both bounds 1.0 when Xmax is 0, and the parameters A and B of the
// type with the COV shown. Returns the COV shown: the slot's for the types 1
// to 5, 0 otherwise.
float OpenRandomVariable(RandomVariableTable& table, RandomVariablePanel& panel, int16_t slot);

// A refused box value: the message and its title; no text when accepted.
struct EntryRefusal {
  std::string text;
  std::string title;
  bool refused() const { return !text.empty(); }
};

// The box rules, for the types 1 to 5 (None and Correlated take any number).
// A value that is not a number (NaN) fails every check.
//   COV 0.01 .. 1.0;  Xmin 0.01 .. 1.0 and not above Xmax;  Xmax 1.01 .. 3.0
//   and above Xmin.
EntryRefusal CovRefusal(int16_t type, float cov);
EntryRefusal XminRefusal(int16_t type, float xmin, float xmax);
EntryRefusal XmaxRefusal(int16_t type, float xmax, float xmin);

// An accepted COV: PanelCov takes it for the types above 0; the parameters of
// PanelDistType with it, and the plot range of those parameters as the new
// bounds.
void AcceptCov(RandomVariablePanel& panel, float cov);

// OK: slot `slot` takes, in this order, the type, the two bounds, A, B and
// the COV of the working record.
void CommitRandomVariable(RandomVariableTable& table, int16_t slot, int16_t type, float xmin, float xmax,
                          const RandomVariablePanel& panel);

// The caption with its tag replaced: everything before its last "{" (the
// last character itself is not looked at), then the tag of the option button
// `optionIndex` (type code + 1) with `cov`. A caption without a "{" gets the
// tag appended; an option index outside 0 .. 6 leaves the caption cut before
// its tag.
std::string WithDistributionTag(const std::string& caption, int optionIndex, float cov);

// The caption's tag: from its last "{" to the end ("" without one).
std::string TrailingTag(const std::string& caption);
