// Moving the view in the window as a user does: the wheel, dragging, the
// picture's keys, Zoom to fit by hand and after a calculation, the cursor
// read-out; the slider, the zoom label, the scroll bars and the status bar
// always showing the view. Offscreen, through the real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "app/settings.h"
#include "view/figure_extent.h"
#include "view/view_state.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

const QColor kLightBlue(0, 0, 255), kRed(255, 0, 0), kWhite(255, 255, 255);
const examples::CatalogueEntry& TwoCircles() { return examples::kCatalogue[9]; }  // 3.4: circles only

// The centre of the pixels of a colour in the picture as painted, if any.
std::optional<QPointF> CentreOf(Form_miret& form, const QColor& colour) {
  const QImage picture = Part<PictureBox>(form, "picture")->grab().toImage();
  double x = 0, y = 0;
  int count = 0;
  for (int row = 0; row < picture.height(); ++row) {
    for (int column = 0; column < picture.width(); ++column) {
      if (picture.pixelColor(column, row) == colour) x += column, y += row, ++count;
    }
  }
  if (count == 0) return std::nullopt;
  return QPointF(x / count, y / count);
}

void Wheel(QWidget* picture, QPointF at, int eighthsOfADegree) {
  QWheelEvent event(at, picture->mapToGlobal(at), QPoint(), QPoint(0, eighthsOfADegree), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(picture, &event);
}

class View : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(form.TwipsPerPixel(), 15) << "the expectations below are worked out at 96 DPI";
  }

  // The controls and the status bar say what the picture shows.
  void ExpectControlsShowTheView() {
    const view::CoordinateWindow& shown = form.ShownWindow();
    EXPECT_EQ(Part<QScrollBar>(form, "hScroll")->value(), view::NearestHorizontalPosition(shown.left));
    EXPECT_EQ(Part<QScrollBar>(form, "vScroll")->value(), view::NearestVerticalPosition(shown.top));
    EXPECT_EQ(Str(Part<QLabel>(form, "zoomLabel")->text()),
              std::to_string(Part<QSlider>(form, "zoomSlider")->value()) + "%");
    EXPECT_DOUBLE_EQ(form.ZoomScale(), Part<QSlider>(form, "zoomSlider")->value() / 100.0);
    EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()), view::CoordinateText(shown));
  }

  view::Bounds Figures() {
    ResultCaptions shown = Shown(form);
    InputTexts texts = StartupTexts();
    std::array<std::array<std::string, kColumnCount>, kRowCount> storage;
    for (int row = 0; row < kRowCount; ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        storage[row][column] = Str(RowBoxes(form, row)[column]->text());
        texts(row, static_cast<Column>(column)) = storage[row][column];
      }
    }
    return view::FigureBounds(texts, shown, form.Candidates());
  }

  bool ShowsWhole(const view::Bounds& figures) {
    const view::CoordinateWindow& shown = form.ShownWindow();
    return figures.left >= shown.left && figures.right <= shown.Right() && figures.bottom >= shown.Bottom() &&
           figures.top <= shown.top;
  }

  void Calculate(const examples::CatalogueEntry& entry) {
    TypeRows(form, entry);
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  }
};

