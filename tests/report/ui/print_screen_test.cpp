// "Print &Screen" of both windows: the diagrams drawn again on the printer
// (a PDF here) or on the hidden picture saved as a bitmap, and the summary
// box on paper.

#include <QImage>
#include <functional>

#include "component/ui/data_box_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "platform/draw/hidden_picture.h"
#include "platform/runtime/sng.h"
#include "report/ui/report_commands.h"
#include "report/ui/report_services.h"
#include "report_ui_fixture.h"
#include "shell/ui/form_show.h"
#include "support/pdf_tools.h"
#include "support/recording_surface.h"

namespace {

using PrintScreen = ReportUi;

TEST_F(PrintScreen, ToThePrinterOnePageOnItsSidePerCopy) {
  main.PrintDlg.Copies = 2;
  Answer({"first.pdf", "second.pdf"});
  mnu_pform_Click(main);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(main.Printer().Orientation(), 2);
  for (const char* name : {"first.pdf", "second.pdf"}) {
    ASSERT_TRUE(Exists(name)) << name;
    EXPECT_TRUE(PdfIsLandscape(Path(name))) << name;
    EXPECT_EQ(PdfPageCount(Path(name)), 1) << name;
  }
  const std::string text = SingleBlanks(PdfText(Path("first.pdf")));
  EXPECT_NE(text.find(SingleBlanks(main.dataBox().frm_DBox.Caption())), std::string::npos) << text;
  EXPECT_NE(text.find("MSE(+)"), std::string::npos) << text;
}

TEST_F(PrintScreen, ToAFileTheMainWindowAtItsSize) {
  Answer({"screen.bmp"});
  mnu_tobmp_Click(main);
  ASSERT_EQ(host.saveRequests.size(), 1u);
  EXPECT_EQ(host.saveRequests[0].filter, "DUVAK Results (*.bmp)|*.bmp");
  EXPECT_EQ(host.saveRequests[0].flags, 6);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(BitmapSize(Path("screen.bmp")), PixelSize(main));
  const QImage image(QString::fromStdString(Path("screen.bmp")));
  EXPECT_EQ(std::make_pair(image.width(), image.height()), PixelSize(main)) << "the bitmap reads back";
  EXPECT_EQ(main.MousePointer(), kPointerDefault);
  EXPECT_GE(host.doEventsCalls, 1);
}

TEST_F(PrintScreen, ABitmapInAMissingFolderIsReportedAndLeavesNothing) {
  Answer({"no/screen.bmp"});
  mnu_tobmp_Click(main);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Path not found");
  EXPECT_EQ(host.messages[0].title, " Print Screen to File");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(host.events.front(), "Beep");
  EXPECT_EQ(FileCount(), 0u);
  EXPECT_EQ(main.MousePointer(), kPointerDefault);
}

TEST_F(PrintScreen, TheMainWindowsCommandsBeepWhileItIsBusyAndACancelEndsThem) {
  state.shellState.UiState = 2;
  mnu_pform_Click(main);
  mnu_tobmp_Click(main);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_TRUE(host.saveRequests.empty());
  state.shellState.UiState = 1;
  Answer({""});
  mnu_tobmp_Click(main);
  EXPECT_EQ(FileCount(), 0u);
  EXPECT_TRUE(host.messages.empty());
}

// What a drawing may find on a shared page or bitmap: a plain pen, or what
// another drawing left (a solid dark fill, a wide dashed red pen and a bold
// italic "Courier New").
void LeavePen(Surface& s, bool odd) {
  s.SetFillStyle(odd ? Surface::kFillSolid : Surface::kFillTransparent);
  s.SetFillColor(odd ? 0xC00000 : 0);
  s.SetDrawWidth(odd ? 7 : 1);
  s.SetDrawStyle(odd ? Surface::kDash : Surface::kSolid);
  s.SetForeColor(odd ? 0x0000FF : 0);
  s.SetFontName(odd ? "Courier New" : "Arial");
  s.SetFontBold(odd);
  s.SetFontItalic(odd);
}

TEST_F(PrintScreen, EveryDrawingLooksTheSameWhateverTheDrawingBeforeItLeft) {
  AnalysisOptions& ao = state.analysisOptions;
  // Draws with the job's options changed for the drawing only.
  const auto with = [&](auto change, ScreenDrawing drawing) {
    return [this, &ao, change, drawing](Surface& s) {
      const AnalysisOptions kept = ao;
      change(ao);
      DrawMainScreen(main, s, {drawing});
      ao = kept;
    };
  };
  const auto asTheJobIs = [](AnalysisOptions&) {};
  struct Case {
    const char* name;
    std::function<void(Surface&)> draw;
  };
  const Case cases[] = {
      {"S-N curve", with(asTheJobIs, ScreenDrawing::SNCurve)},
      {"spectrum", with(asTheJobIs, ScreenDrawing::Spectrum)},
      {"damage", with(asTheJobIs, ScreenDrawing::Damage)},
      {"summary box", with(asTheJobIs, ScreenDrawing::DataBox)},
      {"history", with([](AnalysisOptions& o) { o.LoadingType = loading_type::kHistory; }, ScreenDrawing::History)},
      {"distribution", with([](AnalysisOptions& o) { o.LoadingType = loading_type::kDistribution; },
                            ScreenDrawing::Distribution)},
      {"master curve", with([](AnalysisOptions& o) { o.AnalysisMode = analysis_mode::kMasterCurve; },
                            ScreenDrawing::MasterCurve)},
      {"density", [this](Surface& s) { DrawProbabilityDensity(main, s, 1, 1.0f, 0.1f); }},
  };
  HiddenPicture& picture = main.Printer2();
  picture.SetHeight(main.Height());
  picture.SetWidth(main.Width());
  picture.Cls();
  ASSERT_TRUE(picture.SaveBitmap(Path("blank.bmp")));
  for (const Case& c : cases) {
    for (const bool odd : {false, true}) {
      LeavePen(picture, odd);
      picture.Cls();
      c.draw(picture);
      ASSERT_TRUE(picture.SaveBitmap(Path(odd ? "after.bmp" : "plain.bmp")));
    }
    const std::string plain = folder.Read("plain.bmp");
    EXPECT_NE(plain, folder.Read("blank.bmp")) << c.name << " drew nothing";
    EXPECT_TRUE(plain == folder.Read("after.bmp")) << c.name << " took on what was left on the surface";
  }
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

// The texts the summary box printed, in order, from its first body line on.
std::vector<std::string> BodyTexts(const RecordingSurface& s) {
  std::vector<std::string> out;
  for (const RecordingSurface::PrintedText& t : s.texts)
    if (t.fontName == "Microsoft Sans Serif") out.push_back(t.text);
  return out;
}

TEST_F(PrintScreen, TheDataBoxOnThePrinterPrintsTheBoxsTextsInOrder) {
  DataBoxPanel& box = main.dataBox();
  state.jobTexts = {"Bracket", "S355", "Crane"};
  box.Result.SetCaption("Fatigue life:   1.2345E+4 [cyc] ");
  RecordingSurface page(15840, 12240, true);  // Letter on its side: the tall rule
  PrintDataBox(main, page);
  const std::vector<std::string> want{
      box.Subj.Caption(),     "Bracket",  box.Load.Caption(),     "Crane",  box.Material.Caption(),  "S355",
      box.SNth(0).Caption(),  box.SNth(1).Caption(),              box.DBmse(0).Caption(),           "MSE(+)",
      box.DDBmse(2).Caption(), box.DBmset(2).Text(),              box.DTFf.Caption(),  box.DTFft.Text(),
      "Fatigue life:   1.2345E+4 [cyc] "};
  EXPECT_EQ(BodyTexts(page), want);
  ASSERT_GE(page.texts.size(), 2u);
  EXPECT_EQ(page.texts[0].text, box.frm_DBox.Caption());
  EXPECT_EQ(page.texts[0].fontName, "Arial");
  EXPECT_TRUE(page.texts[0].bold && page.texts[0].italic);
  EXPECT_EQ(page.texts[0].fontSize, 10);
  EXPECT_TRUE(page.texts.back().bold);
  EXPECT_EQ(page.texts.back().fontSize, 9);
  EXPECT_EQ(page.texts.back().y, Sng(0.13 * Sng(Sng(15840 / 2.45) * 0.7)));
}

TEST_F(PrintScreen, TheDataBoxOfAPlainSpecimenUnderConstantAmplitude) {
  state.analysisOptions.SNDataSpecimen = 2;
  state.analysisOptions.NotchSensitivityMode = 2;
  state.componentData.Kt = 2.5f;
  DataBoxPanel& box = main.dataBox();
  RecordingSurface bitmap(12000, 9000, false, true);
  state.layoutScales.FontScale = 1.25f;
  PrintDataBox(main, bitmap);
  const std::vector<std::string> body = BodyTexts(bitmap);
  const std::vector<std::string> want{box.Subj.Caption(),   "Bracket",            box.Load.Caption(),
                                      "Crane hook \u2013 test", box.Material.Caption(), "S355",
                                      box.SCF(0).Caption(), box.SCFt(0).Text(),   "  ",
                                      box.Reliab.Caption(), box.Reliabt.Text(),   box.DBmse(0).Caption(),
                                      "MSE(+)",             box.DTFf.Caption(),   box.DTFft.Text(),
                                      box.Result.Caption()};
  EXPECT_EQ(body, want);
  EXPECT_EQ(bitmap.texts.back().fontSize, 9 * 1.25);
}

// The box's frame: its rectangle of width W on pages of height-to-width
// ratio exactly 0.72 and 0.70, which take the middle rule (W = width / 2.5).
TEST_F(PrintScreen, TheDataBoxFrameOnPagesAtTheRatioBounds) {
  for (double height : {7200.0, 7000.0}) {
    RecordingSurface page(10000, height, true);
    PrintDataBox(main, page);
    const auto frame = std::find_if(page.log.begin(), page.log.end(),
                                    [](const std::string& l) { return l.rfind("Line 0,0-4000,", 0) == 0; });
    ASSERT_NE(frame, page.log.end()) << height << "\n" << page.LogText();
    EXPECT_EQ(frame->substr(frame->size() - 2), " B");
  }
}

class SecondWindowPrint : public ReportUi {
 protected:
  SecondWindowPrint() {
    state.shellState.SecondWindowView = 5;
    main.formShow().mnu_prt_res.SetEnabled(true);
  }
  FormShow& show = main.formShow();
};

TEST_F(SecondWindowPrint, YesSavesTheResultsAndTheMainScreenBesideThem) {
  host.QueueAnswer(kAnswerYes);
  Answer({"results.bmp"});
  mnu_tobmp_Click(show);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Would you like to print also the main screen?  ");
  EXPECT_EQ(host.messages[0].title, "Printing Results");
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);
  EXPECT_EQ(host.messages[1].text, "The main screen will be printed to file: " + Path("results_m.bmp"));
  EXPECT_EQ(host.messages[1].icon, MsgIcon::Information);
  EXPECT_EQ(host.saveRequests[0].filter, "Bitmap (*.bmp)|*.bmp");
  EXPECT_EQ(BitmapSize(Path("results.bmp")), PixelSize(show));
  EXPECT_EQ(BitmapSize(Path("results_m.bmp")), PixelSize(main));
  EXPECT_TRUE(show.Visible());
  EXPECT_EQ(show.MousePointer(), kPointerDefault);
}

TEST_F(SecondWindowPrint, NoSavesTheResultsAlone) {
  host.QueueAnswer(kAnswerNo);
  Answer({"results.bmp"});
  mnu_tobmp_Click(show);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(Exists("results.bmp"));
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SecondWindowPrint, NoQuestionWhileThePrintSummaryMenuIsDisabled) {
  show.mnu_prt_res.SetEnabled(false);
  Answer({"results.bmp"});
  mnu_tobmp_Click(show);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SecondWindowPrint, AShortNameStillFormsTheCompanion) {
  host.QueueAnswer(kAnswerYes);
  host.saveAnswers.push_back("a.b");  // an extension of its own is kept
  mnu_tobmp_Click(show);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "a.b"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "a.b_m.bmp"));
}

