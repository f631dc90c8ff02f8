#pragma once

#include "view/draw_surface.h"

namespace draftcalc::view {

// How the picture looks whatever it is drawn on, in pixels of the picture:
// the dashes and gaps of a dashed stroke, and where a marker's number stands
// (this far right of its point and above it, at about this cap height).
inline constexpr double kDashPixels = 5, kGapPixels = 3;
inline constexpr double kLabelGapPixels = 3, kLabelHeightPixels = 9;
// The radius of a touching point's dot.
inline constexpr double kDotRadiusPixels = 2.5;

struct Rgb {
  int red = 0, green = 0, blue = 0;
};

// The red, green and blue of a palette colour the drawing uses; black for
// any other index.
constexpr Rgb PaletteRgb(int index) {
  struct Entry {
    int index;
    Rgb rgb;
  };
  constexpr Entry kPalette[] = {
      {kBlack, {0, 0, 0}},       {kGreen, {0, 128, 0}},    {kGrey, {128, 128, 128}},
      {kLightBlue, {0, 0, 255}}, {kLightRed, {255, 0, 0}}, {kWhite, {255, 255, 255}},
  };
  for (const Entry& entry : kPalette) {
    if (entry.index == index) return entry.rgb;
  }
  return {0, 0, 0};
}

}  // namespace draftcalc::view