// A point typed where an off-centre pixel of the picture shows, then the
// wheel turned over that pixel: the point stays under it, within a pixel,
// as painted; the slider, the label and the scroll bars follow.
TEST_F(View, WheelZoomKeepsThePointUnderThePointerAndMovesTheSlider) {
  const QPointF pointer(97, 61);
  const QPointF plane = form.PlanePoint(pointer);
  Box(form, 0, colX)->setText(QString::number(plane.x(), 'f', 6));
  Box(form, 0, colY)->setText(QString::number(plane.y(), 'f', 6));
  Box(form, 0, colD)->setText("8");
  const auto before = CentreOf(form, kLightBlue);
  ASSERT_TRUE(before);
  EXPECT_LT(QLineF(*before, pointer).length(), 1.0);

  const int expectedZoom[] = {110, 120, 130, 120};
  const int notches[] = {120, 120, 120, -120};
  for (size_t i = 0; i < std::size(notches); ++i) {
    Wheel(Part<PictureBox>(form, "picture"), pointer, notches[i]);
    EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), expectedZoom[i]);
    const auto after = CentreOf(form, kLightBlue);
    ASSERT_TRUE(after);
    EXPECT_LT(QLineF(*after, pointer).length(), 1.0) << "at " << expectedZoom[i] << " %";
    EXPECT_LT(QLineF(form.PictureAreaPoint(plane.x(), plane.y()), pointer).length(), 1e-3);
    ExpectControlsShowTheView();
  }
  // Within the slider's range: never past 500 %, never below 10 %.
  for (int i = 0; i < 60; ++i) Wheel(Part<PictureBox>(form, "picture"), pointer, 120);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 500);
  EXPECT_LT(QLineF(form.PictureAreaPoint(plane.x(), plane.y()), pointer).length(), 1e-3);
  for (int i = 0; i < 60; ++i) Wheel(Part<PictureBox>(form, "picture"), pointer, -120);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 10);
  EXPECT_LT(QLineF(form.PictureAreaPoint(plane.x(), plane.y()), pointer).length(), 1e-3);
  ExpectControlsShowTheView();
}

TEST_F(View, AFineWheelZoomsOncePerNotch) {
  for (int i = 0; i < 3; ++i) Wheel(Part<PictureBox>(form, "picture"), {50, 50}, 40);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 110);
  Wheel(Part<PictureBox>(form, "picture"), {50, 50}, 20);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 110);
}

// Dragged 60 pixels left and 40 down: what lay under the pointer stays
// under it, and the scroll bars move to their nearest positions.
TEST_F(View, DraggingPansAndMovesTheScrollBars) {
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
    const QPointF grabbed = form.PlanePoint({200, 150});
    QTest::mousePress(Part<PictureBox>(form, "picture"), button, {}, {200, 150});
    for (int step = 1; step <= 6; ++step)
      QTest::mouseMove(Part<PictureBox>(form, "picture"), QPoint(200 - 10 * step, 150 + 7 * step));
    QTest::mouseMove(Part<PictureBox>(form, "picture"), QPoint(140, 190));
    QTest::mouseRelease(Part<PictureBox>(form, "picture"), button, {}, {140, 190});
    EXPECT_LT(QLineF(form.PictureAreaPoint(grabbed.x(), grabbed.y()), QPointF(140, 190)).length(), 1e-3);
    ExpectControlsShowTheView();
  }
  // Two drags of 60 x 40 pixels: the view is 30.5 units further right and
  // 20.3 higher, the bars at their nearest positions to -19.5 and 90.3.
  EXPECT_EQ(Part<QScrollBar>(form, "hScroll")->value(), 22);
  EXPECT_EQ(Part<QScrollBar>(form, "vScroll")->value(), 29);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 100);
}

// After a drag the corner lies off the scroll bars' grid; a step of either
// bar still moves the view by its 20 or 16 units, and the slider still
// zooms about the top-left corner.
TEST_F(View, AfterADragTheScrollBarsAndTheSliderWorkAsDesigned) {
  form.PanByPixels({-37, 23});
  const view::CoordinateWindow dragged = form.ShownWindow();
  Part<QScrollBar>(form, "hScroll")->setValue(Part<QScrollBar>(form, "hScroll")->value() + 1);
  EXPECT_NEAR(form.ShownWindow().left - dragged.left, 20, 1e-4);
  Part<QScrollBar>(form, "vScroll")->setValue(Part<QScrollBar>(form, "vScroll")->value() + 2);
  EXPECT_NEAR(form.ShownWindow().top - dragged.top, -32, 1e-4);
  const view::CoordinateWindow scrolled = form.ShownWindow();
  Part<QSlider>(form, "zoomSlider")->setValue(300);
  EXPECT_EQ(form.ShownWindow().left, scrolled.left);
  EXPECT_EQ(form.ShownWindow().top, scrolled.top);
  ExpectControlsShowTheView();
}

