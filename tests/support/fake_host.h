#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/host.h"

// A Host for tests: records every message box, beep and dialog call and
// answers from a script. An unscripted message box gets its default button.
class FakeHost : public Host {
 public:
  struct Message {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    int defaultButton;
    std::string title;
    int answer;
  };

  // Script: answers for the next message boxes, in order.
  void QueueAnswer(int answer) { answers.push_back(answer); }
  // Called for each message box before it answers (for example to check the
  // state the program is in when it asks). Optional.
  std::function<void(const Message&)> onMessage;

  int MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
             const std::string& title) override;
  void Beep() override { ++beeps; events.push_back("Beep"); }
  // Pending events: onDoEvents, when set, acts as the user would while they
  // are processed (for example presses a button).
  void DoEvents() override {
    ++doEventsCalls;
    if (onDoEvents) onDoEvents();
  }
  std::function<void()> onDoEvents;
  // How often long work lets events through; 0 makes it do so at every look
  // at the clock, so that a test can act between its pieces.
  int yieldIntervalMs = 20;
  int YieldIntervalMs() const override { return yieldIntervalMs; }

  std::string ShowOpen(const FileDialogRequest& request) override;
  std::string ShowSave(const FileDialogRequest& request) override;
  int32_t ShowColor(int32_t colour) override;
  bool ShowPrinter(CommonDialog& dialog) override;
  void ShowHelp(const std::string& helpFile) override { helpFiles.push_back(helpFile); }

  double ScreenWidthTwips() override { return screenWidthTwips; }
  double ScreenHeightTwips() override { return screenHeightTwips; }
  int DisplayColourCount() override { return displayColourCount; }
  void SetMousePointer(int pointer) override { mousePointer = pointer; pointerHistory.push_back(pointer); }
  int GetMousePointer() override { return mousePointer; }
  // Answers from popupChoices: the first visible, enabled item with the
  // queued caption; -1 (none chosen) when nothing is queued or none matches.
  int PopupMenu(const std::vector<PopupMenuItem>& items) override;
  // A modal window returns at once; onModal may act on it first (click its
  // buttons), as the user would while it is up.
  void RunModal(const std::function<bool()>& stillShown) override;

  // Script for popup menus: the caption of the item to choose ("" = none).
  void QueueMenuChoice(const std::string& caption) { popupChoices.push_back(caption); }
  std::deque<std::string> popupChoices;
  std::vector<std::vector<PopupMenuItem>> popups;  // every popup menu shown
  std::function<void()> onModal;
  int modalRuns = 0;

  // Recorded calls.
  std::vector<Message> messages;
  std::vector<std::string> events;  // "Beep" and "MsgBox:<title>" in order
  int beeps = 0;
  int doEventsCalls = 0;
  std::vector<FileDialogRequest> openRequests, saveRequests;
  std::vector<std::string> helpFiles;
  std::vector<int> pointerHistory;
  int mousePointer = kPointerDefault;

  // Scripted answers and facts.
  std::deque<int> answers;
  // The names the user picks or types; empty = cancelled. A typed save name
  // gets the filter's default extension as the real dialog gives it.
  std::deque<std::string> openAnswers, saveAnswers;
  std::deque<int32_t> colourAnswers;                  // 0 = cancelled
  // The print setup: accepted or cancelled, the copy count chosen and, when
  // set, the printer picked ("" the default one); each setup opened is kept.
  bool printerAnswer = true;
  int printerCopies = 1;
  std::optional<std::string> printerChoice;
  std::vector<CommonDialog> printerRequests;
  double screenWidthTwips = 19200;
  double screenHeightTwips = 14400;
  int displayColourCount = -1;

  // Every message as text, for failure output.
  std::string Transcript() const;
};

std::ostream& operator<<(std::ostream& os, const FakeHost::Message& m);
