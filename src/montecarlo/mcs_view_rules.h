#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host.h"

struct McsSettings;
struct ProgramState;

// The rules of the simulation results view and of the simulation options:
// what a choice or an entry does to the records; the panels show the result.

// Opens the results file `path` in place of the result in memory: the view's
// choices start afresh (no fit, reliability 0.999 given as the probability,
// no lower tail) and the file is read with its lives taken as sorted. When
// the reader refuses it (its message shown) the result, the choices and the
// results path in memory are as they were; returns false.
bool OpenMcsResults(ProgramState& s, Host& host, const std::string& path);

// The life unit chosen from the view's popup (item 0 cycles, 1 blocks, 2
// hours, offered with a block time only); false when the stored result is of
// constant amplitude (always in cycles) or the unit is not offered.
bool ChooseResultsLifeUnit(ProgramState& s, int item);

// The fit chosen from the view's popup (item 0 none, 1 log-normal, 2
// Weibull): a new fit starts the lower-tail search from the largest finite
// life (log-normal) or the mean (Weibull); with no fit the reliability pair
// is kept within the sample ("Data out-of-range!" with the corrected value).
// Returns whether the lower-tail search is to run (a fit in a single case).
bool ChooseLifeFit(ProgramState& s, Host& host, int item);

// What an entry in a results box comes to.
struct ResultsBoxEntry {
  bool accepted = false;
  std::string text;        // the box's text: the stored value through its mask, or the corrected value
  int32_t textColour = 0;  // of an accepted entry
  // A refused entry's message (empty for none) with its title and icon, and
  // whether a beep goes first.
  std::string message, title;
  MsgIcon icon = MsgIcon::Critical;
  bool beep = false;
};

// Box 0, the failure probability Pf (the required reliability is 1 - Pf):
// within 1/N (no fit) or 1E-6 (a fit) and 0.9991 and the share of the lives
// the law stands for. A Pf above that share is corrected to 0.001 below it,
// or to the share itself where so little of the sample fails that nothing
// the box takes lies 0.001 below it: the level stays below 1.
ResultsBoxEntry EnterFailureProbability(ProgramState& s, float x);
// Box 1, the life Tr at the required reliability in the displayed unit:
// within the smallest life and 0.999 times the largest of the law's lives.
// A refused life leaves the stored one as it was.
ResultsBoxEntry EnterReliableLife(ProgramState& s, float x);
// Box 2, the lower-tail life in the displayed unit: from 1.299 times the
// smallest to the largest finite life; an accepted one reads the result again
// over the new tail and recomputes its statistics.
ResultsBoxEntry EnterLowerTailLife(ProgramState& s, Host& host, float x);

// The typed number of simulations: a number (blanks around it allowed) that
// a Long holds once rounded, 100 or more. Otherwise nothing, with the
// refusal's text: "Sorry, Data is Incorrect! " alone for a text that is no
// number, followed by "(No<100)" for a value below 100 or by
// "(No>2147483647)" for one beyond the Long range.
std::optional<int32_t> TypedSimulationCount(std::string_view text, std::string& refusal);

// A check box of the simulation options (0 random start, 1 neglect the
// fatigue limit, 2 the option N, 3 the fast simulation algorithm) set to
// `value` (0 or 1), with the tags that follow it.
void SetSimulationOption(McsSettings& m, int index, int16_t value);

// The tags of the fatigue-limit and the algorithm option as the options
// stand: "NoFL" while the fatigue limit is neglected, else "FL"; "/FSA" with
// the fast simulation algorithm, else "/NSA".
void MatchSimulationTags(McsSettings& m);