// A press and release on a candidate's marker still picks it; a drag that
// starts there pans instead.
TEST_F(View, AClickStillPicksAndADragDoesNot) {
  Calculate(TwoCircles());
  ASSERT_EQ(form.Candidates().size(), 4u);
  const auto markerPixel = [&](int number) {
    const geometry::Point at = form.Candidates()[static_cast<size_t>(number - 1)].point;
    return form.PictureAreaPoint(at.x, at.y).toPoint();
  };
  const QString r1 = Box(form, 0, colR)->text();
  const QPoint start = markerPixel(1);
  QTest::mousePress(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, start);
  QTest::mouseMove(Part<PictureBox>(form, "picture"), start + QPoint(30, 0));
  QTest::mouseMove(Part<PictureBox>(form, "picture"), start);  // back where it went down
  QTest::mouseRelease(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, start);
  EXPECT_EQ(Box(form, 0, colR)->text(), r1) << "a drag does not pick";
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 0);

  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, markerPixel(1));
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 1);
  EXPECT_EQ(Str(Box(form, 0, colR)->text()), "-10");
}

// Pixels within this share of the picture's edges.
bool EdgeBandIsBlank(const QImage& picture, double share) {
  const int bandX = static_cast<int>(picture.width() * share), bandY = static_cast<int>(picture.height() * share);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const bool inBand = x < bandX || x >= picture.width() - bandX || y < bandY || y >= picture.height() - bandY;
      if (inBand && picture.pixelColor(x, y) != kWhite) return false;
    }
  }
  return true;
}

TEST_F(View, ZoomToFitShowsEveryFigureOfEveryCalculation) {
  for (const auto& entry : examples::kCatalogue) {
    Calculate(entry);
    form.PanByPixels({4000, -3000});  // far away
    ASSERT_FALSE(ShowsWhole(Figures())) << entry.name;
    Part<PictureBox>(form, "picture")->setFocus();
    QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_F);
    EXPECT_TRUE(ShowsWhole(Figures())) << entry.name;
    EXPECT_GE(Part<QSlider>(form, "zoomSlider")->value(), 10);
    EXPECT_LE(Part<QSlider>(form, "zoomSlider")->value(), 500);
    ExpectControlsShowTheView();
  }
  // Circles only: as painted, nothing within 3 % of the edges, and the
  // figures fill the picture (the next zoom step would cut them).
  Calculate(TwoCircles());
  form.PanByPixels({-500, 0});
  QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_Home);
  const QImage picture = Part<PictureBox>(form, "picture")->Grab().toImage();
  EXPECT_TRUE(EdgeBandIsBlank(picture, 0.03));
  Part<QSlider>(form, "zoomSlider")->setValue(Part<QSlider>(form, "zoomSlider")->value() + 10);
  EXPECT_FALSE(ShowsWhole(Figures()));
}

TEST_F(View, TheKeysZoomAboutTheCentreAndPanWhileThePictureHasTheFocus) {
  Part<PictureBox>(form, "picture")->setFocus();
  const QPointF centre = QRectF(Part<PictureBox>(form, "picture")->rect()).center();
  const QPointF middle = form.PlanePoint(centre);
  QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_Plus);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 110);
  EXPECT_LT(QLineF(form.PictureAreaPoint(middle.x(), middle.y()), centre).length(), 1e-3);
  QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_Minus);
  QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_Minus);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 90);

  const view::CoordinateWindow before = form.ShownWindow();
  QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_Right);
  // A tenth of the picture's pixels; the window's size is worked out from twips.
  EXPECT_NEAR(form.ShownWindow().left - before.left, before.width / 10, 0.05);
  QTest::keyClick(Part<PictureBox>(form, "picture"), Qt::Key_Up);
  EXPECT_NEAR(form.ShownWindow().top - before.top, -before.height / 10, 0.05);
  ExpectControlsShowTheView();

  // In an input box the same keys type: F is a letter there.
  const int zoom = Part<QSlider>(form, "zoomSlider")->value();
  Box(form, 0, colA)->setFocus();
  QTest::keyClicks(Box(form, 0, colA), "F+-");
  EXPECT_EQ(Str(Box(form, 0, colA)->text()), "F+-");
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), zoom);
}

