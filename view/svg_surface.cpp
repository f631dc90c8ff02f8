#include "view/svg_surface.h"

#include <cmath>
#include <cstdio>

#include "view/markup_text.h"
#include "view/picture_look.h"

namespace draftcalc::view {
namespace {

std::string Colour(int index) {
  const Rgb rgb = PaletteRgb(index);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return text;
}

// name="value" for a number.
std::string Attribute(std::string_view name, double value) {
  std::string attribute(" ");
  attribute.append(name).append("=\"").append(PlainNumber(value)).append("\"");
  return attribute;
}

std::string Stroke(const VectorFigure& figure, double unitsPerPixel) {
  std::string stroke = " stroke=\"" + Colour(figure.colour) + "\"";
  if (figure.dashed) {
    stroke += " stroke-dasharray=\"" + PlainNumber(kDashPixels * unitsPerPixel) + " " +
              PlainNumber(kGapPixels * unitsPerPixel) + "\"";
  }
  return stroke;
}

// The text stands upright: it is turned over once more about its own point.
std::string_view AnchorOf(TextAlign align) {
  switch (align) {
    case TextAlign::kCentre:
      return " text-anchor=\"middle\"";
    case TextAlign::kRight:
      return " text-anchor=\"end\"";
    case TextAlign::kLeft:
      break;
  }
  return "";
}

std::string LabelElement(const VectorFigure& label, double unitsPerPixel) {
  return "<text transform=\"translate(" + PlainNumber(label.x1) + " " + PlainNumber(label.y1) +
         ") scale(1,-1)\" font-family=\"sans-serif\"" + std::string(AnchorOf(label.align)) +
         Attribute("font-size", kLabelHeightPixels * unitsPerPixel / 0.7) + " fill=\"" + Colour(label.colour) +
         "\" stroke=\"none\">" + MarkupEscaped(label.text) + "</text>\n";
}

std::string Element(const VectorFigure& figure, double unitsPerPixel) {
  switch (figure.kind) {
    case VectorFigure::Kind::kLine:
      return "<line" + Attribute("x1", figure.x1) + Attribute("y1", figure.y1) + Attribute("x2", figure.x2) +
             Attribute("y2", figure.y2) + Stroke(figure, unitsPerPixel) + "/>\n";
    case VectorFigure::Kind::kCircle:
      return "<circle" + Attribute("cx", figure.x1) + Attribute("cy", figure.y1) + Attribute("r", figure.radius) +
             Stroke(figure, unitsPerPixel) + "/>\n";
    case VectorFigure::Kind::kLabel:
      return LabelElement(figure, unitsPerPixel);
    case VectorFigure::Kind::kPoint:
      return "<circle" + Attribute("cx", figure.x1) + Attribute("cy", figure.y1) +
             Attribute("r", kDotRadiusPixels * unitsPerPixel) + " fill=\"" + Colour(figure.colour) +
             "\" stroke=\"none\"/>\n";
  }
  return "";
}

}  // namespace

std::string SvgSurface::Document() const {
  const CoordinateWindow& view = View();
  // The view in the turned-over plane: y runs from -top down to -bottom.
  const std::string left = PlainNumber(view.left), top = PlainNumber(-view.top);
  const std::string width = PlainNumber(view.width), height = PlainNumber(-view.height);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width + "mm\" height=\"" + height +
         "mm\" viewBox=\"" + left + " " + top + " " + width + " " + height + "\">\n";
  svg += "<title>draftcalc drawing</title>\n<desc>Drawing units, one to the millimetre, y upwards.</desc>\n";
  svg += "<rect x=\"" + left + "\" y=\"" + top + "\" width=\"" + width + "\" height=\"" + height +
         "\" fill=\"#ffffff\"/>\n";
  svg += "<g transform=\"scale(1,-1)\" fill=\"none\"" + Attribute("stroke-width", UnitsPerPixel()) + ">\n";
  for (const Layer layer : kLayersInDrawingOrder) {
    svg += "<g id=\"" + std::string(LayerName(layer)) + "\">\n";
    for (const VectorFigure& figure : Figures()) {
      if (figure.layer == layer) svg += Element(figure, UnitsPerPixel());
    }
    svg += "</g>\n";
  }
  return svg + "</g>\n</svg>\n";
}

}  // namespace draftcalc::view
