#pragma once

// The Host on Qt's own widgets: message boxes, the common dialogs, the help
// viewer, facts of the screen and the application's mouse pointer.

#include <QString>

#include "platform/host.h"

class QWidget;

class QtHost : public Host {
 public:
  // `parent` is the main window (may be null). Dialogs, message boxes and
  // popup menus are shown over the window the user works in: the active
  // window, else that main window.
  explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  int MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
             const std::string& title) override;
  void Beep() override;
  void DoEvents() override;
  std::string ShowOpen(const FileDialogRequest& request) override;
  std::string ShowSave(const FileDialogRequest& request) override;
  int32_t ShowColor(int32_t colour) override;
  bool ShowPrinter(CommonDialog& dialog) override;
  void ShowHelp(const std::string& helpFile) override;
  double ScreenWidthTwips() override;
  double ScreenHeightTwips() override;
  int DisplayColourCount() override;
  void SetMousePointer(int pointer) override;
  int GetMousePointer() override { return pointer_; }
  int PopupMenu(const std::vector<PopupMenuItem>& items) override;
  void RunModal(const std::function<bool()>& stillShown) override;

 private:
  // The window the next dialog is shown over.
  QWidget* DialogParent() const;

  QWidget* parent_;
  int pointer_ = 0;
};

// The filter "Name (*.ext)|*.ext|Other (*.a;*.b)|*.a;*.b" as Qt's file
// dialogs take it: "Name (*.ext);;Other (*.a *.b)".
QString QtFileFilter(const std::string& filter);
