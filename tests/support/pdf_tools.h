#pragma once

// Reading back what the printer wrote to a PDF file, with the poppler tools
// (pdftotext, pdfinfo, pdftoppm).

#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// The standard output of a shell command.
inline std::string RunCommand(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  return out;
}

inline std::string Quoted(const std::filesystem::path& path) {
  return std::string(1, '\'').append(path.string()).append(1, '\'');
}

// The text of a PDF, its columns kept by blanks.
inline std::string PdfText(const std::filesystem::path& pdf) {
  return RunCommand("pdftotext -layout " + Quoted(pdf) + " - 2>/dev/null");
}

// The number of pages of a PDF (0 when it cannot be read).
inline int PdfPageCount(const std::filesystem::path& pdf) {
  std::smatch m;
  const std::string info = RunCommand("pdfinfo " + Quoted(pdf) + " 2>/dev/null");
  return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : 0;
}

// The top of the highest word on the first page of a PDF, in millimetres
// below the paper's top edge; -1 when the page has no text.
inline double PdfFirstWordTopMm(const std::filesystem::path& pdf) {
  const std::string boxes = RunCommand("pdftotext -bbox -f 1 -l 1 " + Quoted(pdf) + " - 2>/dev/null");
  const std::regex word("<word [^>]*yMin=\"([0-9.]+)\"");
  double top = -1;
  for (std::sregex_iterator at(boxes.begin(), boxes.end(), word), end; at != end; ++at) {
    const double y = std::stod((*at)[1]);
    if (top < 0 || y < top) top = y;
  }
  return top < 0 ? top : top * 25.4 / 72;
}

// Whether the first page of a PDF is wider than it is high.
inline bool PdfIsLandscape(const std::filesystem::path& pdf) {
  std::smatch m;
  const std::string info = RunCommand("pdfinfo " + Quoted(pdf) + " 2>/dev/null");
  if (!std::regex_search(info, m, std::regex("Page size:\\s+([0-9.]+) x ([0-9.]+)"))) return false;
  return std::stod(m[1]) > std::stod(m[2]);
}

// Renders the first page of a PDF as a PNG at `dpi` and returns its path.
inline std::filesystem::path RenderPdfFirstPage(const std::filesystem::path& pdf, const std::filesystem::path& stem,
                                                int dpi) {
  RunCommand("pdftoppm -png -r " + std::to_string(dpi) + " -f 1 -l 1 -singlefile " + Quoted(pdf) + " " +
             Quoted(stem));
  return stem.string() + ".png";
}

// A text with every run of blanks made one blank and no blanks at its ends
// (the PDF's text places words by their position, not by blanks).
inline std::string SingleBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// Whether every non-empty line of `lines` is a line of the PDF's text, in
// that order, blanks aside.
inline bool PdfShowsLines(const std::filesystem::path& pdf, const std::vector<std::string>& lines) {
  std::vector<std::string> shown;
  std::istringstream text(RunCommand("pdftotext -layout " + Quoted(pdf) + " - 2>/dev/null"));
  for (std::string line; std::getline(text, line);)
    if (const std::string s = SingleBlanks(line); !s.empty()) shown.push_back(s);
  auto at = shown.begin();
  for (const std::string& line : lines) {
    const std::string want = SingleBlanks(line);
    if (want.empty()) continue;
    while (at != shown.end() && *at != want) ++at;
    if (at == shown.end()) return false;
    ++at;
  }
  return true;
}
