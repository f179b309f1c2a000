#include "testdata/test_data_file.h"

#include <cmath>

#include "platform/host.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "testdata/test_data_header.h"

namespace {

constexpr const char* kCorruptedText = "The Data is corrupted!";
constexpr const char* kCorruptedTitle = "Fatigue Test Data";

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The set's name: the path's last component less the last four characters of
// the path (the extension with its point).
std::string NameFromPath(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t end = path.size() >= start + 4 ? path.size() - 4 : start;
  return path.substr(start, end - start);
}

// Reads the file's items into `set`; a failure raises RuntimeError.
void ParseTestData(SeqReader& in, TestDataSet& set, bool withFlags, Host& host) {
  for (int i = 1; i <= 5; ++i) set.TestHeaderLines[i].clear();
  for (std::string item = in.ReadString(); item != kTestDataMarker; item = in.ReadString())
    set.TestHeaderLines[1] += item;
  float count = in.ReadSingle();
  set.TestSy = in.ReadSingle();
  set.TestSu = in.ReadSingle();
  set.TestStressRatio = in.ReadSingle();
  in.ReadString();  // the empty line
  for (int i = 2; i <= 5; ++i) set.TestHeaderLines[i] = in.ReadString();
  if (count > kTestPointMax) {
    host.Beep();
    count = kTestPointMax;
  }
  // Counts are whole numbers of points; none (or a negative count) is no data.
  count = std::nearbyint(count);
  if (!(count >= 1)) throw RuntimeError(kErrTypeMismatch);
  set.TestPointCount = count;
  const int n = static_cast<int>(count);
  for (int k = 1; k <= n; ++k) {
    set.TestPointUsed[k] = 1;
    set.TestStress[k] = in.ReadSingle();
    set.TestLife[k] = in.ReadLong();
    if (withFlags) set.TestPointUsed[k] = in.ReadInteger();
  }
}

}  // namespace

bool IsOldTestDataFile(const std::string& path) { return EndsWith(path, "SN1") || EndsWith(path, "sn1"); }

std::string PathInFolder(const std::string& folder, const std::string& fileName) {
  if (folder.empty() || folder.back() == '/' || folder.back() == '\\') return folder + fileName;
  return folder + "/" + fileName;
}

bool ReadTestDataFile(TestDataSet& set, const std::string& path, Host& host) {
  TestDataSet staging = set;
  staging.TestDataName = NameFromPath(path);
  try {
    SeqReader in = SeqReader::Open(path);
    ParseTestData(in, staging, EndsWith(path, "sft"), host);
  } catch (const RuntimeError&) {
    host.MsgBox(kCorruptedText, MsgButtons::OKOnly, MsgIcon::Critical, 1, kCorruptedTitle);
    return false;
  }
  set = std::move(staging);
  return true;
}

SeqWriter FormatTestDataFile(const TestDataSet& set) {
  const auto& h = set.TestHeaderLines;
  SeqWriter out;
  WriteFirstHeaderLine(out, h[1], kTestDataMarker);
  out.WriteLine(kTestDataMarker);
  out.WriteLine(set.TestPointCount, set.TestSy, set.TestSu, set.TestStressRatio);
  out.WriteLine();
  for (int i = 2; i <= 5; ++i) WriteHeaderLine(out, h[i]);
  const int n = WholePointCount(set.TestPointCount);
  for (int k = 1; k <= n; ++k) out.WriteLine(set.TestStress[k], set.TestLife[k], set.TestPointUsed[k]);
  return out;
}

bool WriteTestDataFile(TestDataSet& set, const std::string& path, Host& host, const std::string& errorTitle) {
  const SaveResult saved = FormatTestDataFile(set).Save(path);
  if (!saved) {
    host.MsgBox(saved.errorText, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, errorTitle);
    return false;
  }
  set.TestDataModified = 0;
  return true;
}
