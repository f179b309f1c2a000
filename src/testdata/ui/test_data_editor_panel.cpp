#include "testdata/ui/test_data_editor_panel.h"

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "testdata/ui/test_data_captions.h"

TestDataEditorPanel::TestDataEditorPanel(FormShow& s)
    : show(s),
      frm_diag(s.frame("frm_diag")),
      pic_diag(s.picture("pic_diag")),
      frm_diag2(s.frame("frm_diag2")),
      txt_Name(s.textBox("txt_Name")),
      txt_label(s.array<TextBox>("txt_label")),
      txt_points(s.array<TextBox>("txt_points")),
      pic_CLO(s.picture("pic_CLO")),
      lbl_CLOn(s.array<Label>("lbl_CLOn")),
      txt_CLOx(s.array<TextBox>("txt_CLOx")),
      txt_CLOn(s.array<TextBox>("txt_CLOn")),
      scroll_CLO(s.scrollBar("scroll_CLO")),
      cmd_CLO_open(s.button("cmd_CLO_open")),
      cmd_CLO_Del(s.button("cmd_CLO_Del")),
      cmd_CLO_OK(s.button("cmd_CLO_OK")),
      cmd_CLO_canc(s.button("cmd_CLO_canc")) {
  cmd_CLO_canc.onClick = [this] { cmd_CLO_canc_Click(); };
  cmd_CLO_Del.onClick = [this] { cmd_CLO_Del_Click(); };
  cmd_CLO_OK.onClick = [this] { cmd_CLO_OK_Click(); };
  cmd_CLO_open.onClick = [this] { cmd_CLO_open_Click(); };

  scroll_CLO.onChange = [this] { scroll_CLO_Change(); };
  txt_CLOx.onClick = [this](int i) { txt_CLOx_Click(i); };
  txt_CLOn.onClick = [this](int i) { txt_CLOn_Click(i); };
  txt_CLOx.onGotFocus = [this](int i) { txt_CLOx_GotFocus(i); };
  txt_CLOn.onGotFocus = [this](int i) { txt_CLOn_GotFocus(i); };
  txt_CLOx.onKeyDown = [this](int i, int& k, int sh) { txt_CLOx_KeyDown(i, k, sh); };
  txt_CLOn.onKeyDown = [this](int i, int& k, int sh) { txt_CLOn_KeyDown(i, k, sh); };
  txt_CLOx.onLostFocus = [this](int i) { txt_CLOx_LostFocus(i); };
  txt_CLOn.onLostFocus = [this](int i) { txt_CLOn_LostFocus(i); };
  txt_Name.onGotFocus = [this] { txt_Name_GotFocus(); };
  txt_Name.onKeyDown = [this](int& k, int sh) { txt_Name_KeyDown(k, sh); };
  txt_Name.onLostFocus = [this] { txt_Name_LostFocus(); };
  txt_points.onGotFocus = [this](int i) { txt_points_GotFocus(i); };
  txt_points.onKeyDown = [this](int i, int& k, int sh) { txt_points_KeyDown(i, k, sh); };
  txt_points.onLostFocus = [this](int i) { txt_points_LostFocus(i); };

  pic_diag.onMouseMove = [this](int b, int sh, float x, float y) { pic_diag_MouseMove(b, sh, x, y); };
  pic_diag.onMouseDown = [this](int b, int sh, float x, float y) { pic_diag_MouseDown(b, sh, x, y); };
}

ProgramState& TestDataEditorPanel::state() const { return show.state(); }
TestDataSet& TestDataEditorPanel::set() const { return show.state().testDataSet; }
FormMain& TestDataEditorPanel::main() const { return show.main(); }
Host& TestDataEditorPanel::host() const { return show.host(); }

void TestDataEditorPanel::SetCommandCaptions() {
  cmd_CLO_Del.SetCaption(kCaptionNew);
  cmd_CLO_OK.SetCaption(kCaptionOK);
  cmd_CLO_canc.SetCaption(kCaptionCancel);
  cmd_CLO_open.SetCaption(kCaptionOpen);
}

void TestDataEditorPanel::SetEditCaptions() {
  cmd_CLO_Del.SetCaption(kCaptionDelete);
  cmd_CLO_OK.SetCaption(kCaptionFit);
  cmd_CLO_canc.SetCaption(kCaptionClose);
  cmd_CLO_open.SetCaption(kCaptionInsert);
}

void TestDataEditorPanel::ShowEditor() {
  show.Show();
  main().Hide();
}

void TestDataEditorPanel::ReturnToMainWindow() {
  main().SetVisible(true);
  show.SetVisible(false);
}

void TestDataEditorPanel::RaiseSecondWindow() { show.Show(false, &main()); }

int TestDataEditorPanel::Message(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
                                 const std::string& title) {
  RaiseSecondWindow();
  return host().MsgBox(text, buttons, icon, defaultButton, title);
}
