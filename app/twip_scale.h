#pragma once

#include <QRect>
#include <algorithm>
#include <cmath>

namespace draftcalc::app {

// Turns the window's design positions and sizes, kept in twips (1440 to the
// inch), into pixels at the screen's logical DPI.
struct TwipScale {
  double twipsPerPixel = 15;  // 96 DPI

  int Pixels(double twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

  // Edges are rounded to pixels, not sizes, so that controls that meet in
  // twips meet on the screen too.
  QRect Rect(double left, double top, double width, double height) const {
    const int x = Pixels(left), y = Pixels(top);
    return {x, y, std::max(0, Pixels(left + width) - x), std::max(0, Pixels(top + height) - y)};
  }
};

}  // namespace draftcalc::app
