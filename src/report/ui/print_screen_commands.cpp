// "Print &Screen" of the main window: its diagrams and summary box drawn
// again on the printer, or on the hidden picture saved as a bitmap.

#include "diagrams/ui/diagram_services.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/hidden_picture.h"
#include "platform/draw/printer_surface.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"

namespace {

constexpr const char* kToFileTitle = " Print Screen to File";
constexpr const char* kToPrinterTitle = " Print Screen to Printer";

std::vector<ScreenDrawing> OwnDrawings(FormMain& main) {
  return MainScreenDrawings(main.state().analysisOptions, main.loadingFrames().frm_Spectr.Visible());
}

void DrawOne(FormMain& main, Surface& target, ScreenDrawing drawing) {
  const int batch = SelectedBatchOf(main.state());
  switch (drawing) {
    case ScreenDrawing::SNCurve:
      DrawSNCurve(main, target);
      break;
    case ScreenDrawing::History:
      DrawHistoryDiagram(main, target, batch);
      break;
    case ScreenDrawing::Spectrum:
      DrawSpectrumDiagram(main, target, batch);
      break;
    case ScreenDrawing::Distribution:
      DrawDistributionDiagram(main, target, batch);
      break;
    case ScreenDrawing::Damage:
      DrawDamageDiagram(main, target);
      break;
    case ScreenDrawing::DataBox:
      PrintDataBox(main, target);
      break;
    case ScreenDrawing::MasterCurve:
      DrawMasterCurve(main, target, target);
      break;
  }
}

}  // namespace

void DrawMainScreen(FormMain& main, Surface& target, const std::vector<ScreenDrawing>& drawings) {
  for (ScreenDrawing drawing : drawings) DrawOne(main, target, drawing);
}

void mnu_pform_Click(FormMain& main) {
  if (!MainViewIdleElseBeep(main)) return;
  PrinterSurface& printer = main.Printer();
  printer.SetOrientation(2);
  const int copies = TakePrintSetup(printer, main.PrintDlg);
  const auto drawScreen = [&] { DrawMainScreen(main, printer, OwnDrawings(main)); };
  for (int copy = 1; copy <= copies; ++copy)
    if (!PrintDocument(main, drawScreen, kToPrinterTitle)) return;
}

void mnu_tobmp_Click(FormMain& main) {
  if (!MainViewIdleElseBeep(main)) return;
  const std::string path = AskSaveName(main.host(), main.PrintDlg, "DUVAK Results (*.bmp)|*.bmp");
  if (path.empty()) return;
  main.SetMousePointer(kPointerHourglass);
  main.host().DoEvents();
  HiddenPicture& picture = main.Printer2();
  std::string failure;
  try {
    picture.Cls();
    picture.SetHeight(main.Height());
    picture.SetWidth(main.Width());
    DrawMainScreen(main, picture, OwnDrawings(main));
    failure = picture.SaveBitmap(path).errorText;
  } catch (const RuntimeError& e) {
    failure = RuntimeErrorText(e.code());
  }
  if (!failure.empty()) ShowPrintFailure(main, failure, kToFileTitle);
  main.SetMousePointer(kPointerDefault);
}
