#pragma once

#include <string>

#include "platform/host.h"

// A host for the benchmarks: it answers every message box with OK, cancels
// every dialog and lets no events through.
class QuietHost : public Host {
 public:
  int MsgBox(const std::string&, MsgButtons, MsgIcon, int, const std::string&) override { return kAnswerOK; }
  void Beep() override {}
  void DoEvents() override {}
  std::string ShowOpen(const FileDialogRequest&) override { return {}; }
  std::string ShowSave(const FileDialogRequest&) override { return {}; }
  int32_t ShowColor(int32_t colour) override { return colour; }
  bool ShowPrinter(CommonDialog&) override { return false; }
  void ShowHelp(const std::string&) override {}
  double ScreenWidthTwips() override { return 19200; }
  double ScreenHeightTwips() override { return 14400; }
  int DisplayColourCount() override { return -1; }
  void SetMousePointer(int) override {}
  int GetMousePointer() override { return 0; }
};
