// "Print &Screen" of the second window: the view it shows on the printer or
// in a bitmap, and for the simulation results the main screen as well when
// the user asks for it.

#include <functional>

#include "montecarlo/ui/mcs_print_services.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "platform/draw/hidden_picture.h"
#include "platform/draw/printer_surface.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "report/bitmap_names.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "testdata/ui/test_data_services.h"

namespace {

constexpr const char* kQuestionTitle = "Printing Results";
constexpr const char* kToFileTitle = " Print Screen to File";
constexpr const char* kToPrinterTitle = " Print Screen to Printer";

// While the simulation results are up and their summary can be printed, the
// user is asked whether the main screen goes with them; otherwise the answer
// is No.
int AskForMainScreen(FormShow& show) {
  if (!show.mnu_prt_res.Enabled() || show.state().shellState.SecondWindowView != second_window_view::kSimulationResults)
    return kAnswerNo;
  show.Show(false, &show.main());
  return show.host().MsgBox("Would you like to print also the main screen?  ", MsgButtons::YesNo, MsgIcon::Question, 1,
                            kQuestionTitle);
}

// The drawing of the view on show; none for a view that has no picture.
std::function<void(Surface&)> ViewDrawing(FormMain& main) {
  const ProgramState& s = main.state();
  switch (s.shellState.SecondWindowView) {
    case second_window_view::kTestData:
      return [&main](Surface& target) { DrawTestDataDiagram(main, target); };
    case second_window_view::kSimulationResults:
      return [&main](Surface& target) { DrawMCSResultsDiagram(main, target, target); };
    case second_window_view::kRandomVariables: {
      const RandomVariablePanel& p = s.randomVariablePanel;
      return [&main, p](Surface& target) {
        DrawProbabilityDensity(main, target, p.PanelDistType, p.PanelParA, p.PanelParB);
      };
    }
    default:
      return {};
  }
}

void DrawSecondMainScreen(FormMain& main, Surface& target) {
  DrawMainScreen(main, target, SecondWindowMainScreenDrawings(main.state().analysisOptions));
}

// One copy: the view's document, and for the results with Yes the main
// screen's document after it. False when printing must stop.
bool PrintViewCopy(FormMain& main, int answer) {
  PrinterSurface& printer = main.Printer();
  const std::function<void(Surface&)> drawing = ViewDrawing(main);
  if (!drawing) return true;
  const auto drawView = [&] { drawing(printer); };
  if (!PrintDocument(main, drawView, kToPrinterTitle)) return false;
  if (main.state().shellState.SecondWindowView != second_window_view::kSimulationResults || answer != kAnswerYes)
    return true;
  printer.SetOrientation(2);
  const auto drawMainScreen = [&] { DrawSecondMainScreen(main, printer); };
  return PrintDocument(main, drawMainScreen, kToPrinterTitle);
}

// Saves the hidden picture; a failure is shown and stops the command.
bool SavePicture(FormMain& main, const std::string& path) {
  const SaveResult saved = main.Printer2().SaveBitmap(path);
  if (!saved) ShowPrintFailure(main, saved.errorText, kToFileTitle);
  return saved.ok;
}

void SizePicture(HiddenPicture& picture, const Form& window) {
  picture.SetHeight(window.Height());
  picture.SetWidth(window.Width());
}

// The view on the hidden picture under `path`, and for the results with Yes
// the main screen in the companion file.
void SaveViewBitmaps(FormShow& show, std::string path, int answer) {
  FormMain& main = show.main();
  HiddenPicture& picture = main.Printer2();
  picture.Cls();
  SizePicture(picture, show);
  if (const std::function<void(Surface&)> drawing = ViewDrawing(main)) drawing(picture);
  if (show.state().shellState.SecondWindowView == second_window_view::kSimulationResults) {
    if (!SavePicture(main, path) || answer != kAnswerYes) return;
    path = MainScreenBitmapName(path);
    show.Show(false, &main);
    show.host().MsgBox("The main screen will be printed to file: " + path, MsgButtons::OKOnly, MsgIcon::Information, 1,
                       kQuestionTitle);
    SizePicture(picture, main);
    picture.Cls();
    DrawSecondMainScreen(main, picture);
  }
  SavePicture(main, path);
}

}  // namespace

void mnu_prt_form_Click(FormShow& show) {
  FormMain& main = show.main();
  const int answer = AskForMainScreen(show);
  main.Printer().SetOrientation(2);
  const int copies = TakePrintSetup(main.Printer(), show.PrintDlg);
  for (int copy = 1; copy <= copies; ++copy)
    if (!PrintViewCopy(main, answer)) return;
}

void mnu_tobmp_Click(FormShow& show) {
  FormMain& main = show.main();
  const int answer = AskForMainScreen(show);
  const std::string path = AskSaveName(show.host(), show.PrintDlg, "Bitmap (*.bmp)|*.bmp");
  if (path.empty()) return;
  show.SetMousePointer(kPointerHourglass);
  show.host().DoEvents();
  try {
    SaveViewBitmaps(show, path, answer);
  } catch (const RuntimeError& e) {
    ShowPrintFailure(main, RuntimeErrorText(e.code()), kToFileTitle);
  }
  show.SetMousePointer(kPointerDefault);
}
