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
  const QImage picture = form.Picture1->grab().toImage();
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
    EXPECT_EQ(form.HScroll1->value(), view::NearestHorizontalPosition(shown.left));
    EXPECT_EQ(form.VScroll1->value(), view::NearestVerticalPosition(shown.top));
    EXPECT_EQ(Str(form.Label1->text()), std::to_string(form.Slider1->value()) + "%");
    EXPECT_DOUBLE_EQ(form.ZoomScale(), form.Slider1->value() / 100.0);
    EXPECT_EQ(Str(form.StatusPanel1->text()), view::CoordinateText(shown));
  }

  view::Bounds Figures() {
    ResultCaptions shown = Shown(form);
    InputTexts texts = StartupTexts();
    std::array<std::array<std::string, kColumnCount>, kRowCount> storage;
    for (int row = 0; row < kRowCount; ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        storage[row][column] = Str(form.RowBoxes(row)[column]->text());
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
    QTest::mouseClick(form.butStart, Qt::LeftButton);
  }
};

// A point typed where an off-centre pixel of the picture shows, then the
// wheel turned over that pixel: the point stays under it, within a pixel,
// as painted; the slider, the label and the scroll bars follow.
TEST_F(View, WheelZoomKeepsThePointUnderThePointerAndMovesTheSlider) {
  const QPointF pointer(97, 61);
  const QPointF plane = form.PlanePoint(pointer);
  form.inpX[0]->setText(QString::number(plane.x(), 'f', 6));
  form.inpY[0]->setText(QString::number(plane.y(), 'f', 6));
  form.inpD[0]->setText("8");
  const auto before = CentreOf(form, kLightBlue);
  ASSERT_TRUE(before);
  EXPECT_LT(QLineF(*before, pointer).length(), 1.0);

  const int expectedZoom[] = {110, 120, 130, 120};
  const int notches[] = {120, 120, 120, -120};
  for (size_t i = 0; i < std::size(notches); ++i) {
    Wheel(form.Picture1, pointer, notches[i]);
    EXPECT_EQ(form.Slider1->value(), expectedZoom[i]);
    const auto after = CentreOf(form, kLightBlue);
    ASSERT_TRUE(after);
    EXPECT_LT(QLineF(*after, pointer).length(), 1.0) << "at " << expectedZoom[i] << " %";
    EXPECT_LT(QLineF(form.PictureAreaPoint(plane.x(), plane.y()), pointer).length(), 1e-3);
    ExpectControlsShowTheView();
  }
  // Within the slider's range: never past 500 %, never below 10 %.
  for (int i = 0; i < 60; ++i) Wheel(form.Picture1, pointer, 120);
  EXPECT_EQ(form.Slider1->value(), 500);
  EXPECT_LT(QLineF(form.PictureAreaPoint(plane.x(), plane.y()), pointer).length(), 1e-3);
  for (int i = 0; i < 60; ++i) Wheel(form.Picture1, pointer, -120);
  EXPECT_EQ(form.Slider1->value(), 10);
  EXPECT_LT(QLineF(form.PictureAreaPoint(plane.x(), plane.y()), pointer).length(), 1e-3);
  ExpectControlsShowTheView();
}

TEST_F(View, AFineWheelZoomsOncePerNotch) {
  for (int i = 0; i < 3; ++i) Wheel(form.Picture1, {50, 50}, 40);
  EXPECT_EQ(form.Slider1->value(), 110);
  Wheel(form.Picture1, {50, 50}, 20);
  EXPECT_EQ(form.Slider1->value(), 110);
}

// Dragged 60 pixels left and 40 down: what lay under the pointer stays
// under it, and the scroll bars move to their nearest positions.
TEST_F(View, DraggingPansAndMovesTheScrollBars) {
  for (const Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton}) {
    const QPointF grabbed = form.PlanePoint({200, 150});
    QTest::mousePress(form.Picture1, button, {}, {200, 150});
    for (int step = 1; step <= 6; ++step) QTest::mouseMove(form.Picture1, QPoint(200 - 10 * step, 150 + 7 * step));
    QTest::mouseMove(form.Picture1, QPoint(140, 190));
    QTest::mouseRelease(form.Picture1, button, {}, {140, 190});
    EXPECT_LT(QLineF(form.PictureAreaPoint(grabbed.x(), grabbed.y()), QPointF(140, 190)).length(), 1e-3);
    ExpectControlsShowTheView();
  }
  // Two drags of 60 x 40 pixels: the view is 30.5 units further right and
  // 20.3 higher, the bars at their nearest positions to -19.5 and 90.3.
  EXPECT_EQ(form.HScroll1->value(), 22);
  EXPECT_EQ(form.VScroll1->value(), 29);
  EXPECT_EQ(form.Slider1->value(), 100);
}

