#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

// Loading database and stress history files written item by item as the
// files lay them out, with the numbers as texts (so that a test can put
// "2.5" or "abc" where a number stands).
namespace ldb_fixture {

// One batch of "duvdt.dat".
struct Batch {
  std::string quantity = "Stress";  // written only in a file of marker -3
  std::string time = "10", levels = "0", points = "0", historyMax = "0", historyMin = "0";
  std::vector<std::pair<std::string, std::string>> pairs;  // level stress, level cycles
  std::string upper = "0", lower = "0", blockCycles = "0", q = "0", r = "0", su = "0";
  std::string name = "Batch";
  std::string kind = "0";  // with two unused numbers before it, in a file of a negative marker
  std::string sy = "0", kf = "0";  // in a file of marker -2 or lower
};

inline std::string BatchText(int marker, const Batch& b) {
  std::string t;
  if (marker == -3) t += "\"" + b.quantity + "\"\r\n";
  t += b.time + "," + b.levels + "," + b.points + "," + b.historyMax + "," + b.historyMin + "\r\n";
  for (const auto& [stress, cycles] : b.pairs) t += stress + "," + cycles + "\r\n";
  t += b.upper + "," + b.lower + "," + b.blockCycles + "," + b.q + "," + b.r + "," + b.su + ",\"" + b.name + "\"\r\n";
  if (marker < 0) t += "0,0," + b.kind + "\r\n";
  if (marker <= -2) t += b.sy + "," + b.kf + "\r\n";
  return t;
}

// The whole file: the marker and then the count, or (marker above 0) the
// count alone; `count` -1 writes the number of batches given.
inline std::string DatabaseText(int marker, const std::vector<Batch>& batches, int count = -1) {
  const std::string n = std::to_string(count < 0 ? static_cast<int>(batches.size()) : count);
  std::string t = marker > 0 ? n + "\r\n" : std::to_string(marker) + "\r\n" + n + "\r\n";
  for (const Batch& b : batches) t += BatchText(marker, b);
  return t;
}

// A history batch of n points (extremes as given), of quantity "Stress".
inline Batch HistoryBatch(const std::string& name, int n, const std::string& max, const std::string& min) {
  Batch b;
  b.name = name;
  b.points = std::to_string(n);
  b.historyMax = max;
  b.historyMin = min;
  return b;
}

// A block spectrum of levels (relative stress, cycles) with its upper and
// lower range and cycles per block.
inline Batch SpectrumBatch(const std::string& name, std::vector<std::pair<std::string, std::string>> levels,
                           const std::string& upper, const std::string& lower, const std::string& cycles) {
  Batch b;
  b.name = name;
  b.levels = std::to_string(levels.size());
  b.pairs = std::move(levels);
  b.upper = upper;
  b.lower = lower;
  b.blockCycles = cycles;
  return b;
}

// "duvhs.k": title, count, record time and the values, one a line as the
// runtime prints them.
inline std::string HistoryText(const std::string& count, const std::string& time,
                               const std::vector<std::string>& values, const std::string& title = "History") {
  std::string t = title + "\r\n " + count + " \r\n " + time + " \r\n";
  for (const std::string& v : values) t += " " + v + " \r\n";
  return t;
}

// The loading database of the user roads ("duvdt.dat" of marker -2): batch
// 1 a history of 9 points with its record time, 2 a block spectrum of 3
// levels without distribution, 3 a Weibull distribution of 1000 cycles a
// block with strengths.
inline std::string ThreeBatchesText() {
  Batch history = HistoryBatch("Crane history", 9, "120", "-80");
  history.time = "30";
  Batch spectrum =
      SpectrumBatch("Gust spectrum", {{"1", "10"}, {"0.6", "990"}, {"0.3", "99000"}}, "240", "72", "100000");
  Batch distribution;
  distribution.name = "Road distribution";
  distribution.upper = "200";
  distribution.blockCycles = "1000";
  distribution.q = "0.5";
  distribution.r = "2";
  distribution.kind = "-1";
  distribution.su = "600";
  distribution.sy = "400";
  distribution.kf = "1.5";
  return DatabaseText(-2, {history, spectrum, distribution});
}

// The history of batch 1 ("duvhs.1"): it starts at its minimum.
inline std::string ThreeBatchesHistoryText() {
  return HistoryText("9", "45", {"-80", "120", "-40", "100", "-60", "110", "-20", "90", "-80"});
}

// Both files of the user roads' loading database in `folder`, made here.
inline void PutThreeBatches(const std::filesystem::path& folder) {
  std::filesystem::create_directory(folder);
  std::ofstream(folder / "duvdt.dat", std::ios::binary) << ThreeBatchesText();
  std::ofstream(folder / "duvhs.1", std::ios::binary) << ThreeBatchesHistoryText();
}

}  // namespace ldb_fixture
