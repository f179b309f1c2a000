// "Print Su&mmary" of both windows: the summary report on the printer, once
// per copy, or in a text file.

#include "platform/draw/printer_surface.h"
#include "program_state.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"

namespace {

void PrintReportCopies(FormMain& main, CommonDialog& dialog) {
  main.Printer().SetOrientation(1);
  const int copies = TakePrintSetup(main.Printer(), dialog);
  for (int copy = 1; copy <= copies; ++copy) {
    const PrintOutcome outcome = PrintReport(main);
    if (outcome == PrintOutcome::Cancelled || outcome == PrintOutcome::OutputFailed) return;
  }
}

// The save dialog of the window's common dialog, then the report in the file
// named there (used exactly as typed).
void SaveReport(FormMain& main, CommonDialog& dialog, const char* filter) {
  const std::string path = AskSaveName(main.host(), dialog, filter);
  if (!path.empty()) WriteReportToFile(main.state(), ReportCaptionsOf(main), path, main.host());
}

}  // namespace

void mnu_pdoc_Click(FormMain& main) {
  if (MainViewIdleElseBeep(main)) PrintReportCopies(main, main.PrintDlg);
}

void mnu_pfile_Click(FormMain& main) {
  if (MainViewIdleElseBeep(main)) SaveReport(main, main.PrintDlg, "DUVAK Results (*.txt)|*.txt");
}

void mnu_prt_doc_Click(FormShow& show) { PrintReportCopies(show.main(), show.PrintDlg); }

void mnu_prt_file_Click(FormShow& show) { SaveReport(show.main(), show.PrintDlg, "MIRET Results (*.txt)|*.txt"); }
