#pragma once

#include <vector>

#include "platform/ui/form.h"

class FormMain;

// The loading-database browser `frm_Load_Dbase` and the loading previews:
// one batch at a time with its values, stepping through the batches, a jump
// to a typed batch number, small previews of the batch's history, spectrum
// and distribution, and Select, which takes the batch into the job.
class LoadingDbPanel {
 public:
  explicit LoadingDbPanel(FormMain& main);

  // Fills the frame with batch `batch` (1 .. LoadingBatchCount) and turns
  // the Show button back to "S&how"; the preview frames stay as they are.
  void ShowLoadingDbBatch(int batch);
  // The next batch (after the last the first), the previous one (before the
  // first the last); both hide the previews.
  void Cmd_Load_Db_Next_Click();
  void Cmd_Load_Db_Prev_Click();
  // A typed batch number (the nearest whole number) is shown; anything else
  // beeps and the box shows the batch on show again.
  void txt_Load_Db_LostFocus();
  // Show: reads the browsed batch's history into the browser's own array
  // (the job's history stays) and draws the three previews; Hide. A long
  // history is read in pieces that let events through; closing the browser
  // meanwhile stops the read.
  void Cmd_Load_Db_Show_Click();
  // Close: back to the data services, which close as their Cancel does.
  void Cmd_Load_Db_Cancel_Click();
  // Select: takes the browsed batch as the job's loading (TakeBrowsedBatch)
  // and shows the job with it. A long history is read in pieces that let
  // events through; closing the browser meanwhile leaves the job's loading
  // as it was.
  void Cmd_Load_Db_OK_Click();
  // Select for a job being opened: the browsed batch taken as Select takes
  // it, the diagrams and the summary left to the job's input view, which is
  // drawn once the job is read whole.
  void TakeBatchOfOpenedJob();

  FormMain& main;
  Frame& frm_Load_Dbase;
  ControlArray<Label>& Label5;  // 0 "Batch No.", 1 batch count, 2 "of"
  TextBox& txt_Load_Db;
  Label& Label6;                 // batch name
  Label& Label7;                 // history section
  ControlArray<Label>& Label8;
  ControlArray<Label>& Label9;
  ControlArray<Label>& Label10;  // stress units
  Label& Label11;                // spectrum section
  ControlArray<Label>& Label12;
  ControlArray<Label>& Label13;
  ControlArray<Label>& Label14;  // distribution section
  ControlArray<Label>& Label15;
  ControlArray<Label>& Label16;
  ControlArray<Label>& Label17;  // "min", "min", "cyc"
  Label& Label18;                // "Remarks:"
  Label& Label19;                // the batch's remark
  LineControl& Line1;
  LineControl& Line2;
  CommandButton& Cmd_Load_Db_Show;
  CommandButton& Cmd_Load_Db_Prev;
  CommandButton& Cmd_Load_Db_Next;
  CommandButton& Cmd_Load_Db_OK;
  CommandButton& Cmd_Load_Db_Cancel;
  Frame& frm_HistSH;
  PictureBox& Pic_HistSH;
  Frame& frm_SpectrSH;
  PictureBox& Pic_SpectrSH;
  Frame& frm_DistrSH;
  PictureBox& Pic_DistrSh;

 private:
  void HidePreviewFrames();
  // The pending events, then whether the browser is still up to go on.
  bool YieldAndStillUp();
  void PlacePreviewFrames();
  void DrawPreviews(int batch);
  // The screen once a batch has been taken.
  void ShowYoungModulus();
  // `redraw`: the input view on show draws the diagrams and the summary anew.
  void TakeBrowsed(bool redraw);
  void ShowTakenBatch(bool redraw);

  // The browsed batch's history as the preview draws it.
  std::vector<float> previewPoints_;
  bool showing_ = false;  // Show is at work (it yields to events)
  bool taking_ = false;   // Select is at work (it yields to events)
};
