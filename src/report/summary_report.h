#pragma once

#include <string>
#include <vector>

struct ProgramState;
class Host;

// The summary report of the job in hand: banner, subject, material, loading,
// component, options and fatigue life, as a text file or on the printer.

struct ReportCaptions {          // the four window texts the report copies
  std::string notchFactorLabel;  // caption of SCF(0)
  std::string notchQuantityLabel;// caption of DDBmse(2)
  std::string notchBoxText;      // text of DBmset(2)
  std::string fitLabel;          // caption of Res_prob(1)
};

enum class ReportVariant { File, Printed };

struct ReportLines { std::vector<std::string> lines; std::string error; };

// The report's lines (UTF-8, without line ends), columns laid out with blanks
// as the sequential print rules place them: the file's columns, or the
// printer's columns and wordings. `date` is "mm-dd-yyyy". A probabilistic
// single case whose simulation gave statistics stores the life at the
// required reliability in LifeByUnit(1..3).
// A run-time failure (division by zero, an index beyond a table, a value
// beyond Single) stops the report: `error` holds the runtime's text and
// `lines` the lines completed before it.
ReportLines SummaryReportLines(ProgramState& state, const ReportCaptions& captions,
                               const std::string& date, ReportVariant variant);

// Writes the file variant, dated today, to `path` in Windows-1252 with CR LF,
// replacing the file atomically. A failure of the report or of the write
// beeps (when the beep is on), shows the runtime's text (exclamation, title
// "Printing to File ...") and leaves the file that was there unchanged.
// Returns whether the file was written.
bool WriteReportToFile(ProgramState& state, const ReportCaptions& captions,
                       const std::string& path, Host& host);
