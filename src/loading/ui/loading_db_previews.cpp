// The browser's Show and Hide: the previews of the browsed batch's history,
// spectrum and distribution in three frames over the window.
#include "loading/loading_records.h"
#include "loading/history_file.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

bool LoadingDbPanel::YieldAndStillUp() {
  main.host().DoEvents();
  return frm_Load_Dbase.Visible();
}

// Each frame a third of the window wide and 1 / 3.1 of it high, one below
// the other, shifted to the right.
void LoadingDbPanel::PlacePreviewFrames() {
  const LayoutScales& ls = main.state().layoutScales;
  const float w = main.ScaleWidth() / 3.0f, h = main.ScaleHeight() / 3.1f;
  const float historyTop = 400 * ls.ScaleY;
  const float spectrumTop = h + 200 * ls.ScaleY;
  frm_HistSH.Move(100 * ls.ScaleX, historyTop, w, h);
  frm_SpectrSH.Move(700 * ls.ScaleX, spectrumTop, w, h);
  frm_DistrSH.Move(1300 * ls.ScaleX, spectrumTop + h - 200 * ls.ScaleY, w, h);
}

void LoadingDbPanel::DrawPreviews(int b) {
  const LoadingDatabase& db = main.state().loadingDatabase;
  const bool history = db.BatchPointCount[b] > 0, spectrum = db.BatchLevelCount[b] > 0.0f,
             distribution = db.BatchR[b] > 0.0f;
  if (history) DrawHistoryPreview(main, b, previewPoints_);
  Pic_HistSH.SetVisible(history);
  if (spectrum) DrawSpectrumPreview(main, b);
  Pic_SpectrSH.SetVisible(spectrum);
  if (distribution) DrawDistributionPreview(main, b);
  Pic_DistrSh.SetVisible(distribution);
}

void LoadingDbPanel::Cmd_Load_Db_Show_Click() {
  if (showing_ || taking_) return;  // a press while Show or Select yields
  ProgramState& s = main.state();
  LoadingDbState& st = s.loadingDbState;
  Host& host = main.host();
  Pic_SpectrSH.surface().Cls();
  Pic_HistSH.surface().Cls();
  if (st.PreviewShown != 0) {
    HidePreviewFrames();
    for (PictureBox* p : {&Pic_HistSH, &Pic_SpectrSH, &Pic_DistrSh}) p->SetVisible(false);
    Cmd_Load_Db_Show.SetCaption("S&how");
    Cmd_Load_Db_Cancel.SetFocus();
    st.PreviewShown = 0;
    return;
  }
  const int b = BatchInRecords(st.BrowsedLoadingBatch) ? st.BrowsedLoadingBatch : 0;
  showing_ = true;
  const auto done = [&] {
    host.SetMousePointer(kPointerDefault);
    showing_ = false;
  };
  if (s.loadingDatabase.BatchPointCount[b] > 0) {
    host.SetMousePointer(kPointerHourglass);
    if (!YieldAndStillUp()) return done();
    // A refused count below 3 leaves a batch without history: its other
    // previews are still shown.
    // The read stops when the browser is closed meanwhile.
    const auto stillUp = [this] { return frm_Load_Dbase.Visible(); };
    if (ReadHistoryFile(s, host, b, previewPoints_, stillUp) == 0 && s.loadingDatabase.BatchPointCount[b] > 0)
      return done();
  }
  host.SetMousePointer(kPointerHourglass);
  if (!YieldAndStillUp()) return done();
  PlacePreviewFrames();
  DrawPreviews(b);
  Cmd_Load_Db_Show.SetCaption("&Hide");
  for (Frame* f : {&frm_HistSH, &frm_SpectrSH, &frm_DistrSH}) f->SetVisible(true);
  done();
  st.PreviewShown = 1;
}
