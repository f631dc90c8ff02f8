// The SVG and DXF surfaces: what the picture shows of each figure, clipped
// as the picture clips it, on its layer; the DXF read back by dxflib's own
// reader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/input_texts.h"
#include "dxf_reading.h"
#include "view/drawing.h"
#include "view/dxf_surface.h"
#include "view/svg_surface.h"
#include "view/vector_surface.h"

namespace draftcalc::view {
namespace {

using testing_dxf::DxfContents;
using Entities = std::vector<std::string>;

const CoordinateWindow kView{-50, 70, 100, -50};  // x -50..50, y 20..70

TEST(VectorSurface, KeepsWhatTheViewShows) {
  VectorSurface surface(kView, 0.25);
  surface.BeginLayer(Layer::kInput);
  surface.MoveTo(-500, 30);
  surface.LineTo(500, 30, kLightBlue);      // clipped to x -50..50
  surface.LineTo(500, -300, kLightBlue);    // wholly outside
  surface.Circle(0, 45, 10, kLightBlue);    // inside
  surface.Circle(0, 45, 500, kLightBlue);   // the view lies inside it: no outline shows
  surface.Circle(0, -100, 10, kLightBlue);  // wholly outside
  surface.Circle(0, 0, 25, kLightBlue);     // its top arc crosses the view
  surface.Circle(0, 45, 0, kLightBlue);     // nothing visible
  surface.BeginLayer(Layer::kAnswer);
  surface.SetLineStyle(LineStyle::kDashed);
  surface.Box(49, 19, 51, 21, kGrey);  // two sides cross the view's corner
  surface.Label(10, 40, "3", kGreen, TextAlign::kRight);
  surface.Label(60, 40, "4", kGreen, TextAlign::kLeft);
  surface.Dot(5, 25, kGreen);  // inside
  surface.Dot(5, 5, kGreen);   // outside

  const std::vector<VectorFigure>& figures = surface.Figures();
  ASSERT_EQ(figures.size(), 7u);
  EXPECT_EQ(figures[0].kind, VectorFigure::Kind::kLine);
  EXPECT_EQ(figures[0].layer, Layer::kInput);
  EXPECT_EQ(figures[0].x1, -50);
  EXPECT_EQ(figures[0].x2, 50);
  EXPECT_EQ(figures[1].radius, 10);
  EXPECT_EQ(figures[2].radius, 25);
  for (int i : {3, 4}) {
    EXPECT_EQ(figures[i].layer, Layer::kAnswer);
    EXPECT_TRUE(figures[i].dashed);
    EXPECT_EQ(figures[i].colour, kGrey);
  }
  EXPECT_EQ(figures[5].text, "3");
  EXPECT_EQ(figures[5].align, TextAlign::kRight);
  EXPECT_EQ(figures[6].kind, VectorFigure::Kind::kPoint);
  EXPECT_EQ(figures[6].x1, 5);
}

TEST(VectorSurface, WritesNumbersWholeAndPlain) {
  EXPECT_EQ(PlainNumber(8.8037), "8.8037");
  EXPECT_EQ(PlainNumber(-450.0), "-450");
  EXPECT_EQ(PlainNumber(1e-7), "0.0000001");
  EXPECT_EQ(PlainNumber(12345.6789), "12345.6789");
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(36.360679626464844f), "36.36068");
}

// Two circles and the circle of radius 5 touching both, as calculated.
struct Figure {
  InputTexts texts = StartupTexts();
  ResultCaptions captions{"10", "11.1803", "", "-5", ""};
  Figure() {
    texts(0, colD) = "0", texts(0, colR) = "10";
    texts(1, colD) = "5", texts(1, colC) = "-5";
    texts(2, colX) = "20", texts(2, colD) = "0", texts(2, colR) = "10", texts(2, colS) = "1";
  }
};

TEST(DxfSurface, DxflibReadsTheLayersEntitiesAndUnits) {
  const Figure figure;
  DxfSurface surface({-15, 20, 50, -40}, 0.1);
  Drawing(surface, figure.texts, figure.captions, surface.View()).Redraw();
  const DxfContents dxf(surface.Document());
  ASSERT_TRUE(dxf.read);
  for (const char* layer : {"AXES", "INPUT", "CANDIDATES", "ANSWER"}) {
    EXPECT_NE(std::find(dxf.layers.begin(), dxf.layers.end(), layer), dxf.layers.end()) << layer;
  }
  EXPECT_EQ(dxf.intVariables.at("$INSUNITS"), 4);
  const Entities expected = {"LINE AXES -10 0 10 0",
                             "LINE AXES 0 -10 0 10",
                             "CIRCLE INPUT 0 0 r10",
                             "CIRCLE INPUT 20 0 r10",
                             "CIRCLE ANSWER 10 11.1803 r5",
                             "LINE ANSWER 9 10.1803 11 10.1803",
                             "LINE ANSWER 11 10.1803 11 12.1803",
                             "LINE ANSWER 11 12.1803 9 12.1803",
                             "LINE ANSWER 9 12.1803 9 10.1803"};
  EXPECT_EQ(dxf.entities, expected);
}

TEST(DxfSurface, AnOutOfDateAnswerIsGreyAndDashedAndCandidatesAreNumbered) {
  const Figure figure;
  candidates::Candidate touching;
  touching.number = 2;
  touching.point = {15, 0};
  touching.radius = 5;
  const std::vector<candidates::Candidate> found = {touching};
  DxfSurface current({-15, 20, 50, -40}, 0.1), stale({-15, 20, 50, -40}, 0.1);
  Drawing(current, figure.texts, figure.captions, current.View(), AnswerLook::kCurrent, found).Redraw();
  Drawing(stale, figure.texts, figure.captions, stale.View(), AnswerLook::kOutOfDate, found).Redraw();

  const DxfContents now(current.Document()), before(stale.Document());
  EXPECT_NE(std::find(now.entities.begin(), now.entities.end(), "CIRCLE CANDIDATES 15 0 r5"), now.entities.end());
  EXPECT_NE(std::find(now.entities.begin(), now.entities.end(), "TEXT CANDIDATES 16 1 \"2\""), now.entities.end());
  EXPECT_NE(std::find(before.entities.begin(), before.entities.end(), "CIRCLE ANSWER 10 11.1803 r5 c8 DASHED"),
            before.entities.end());
  for (const std::string& entity : before.entities) EXPECT_EQ(entity.find("CANDIDATES"), std::string::npos) << entity;
}

TEST(SvgSurface, TurnsThePlaneOverOnceAndGroupsTheLayers) {
  const Figure figure;
  SvgSurface surface({-15, 20, 50, -40}, 0.1);
  Drawing(surface, figure.texts, figure.captions, surface.View()).Redraw();
  const std::string svg = surface.Document();
  EXPECT_NE(svg.find("viewBox=\"-15 -20 50 40\""), std::string::npos);
  EXPECT_NE(svg.find("width=\"50mm\" height=\"40mm\""), std::string::npos);
  EXPECT_NE(svg.find("<g transform=\"scale(1,-1)\""), std::string::npos);
  size_t at = 0;
  for (const char* group : {"<g id=\"AXES\">", "<g id=\"INPUT\">", "<g id=\"CANDIDATES\">", "<g id=\"ANSWER\">"}) {
    const size_t found = svg.find(group, at);
    ASSERT_NE(found, std::string::npos) << group << " in drawing order";
    at = found;
  }
  EXPECT_NE(svg.find("<circle cx=\"10\" cy=\"11.1803\" r=\"5\" stroke=\"#ff0000\"/>", at), std::string::npos);
}

}  // namespace
}  // namespace draftcalc::view
