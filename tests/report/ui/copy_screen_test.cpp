// "&Copy Screen to Printer" and "Print Set&up..." of both windows.

#include <QColor>
#include <QImage>

#include "report/ui/report_commands.h"
#include "report_ui_fixture.h"
#include "shell/ui/form_show.h"
#include "support/pdf_tools.h"

namespace {

using CopyScreen = ReportUi;

// The bounding box of the clearly blue pixels of a page.
QRect BlueArea(const QImage& page) {
  QRect box;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c(page.pixel(x, y));
      if (c.blue() > 200 && c.red() < 60 && c.green() < 60) box |= QRect(x, y, 1, 1);
    }
  return box;
}

TEST_F(CopyScreen, TheWindowAtEightyPerCentOfThePageHeightATenthInFromTheCorner) {
  main.SetBackColor(0xFF0000);  // blue, so that the copy can be found on the page
  main.PrintDlg.Copies = 3;
  state.shellState.UiState = 0;  // not gated
  const float scaleWidth = main.ScaleWidth();
  Answer({"copy.pdf", "extra.pdf"});
  mnu_CopyScreen_Click(main);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.saveRequests.size(), 1u) << "one copy, whatever the count";
  EXPECT_EQ(main.PrintDlg.Copies, 3);
  ASSERT_TRUE(Exists("copy.pdf"));
  EXPECT_TRUE(PdfIsLandscape(Path("copy.pdf")));
  const QImage page(QString::fromStdString(RenderPdfFirstPage(Path("copy.pdf"), folder.path() / "page", 50).string()));
  ASSERT_FALSE(page.isNull());
  const QRect blue = BlueArea(page);
  ASSERT_FALSE(blue.isEmpty());
  EXPECT_NEAR(blue.left(), 0.1 * page.width(), 2);
  EXPECT_NEAR(blue.top(), 0.1 * page.height(), 2);
  EXPECT_NEAR(blue.height(), 0.8 * page.height(), 3);
  const double aspect = main.ScaleWidth() / main.ScaleHeight();
  EXPECT_NEAR(blue.width(), std::min(0.8 * page.height() * aspect, 0.9 * page.width()), 3);
  EXPECT_EQ(main.ScaleWidth(), scaleWidth) << "the window is left in twips";
}

TEST_F(CopyScreen, TheSecondWindowUsesItsOwnCopyCount) {
  FormShow& show = main.formShow();
  Answer({"show.pdf"});
  mnu_CopyScreen_Click(show);
  EXPECT_TRUE(Exists("show.pdf"));
  EXPECT_EQ(show.PrintDlg.Copies, 1);
  EXPECT_EQ(main.PrintDlg.Copies, 0);
}

TEST_F(CopyScreen, ACancelledPdfNameWritesNothing) {
  Answer({""});
  mnu_CopyScreen_Click(main);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(CopyScreen, PrintSetupKeepsEachWindowsCopyCount) {
  host.printerCopies = 3;
  mnu_propt_Click(main);
  EXPECT_EQ(main.PrintDlg.Copies, 3);
  EXPECT_EQ(main.PrintDlg.flags, 0x10000C);
  host.printerCopies = 2;
  mnu_prtopt_Click(main.formShow());
  EXPECT_EQ(main.formShow().PrintDlg.Copies, 2);
  EXPECT_EQ(main.PrintDlg.Copies, 3);
  host.printerAnswer = false;  // cancelled: the count stays
  mnu_propt_Click(main);
  EXPECT_EQ(main.PrintDlg.Copies, 3);
}

TEST_F(CopyScreen, PrintSetupOfTheBusyMainWindowReturnsWithoutABeep) {
  state.shellState.UiState = 0;
  host.printerCopies = 3;
  mnu_propt_Click(main);
  EXPECT_EQ(main.PrintDlg.Copies, 0);
  EXPECT_EQ(main.PrintDlg.flags, 0);
  EXPECT_EQ(host.beeps, 0);
  mnu_prtopt_Click(main.formShow());
  EXPECT_EQ(main.formShow().PrintDlg.Copies, 3) << "the second window's is not gated";
}

}  // namespace
