// "Print Su&mmary" of both windows: the report on the printer (a PDF here)
// once per copy, or in a text file.

#include "platform/runtime/cp1252.h"
#include "platform/runtime/date_time.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "report_ui_fixture.h"
#include "shell/ui/form_show.h"
#include "support/pdf_tools.h"

namespace {

using SummaryCommands = ReportUi;

std::string FileReport(FormMain& main) {
  std::string text;
  const ReportLines r =
      SummaryReportLines(main.state(), ReportCaptionsOf(main), DateText(LocalTimeNow()), ReportVariant::File);
  for (const std::string& line : r.lines) text += line + "\r\n";
  return Utf8ToCp1252(text);
}

TEST_F(SummaryCommands, ThreeCopiesAreThreeUprightDocumentsOfTheReport) {
  main.PrintDlg.Copies = 3;
  main.Printer().SetOrientation(2);
  Answer({"one.pdf", "two.pdf", "three.pdf"});
  mnu_pdoc_Click(main);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(main.Printer().Orientation(), 1);
  ASSERT_EQ(host.saveRequests.size(), 3u);
  EXPECT_EQ(host.saveRequests[0].filter, "PDF (*.pdf)|*.pdf");
  for (const char* name : {"one.pdf", "two.pdf", "three.pdf"}) {
    ASSERT_TRUE(Exists(name)) << name;
    EXPECT_EQ(PdfPageCount(Path(name)), 1) << name;
    EXPECT_FALSE(PdfIsLandscape(Path(name))) << name;
  }
  const ReportLines printed =
      SummaryReportLines(state, ReportCaptionsOf(main), DateText(LocalTimeNow()), ReportVariant::Printed);
  ASSERT_GT(printed.lines.size(), 40u);
  EXPECT_TRUE(PdfShowsLines(Path("two.pdf"), printed.lines)) << PdfText(Path("two.pdf"));
}

// A single case starts 40 mm, a master curve 20 mm below the top of the
// printable area, which the printer's margin sets below the paper's edge.
TEST_F(SummaryCommands, TheReportStartsBelowTheTopOfThePrintableArea) {
  PrinterSurface& printer = main.Printer();
  const double margin = (printer.Height() - printer.ScaleHeight()) / 2 * 25.4 / 1440;
  ASSERT_GT(margin, 3);
  for (const int16_t mode : {analysis_mode::kSingleCase, analysis_mode::kMasterCurve}) {
    state.analysisOptions.AnalysisMode = mode;
    const ReportLines printed =
        SummaryReportLines(state, ReportCaptionsOf(main), DateText(LocalTimeNow()), ReportVariant::Printed);
    ASSERT_EQ(printed.error, "");
    std::size_t blankLines = 0;
    while (blankLines < printed.lines.size() && SingleBlanks(printed.lines[blankLines]).empty()) ++blankLines;
    const std::string name = "mode" + std::to_string(mode) + ".pdf";
    Answer({name});
    mnu_pdoc_Click(main);
    ASSERT_TRUE(Exists(name)) << host.Transcript();
    printer.ScaleMillimeters();
    printer.SetFontName("Courier");
    printer.SetFontSize(10);
    const double top = mode == analysis_mode::kSingleCase ? 40 : 20;
    EXPECT_NEAR(PdfFirstWordTopMm(Path(name)), margin + top + blankLines * printer.TextHeight("X"), 0.6) << mode;
  }
}

TEST_F(SummaryCommands, ACopyCountOfZeroPrintsOneCopyAndBecomesOne) {
  ASSERT_EQ(main.PrintDlg.Copies, 0);
  Answer({"report.pdf"});
  mnu_pdoc_Click(main);
  EXPECT_TRUE(Exists("report.pdf"));
  EXPECT_EQ(main.PrintDlg.Copies, 1);
  EXPECT_EQ(main.formShow().PrintDlg.Copies, 0) << "each window keeps its own count";
}

TEST_F(SummaryCommands, ACancelledPdfNameEndsTheCommandWithNothingWritten) {
  main.PrintDlg.Copies = 3;
  Answer({""});
  mnu_pdoc_Click(main);
  EXPECT_EQ(host.saveRequests.size(), 1u);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(SummaryCommands, APdfThatCannotBeWrittenIsReportedOnce) {
  main.PrintDlg.Copies = 2;
  Answer({"missing/report.pdf"});
  mnu_pdoc_Click(main);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Printing ...");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_FALSE(host.messages[0].text.empty());
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(SummaryCommands, AReportFailureIsShownForEachCopyAndPrintsNothing) {
  state.analysisOptions.LoadingType = 1;
  state.loadingDbState.SelectedLoadingBatch = 21;
  main.PrintDlg.Copies = 2;
  mnu_pdoc_Click(main);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "Subscript out of range");
  EXPECT_EQ(host.messages[1].title, "Printing ...");
  EXPECT_TRUE(host.saveRequests.empty()) << "no page was begun";
}

TEST_F(SummaryCommands, TheFileCommandWritesTheReportUnderTheTypedNameWithTheDialogsExtension) {
  Answer({"summary"});
  mnu_pfile_Click(main);
  ASSERT_EQ(host.saveRequests.size(), 1u);
  const FileDialogRequest& r = host.saveRequests[0];
  EXPECT_EQ(r.filter, "DUVAK Results (*.txt)|*.txt");
  EXPECT_EQ(r.flags, 6);
  EXPECT_EQ(r.fileName, "");
  EXPECT_EQ(folder.Read("summary.txt"), FileReport(main));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SummaryCommands, CancellingTheSaveDialogWritesAndShowsNothing) {
  Answer({""});
  mnu_pfile_Click(main);
  EXPECT_EQ(FileCount(), 0u);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(SummaryCommands, TheMainWindowsCommandsOnlyBeepWhileItIsBusy) {
  state.shellState.UiState = 0;
  main.Printer().SetOrientation(2);
  main.PrintDlg.Copies = 1;
  mnu_pdoc_Click(main);
  mnu_pfile_Click(main);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_TRUE(host.saveRequests.empty());
  EXPECT_EQ(main.Printer().Orientation(), 2);
  state.shellState.BeepEnabled = 0;
  mnu_pdoc_Click(main);
  EXPECT_EQ(host.beeps, 2);
}

TEST_F(SummaryCommands, TheSecondWindowsCommandsActWhileTheMainWindowIsBusy) {
  state.shellState.UiState = 0;
  FormShow& show = main.formShow();
  Answer({"miret.txt", "miret.pdf"});
  mnu_prt_file_Click(show);
  mnu_prt_doc_Click(show);
  ASSERT_EQ(host.saveRequests.size(), 2u);
  EXPECT_EQ(host.saveRequests[0].filter, "MIRET Results (*.txt)|*.txt");
  EXPECT_EQ(folder.Read("miret.txt"), FileReport(main));
  EXPECT_TRUE(Exists("miret.pdf"));
  EXPECT_EQ(show.PrintDlg.Copies, 1);
  EXPECT_EQ(main.PrintDlg.Copies, 0);
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace
