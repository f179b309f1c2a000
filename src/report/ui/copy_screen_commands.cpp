// "&Copy Screen to Printer" and "Print Set&up..." of both windows.

#include "platform/draw/printer_surface.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"

namespace {

constexpr const char* kCopyScreenTitle = " Copy Screen to Printer";
// The print setup's flags: no print-to-file box, no page range, no selection.
constexpr int kPrintSetupFlags = kPrintHidePrintToFile | kPrintNoPageNumbers | kPrintNoSelection;

// The window's client area as the screen shows it, on a page on its side:
// 80 % of the printable height high, a tenth of the page in from the left
// and from the top. One copy, whatever the count.
//
// The copy on the page, in the printer's pixels: scaled by the height alone.
void DrawWindowImage(PrinterSurface& printer, const WindowImage& image) {
  printer.ScalePixels();
  const double pageWidth = printer.ScaleWidth(), pageHeight = printer.ScaleHeight();
  const double width = image.PixelWidth(), height = image.PixelHeight();
  if (height == 0) throw RuntimeError(kErrDivisionByZero);
  const float r = Sng(pageHeight * 0.8 / height);
  printer.PSet(0, 0, 0);
  printer.DrawImage(image, CLng(0.1 * pageWidth), CLng(0.1 * pageHeight), CLng(r * width), CLng(r * height));
}

void CopyScreenToPrinter(FormMain& main, const Form& window, CommonDialog& dialog) {
  PrinterSurface& printer = main.Printer();
  printer.SetOrientation(2);
  TakePrintSetup(printer, dialog);
  const WindowImage image = window.ClientImage();
  PrintDocument(main, [&] { DrawWindowImage(printer, image); }, kCopyScreenTitle);
}

void ShowPrintSetup(Host& host, CommonDialog& dialog) {
  dialog.flags = kPrintSetupFlags;
  host.ShowPrinter(dialog);
}

}  // namespace

void mnu_CopyScreen_Click(FormMain& main) { CopyScreenToPrinter(main, main, main.PrintDlg); }

void mnu_CopyScreen_Click(FormShow& show) { CopyScreenToPrinter(show.main(), show, show.PrintDlg); }

void mnu_propt_Click(FormMain& main) {
  if (main.state().shellState.UiState == ui_state::kIdle) ShowPrintSetup(main.host(), main.PrintDlg);
}

void mnu_prtopt_Click(FormShow& show) { ShowPrintSetup(show.host(), show.PrintDlg); }
