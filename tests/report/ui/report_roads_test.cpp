// The report and print commands as a user reaches them in the running
// program: a calculated job's summary to a file and to the printer, and its
// screen to a bitmap.

#include "engine/ui/problem_definition_panel.h"
#include "platform/draw/printer_surface.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/date_time.h"
#include "report/ui/report_services.h"
#include "report_ui_fixture.h"
#include "support/pdf_tools.h"
#include "support/user_road.h"

namespace {

class ReportRoads : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"report_roads_test"};
  std::string Path(const std::string& name) const { return (folder.path() / name).string(); }
};

TEST_F(ReportRoads, ACalculatedJobsSummaryToAFileAndThePrinterAndItsScreenToABitmap) {
  Program p;
  if (!p.main.Printer().DeviceName().empty()) GTEST_SKIP() << "a printer is installed";
  MainMenus& menus = p.main.menus();
  Press(p.main.problemDefinition().Cmd_analysis_next);
  Choose(menus.mnu_calculate);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  p.host.saveAnswers.push_back(Path("job.txt"));
  Choose(menus.mnu_pfile);
  const std::string today = DateText(LocalTimeNow());
  const ReportLines report =
      SummaryReportLines(p.state, ReportCaptionsOf(p.main), today, ReportVariant::File);
  ASSERT_EQ(report.error, "");
  std::string expected;
  for (const std::string& line : report.lines) expected += line + "\r\n";
  EXPECT_EQ(folder.Read("job.txt"), Utf8ToCp1252(expected));
  EXPECT_NE(expected.find("No. of Cycles:   N = 2.0000E+6"), std::string::npos) << expected;

  p.host.saveAnswers.push_back(Path("screen.bmp"));
  Choose(menus.mnu_tobmp);
  EXPECT_EQ(BitmapSize(Path("screen.bmp")), PixelSize(p.main));

  p.host.saveAnswers.push_back(Path("job.pdf"));
  Choose(menus.mnu_pdoc);
  ASSERT_TRUE(std::filesystem::exists(Path("job.pdf")));
  const ReportLines printed =
      SummaryReportLines(p.state, ReportCaptionsOf(p.main), today, ReportVariant::Printed);
  EXPECT_TRUE(PdfShowsLines(Path("job.pdf"), printed.lines)) << PdfText(Path("job.pdf"));
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.host.beeps, 0);
}

TEST_F(ReportRoads, PrintSetupsPrinterAndCopiesServeTheNextPrint) {
  Program p;
  if (!p.main.Printer().DeviceName().empty()) GTEST_SKIP() << "a printer is installed";
  MainMenus& menus = p.main.menus();
  Press(p.main.problemDefinition().Cmd_analysis_next);
  Choose(menus.mnu_calculate);
  p.host.printerChoice = "Office laser";  // not installed here: the print falls back to a PDF
  p.host.printerCopies = 2;
  Choose(menus.mnu_propt);
  p.host.saveAnswers = {Path("one.pdf"), Path("two.pdf")};
  Choose(menus.mnu_pdoc);
  EXPECT_EQ(p.main.Printer().PrinterName(), "Office laser");
  EXPECT_TRUE(std::filesystem::exists(Path("one.pdf")));
  EXPECT_TRUE(std::filesystem::exists(Path("two.pdf")));
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

}  // namespace
