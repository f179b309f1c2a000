#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>

#include "platform/qt/qt_host.h"
#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

TEST(QtHostTest, FileFiltersBecomeQtFilters) {
  struct Case {
    const char* filter;
    const char* qt;
  };
  const Case cases[] = {
      {"Duvak Job (*.sns)|*.sns", "Duvak Job (*.sns)"},
      {"MIRET Fatigue Test Data (*.txt;*.lft)|*.txt;*.lft", "MIRET Fatigue Test Data (*.txt *.lft)"},
      {"Bitmap (*.bmp)|*.bmp|All (*.*)|*.*", "Bitmap (*.bmp);;All (*.*)"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(QtFileFilter(c.filter).toStdString(), c.qt) << c.filter;
}

TEST(QtHostTest, ScreenFactsInTwips) {
  QtHost host;
  // The offscreen screen is 800 x 600 pixels at 96 dpi.
  EXPECT_GT(host.ScreenWidthTwips(), 0);
  EXPECT_DOUBLE_EQ(std::fmod(host.ScreenWidthTwips(), 15.0), 0.0);
  EXPECT_EQ(host.DisplayColourCount(), -1);
  host.SetMousePointer(kPointerHourglass);
  EXPECT_EQ(host.GetMousePointer(), kPointerHourglass);
  host.SetMousePointer(kPointerDefault);
  EXPECT_EQ(host.GetMousePointer(), kPointerDefault);
}

// The main window hidden and the second window the one in use, as while the
// results view or the test data editor is up.
class DialogParentTest : public ::testing::Test {
 protected:
  DialogParentTest() {
    main.Move(0, 0, 6000, 4500);
    second.Move(1500, 1500, 6000, 4500);
    main.Show();
    main.Hide();
    second.Show();
    QApplication::setActiveWindow(second.widget());
    QTest::qWait(10);
  }
  ~DialogParentTest() override { second.Hide(); }

  // Runs `show` and closes the dialog, message box or popup menu it brings
  // up; returns the window that was its parent (null when none came up).
  QWidget* ParentOfWhatComesUp(const std::function<void()>& show) {
    QWidget* parent = nullptr;
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* up = QApplication::activePopupWidget();
      if (!up) up = QApplication::activeModalWidget();
      if (!up || !up->isVisible() || seen) return;
      seen = true;
      parent = up->parentWidget();
      const QWindow* transient = up->windowHandle() ? up->windowHandle()->transientParent() : nullptr;
      EXPECT_EQ(transient, parent ? parent->windowHandle() : nullptr) << "placed over its parent";
      if (auto* menu = qobject_cast<QMenu*>(up))
        menu->close();
      else if (auto* dialog = qobject_cast<QDialog*>(up))
        dialog->reject();
    });
    poll.start();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      ADD_FAILURE() << "nothing came up to close";
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    watchdog.start(10000);
    show();
    return parent;
  }

  FakeHost formHost;
  Form main{formHost};
  Form second{formHost};
  QtHost host{main.widget()};
};

TEST_F(DialogParentTest, DialogsMessagesAndPopupsComeUpOverTheWindowInUse) {
  CommonDialog printSetup;
  FileDialogRequest file;
  file.filter = "Duvak Job (*.sns)|*.sns";
  const std::pair<const char*, std::function<void()>> shows[] = {
      {"message box", [&] { host.MsgBox("Text", MsgButtons::OKOnly, MsgIcon::Information, 1, "Title"); }},
      {"open dialog", [&] { host.ShowOpen(file); }},
      {"save dialog", [&] { host.ShowSave(file); }},
      {"colour dialog", [&] { host.ShowColor(0); }},
      {"print setup", [&] { host.ShowPrinter(printSetup); }},
      {"popup menu", [&] { host.PopupMenu({PopupMenuItem{"Item"}}); }},
  };
  for (const auto& [what, show] : shows) {
    SCOPED_TRACE(what);
    QApplication::setActiveWindow(second.widget());
    EXPECT_EQ(ParentOfWhatComesUp(show), second.widget());
  }
  // Back on the main window, it is the one in use.
  second.Hide();
  main.Show();
  QApplication::setActiveWindow(main.widget());
  QTest::qWait(10);
  EXPECT_EQ(ParentOfWhatComesUp(shows[0].second), main.widget());
}

}  // namespace
