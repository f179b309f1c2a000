// The batch-number, batch-description and reference boxes of the
// material-database frame.
#include <string>

#include "material/fatigue_db_format.h"
#include "material/ui/fatigue_db_panel.h"
#include "platform/runtime/blanks.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {
constexpr const char* kReferenceHeading = "Description & Reference:";
// The heading padded with blanks to 65 characters, shown for a set without text.
const std::string& ReferenceTemplate() {
  static const std::string text = std::string(kReferenceHeading) + std::string(41, ' ');
  return text;
}
bool IsNoReference(const std::string& text) { return text.empty() || text == kReferenceHeading; }
}  // namespace

void FatigueDbPanel::txt_Fatigue_Db_Click() { state().fatigueDbEditState.CellPairCheck = 0; }

void FatigueDbPanel::txt_Fatigue_Db_LostFocus() {
  auto& st = state().fatigueDbState;
  if (!txt_Fatigue_Db.Typed()) {  // left as shown: no jump, nothing refused
    txt_Fatigue_Db.SetVisible(false);
    return;
  }
  bool stay = false;
  if (!BrowseMode()) {
    ConfirmAbandonFatigueDbSet(kFdbMaxSets);
    // The user chose to go on with the new set: no jump.
    stay = state().fatigueDbEditState.NewSetAnswer == kAnswerNo;
  }
  const int16_t old = st.CurrentFatigueBatch;
  const std::optional<int16_t> typed = TypedInteger(txt_Fatigue_Db.Text());
  const bool readable = typed.has_value();
  const int16_t n = typed.value_or(0);
  const int last = BrowseMode() ? st.FatigueBatchCount : std::min<int>(st.FatigueBatchCount + 1, kFdbMaxBatches);
  const bool accepted = !stay && readable && n >= 1 && n <= last && (BrowseMode() || st.ShownBatchSetCount >= 1);
  if (accepted) {
    st.CurrentFatigueBatch = n;
    if (n > st.FatigueBatchCount) {
      st.FatigueBatchCount = n;
      MarkModified();
    }
    if (n != old) ShowFatigueDbBatch(n);
  } else {
    Beep();
    st.CurrentFatigueBatch = old;
    txt_Fatigue_Db.SetText(NumberText(static_cast<int32_t>(old)));
  }
  txt_Fatigue_Db.SetVisible(false);
}

void FatigueDbPanel::Txt1_Fatigue_DB_GotFocus() { state().fatigueDbEditState.CellPairCheck = 0; }

void FatigueDbPanel::Txt1_Fatigue_DB_KeyDown(int keyCode, int) {
  if (keyCode == kKeyDown) Text2(0).SetFocus();
}

void FatigueDbPanel::Txt1_Fatigue_DB_LostFocus() {
  const int b = Batch();
  std::string& name = state().fatigueDatabase.FdbBatchName[b];
  const std::string before = name;
  name = StorableText(Txt1_Fatigue_DB.Text());  // as the file keeps it
  if (OnlyBlanks(name)) name = "Batch " + NumberText(static_cast<int32_t>(b));
  if (name != before) MarkModified();
  Lab1_fatigue_DB.SetCaption("Description:  " + name);
  Txt1_Fatigue_DB.SetText(name);
  Txt1_Fatigue_DB.SetVisible(false);
}

namespace {
// Stores a reference typed into the box as the file keeps it; the untouched
// template stays "no text".
bool StoreReference(std::string& stored, const std::string& text) {
  const std::string typed = StorableReference(text);
  if (IsNoReference(stored) && (text == ReferenceTemplate() || IsNoReference(typed))) return false;
  if (stored == typed) return false;
  stored = typed;
  return true;
}
}  // namespace

void FatigueDbPanel::refer_pic_Click(int index) {
  const int b = Batch(), set = index + 1;
  std::string& reference = state().fatigueDatabase.FdbReference[b][set];
  if (refer_txt.Visible()) {
    refer_txt.SetVisible(false);
    if (!BrowseMode() && StoreReference(reference, refer_txt.Text())) MarkModified();
    return;
  }
  refer_txt.SetText(IsNoReference(reference) ? ReferenceTemplate() : reference);
  refer_txt.SetTop(Line6.Y1() - refer_txt.Height());
  refer_txt.SetLeft((frm_Fatigue_Dbase.Width() - refer_txt.Width()) / 2);
  refer_txt.SetVisible(true);
  if (BrowseMode()) {
    refer_txt.SetLocked(true);
    return;
  }
  refer_txt.SetLocked(false);
  refer_txt.SetSelStart(64);
  refer_txt.SetFocus();
}

void FatigueDbPanel::refer_txt_LostFocus() {
  if (BrowseMode()) return;
  const int marked = state().fatigueDbState.MarkedFatigueSet;
  if (marked < 0 || marked >= kFdbMaxSets) return;
  if (StoreReference(state().fatigueDatabase.FdbReference[Batch()][marked + 1], refer_txt.Text())) MarkModified();
}
