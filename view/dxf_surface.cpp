#include "view/dxf_surface.h"

#include <dxflib/dl_dxf.h>

#include <array>
#include <cstdio>
#include <tuple>

#include "view/picture_look.h"

namespace draftcalc::view {
namespace {

constexpr int kByLayer = 256;
constexpr int kInsUnitsMillimetres = 4, kMeasurementMetric = 1;

// dxflib's writer, writing into a string instead of a file: the caller saves
// the whole document at once, so that a failed write leaves no half file.
// Its base opens no file for an empty name.
class StringWriter final : public DL_WriterA {
 public:
  explicit StringWriter(std::string& bytes) : DL_WriterA("", DL_VERSION_2000), bytes_(bytes) {}

  void dxfReal(int code, double value) const override { Group(code, PlainNumber(value)); }
  void dxfInt(int code, int value) const override { Group(code, std::to_string(value)); }
  void dxfHex(int code, int value) const override {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%X", static_cast<unsigned>(value));
    Group(code, text.data());
  }
  void dxfString(int code, const char* value) const override { Group(code, value); }
  void dxfString(int code, const std::string& value) const override { Group(code, value); }

 private:
  void Group(int code, std::string_view value) const {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%3d\n", code);
    bytes_ += text.data();
    bytes_ += value;
    bytes_ += '\n';
  }

  std::string& bytes_;
};

int LayerColour(Layer layer) {
  switch (layer) {
    case Layer::kInput:
      return 5;
    case Layer::kCandidates:
      return 3;
    case Layer::kAnswer:
      return 1;
    case Layer::kAxes:
      break;
  }
  return 7;
}

// The colour index of a figure: its layer's, unless the figure is drawn in
// grey (an answer that no longer belongs to the rows).
int EntityColour(const VectorFigure& figure) { return figure.colour == kGrey ? 8 : kByLayer; }

DL_Attributes AttributesOf(const VectorFigure& figure) {
  return DL_Attributes(std::string(LayerName(figure.layer)), EntityColour(figure), -1,
                       figure.dashed ? "DASHED" : "BYLAYER", 1.0);
}

void WriteHeader(DL_Dxf& dxf, StringWriter& writer, const CoordinateWindow& view) {
  dxf.writeHeader(writer);
  writer.dxfString(9, "$INSUNITS");
  writer.dxfInt(70, kInsUnitsMillimetres);
  writer.dxfString(9, "$MEASUREMENT");
  writer.dxfInt(70, kMeasurementMetric);
  // The view's edges as the 32-bit values they are, in their shortest text.
  for (const auto& [name, x, y] :
       {std::tuple{"$EXTMIN", view.left, view.Bottom()}, {"$EXTMAX", view.Right(), view.top}}) {
    writer.dxfString(9, name);
    writer.dxfString(10, PlainNumber(x));
    writer.dxfString(20, PlainNumber(y));
    writer.dxfString(30, "0");
  }
  writer.sectionEnd();
}

void WriteTables(DL_Dxf& dxf, StringWriter& writer, double unitsPerPixel) {
  writer.sectionTables();
  dxf.writeVPort(writer);
  writer.tableLinetypes(4);
  dxf.writeLinetype(writer, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(writer, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
  // Dashes as the picture draws them, in drawing units (a gap is negative).
  double dashes[] = {kDashPixels * unitsPerPixel, -kGapPixels * unitsPerPixel};
  dxf.writeLinetype(
      writer, DL_LinetypeData("DASHED", "Dashed __ __ __", 0, 2, (kDashPixels + kGapPixels) * unitsPerPixel, dashes));
  writer.tableEnd();
  writer.tableLayers(1 + static_cast<int>(std::size(kLayersInDrawingOrder)));
  dxf.writeLayer(writer, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
  for (const Layer layer : kLayersInDrawingOrder) {
    dxf.writeLayer(writer, DL_LayerData(std::string(LayerName(layer)), 0),
                   DL_Attributes("", LayerColour(layer), 0, "CONTINUOUS", 1.0));
  }
  writer.tableEnd();
  writer.tableStyle(1);
  dxf.writeStyle(writer, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
  writer.tableEnd();
  dxf.writeView(writer);
  dxf.writeUcs(writer);
  writer.tableAppid(1);
  dxf.writeAppid(writer, "ACAD");
  writer.tableEnd();
  dxf.writeDimStyle(writer, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(writer);
  writer.tableEnd();
  writer.sectionEnd();
}

// The three blocks every AutoCAD 2000 drawing has, all empty.
void WriteBlocks(DL_Dxf& dxf, StringWriter& writer) {
  writer.sectionBlocks();
  for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(writer, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(writer, name);
  }
  writer.sectionEnd();
}

void WriteEntity(DL_Dxf& dxf, StringWriter& writer, const VectorFigure& figure, double unitsPerPixel) {
  switch (figure.kind) {
    case VectorFigure::Kind::kLine:
      dxf.writeLine(writer, DL_LineData(figure.x1, figure.y1, 0, figure.x2, figure.y2, 0), AttributesOf(figure));
      break;
    case VectorFigure::Kind::kCircle:
      dxf.writeCircle(writer, DL_CircleData(figure.x1, figure.y1, 0, figure.radius), AttributesOf(figure));
      break;
    case VectorFigure::Kind::kLabel: {
      // Left, centre or right on the baseline; the alignment point counts
      // for the last two.
      const int justification = figure.align == TextAlign::kLeft ? 0 : figure.align == TextAlign::kCentre ? 1 : 2;
      dxf.writeText(writer,
                    DL_TextData(figure.x1, figure.y1, 0, figure.x1, figure.y1, 0, kLabelHeightPixels * unitsPerPixel, 1,
                                0, justification, 0, figure.text, "Standard", 0),
                    AttributesOf(figure));
      break;
    }
    case VectorFigure::Kind::kPoint:
      dxf.writePoint(writer, DL_PointData(figure.x1, figure.y1, 0), AttributesOf(figure));
      break;
  }
}

}  // namespace

std::string_view DxfLibraryVersion() { return DL_VERSION; }

std::string DxfSurface::Document() const {
  std::string bytes;
  bytes.reserve(16384 + 160 * Figures().size());
  StringWriter writer(bytes);
  DL_Dxf dxf;
  WriteHeader(dxf, writer, View());
  WriteTables(dxf, writer, UnitsPerPixel());
  WriteBlocks(dxf, writer);
  writer.sectionEntities();
  for (const Layer layer : kLayersInDrawingOrder) {
    for (const VectorFigure& figure : Figures()) {
      if (figure.layer == layer) WriteEntity(dxf, writer, figure, UnitsPerPixel());
    }
  }
  writer.sectionEnd();
  dxf.writeObjects(writer);
  dxf.writeObjectsEnd(writer);
  writer.dxfEOF();
  return bytes;
}

}  // namespace draftcalc::view
