#include "report/report_builder.h"

#include <cmath>

#include "loading/loading_records.h"
#include "platform/runtime/checked_single.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/runtime_error.h"

namespace {

constexpr ReportColumns kFileColumns{15, 48, 23, 42, 43, 42, 48, 47};
constexpr ReportColumns kPrintedColumns{20, 53, 29, 47, 48, 47, 54, 52};

}  // namespace

ReportBuilder::ReportBuilder(ReportVariant variant)
    : variant_(variant), columns_(variant == ReportVariant::Printed ? kPrintedColumns : kFileColumns) {}

void ReportBuilder::EmptyLines(int count) {
  for (int i = 0; i < count; ++i) writer_.EndLine();
}

std::vector<std::string> ReportBuilder::CompletedLines() const {
  const std::string& bytes = writer_.Bytes();
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
    lines.push_back(Cp1252ToUtf8(std::string_view(bytes).substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

float ReportProduct(float a, float b) { return CSng(static_cast<double>(a) * b); }

float ReportQuotient(float a, float b) {
  if (b == 0) throw RuntimeError(a == 0 || std::isnan(a) ? kErrOverflow : kErrDivisionByZero);
  return CSng(static_cast<double>(a) / b);
}

void CheckBatchRow(int batch) {
  if (!BatchInRecords(batch)) throw RuntimeError(kErrSubscriptOutOfRange);
}
