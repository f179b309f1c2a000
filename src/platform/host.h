#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Everything that waits on the user or the machine: message boxes, the beep,
// yielding to pending events, the common dialogs, the help viewer and facts of
// the screen. Core routines reach the user only through this interface;
// QtHost implements it on Qt, FakeHost (tests/support) records and scripts it.

// Button sets of a message box.
enum class MsgButtons : int {
  OKOnly = 0,
  OKCancel = 1,
  AbortRetryIgnore = 2,
  YesNoCancel = 3,
  YesNo = 4,
  RetryCancel = 5,
};

// Icon of a message box.
enum class MsgIcon : int {
  None = 0,
  Critical = 16,
  Question = 32,
  Exclamation = 48,
  Information = 64,
};

// Answers of a message box: the platform's codes.
enum MsgAnswer : int {
  kAnswerOK = 1,
  kAnswerCancel = 2,
  kAnswerAbort = 3,
  kAnswerRetry = 4,
  kAnswerIgnore = 5,
  kAnswerYes = 6,
  kAnswerNo = 7,
};

// Mouse pointers as the program sets them.
enum MousePointer : int {
  kPointerDefault = 0,
  kPointerCross = 2,
  kPointerUpArrow = 10,
  kPointerHourglass = 11,
};

// A request to the open or save dialog. The filter has the form
// "Name (*.ext)|*.ext|Other (*.x;*.y)|*.x;*.y". A save dialog whose filter has
// one pattern "*.ext" gives a name typed without extension that extension
// (WithDefaultExtension).
// The flag of the save dialog that asks before an existing file is replaced.
inline constexpr int kFileDialogOverwritePrompt = 2;

// Flags of the print dialog: no selection range, no page range, no
// print-to-file box.
inline constexpr int kPrintNoSelection = 0x4;
inline constexpr int kPrintNoPageNumbers = 0x8;
inline constexpr int kPrintHidePrintToFile = 0x100000;

struct FileDialogRequest {
  std::string filter;
  int flags = 0;
  std::string initDir;
  std::string fileName;
  std::string title;
};

// A window's common dialog control: the request its open and save dialogs
// show, kept from one use to the next, and the printer and copy count that
// its print setup chooses and the window's print commands use (the default
// printer, "", and a count of 0 until one of them sets them).
struct CommonDialog : FileDialogRequest {
  int Copies = 0;
  std::string PrinterName;
};

// An item of a popup menu as the user sees it.
struct PopupMenuItem {
  std::string caption;  // with '&' before the access key
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  bool separator = false;
};

class Host {
 public:
  virtual ~Host() = default;

  // Shows a modal message box and returns the answer (MsgAnswer).
  // defaultButton is 1, 2 or 3. A CR (character 13) in text breaks the line.
  virtual int MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
                     const std::string& title) = 0;
  virtual void Beep() = 0;
  // Processes pending events (user input, repaint) and returns.
  virtual void DoEvents() = 0;
  // How long work may run before it lets pending events through
  // (EventPump): a few milliseconds, so that the window keeps answering.
  virtual int YieldIntervalMs() const { return 20; }

  // Common dialogs. Open and save return the chosen full path, or an empty
  // string when the user cancelled.
  virtual std::string ShowOpen(const FileDialogRequest& request) = 0;
  virtual std::string ShowSave(const FileDialogRequest& request) = 0;
  // Colour chooser preset with `colour` (0x00BBGGRR); returns the chosen colour,
  // or 0 (black) when the user cancelled.
  virtual int32_t ShowColor(int32_t colour) = 0;
  // Print setup, opened on the dialog's printer and copy count; the printer
  // ("" for the default one) and the count chosen there go back into them.
  // False when cancelled (nothing changes).
  virtual bool ShowPrinter(CommonDialog& dialog) = 0;
  // Opens a help file with the desktop's viewer, or says that it cannot be shown.
  virtual void ShowHelp(const std::string& helpFile) = 0;

  // The screen in twips, and the display's colour count (-1 above 256 colours).
  virtual double ScreenWidthTwips() = 0;
  virtual double ScreenHeightTwips() = 0;
  virtual int DisplayColourCount() = 0;

  // The main window's mouse pointer (MousePointer).
  virtual void SetMousePointer(int pointer) = 0;
  virtual int GetMousePointer() = 0;

  // Shows a popup menu at the mouse pointer and returns the index of the
  // chosen item, or -1 when the user chose none.
  virtual int PopupMenu(const std::vector<PopupMenuItem>& /*items*/) { return -1; }
  // Waits while a modal window is up: returns when `stillShown` turns false.
  virtual void RunModal(const std::function<bool()>& /*stillShown*/) {}
};
