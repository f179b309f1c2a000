// "&Copy Screen to Printer" and "Print Set&up..." of both windows.

#include <QColor>
#include <QImage>
#include <functional>

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

// Placed from the printable area's top left corner, which the printer's
// margin (the PDF's, the same on every side) sets in from the paper's.
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
  PrinterSurface& printer = main.Printer();
  printer.ScaleTwips();
  const double margin = (printer.Width() - printer.ScaleWidth()) / 2 / 1440 * 50;
  ASSERT_GT(margin, 5);
  const double printableWidth = page.width() - 2 * margin, printableHeight = page.height() - 2 * margin;
  EXPECT_NEAR(blue.left(), margin + 0.1 * printableWidth, 2);
  EXPECT_NEAR(blue.top(), margin + 0.1 * printableHeight, 2);
  EXPECT_NEAR(blue.height(), 0.8 * printableHeight, 3);
  const double aspect = main.ScaleWidth() / main.ScaleHeight();
  EXPECT_NEAR(blue.width(), std::min(0.8 * printableHeight * aspect, 0.9 * printableWidth), 3);
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

TEST_F(CopyScreen, PrintSetupKeepsEachWindowsPrinterAndCopyCount) {
  FormShow& show = main.formShow();
  host.printerCopies = 3;
  host.printerChoice = "Office laser";
  mnu_propt_Click(main);
  EXPECT_EQ(main.PrintDlg.Copies, 3);
  EXPECT_EQ(main.PrintDlg.PrinterName, "Office laser");
  EXPECT_EQ(main.PrintDlg.flags, 0x10000C);
  host.printerCopies = 2;
  host.printerChoice = "Plotter";
  mnu_prtopt_Click(show);
  EXPECT_EQ(show.PrintDlg.Copies, 2);
  EXPECT_EQ(show.PrintDlg.PrinterName, "Plotter");
  EXPECT_EQ(main.PrintDlg.Copies, 3);
  EXPECT_EQ(main.PrintDlg.PrinterName, "Office laser");
  host.printerAnswer = false;  // cancelled: the choice stays
  mnu_propt_Click(main);
  EXPECT_EQ(main.PrintDlg.Copies, 3);
  EXPECT_EQ(main.PrintDlg.PrinterName, "Office laser");
  ASSERT_EQ(host.printerRequests.size(), 3u);
  EXPECT_EQ(host.printerRequests[2].PrinterName, "Office laser") << "the setup opens on the window's choice";
  EXPECT_EQ(host.printerRequests[2].Copies, 3);
}

// Every print command of a window prints on the printer chosen in that
// window's setup; one that is no longer installed gives way to the default
// printer, and without any printer the document goes to a PDF file.
TEST_F(CopyScreen, EveryPrintCommandUsesItsWindowsPrinter) {
  FormShow& show = main.formShow();
  main.PrintDlg.PrinterName = "Office laser";
  show.PrintDlg.PrinterName = "Plotter";
  state.shellState.SecondWindowView = second_window_view::kTestData;
  struct Case {
    const char* command;
    std::function<void()> run;
    const char* printer;
  };
  const Case cases[] = {
      {"main summary", [&] { mnu_pdoc_Click(main); }, "Office laser"},
      {"main print screen", [&] { mnu_pform_Click(main); }, "Office laser"},
      {"main copy screen", [&] { mnu_CopyScreen_Click(main); }, "Office laser"},
      {"second summary", [&] { mnu_prt_doc_Click(show); }, "Plotter"},
      {"second print screen", [&] { mnu_prt_form_Click(show); }, "Plotter"},
      {"second copy screen", [&] { mnu_CopyScreen_Click(show); }, "Plotter"},
  };
  for (const Case& c : cases) {
    main.Printer().SetPrinterName("");
    const std::string pdf = std::string(c.command) + ".pdf";
    Answer({pdf});
    c.run();
    EXPECT_EQ(main.Printer().PrinterName(), c.printer) << c.command;
    EXPECT_EQ(main.Printer().DeviceName(), "") << c.command << ": gone, and no default printer";
    EXPECT_TRUE(Exists(pdf)) << c.command;
  }
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
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
