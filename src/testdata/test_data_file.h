#pragma once

#include <string>

#include "testdata/test_data_records.h"

class Host;
class SeqWriter;

// The test data file (written as *.sft): plain text of quoted, comma-separated
// items, CR LF line ends:
//   "header text 1"
//   "*** TEST DATA ***"
//   count,Sy,Su,R
//   (empty line)
//   "header text 2" .. "header text 5", one per line
//   stress,life,flag   for each point
// The header texts are written so that the reader gives each back as it was
// (test_data_header.h): a header text 1 equal to the marker, or a text with
// a double quote, takes other items than one quoted one.
inline constexpr const char* kTestDataMarker = "*** TEST DATA ***";

// Reads a test data file into `set`. The name of the set is the file's name
// without its four-character extension; the per-point flag is read only from
// a file whose path ends in "sft" (lower case), other files hold two items per
// point. The file is read into a copy: only a complete read replaces the
// points, headers, name, count and strengths (the fit, the reference life and
// the points beyond the count stay). A file of more than 51 points beeps once
// and gives the first 51; counts are stored rounded to whole points. A missing
// or unreadable file, one without the marker, with a count below 1 or with
// fewer items than the count, or a value that does not fit its field shows
// "The Data is corrupted!" (critical, "Fatigue Test Data") and leaves `set`
// exactly as it was. Returns whether a set was read.
bool ReadTestDataFile(TestDataSet& set, const std::string& path, Host& host);

// Writes the whole set to `path` by atomic replacement. On success
// TestDataModified becomes 0; a failure shows the runtime's text of the error
// (exclamation, titled `errorTitle`, the caption of the diagram frame) and
// leaves the old file and TestDataModified as they were. Returns whether the
// file was written.
bool WriteTestDataFile(TestDataSet& set, const std::string& path, Host& host, const std::string& errorTitle);

// Whether `path` names a file of the older layout (ending in "SN1" or
// "sn1"), which is not read.
bool IsOldTestDataFile(const std::string& path);

// The file's text for `set`, as WriteTestDataFile writes it.
SeqWriter FormatTestDataFile(const TestDataSet& set);

// The path of `fileName` in `folder`: directly after a folder that ends in a
// separator, otherwise after one.
std::string PathInFolder(const std::string& folder, const std::string& fileName);
