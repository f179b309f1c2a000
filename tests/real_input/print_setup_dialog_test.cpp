// Print Setup through Qt's own print dialog of the QtHost, answered with the
// keyboard and the mouse: the number of copies typed there, and the printer
// ("" where none is installed), go back into the window's dialog; Cancel
// keeps the window's choice.

#include <gtest/gtest.h>

#include <string>

#include "platform/qt/qt_host.h"
#include "real_input/real_user.h"

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

}  // namespace
}  // namespace real_input