// After a drag the corner lies off the scroll bars' grid; a step of either
// bar still moves the view by its 20 or 16 units, and the slider still
// zooms about the top-left corner.
TEST_F(View, AfterADragTheScrollBarsAndTheSliderWorkAsDesigned) {
  form.PanByPixels({-37, 23});
  const view::CoordinateWindow dragged = form.ShownWindow();
  form.HScroll1->setValue(form.HScroll1->value() + 1);
  EXPECT_NEAR(form.ShownWindow().left - dragged.left, 20, 1e-4);
  form.VScroll1->setValue(form.VScroll1->value() + 2);
  EXPECT_NEAR(form.ShownWindow().top - dragged.top, -32, 1e-4);
  const view::CoordinateWindow scrolled = form.ShownWindow();
  form.Slider1->setValue(300);
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
  const QString r1 = form.inpR[0]->text();
  const QPoint start = markerPixel(1);
  QTest::mousePress(form.Picture1, Qt::LeftButton, {}, start);
  QTest::mouseMove(form.Picture1, start + QPoint(30, 0));
  QTest::mouseMove(form.Picture1, start);  // back where it went down
  QTest::mouseRelease(form.Picture1, Qt::LeftButton, {}, start);
  EXPECT_EQ(form.inpR[0]->text(), r1) << "a drag does not pick";
  EXPECT_EQ(form.candidatePanel->SelectedNumber(), 0);

  QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, markerPixel(1));
  EXPECT_EQ(form.candidatePanel->SelectedNumber(), 1);
  EXPECT_EQ(Str(form.inpR[0]->text()), "-10");
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
    form.Picture1->setFocus();
    QTest::keyClick(form.Picture1, Qt::Key_F);
    EXPECT_TRUE(ShowsWhole(Figures())) << entry.name;
    EXPECT_GE(form.Slider1->value(), 10);
    EXPECT_LE(form.Slider1->value(), 500);
    ExpectControlsShowTheView();
  }
  // Circles only: as painted, nothing within 3 % of the edges, and the
  // figures fill the picture (the next zoom step would cut them).
  Calculate(TwoCircles());
  form.PanByPixels({-500, 0});
  QTest::keyClick(form.Picture1, Qt::Key_Home);
  const QImage picture = form.Picture1->Grab().toImage();
  EXPECT_TRUE(EdgeBandIsBlank(picture, 0.03));
  form.Slider1->setValue(form.Slider1->value() + 10);
  EXPECT_FALSE(ShowsWhole(Figures()));
}

TEST_F(View, TheKeysZoomAboutTheCentreAndPanWhileThePictureHasTheFocus) {
  form.Picture1->setFocus();
  const QPointF centre = QRectF(form.Picture1->rect()).center();
  const QPointF middle = form.PlanePoint(centre);
  QTest::keyClick(form.Picture1, Qt::Key_Plus);
  EXPECT_EQ(form.Slider1->value(), 110);
  EXPECT_LT(QLineF(form.PictureAreaPoint(middle.x(), middle.y()), centre).length(), 1e-3);
  QTest::keyClick(form.Picture1, Qt::Key_Minus);
  QTest::keyClick(form.Picture1, Qt::Key_Minus);
  EXPECT_EQ(form.Slider1->value(), 90);

  const view::CoordinateWindow before = form.ShownWindow();
  QTest::keyClick(form.Picture1, Qt::Key_Right);
  // A tenth of the picture's pixels; the window's size is worked out from twips.
  EXPECT_NEAR(form.ShownWindow().left - before.left, before.width / 10, 0.05);
  QTest::keyClick(form.Picture1, Qt::Key_Up);
  EXPECT_NEAR(form.ShownWindow().top - before.top, -before.height / 10, 0.05);
  ExpectControlsShowTheView();

  // In an input box the same keys type: F is a letter there.
  const int zoom = form.Slider1->value();
  form.inpA[0]->setFocus();
  QTest::keyClicks(form.inpA[0], "F+-");
  EXPECT_EQ(Str(form.inpA[0]->text()), "F+-");
  EXPECT_EQ(form.Slider1->value(), zoom);
}

TEST_F(View, TheCursorReadOutFollowsThePointer) {
  QTest::mouseMove(form.Picture1, QPoint(1, 1));
  EXPECT_EQ(Str(form.StatusPanel3->text()), "X=-49.7 Y=69.7");
  QTest::mouseMove(form.Picture1, QPoint(300, 100));  // 15/59 unit a pixel
  EXPECT_EQ(Str(form.StatusPanel3->text()), "X=26.3 Y=44.6");
  Wheel(form.Picture1, {300, 100}, 16 * 120);  // 260 %: the same point, a decimal more
  EXPECT_EQ(Str(form.StatusPanel3->text()), "X=26.27 Y=44.58");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form.Picture1, &leave);
  EXPECT_TRUE(form.StatusPanel3->text().isEmpty());
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
  form.HScroll1->setValue(0);  // x from -450: the answer (10, 11.18) is out of view
  Calculate(TwoCircles());
  EXPECT_TRUE(ShowsWhole(Figures()));
  EXPECT_TRUE(form.fitAfterCalculationAction->isChecked());
  ExpectControlsShowTheView();

  // In view already: the view stays.
  form.Slider1->setValue(form.Slider1->value() - 10);
  const view::CoordinateWindow kept = form.ShownWindow();
  const int zoom = form.Slider1->value();
  Calculate(TwoCircles());
  EXPECT_EQ(form.ShownWindow().left, kept.left);
  EXPECT_EQ(form.Slider1->value(), zoom);

  form.fitAfterCalculationAction->trigger();  // as the menu entry does
  EXPECT_FALSE(ReadFlag("view/fitAfterCalculate", true));
  form.HScroll1->setValue(0);
  const view::CoordinateWindow away = form.ShownWindow();
  Calculate(TwoCircles());
  EXPECT_EQ(form.ShownWindow().left, away.left);
  EXPECT_FALSE(ShowsWhole(Figures()));
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
  const QPoint at = form.Picture1->rect().center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, form.Picture1->mapToGlobal(at));
  QApplication::sendEvent(form.Picture1, &click);
  EXPECT_FALSE(shownChecked);
}

}  // namespace
}  // namespace draftcalc::app
