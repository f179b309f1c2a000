#include "shell/ui/job_texts_panel.h"

#include "component/ui/data_box_panel.h"
#include "engine/ui/engine_commands.h"
#include "platform/runtime/seq_text.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {
constexpr int32_t kEditBack = 0x00FFFFFF;
constexpr int32_t kEditFore = 0x00FF00FF;
constexpr int16_t kFromDatabase = 1;
constexpr int16_t kTypedIn = 2;
}  // namespace

JobTextsPanel::JobTextsPanel(FormMain& m)
    : main(m),
      Subj(m.label("Subj")),
      Subjt(m.textBox("Subjt")),
      Load(m.label("Load")),
      Loadt(m.textBox("Loadt")),
      Material(m.label("Material")),
      Materialt(m.textBox("Materialt")) {
  Subj.onClick = [this] { Subj_Click(); };
  Load.onClick = [this] { Load_Click(); };
  Material.onClick = [this] { Material_Click(); };
  Subjt.onGotFocus = [this] { Subjt_GotFocus(); };
  Loadt.onGotFocus = [this] { Loadt_GotFocus(); };
  Materialt.onGotFocus = [this] { Materialt_GotFocus(); };
  Subjt.onLostFocus = [this] { Subjt_LostFocus(); };
  Loadt.onLostFocus = [this] { Loadt_LostFocus(); };
  Materialt.onLostFocus = [this] { Materialt_LostFocus(); };
  Subjt.onKeyDown = [this](int& key, int shift) { Subjt_KeyDown(key, shift); };
  Loadt.onKeyDown = [this](int& key, int shift) { Loadt_KeyDown(key, shift); };
  Materialt.onKeyDown = [this](int& key, int shift) { Materialt_KeyDown(key, shift); };
}

// ---- label clicks: the box opens with the stored text

void JobTextsPanel::OpenBox(TextBox& box, const std::string& text) {
  box.SetText(text);
  box.SetVisible(true);
  box.SetFocus();
}

void JobTextsPanel::Subj_Click() { OpenBox(Subjt, main.state().jobTexts.JobSubject); }

void JobTextsPanel::Load_Click() {
  // A loading batch of the database keeps its batch name.
  if (main.state().loadingDbState.LoadingSource == kFromDatabase) return;
  OpenBox(Loadt, main.state().jobTexts.LoadingName);
}

void JobTextsPanel::Material_Click() {
  // A set of the fatigue database keeps its set name.
  if (main.state().materialData.MaterialSource == kFromDatabase) return;
  OpenBox(Materialt, main.state().jobTexts.MaterialName);
}

// ---- editing look

void JobTextsPanel::Subjt_GotFocus() {
  Subjt.SetBackColor(kEditBack);
  Subjt.SetForeColor(kEditFore);
}
void JobTextsPanel::Loadt_GotFocus() {
  Loadt.SetBackColor(kEditBack);
  Loadt.SetForeColor(kEditFore);
}
void JobTextsPanel::Materialt_GotFocus() {
  Materialt.SetBackColor(kEditBack);
  Materialt.SetForeColor(kEditFore);
}

// ---- leaving a box stores its text as the job file keeps it (StorableText);
// an empty box gets the stored text back

void JobTextsPanel::StoreBox(TextBox& box, std::string& text) {
  const ProgramState& s = main.state();
  const std::string typed = StorableText(box.Text());
  if (typed.empty()) {
    BeepIfEnabled(s.shellState, main.host());
    box.SetText(text);
  } else {
    text = typed;
    box.SetText(typed);
  }
  box.SetBackColor(s.colourSettings.ColourDataBox);
  box.SetForeColor(0);
}

void JobTextsPanel::Subjt_LostFocus() { StoreBox(Subjt, main.state().jobTexts.JobSubject); }
void JobTextsPanel::Loadt_LostFocus() { StoreBox(Loadt, main.state().jobTexts.LoadingName); }
void JobTextsPanel::Materialt_LostFocus() { StoreBox(Materialt, main.state().jobTexts.MaterialName); }

// ---- Up and Down walk the summary items

void JobTextsPanel::ExtSN_Click() { main.dataBox().ExtSN(0).click(); }
void JobTextsPanel::DTFf_Click() { ::DTFf_Click(main); }

void JobTextsPanel::Subjt_KeyDown(int KeyCode, int /*Shift*/) {
  const ProgramState& s = main.state();
  if (KeyCode == kKeyUp) {
    if (s.analysisOptions.RelOption == 2)
      DTFf_Click();
    else
      main.dataBox().Reliab_Click();
  } else if (KeyCode == kKeyDown) {
    if (s.loadingDbState.LoadingSource == kTypedIn)
      Load_Click();
    else if (s.materialData.MaterialSource == kTypedIn)
      Material_Click();
    else if (s.analysisOptions.LoadingType < 3)
      ExtSN_Click();
    else
      DTFf_Click();
  }
}

void JobTextsPanel::Loadt_KeyDown(int KeyCode, int /*Shift*/) {
  const ProgramState& s = main.state();
  if (KeyCode == kKeyUp) {
    Subj_Click();
  } else if (KeyCode == kKeyDown) {
    if (s.materialData.MaterialSource == kTypedIn)
      Material_Click();
    else
      DTFf_Click();
  }
}

void JobTextsPanel::Materialt_KeyDown(int KeyCode, int /*Shift*/) {
  const ProgramState& s = main.state();
  if (KeyCode == kKeyUp) {
    if (s.loadingDbState.LoadingSource == kTypedIn)
      Load_Click();
    else
      Subj_Click();
  } else if (KeyCode == kKeyDown) {
    if (s.analysisOptions.RelOption == 1)
      DTFf_Click();
    else if (s.analysisOptions.LoadingType < 3)
      ExtSN_Click();
    else
      DTFf_Click();
  }
}
