#include "material/fatigue_db_file.h"

#include <filesystem>
#include <memory>

#include "material/fatigue_db_format.h"
#include "platform/host.h"
#include "platform/runtime/folder_path.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"

namespace {

constexpr const char* kCorruptedText = "The Material Data-Base is corrupted!";
constexpr const char* kCorruptedTitle = "Material Data-Base";
constexpr const char* kErrorTitle = "Material Database";
constexpr const char* kOverwriteQuestion = "Overwrite the existing Fatigue Database?  ";

void Report(Host& host, bool beepEnabled, const std::string& text, const char* title) {
  if (beepEnabled) host.Beep();
  host.MsgBox(text, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, title);
}

// Reads the whole file at `path` into `staging`.
FatigueDbParseResult ParseFile(const std::string& path, FatigueDatabase& staging) {
  try {
    SeqReader in = SeqReader::Open(path);
    return ParseFatigueDatabase(in, staging);
  } catch (const RuntimeError& e) {
    return {FatigueDbParseStatus::Error, RuntimeErrorText(e.code()), 0};
  }
}

// Whether an existing file would be replaced (a folder or an unreadable
// entry counts as no file, as a failed test for it does).
bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// The overwrite question, when it is due; true when the save may go on.
bool MayReplace(const std::string& path, const FatigueDbState& state, Host& host, bool beepEnabled) {
  if (state.OverwriteConfirmed != 0 || !FileExists(path)) return true;
  if (beepEnabled) host.Beep();
  return host.MsgBox(kOverwriteQuestion, MsgButtons::OKCancel, MsgIcon::Exclamation, 2,
                     kErrorTitle) == kAnswerOK;
}

}  // namespace

std::string FatigueDatabasePath(const std::string& folder) {
  if (folder.empty()) return kFatigueDbFileName;
  const char last = folder.back();
  if (last == '/' || last == '\\') return folder + kFatigueDbFileName;
  return folder + "/" + kFatigueDbFileName;
}

FatigueDbRead ReadFatigueDatabase(FatigueDatabase& db, FatigueDbState& state, Host& host, bool beepEnabled) {
  host.SetMousePointer(kPointerHourglass);
  auto staging = std::make_unique<FatigueDatabase>();
  const FatigueDbParseResult result = ParseFile(FatigueDatabasePath(state.DatabaseDir), *staging);
  host.SetMousePointer(kPointerDefault);
  switch (result.status) {
    case FatigueDbParseStatus::Corrupted:
      Report(host, beepEnabled, kCorruptedText, kCorruptedTitle);
      // the batches before the one that broke off are kept, as after a read
      if (result.batchCount < 1) return kFdbNotRead;
      break;
    case FatigueDbParseStatus::Error:
      Report(host, beepEnabled, result.errorText, kErrorTitle);
      return kFdbNotRead;
    case FatigueDbParseStatus::Ok:
      break;
  }
  db = std::move(*staging);
  state.FatigueBatchCount = result.batchCount;
  state.DataDirectory[2] = state.FatigueDbOwnFolder = state.DatabaseDir;
  state.FatigueDbModified = 0;
  return result.status == FatigueDbParseStatus::Ok ? kFdbRead : kFdbReadInPart;
}

void ConfirmedOverwriteHoldsForItsFolder(FatigueDbState& state) {
  if (!SameFolder(state.DatabaseDir, state.FatigueDbOwnFolder)) state.OverwriteConfirmed = 0;
}

bool WriteFatigueDatabase(FatigueDatabase& db, FatigueDbState& state, Host& host, bool beepEnabled) {
  ConfirmedOverwriteHoldsForItsFolder(state);
  const std::string path = FatigueDatabasePath(state.DatabaseDir);
  if (!MayReplace(path, state, host, beepEnabled)) return false;

  host.SetMousePointer(kPointerHourglass);
  FillFatigueDbSaveTexts(db, state.FatigueBatchCount);
  const SaveResult saved = FormatFatigueDatabase(db, state.FatigueBatchCount).Save(path);
  host.SetMousePointer(kPointerDefault);
  if (!saved) {
    Report(host, beepEnabled, saved.errorText, kErrorTitle);
    return false;
  }
  state.FatigueDbModified = 0;
  state.DataDirectory[2] = state.FatigueDbOwnFolder = state.DatabaseDir;
  return true;
}