TEST_F(SecondWindowPrint, OnThePrinterTheMainScreenIsADocumentOfItsOwn) {
  host.QueueAnswer(kAnswerYes);
  Answer({"a.pdf", "b.pdf"});
  state.shellState.UiState = 0;  // not gated
  mnu_prt_form_Click(show);
  EXPECT_EQ(main.Printer().Orientation(), 2);
  EXPECT_EQ(show.PrintDlg.Copies, 1);
  // The results diagram may draw nothing yet: the main screen is the last document.
  const std::string last = Exists("b.pdf") ? "b.pdf" : "a.pdf";
  ASSERT_TRUE(Exists(last));
  const std::string text = SingleBlanks(PdfText(Path(last)));
  EXPECT_NE(text.find(main.dataBox().frm_DBox.Caption()), std::string::npos) << text;
  EXPECT_NE(text.find("MSE(+)"), std::string::npos) << text;
}

TEST_F(SecondWindowPrint, TheTestDataViewGoesOnThePrinterAndIntoABitmap) {
  state.shellState.SecondWindowView = 4;
  show.frm_diag.SetCaption("Fatigue Test Data");
  Answer({"test.pdf", "test.bmp"});
  mnu_prt_form_Click(show);
  mnu_tobmp_Click(show);
  EXPECT_TRUE(host.messages.empty()) << "no question outside the simulation results";
  ASSERT_TRUE(Exists("test.pdf")) << "the diagram is printed, not an empty page";
  EXPECT_NE(SingleBlanks(PdfText(Path("test.pdf"))).find("Fatigue Test Data"), std::string::npos)
      << PdfText(Path("test.pdf"));
  EXPECT_EQ(BitmapSize(Path("test.bmp")), PixelSize(show));
}

}  // namespace
