#pragma once

#include <cstdint>
#include <string>

class Surface;

// Drawing pieces that the loading diagrams share. Coordinates are the
// diagram's (twips, y upward); arrowheads are in plain surface units, not
// scaled by the font factor.

// Colours of the loading diagrams (0x00BBGGRR).
inline constexpr int32_t kDiagramBlack = 0x000000;
inline constexpr int32_t kDiagramWhite = 0xFFFFFF;
inline constexpr int32_t kDiagramPurple = 0x800080;  // bars and density curve
inline constexpr int32_t kCurveMagenta = 0xC000C0;   // history curve and previews
inline constexpr int32_t kPreviewGrey = 0x808080;    // axes of the previews

// The vertical axis from (x, yFrom) up to (x, yTop + 100) with a closed
// arrowhead: on to (x + 30, yTop), to (x - 30, yTop) and back to its tip.
void DrawUpwardAxis(Surface& surface, float x, float yFrom, float yTop, int32_t colour);
// The horizontal axis from (xFrom, y) to (xRight + 100, y) with a closed
// arrowhead: on to (xRight + 10, y + 30), to (xRight + 10, y - 30) and back.
void DrawRightwardAxis(Surface& surface, float xFrom, float y, float xRight, int32_t colour);

// The letters of `text` one below the other: letter i (1 ..) at
// (x, yTop - step * i).
void PrintDownwards(Surface& surface, const std::string& text, float x, float yTop, float step);

// The caption of a frame drawn on paper: printed bold italic at (x, y) with
// the pen kept behind it, the frame's edge at `edgeY` cut white from `cutFrom`
// to 50 units past the end of the caption, and the caption printed again over
// the cut. With `wholePen` the end of the caption is taken as a whole number.
// Fore colour, bold and italic are left black and off.
void PrintCaptionOnEdge(Surface& target, const std::string& caption, double x, double y, double cutFrom, double edgeY,
                        bool wholePen);

// The frame of a loading diagram on paper: a black box (0, 0)-(W, H) and the
// caption in "Arial" of `fontSize` on its top edge at xTitle (PrintCaptionOnEdge,
// the cut from xGap).
void DrawPaperFrame(Surface& surface, const std::string& caption, float W, float H, float xTitle, float xGap,
                    double fontSize);

// Text at (x, y); the pen stays behind it.
void PlaceText(Surface& surface, double x, double y, const std::string& text);

// The surface set to the diagrams' start: "Arial", black, neither bold nor
// italic, lines one pixel wide and solid, no fill. Every diagram starts from
// it, whatever the drawing before it left on a shared printer page or
// bitmap (a solid fill would fill its frame).
void ResetDiagramPen(Surface& surface);
