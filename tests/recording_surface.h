#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "figure_number.h"
#include "view/draw_surface.h"

namespace draftcalc::view {

// A drawing surface that writes down what is drawn, one text per figure,
// coordinates to 4 decimals: "move 500 10", "line -500 10 c9",
// "circle 10 20 r1 c9", "box 11.5 -4 13.5 -2 c12", "label 3 4 \"2\" c2"
// (" right" or " centre" after it for a label anchored there), "dot 5 8 c2",
// "clear". A figure stroked dashed ends in " dashed". `unitsPerPixel` is
// what the surface tells the drawing (0: labels take no room).
class RecordingSurface : public DrawSurface {
 public:
  std::vector<std::string> figures;

  void Clear() override { figures.push_back("clear"); }
  void MoveTo(double x, double y) override { figures.push_back("move " + Num(x) + " " + Num(y)); }
  void LineTo(double x, double y, int colour) override {
    figures.push_back("line " + Num(x) + " " + Num(y) + Stroke(colour));
  }
  void Box(double x1, double y1, double x2, double y2, int colour) override {
    figures.push_back("box " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + Stroke(colour));
  }
  void Circle(double x, double y, double radius, int colour) override {
    figures.push_back("circle " + Num(x) + " " + Num(y) + " r" + Num(radius) + Stroke(colour));
  }
  void SetLineStyle(LineStyle style) override { style_ = style; }
  void Label(double x, double y, std::string_view text, int colour, TextAlign align) override {
    const char* anchored = align == TextAlign::kRight ? " right" : align == TextAlign::kCentre ? " centre" : "";
    figures.push_back("label " + Num(x) + " " + Num(y) + " \"" + std::string(text) + "\" c" + std::to_string(colour) +
                      anchored);
  }
  void Dot(double x, double y, int colour) override {
    figures.push_back("dot " + Num(x) + " " + Num(y) + " c" + std::to_string(colour));
  }
  double UnitsPerPixel() const override { return unitsPerPixel; }
  double unitsPerPixel = 0;

  static std::string Num(double value) { return draftcalc::figure_text::FigureNumber(value); }

 private:
  std::string Stroke(int colour) const {
    return " c" + std::to_string(colour) + (style_ == LineStyle::kDashed ? " dashed" : "");
  }

  LineStyle style_ = LineStyle::kSolid;
};

}  // namespace draftcalc::view
