#pragma once

#include <cstdint>
#include <string>

class Host;
struct ProgramState;

// Rules that the Calculate command and the problem definition's OK share:
// how many cycles make one block, whether the loading in place fits a loading
// type, and whether the selected loading batch disagrees with the mean-stress
// option.

// Cycles of one block for the committed loading type: a history of n points
// gives (n - 1) / 2 (halves to even), a spectrum the batch's block cycles, a
// constant amplitude 1 and a distribution the block volume typed in. False
// (and `cycles` untouched) when the batch's value does not fit a 32-bit count.
bool CyclesPerBlockFor(const ProgramState& s, int32_t& cycles);

// Whether the loading data in place fit loading type `type`: constant
// amplitude always; a spectrum needs levels and a history points in the
// selected batch; a distribution is typed in or comes from a batch with a
// distribution parameter R.
bool LoadingReadyFor(int type, const ProgramState& s);

// The word of the mean-stress question for the selected batch: "Without" when
// a spectrum batch without strength data meets an analysis that accounts for
// the mean stress, "With" when a batch with strength data meets one that
// neglects it, empty when there is nothing to ask. Asked only for a spectrum
// or a distribution and only until the question was answered for the batch.
std::string MeanStressQuestionWord(const ProgramState& s);

// The question itself: "Data <word> Mean Stress Effect!" and "Continue?".
std::string MeanStressQuestionText(const std::string& word);
inline constexpr const char* kMeanStressQuestionTitle = "Current Data Batch";

// Asks the mean-stress question when MeanStressQuestionWord has a word (a
// beep, Yes/No with No as default, question icon, kMeanStressQuestionTitle).
// Yes marks it answered for the batch (MseQuestionAnswered 1); No makes the
// analysis neglect the mean stress (MeanStressOption 1).
enum class MeanStressAnswer { NotAsked, Yes, No };
MeanStressAnswer AskMeanStressQuestion(ProgramState& s, Host& host);
