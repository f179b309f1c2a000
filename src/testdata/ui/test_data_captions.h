#pragma once

// Captions of the test data editor's four buttons: the command set and the
// edit set. Each button acts by the caption it shows.
inline constexpr const char* kCaptionNew = "&New";         // cmd_CLO_Del
inline constexpr const char* kCaptionOK = "&OK";           // cmd_CLO_OK
inline constexpr const char* kCaptionCancel = "&Cancel";   // cmd_CLO_canc
inline constexpr const char* kCaptionOpen = "O&pen";       // cmd_CLO_open
inline constexpr const char* kCaptionDelete = "&Delete";   // cmd_CLO_Del
inline constexpr const char* kCaptionFit = "&Fit";         // cmd_CLO_OK
inline constexpr const char* kCaptionClose = "&Close";     // cmd_CLO_canc
inline constexpr const char* kCaptionInsert = "&Insert";   // cmd_CLO_open

// The grid's masks: a stress in display units and a life.
inline constexpr const char* kStressCellMask = "###0.00";
inline constexpr const char* kLifeCellMask = "0.000E+##";

// The diagram frame's caption while the test data diagram is up.
inline constexpr const char* kTestDataTitle = "Fatigue Test Data";
