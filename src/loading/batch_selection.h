#pragma once

#include <functional>
#include <string>

class Host;
struct ProgramState;

// Taking a batch of the loading database as the job's loading (the browser's
// Select, and the job reader restoring a job's batch).

// The loading quantity of a batch as the program compares it: the first six
// characters of BatchQuantity followed by a blank ("Stress " or "Strain ").
std::string QuantityOfBatch(const std::string& batchQuantity);

// How taking the browsed batch ended.
enum class BatchTaking {
  Refused,  // a refusal or a No: nothing of the job changed
  Stopped,  // the history file could not be read (its reader has said why), or
            // the caller no longer wanted the batch
  Taken,
};

// Takes batch BrowsedLoadingBatch when it fits the job:
//   refused when it holds nothing of the loading type ("Sorry, the data is
//   incomplete!"), for a distribution loading when its kind is below -10
//   (" Sorry, can't use the data!"), when its quantity is neither "Stress"
//   nor "Strain" (" Sorry, can't use the data!" and the quantity), or when
//   its history is refused
//   (" Sorry, Wrong History Data!": fewer than 3 points in its file, or a
//   history that starts neither at its maximum nor at its minimum, 0.1 %
//   apart; a first point of 0 passes only when an extreme is 0); asks
//   whether to go on where the batch and the mean-stress option disagree
//   (spectrum and distribution loading) and for a strain batch; No refuses.
// A history batch's points are read from its file into a copy that becomes
// the job's history only when the batch is taken. A refusal, a No or a read
// that fails leave the job's loading as it was (MseQuestionAnswered aside,
// and what the history reader writes into the database row); taking the
// batch fills the loading records from it: the source, the batch selected
// and taken (with its database's folder, LoadingDbOwnFolder, which becomes the
// job's loading folder DataDirectory(1)), levels, name,
// distribution kind, cycles per block, stresses and stress pair, scaling
// factors 1, the damage array, the mean-stress texts, quantity and units,
// LoadingDataReady. Strengths and screen are the caller's.
// A long history is read and its work arrays made in pieces, letting pending
// events through between them (Host::DoEvents, at most every few
// milliseconds), and `goOn`, when given, says whether the batch is still
// wanted: when it says no, taking stops (Stopped) without a message
// and the job's loading stays as it was (its rainflow work arrays may be left
// short; the damage calculation sizes them to the history it counts).
BatchTaking TakeBrowsedBatch(ProgramState& s, Host& host, const std::function<bool()>& goOn = {});

// The selected batch's mean-stress texts (BatchMseText, BatchMseText2) made
// again as taking the batch makes them, in the stress unit and for the
// specimen of now: "DMSE(+): Su=<Su>, Sy=<Sy>" with ", Kf=<Kf> " for a
// feature specimen, and "DMSE(+): <Su>/<Sy>" with "/<Kf> ". Only for a
// batch that carries strengths (Su above 1.0001); returns whether they were
// made. A typed-in loading, which selects no batch, keeps its texts.
bool FollowBatchStrengthTexts(ProgramState& s);
