// Print Setup through Qt's own print dialog of the QtHost, answered with the
// keyboard and the mouse: the number of copies typed there, and the printer
// ("" where none is installed), go back into the window's dialog; Cancel
// keeps the window's choice. The program's Print Setup offers no page range
// and no selection: its print commands print whole pages of their own.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/qt/qt_host.h"
#include "engine/ui/problem_definition_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

TEST(PrintSetupDialog, TheTypedCopiesGoBackIntoTheWindowsDialogAndCancelKeepsThem) {
  Watchdog watchdog(30);
  User user;
  QtHost host;
  const struct {
    std::string button;
    bool accepted;
    int copies;
    std::string printer;
  } answers[] = {{"Print", true, 2, ""},  // no printer installed here: the default one
                 {"Cancel", false, 3, "Office laser"}};
  for (const auto& a : answers) {
    watchdog.Step("the print dialog, " + a.button);
    CommonDialog dialog;
    dialog.flags = kPrintHidePrintToFile | kPrintNoPageNumbers | kPrintNoSelection;  // as Print Setup sets them
    dialog.Copies = 3;
    dialog.PrinterName = "Office laser";
    user.AnswerPrintDialog("2", a.button);
    EXPECT_EQ(host.ShowPrinter(dialog), a.accepted) << a.button;
    ASSERT_TRUE(user.AllAnswered());
    EXPECT_EQ(user.shown.back().text, "3") << "the dialog opens on the window's number of copies";
    EXPECT_EQ(dialog.Copies, a.copies) << a.button;
    EXPECT_EQ(dialog.PrinterName, a.printer) << a.button;
  }
}

// The captions of what the print dialog shows of a page range: its group
// and the buttons that choose a range.
std::vector<std::string> RangeChoicesOnShow(QWidget* dialog) {
  std::vector<std::string> shown;
  for (QGroupBox* g : dialog->findChildren<QGroupBox*>())
    if (g->isVisible() && g->title() == "Print range") shown.push_back(g->title().toStdString());
  for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
    const QString t = b->text();
    if (b->isVisible() && (t == "Pages from" || t == "Pages" || t == "Selection" || t == "Current Page"))
      shown.push_back(t.toStdString());
  }
  return shown;
}

TEST(PrintSetupDialog, TheProgramsPrintSetupOffersNoPageRange) {
  RealProgram p("print_setup_range");
  User& user = p.user;
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  std::vector<std::string> rangeChoices{"not looked at"};
  user.AnswerDialog([&](QWidget* dialog) {
    user.PressButton(dialog, "Options >>");
    rangeChoices = RangeChoicesOnShow(dialog);
    user.PressButton(dialog, "Cancel");
  });
  p.watchdog.Step("Print Setup");
  user.Choose(p.main.menus().mnu_propt);
  ASSERT_TRUE(user.AllAnswered());
  EXPECT_EQ(user.shown.back().kind, "dialog");
  EXPECT_EQ(rangeChoices, std::vector<std::string>{});
}

}  // namespace
}  // namespace real_input
