#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "loading/ui/loading_frames_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
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

// A line (or box) of a RecordingSurface's log.
struct Seg {
  double x1, y1, x2, y2;
  int32_t colour;
  std::string kind;  // "", "B" or "BF"
};

inline std::vector<Seg> Lines(const RecordingSurface& s) {
  std::vector<Seg> out;
  for (const std::string& line : s.log) {
    if (line.rfind("Line ", 0) != 0) continue;
    const char* p = line.c_str() + 5;
    char* e = nullptr;
    Seg g{};
    g.x1 = std::strtod(p, &e);
    g.y1 = std::strtod(e + 1, &e);
    g.x2 = std::strtod(e + 1, &e);
    g.y2 = std::strtod(e + 1, &e);
    g.colour = static_cast<int32_t>(std::strtol(e + 3, &e, 10));
    g.kind = *e == ' ' ? std::string(e + 1) : std::string();
    out.push_back(g);
  }
  return out;
}

inline bool Near(double a, double b) { return std::abs(a - b) < 0.01; }

inline bool HasSeg(const std::vector<Seg>& lines, double x1, double y1, double x2, double y2, int32_t colour,
                   const std::string& kind = "") {
  for (const Seg& g : lines) {
    if (Near(g.x1, x1) && Near(g.y1, y1) && Near(g.x2, x2) && Near(g.y2, y2) && g.colour == colour && g.kind == kind)
      return true;
  }
  return false;
}

inline int CountColour(const std::vector<Seg>& lines, int32_t colour, const std::string& kind = "") {
  int n = 0;
  for (const Seg& g : lines) n += g.colour == colour && g.kind == kind;
  return n;
}

// The upward axis at x from yFrom to yTop + 100 with its closed arrowhead.
inline void ExpectUpwardAxis(const std::vector<Seg>& l, double x, double yFrom, double yTop, int32_t c) {
  EXPECT_TRUE(HasSeg(l, x, yFrom, x, yTop + 100, c)) << "axis at x " << x;
  EXPECT_TRUE(HasSeg(l, x, yTop + 100, x + 30, yTop, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, x + 30, yTop, x - 30, yTop, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, x - 30, yTop, x, yTop + 100, c)) << "arrowhead";
}

// The rightward axis at y from xFrom to xRight + 100 with its closed arrowhead.
inline void ExpectRightwardAxis(const std::vector<Seg>& l, double xFrom, double y, double xRight, int32_t c) {
  EXPECT_TRUE(HasSeg(l, xFrom, y, xRight + 100, y, c)) << "axis at y " << y;
  EXPECT_TRUE(HasSeg(l, xRight + 100, y, xRight + 10, y + 30, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, xRight + 10, y + 30, xRight + 10, y - 30, c)) << "arrowhead";
  EXPECT_TRUE(HasSeg(l, xRight + 10, y - 30, xRight + 100, y, c)) << "arrowhead";
}

// The texts printed, in order.
inline std::vector<std::string> Texts(const RecordingSurface& s) {
  std::vector<std::string> out;
  for (const auto& t : s.texts) out.push_back(t.text);
  return out;
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
