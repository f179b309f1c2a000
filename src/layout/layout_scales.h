#pragma once

// Scales of the screen at hand against the design size 12000 x 9000 twips.
struct LayoutScales {
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  float FontScale = 1.0f;

  bool operator==(const LayoutScales&) const = default;
};

// The scales from the main window's outer width and height in twips, as
// start-up reads them back after sizing the window.
LayoutScales ComputeLayoutScales(float windowWidth, float windowHeight);
