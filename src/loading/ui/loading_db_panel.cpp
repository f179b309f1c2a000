#include "loading/ui/loading_db_panel.h"

#include "loading/batch_texts.h"
#include "material/ui/data_service_panel.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

LoadingDbPanel::LoadingDbPanel(FormMain& m)
    : main(m),
      frm_Load_Dbase(m.frame("frm_Load_Dbase")),
      Label5(m.array<Label>("Label5")),
      txt_Load_Db(m.textBox("txt_Load_Db")),
      Label6(m.label("Label6")),
      Label7(m.label("Label7")),
      Label8(m.array<Label>("Label8")),
      Label9(m.array<Label>("Label9")),
      Label10(m.array<Label>("Label10")),
      Label11(m.label("Label11")),
      Label12(m.array<Label>("Label12")),
      Label13(m.array<Label>("Label13")),
      Label14(m.array<Label>("Label14")),
      Label15(m.array<Label>("Label15")),
      Label16(m.array<Label>("Label16")),
      Label17(m.array<Label>("Label17")),
      Label18(m.label("Label18")),
      Label19(m.label("Label19")),
      Line1(m.line("Line1")),
      Line2(m.line("Line2")),
      Cmd_Load_Db_Show(m.button("Cmd_Load_Db_Show")),
      Cmd_Load_Db_Prev(m.button("Cmd_Load_Db_Prev")),
      Cmd_Load_Db_Next(m.button("Cmd_Load_Db_Next")),
      Cmd_Load_Db_OK(m.button("Cmd_Load_Db_OK")),
      Cmd_Load_Db_Cancel(m.button("Cmd_Load_Db_Cancel")),
      frm_HistSH(m.frame("frm_HistSH")),
      Pic_HistSH(m.picture("Pic_HistSH")),
      frm_SpectrSH(m.frame("frm_SpectrSH")),
      Pic_SpectrSH(m.picture("Pic_SpectrSH")),
      frm_DistrSH(m.frame("frm_DistrSH")),
      Pic_DistrSh(m.picture("Pic_DistrSh")) {
  Cmd_Load_Db_Next.onClick = [this] { Cmd_Load_Db_Next_Click(); };
  Cmd_Load_Db_Prev.onClick = [this] { Cmd_Load_Db_Prev_Click(); };
  Cmd_Load_Db_Show.onClick = [this] { Cmd_Load_Db_Show_Click(); };
  Cmd_Load_Db_Cancel.onClick = [this] { Cmd_Load_Db_Cancel_Click(); };
  Cmd_Load_Db_OK.onClick = [this] { Cmd_Load_Db_OK_Click(); };
  txt_Load_Db.onLostFocus = [this] { txt_Load_Db_LostFocus(); };
}

void LoadingDbPanel::ShowLoadingDbBatch(int batch) {
  ProgramState& s = main.state();
  const BatchBrowserTexts t = BrowseLoadingBatch(s, batch);
  txt_Load_Db.SetText(t.number);
  Label5(1).SetCaption(t.count);
  Label6.SetCaption(t.name);
  Label7.SetCaption(t.historyTitle);
  Label11.SetCaption(t.spectrumTitle);
  Label14(0).SetCaption(t.distributionTitle);
  Label8(1).SetCaption(t.historyMaxLabel);
  Label8(2).SetCaption(t.historyMinLabel);
  const std::string* history[] = {&t.points, &t.historyMax, &t.historyMin, &t.historyTime};
  for (int i = 0; i < 4; ++i) Label9(i).SetCaption(*history[i]);
  Label12(0).SetCaption(t.rangeMaxLabel);
  Label12(1).SetCaption(t.rangeMinLabel);
  const std::string* spectrum[] = {&t.upper, &t.lower, &t.levels, &t.volume, &t.spectrumTime};
  for (int i = 0; i < 5; ++i) Label13(i).SetCaption(*spectrum[i]);
  for (int i = 0; i < 4; ++i) Label10(i).SetCaption(t.unit);
  Label14(1).SetCaption(t.kind);
  s.shellState.CaptionBuf = t.q;
  Label16(0).SetCaption(s.shellState.CaptionBuf);
  Label16(1).SetCaption(t.r);
  Label19.SetCaption(t.remark);
  Cmd_Load_Db_Show.SetCaption("S&how");
  s.loadingDbState.PreviewShown = 0;
}

void LoadingDbPanel::HidePreviewFrames() {
  for (Frame* f : {&frm_HistSH, &frm_SpectrSH, &frm_DistrSH}) f->SetVisible(false);
}

void LoadingDbPanel::Cmd_Load_Db_Next_Click() {
  LoadingDbState& st = main.state().loadingDbState;
  st.BrowsedLoadingBatch = st.BrowsedLoadingBatch < st.LoadingBatchCount ? st.BrowsedLoadingBatch + 1 : 1;
  ShowLoadingDbBatch(st.BrowsedLoadingBatch);
  Cmd_Load_Db_Cancel.SetFocus();
  HidePreviewFrames();
}

void LoadingDbPanel::Cmd_Load_Db_Prev_Click() {
  LoadingDbState& st = main.state().loadingDbState;
  st.BrowsedLoadingBatch = st.BrowsedLoadingBatch >= 2 ? st.BrowsedLoadingBatch - 1 : st.LoadingBatchCount;
  ShowLoadingDbBatch(st.BrowsedLoadingBatch);
  Cmd_Load_Db_Cancel.SetFocus();
  HidePreviewFrames();
}

void LoadingDbPanel::txt_Load_Db_LostFocus() {
  ProgramState& s = main.state();
  LoadingDbState& st = s.loadingDbState;
  int16_t n = 0;
  const bool whole = TryCInt(Val(txt_Load_Db.Text()), n);
  if (whole && n >= 1 && n <= st.LoadingBatchCount) {
    st.BrowsedLoadingBatch = n;
    ShowLoadingDbBatch(n);
    Cmd_Load_Db_Cancel.SetFocus();
    return;
  }
  BeepIfEnabled(s.shellState, main.host());
  ShowLoadingDbBatch(st.BrowsedLoadingBatch);
}

void LoadingDbPanel::Cmd_Load_Db_Cancel_Click() {
  frm_Load_Dbase.SetVisible(false);
  HidePreviewFrames();
  DataServicePanel& ds = main.dataService();
  ds.frm_data_serv.SetVisible(true);
  ds.cmd_data_cancel_Click();
}
