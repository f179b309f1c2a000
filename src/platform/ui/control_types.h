#pragma once

#include <cstdint>

// Numbers the controls use, as the program's handlers expect them.

// Kinds of control a form can hold.
enum class ControlKind : int {
  Frame,
  Label,
  TextBox,
  CommandButton,
  OptionButton,
  CheckBox,
  PictureBox,
  HScrollBar,
  VScrollBar,
  Line,
  DriveList,
  DirList,
};

// Text alignment of labels and text boxes.
enum Alignment : int { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

// Border of labels, text boxes and pictures.
enum BorderStyle : int { kBorderNone = 0, kBorderFixedSingle = 1 };

// Mouse buttons and shift states of the mouse and key events (bit sets).
enum MouseButtonBits : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftBits : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

// Key codes of KeyDown, numbered as the program's handlers test them.
enum KeyCode : int {
  kKeyBack = 8,
  kKeyTab = 9,
  kKeyReturn = 13,
  kKeyShift = 16,
  kKeyControl = 17,
  kKeyMenu = 18,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyInsert = 45,
  kKeyDelete = 46,
  kKeyF1 = 112,
};

// Why a form is being unloaded (QueryUnload).
enum UnloadMode : int { kUnloadFormControlMenu = 0, kUnloadFormCode = 1 };

// Check box values.
enum CheckValue : int { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

// Colour meaning "not set: use the control's default".
inline constexpr int32_t kDefaultColour = -1;
// The system's button-face colour.
inline constexpr int32_t kColourButtonFace = static_cast<int32_t>(0x8000000F);
