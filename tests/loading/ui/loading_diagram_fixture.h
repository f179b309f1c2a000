#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "loading/ui/loading_frames_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/recorded_lines.h"
#include "support/recording_surface.h"

// A fresh program with its main window, for drawing the loading diagrams
// headless.
struct LoadingUi {
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  MessagesOnFailure trace{host};

  LoadingFramesPanel& lf() { return main.loadingFrames(); }
  // The loading frame's size once a screen drawing has placed it.
  float FrameWidth() const { return main.ScaleWidth() / 2; }
  float FrameHeight() const { return main.ScaleHeight() / 2; }
};

// The pages the printer tests use: Height / Width 0.75, 0.72, 0.70 and 0.6.
inline constexpr double kPageWidth = 12000;
inline constexpr double kPageHeights[] = {9000, 8640, 8400, 7200};

// Controls on a diagram picture are placed in twips from its top left corner:
// on the screen, where the diagram's scale spans the picture from its lower
// left corner, x stays and y is counted down from the picture's height.
inline float TopOnPicture(const PictureBox& pic, double y) { return static_cast<float>(pic.Height() - y); }

inline bool Near(double a, double b) { return std::abs(a - b) < 0.01; }

inline bool HasSeg(const std::vector<RecordedLine>& lines, double x1, double y1, double x2, double y2, int32_t colour,
                   Surface::LineKind kind = Surface::kSegment) {
  for (const RecordedLine& g : lines) {
    if (Near(g.x1, x1) && Near(g.y1, y1) && Near(g.x2, x2) && Near(g.y2, y2) && g.colour == colour && g.kind == kind)
      return true;
  }
  return false;
}

inline int CountColour(const std::vector<RecordedLine>& lines, int32_t colour,
                       Surface::LineKind kind = Surface::kSegment) {
  int n = 0;
  for (const RecordedLine& g : lines) n += g.colour == colour && g.kind == kind;
  return n;
}

// The upward axis at x from yFrom to yTop + 100 with its closed arrowhead.
inline void ExpectUpwardAxis(const std::vector<RecordedLine>& l, double x, double yFrom, double yTop, int32_t c) {
  EXPECT_TRUE(HasSeg(l, x, yFrom, x, yTop + 100, c)) << "axis at x " << x;
  EXPECT_TRUE(HasSeg(l, x, yTop + 100, x + 30, yTop, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, x + 30, yTop, x - 30, yTop, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, x - 30, yTop, x, yTop + 100, c)) << "arrowhead";
}

// The rightward axis at y from xFrom to xRight + 100 with its closed arrowhead.
inline void ExpectRightwardAxis(const std::vector<RecordedLine>& l, double xFrom, double y, double xRight, int32_t c) {
  EXPECT_TRUE(HasSeg(l, xFrom, y, xRight + 100, y, c)) << "axis at y " << y;
  EXPECT_TRUE(HasSeg(l, xRight + 100, y, xRight + 10, y + 30, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, xRight + 10, y + 30, xRight + 10, y - 30, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, xRight + 10, y - 30, xRight + 100, y, c)) << "arrowhead";
}

inline const RecordingSurface::PrintedText* FindText(const RecordingSurface& s, const std::string& text) {
  for (const auto& t : s.texts) {
    if (t.text == text) return &t;
  }
  return nullptr;
}

// Whether the log holds this exact line.
inline bool Logged(const RecordingSurface& s, const std::string& line) {
  for (const auto& l : s.log) {
    if (l == line) return true;
  }
  return false;
}
