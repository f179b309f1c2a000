#pragma once

#include <string>
#include <vector>

#include "platform/runtime/seq_writer.h"
#include "report/summary_report.h"

// The columns at which the report's items stand: the file's, or the
// printer's (wider margin, so every column from the body on moves right).
struct ReportColumns {
  int body;          // where every line begins
  int date;          // the date of the owner line
  int banner;        // the program banner
  int scaling;       // the scaling factor's value (probabilistic)
  int historyLabel;  // the right-hand labels of the history and spectrum lines
  int stressLabel;   // the "SSmax" label of spectrum and constant amplitude
  int lifeHeading;   // "N" and the life unit over the master-curve table
  int lifeColumn;    // the lives of the master-curve table
};

// Collects the report's lines by the sequential print rules (print zones,
// column moves, numbers with their blanks) in one variant's columns.
class ReportBuilder {
 public:
  explicit ReportBuilder(ReportVariant variant);

  bool Printed() const { return variant_ == ReportVariant::Printed; }
  const ReportColumns& Columns() const { return columns_; }

  // One line: its items from the body column on, then the line end.
  template <typename... Items>
  void Line(const Items&... items) {
    writer_.Print(Tab{columns_.body});
    writer_.PrintLine(items...);
  }
  // One line that begins with a column move of its own.
  template <typename... Items>
  void LineAt(int column, const Items&... items) {
    writer_.PrintLine(Tab{column}, items...);
  }
  void EmptyLines(int count);

  // The lines ended so far, in UTF-8 and without their line ends; a line
  // that a failure left unfinished is not among them.
  std::vector<std::string> CompletedLines() const;

 private:
  ReportVariant variant_;
  ReportColumns columns_;
  SeqWriter writer_;
};

// Single arithmetic of the report's values, with the runtime's failures: a
// result beyond Single is an Overflow, a division by zero a Division by zero
// (0 / 0 an Overflow), a batch number outside the loading database's rows a
// Subscript out of range (all as RuntimeError).
float ReportProduct(float a, float b);
float ReportQuotient(float a, float b);
void CheckBatchRow(int batch);
