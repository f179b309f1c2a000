#pragma once

// Services of the report subsystem that the print commands of both windows
// share, and the summary box on paper that the print-screen commands draw.

#include <functional>
#include <string>

#include "report/summary_report.h"

class FormMain;
class Host;
class PrinterSurface;
class Surface;
struct CommonDialog;

// How a printer document ended.
enum class PrintOutcome {
  Printed,       // the document went to the printer (or its PDF was written)
  ReportFailed,  // the report stopped on a run-time failure (shown)
  OutputFailed,  // the printer or the PDF could not take it (shown)
  Cancelled,     // no PDF name was given: nothing was written
};

// Whether the main view is idle; otherwise beeps (when the beep setting is
// on) and says no.
bool MainViewIdleElseBeep(FormMain& main);

// A window's print setup for the documents that follow: the printer takes
// the printer chosen there (the default one where none was chosen or the
// chosen one is gone); returns the copy count, stored back as 1 where it
// is 0.
int TakePrintSetup(PrinterSurface& printer, CommonDialog& dialog);

// The flags of the report and bitmap save dialogs: ask before an existing
// file is overwritten, hide the read-only box.
inline constexpr int kSaveDialogFlags = 6;

// The save dialog of a window's common dialog with `filter` and no file name
// to start from; returns the name chosen (kept in the dialog), "" when the
// user cancelled.
std::string AskSaveName(Host& host, CommonDialog& dialog, const std::string& filter);

// The four window texts the summary report copies: the notch captions and
// box of the main window's summary box and the fit label of the second
// window's results view.
ReportCaptions ReportCaptionsOf(FormMain& main);

// Prints the summary report as one document on the printer, in "Courier"
// 10 pt. A report that stops on a run-time failure prints nothing; its text
// is shown (title "Printing ..."), as is a printer that fails.
PrintOutcome PrintReport(FormMain& main);

// Ends the printer's document. A document dropped for want of a PDF name
// ends silently; one the printer or the PDF could not take shows the
// runtime's text with the exclamation icon under `title`.
PrintOutcome FinishPrinterDocument(FormMain& main, const std::string& title);

// One printer document: `draw` draws it, then it is ended. A run-time
// failure while drawing drops the document; that failure, or a printer that
// cannot take the document, shows the runtime's text under `title`. True
// when the document was printed (or nothing needed printing).
bool PrintDocument(FormMain& main, const std::function<void()>& draw, const std::string& title);

// Shows a failure of a print command: beep, the runtime's text, the
// exclamation icon, `title`.
void ShowPrintFailure(FormMain& main, const std::string& text, const std::string& title);

// The summary box of the main window as a framed block of text in the lower
// right of the printer page or of the hidden print picture `target`, with the
// captions and texts the box shows now. It sets the surface's scale, font and
// pens for itself and leaves them so; it clears nothing and ends no page.
void PrintDataBox(FormMain& main, Surface& target);
