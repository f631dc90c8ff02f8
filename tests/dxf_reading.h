#pragma once

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "figure_number.h"

namespace draftcalc::testing_dxf {

// What dxflib's own reader finds in a DXF document, one text per entity:
// "LINE INPUT 500 10 -500 10", "CIRCLE ANSWER 10 10 r5", "TEXT CANDIDATES
// 3.165 4.165 \"2\"", coordinates to 4 decimals; an entity whose colour or
// line type is not its layer's ends in " c8 DASHED".
class DxfContents final : public DL_CreationAdapter {
 public:
  std::vector<std::string> layers, entities;
  std::map<std::string, int> intVariables;
  bool read = false;

  explicit DxfContents(const std::string& document) {
    std::istringstream stream(document);
    DL_Dxf dxf;
    read = dxf.in(stream, this);
  }

  void addLayer(const DL_LayerData& data) override { layers.push_back(data.name); }
  void addLine(const DL_LineData& data) override {
    Entity("LINE " + Num(data.x1) + " " + Num(data.y1) + " " + Num(data.x2) + " " + Num(data.y2));
  }
  void addCircle(const DL_CircleData& data) override {
    Entity("CIRCLE " + Num(data.cx) + " " + Num(data.cy) + " r" + Num(data.radius));
  }
  void addText(const DL_TextData& data) override {
    Entity("TEXT " + Num(data.ipx) + " " + Num(data.ipy) + " \"" + data.text + "\"");
  }
  void setVariableInt(const std::string& key, int value, int) override { intVariables[key] = value; }

  static std::string Num(double value) { return draftcalc::figure_text::FigureNumber(value); }

 private:
  // The kind first, then the layer, then the rest.
  void Entity(const std::string& figure) {
    const DL_Attributes attributes = getAttributes();
    const auto space = figure.find(' ');
    std::string text = figure.substr(0, space) + " " + attributes.getLayer() + figure.substr(space);
    if (attributes.getColor() != 256) text += " c" + std::to_string(attributes.getColor());
    if (attributes.getLinetype() != "BYLAYER") text += " " + attributes.getLinetype();
    entities.push_back(text);
  }
};

}  // namespace draftcalc::testing_dxf
