#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/recording_surface.h"

// The Line calls of a RecordingSurface's log, read back as numbers, for
// tests that check where a drawing put its lines and boxes.
struct RecordedLine {
  double x1, y1, x2, y2;
  int32_t colour;
  Surface::LineKind kind;
};

std::vector<RecordedLine> RecordedLines(const RecordingSurface& surface);
// Only the lines of one colour and kind.
std::vector<RecordedLine> RecordedLines(const RecordingSurface& surface, int32_t colour, Surface::LineKind kind);
// The texts printed, in order.
std::vector<std::string> PrintedTexts(const RecordingSurface& surface);
