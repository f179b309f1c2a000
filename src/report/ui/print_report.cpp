#include "component/ui/data_box_panel.h"
#include "platform/draw/printer_surface.h"
#include "platform/runtime/date_time.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "report/report_page.h"
#include "report/ui/report_services.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kPrintingTitle = "Printing ...";

}  // namespace

void ShowPrintFailure(FormMain& main, const std::string& text, const std::string& title) {
  AlertBox(main.state().shellState, main.host(), text, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, title);
}

bool MainViewIdleElseBeep(FormMain& main) {
  const ShellState& shell = main.state().shellState;
  if (shell.UiState == ui_state::kIdle) return true;
  BeepIfEnabled(shell, main.host());
  return false;
}

int TakePrintSetup(PrinterSurface& printer, CommonDialog& dialog) {
  printer.SetPrinterName(dialog.PrinterName);
  if (dialog.Copies == 0) dialog.Copies = 1;
  return dialog.Copies;
}

std::string AskSaveName(Host& host, CommonDialog& dialog, const std::string& filter) {
  dialog.filter = filter;
  dialog.flags = kSaveDialogFlags;
  dialog.fileName.clear();
  dialog.fileName = host.ShowSave(dialog);
  return dialog.fileName;
}

ReportCaptions ReportCaptionsOf(FormMain& main) {
  DataBoxPanel& box = main.dataBox();
  return {box.SCF(0).Caption(), box.DDBmse(2).Caption(), box.DBmset(2).Text(), main.formShow().Res_prob(1).Caption()};
}

PrintOutcome FinishPrinterDocument(FormMain& main, const std::string& title) {
  PrinterSurface& printer = main.Printer();
  if (printer.EndDoc()) return PrintOutcome::Printed;
  if (printer.LastDocCancelled()) return PrintOutcome::Cancelled;
  ShowPrintFailure(main, printer.LastError(), title);
  return PrintOutcome::OutputFailed;
}

bool PrintDocument(FormMain& main, const std::function<void()>& draw, const std::string& title) {
  try {
    draw();
  } catch (const RuntimeError& e) {
    main.Printer().KillDoc();
    ShowPrintFailure(main, RuntimeErrorText(e.code()), title);
    return false;
  }
  return FinishPrinterDocument(main, title) == PrintOutcome::Printed;
}

PrintOutcome PrintReport(FormMain& main) {
  ProgramState& s = main.state();
  const ReportLines report =
      SummaryReportLines(s, ReportCaptionsOf(main), DateText(LocalTimeNow()), ReportVariant::Printed);
  if (!report.error.empty()) {
    ShowPrintFailure(main, report.error, kPrintingTitle);
    return PrintOutcome::ReportFailed;
  }
  PrintReportPage(main.Printer(), report.lines, s.analysisOptions.AnalysisMode);
  return FinishPrinterDocument(main, kPrintingTitle);
}
