#pragma once

#include <string_view>

namespace draftcalc::view {

// Indices into the standard 16-colour palette used by the drawing.
enum PaletteColour : int { kBlack = 0, kGreen = 2, kGrey = 8, kLightBlue = 9, kLightRed = 12, kWhite = 15 };

// How lines and outlines are stroked: solid, or dashed for an answer that no
// longer belongs to the inputs.
enum class LineStyle { kSolid, kDashed };

// Which figures are being drawn: a surface that keeps them apart (the vector
// exports) files what follows under it.
enum class Layer { kAxes, kInput, kCandidates, kAnswer };

// Which end of a label's baseline its anchor point is.
enum class TextAlign { kLeft, kCentre, kRight };

// The picture area as the drawing routines see it: coordinates in drawing
// units of the current coordinate window (y grows upwards), lines one pixel
// wide, outlines never filled. Coordinates are passed in double precision,
// so that an export keeps every digit the figures have; the drawing still
// leaves out what does not fit a 32-bit value, as the picture holds it.
class DrawSurface {
 public:
  virtual ~DrawSurface() = default;

  // Fills the whole picture area with the background colour (white).
  virtual void Clear() = 0;
  // Makes (x, y) the current point; draws nothing.
  virtual void MoveTo(double x, double y) = 0;
  // Draws from the current point to (x, y), which becomes the current point.
  virtual void LineTo(double x, double y, int colour) = 0;
  // Outline of the axis-parallel rectangle with opposite corners (x1, y1), (x2, y2).
  virtual void Box(double x1, double y1, double x2, double y2, int colour) = 0;
  // Outline of the circle around (x, y); radius 0 draws nothing visible.
  virtual void Circle(double x, double y, double radius, int colour) = 0;
  // The stroke of every line and outline drawn from now on; solid at first.
  virtual void SetLineStyle(LineStyle style) = 0;
  // A short text (a marker's number) at a fixed size on the output whatever
  // the zoom (digits about kLabelHeightPixels high), its baseline starting,
  // centred or ending at (x, y) as `align` says.
  virtual void Label(double x, double y, std::string_view text, int colour, TextAlign align) = 0;
  // A touching point: a small filled dot of a fixed size on the output (a
  // POINT in a DXF file).
  virtual void Dot(double x, double y, int colour) = 0;
  // How many drawing units one pixel of the output spans at the current
  // zoom, for placing labels of a fixed size; 0 where the surface has no
  // size (one that only collects figures).
  virtual double UnitsPerPixel() const { return 0; }
  // The figures that follow belong to `layer`, until the next call; the
  // picture on screen has no use for it.
  virtual void BeginLayer(Layer /*layer*/) {}
};

}  // namespace draftcalc::view