TEST_F(View, TheCursorReadOutFollowsThePointer) {
  QTest::mouseMove(Part<PictureBox>(form, "picture"), QPoint(1, 1));
  EXPECT_EQ(Str(Part<QLabel>(form, "cursorPanel")->text()), "X=-49.7 Y=69.7");
  QTest::mouseMove(Part<PictureBox>(form, "picture"), QPoint(300, 100));  // 15/59 unit a pixel
  EXPECT_EQ(Str(Part<QLabel>(form, "cursorPanel")->text()), "X=26.3 Y=44.6");
  Wheel(Part<PictureBox>(form, "picture"), {300, 100}, 16 * 120);  // 260 %: the same point, a decimal more
  EXPECT_EQ(Str(Part<QLabel>(form, "cursorPanel")->text()), "X=26.27 Y=44.58");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Part<PictureBox>(form, "picture"), &leave);
  EXPECT_TRUE(Part<QLabel>(form, "cursorPanel")->text().isEmpty());
}

// The setting is read from the kept settings when first needed, and kept
// when the menu entry changes it.
class FitAfterCalculation : public View {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    View::SetUp();
  }
  QTemporaryDir settings_;
};

TEST_F(FitAfterCalculation, AnAnswerOutOfViewIsFittedUnlessTurnedOff) {
  Part<QScrollBar>(form, "hScroll")->setValue(0);  // x from -450: the answer (10, 11.18) is out of view
  Calculate(TwoCircles());
  EXPECT_TRUE(ShowsWhole(Figures()));
  EXPECT_TRUE(Part<QAction>(form, "fitAfterCalculation")->isChecked());
  ExpectControlsShowTheView();

  // In view already: the view stays.
  Part<QSlider>(form, "zoomSlider")->setValue(Part<QSlider>(form, "zoomSlider")->value() - 10);
  const view::CoordinateWindow kept = form.ShownWindow();
  const int zoom = Part<QSlider>(form, "zoomSlider")->value();
  Calculate(TwoCircles());
  EXPECT_EQ(form.ShownWindow().left, kept.left);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), zoom);

  Part<QAction>(form, "fitAfterCalculation")->trigger();  // as the menu entry does
  EXPECT_FALSE(ReadFlag("view/fitAfterCalculate", true));
  Part<QScrollBar>(form, "hScroll")->setValue(0);
  const view::CoordinateWindow away = form.ShownWindow();
  Calculate(TwoCircles());
  EXPECT_EQ(form.ShownWindow().left, away.left);
  EXPECT_FALSE(ShowsWhole(Figures()));
}

// Not only an answer out of view: any part of the figure, the first
// calculation after start-up included (the rows of 3.4 reach left of the
// start-up view, a circle at (400, 300) r 150 lies far out of it).
TEST_F(FitAfterCalculation, TheFirstCalculationShowsTheWholeFigure) {
  Calculate(TwoCircles());
  EXPECT_TRUE(ShowsWhole(Figures()));
  ExpectControlsShowTheView();
  TypeRows(form, examples::kCatalogue[0]);
  for (const auto& [box, text] : {std::pair{Box(form, 0, colX), "400"}, std::pair{Box(form, 0, colY), "300"},
                                  std::pair{Box(form, 0, colD), "0"}, std::pair{Box(form, 0, colR), "150"}}) {
    box->setText(text);
  }
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_TRUE(ShowsWhole(Figures()));
  EXPECT_GT(Figures().Width(), 290);
}

TEST_F(FitAfterCalculation, TheMenuShowsTheKeptSetting) {
  WriteFlag("view/fitAfterCalculate", false);
  bool shownChecked = true;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      if (action->text() == "Fit after each calculation") shownChecked = action->isChecked();
    }
    menu->close();
  });
  const QPoint at = Part<PictureBox>(form, "picture")->rect().center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, Part<PictureBox>(form, "picture")->mapToGlobal(at));
  QApplication::sendEvent(Part<PictureBox>(form, "picture"), &click);
  EXPECT_FALSE(shownChecked);
}

}  // namespace
}  // namespace draftcalc::app
