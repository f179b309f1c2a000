#include "material/fatigue_db_changes.h"

#include "program_state.h"
#include "shell/user_messages.h"

bool FatigueDbHasUnsavedChanges(const FatigueDbState& state) {
  return state.FatigueDbModified == 1 && state.FatigueBatchCount >= 1;
}

bool MayLoseFatigueDbChanges(const ProgramState& s, Host& host, const std::string& title, const std::string& text) {
  if (!FatigueDbHasUnsavedChanges(s.fatigueDbState)) return true;
  return AlertBox(s.shellState, host, text, MsgButtons::OKCancel, MsgIcon::Exclamation, 2, title) == kAnswerOK;
}
