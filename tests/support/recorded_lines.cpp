#include "support/recorded_lines.h"

#include <cstdio>
#include <cstring>

std::vector<RecordedLine> RecordedLines(const RecordingSurface& surface) {
  std::vector<RecordedLine> lines;
  for (const std::string& entry : surface.log) {
    RecordedLine l{};
    int consumed = 0;
    if (std::sscanf(entry.c_str(), "Line %lf,%lf-%lf,%lf c=%d%n", &l.x1, &l.y1, &l.x2, &l.y2, &l.colour, &consumed) !=
        5)
      continue;
    const char* rest = entry.c_str() + consumed;
    l.kind = std::strcmp(rest, " BF") == 0 ? Surface::kFilledBox
             : std::strcmp(rest, " B") == 0 ? Surface::kBox
                                            : Surface::kSegment;
    lines.push_back(l);
  }
  return lines;
}

std::vector<RecordedLine> RecordedLines(const RecordingSurface& surface, int32_t colour, Surface::LineKind kind) {
  std::vector<RecordedLine> matching;
  for (const RecordedLine& l : RecordedLines(surface))
    if (l.colour == colour && l.kind == kind) matching.push_back(l);
  return matching;
}

std::vector<std::string> PrintedTexts(const RecordingSurface& surface) {
  std::vector<std::string> out;
  for (const auto& t : surface.texts) out.push_back(t.text);
  return out;
}
