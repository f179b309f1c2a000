// Print Setup through Qt's own print dialog, answered with the keyboard and
// the mouse as a user answers it: the copy count chosen there, and the
// printer ("" where none is installed), go back into the window's dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <string>

#include "platform/qt/qt_host.h"

namespace {

class PrintSetupDialog : public ::testing::Test {
 protected:
  // Answers the next print dialog: types `copies` into its copy box and
  // presses its default button, or Cancel. A dialog still up after ten
  // seconds is closed and fails the test.
  void AnswerNextDialog(const std::string& copies, bool accept) {
    poll_.setInterval(20);
    QObject::connect(&poll_, &QTimer::timeout, [=, this] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      poll_.stop();
      auto* box = dialog->findChild<QSpinBox*>("copies");
      ASSERT_NE(box, nullptr);
      shownCopies = box->value();
      box->setFocus();
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(box, QString::fromStdString(copies));
      for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (accept ? b->isDefault() : b->text() == "Cancel") {
          QTest::mouseClick(b, Qt::LeftButton);
          return;
        }
      }
      ADD_FAILURE() << "no button to press";
      dialog->reject();
    });
    poll_.start();
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      ADD_FAILURE() << "the print dialog was not answered";
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    watchdog_.start(10000);
  }

  QtHost host;
  int shownCopies = -1;
  QTimer poll_, watchdog_;  // stop with the test
};

TEST_F(PrintSetupDialog, TheChosenCopyCountGoesBackIntoTheWindowsDialog) {
  CommonDialog dialog;
  dialog.Copies = 3;
  AnswerNextDialog("2", true);
  ASSERT_TRUE(host.ShowPrinter(dialog));
  EXPECT_EQ(shownCopies, 3) << "the dialog opens on the window's count";
  EXPECT_EQ(dialog.Copies, 2);
  EXPECT_EQ(dialog.PrinterName, "");  // no printer installed here: the default one
}

TEST_F(PrintSetupDialog, CancelKeepsTheWindowsChoice) {
  CommonDialog dialog;
  dialog.Copies = 3;
  dialog.PrinterName = "Office laser";
  AnswerNextDialog("5", false);
  EXPECT_FALSE(host.ShowPrinter(dialog));
  EXPECT_EQ(dialog.Copies, 3);
  EXPECT_EQ(dialog.PrinterName, "Office laser");
}

}  // namespace
