// The window driven as a user drives it, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/form_miret.h"
#include "engine/calculation.h"
#include "examples/catalogue_examples.h"
#include "session/catalogue.h"
#include "view/view_geometry.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

TEST_F(Window, StartsWithTheDesignTextsAndView) {
  EXPECT_EQ(Str(form.windowTitle()), "calculate");
  ASSERT_EQ(Part<QListWidget>(form, "catalogue")->count(), 51);
  for (int i = 0; i < 51; ++i)
    EXPECT_EQ(Str(Part<QListWidget>(form, "catalogue")->item(i)->text()), session::kCatalogue[static_cast<size_t>(i)]);
  EXPECT_EQ(Str(Part<QListWidget>(form, "catalogue")->item(50)->text()), "      ");
  EXPECT_EQ(Part<QListWidget>(form, "catalogue")->currentRow(), 5);
  for (int row = 0; row < kRowCount; ++row) {
    EXPECT_EQ(Str(Box(form, row, colX)->text()), "0.000");
    EXPECT_EQ(Str(Box(form, row, colY)->text()), "0.000");
    EXPECT_EQ(Str(Box(form, row, colD)->text()), row == 2 ? "99" : "");
    EXPECT_EQ(Str(Box(form, row, colA)->text()), "");
  }
  EXPECT_EQ(Str(Part<QPushButton>(form, "calculate")->text()), "計算");
  EXPECT_EQ(Str(Part<QPushButton>(form, "clear")->text()), "クリア");
  EXPECT_EQ(Str(Part<QLabel>(form, "zoomLabel")->text()), "100%");
  EXPECT_EQ(form.ZoomScale(), 1);
  EXPECT_EQ(Part<QScrollBar>(form, "hScroll")->value(), 20);
  EXPECT_EQ(Part<QScrollBar>(form, "vScroll")->value(), 30);
  EXPECT_EQ(form.ShownWindow().left, -50);
  EXPECT_EQ(form.ShownWindow().top, 70);
  EXPECT_EQ(Shown(form), ResultCaptions{});
  EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()), view::CoordinateText(form.ShownWindow()));
  EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()).substr(0, 8), "X=-50.Y=");
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(128, 255, 128));
}

TEST_F(Window, CalculateShowsTheEngineCaptionsForEveryCatalogueCalculation) {
  for (const auto& entry : examples::kCatalogue) {
    TypeRows(form, entry);
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
    EXPECT_EQ(Shown(form), Calculate(entry.Texts())) << entry.name;
    EXPECT_TRUE(Part<QLabel>(form, "ansRem")->text().isEmpty()) << entry.name;
  }
}

TEST_F(Window, StartUpCalculationIsTheAngleOfTwoPointsAtTheOrigin) {
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_EQ(Shown(form), (ResultCaptions{"0", "0", "90", "", ""}));
}

TEST_F(Window, EnterInABoxPressesCalculate) {
  Box(form, 0, colD)->setText("8");
  Box(form, 1, colD)->setText("8");
  Box(form, 1, colX)->clear();
  QTest::keyClicks(Box(form, 1, colX), "3");
  Box(form, 1, colY)->setText("4");
  QTest::keyClick(Box(form, 1, colY), Qt::Key_Return);
  EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "53.1301");
}

TEST_F(Window, TabMovesThroughTheBoxesRowByRow) {
  EXPECT_EQ(Box(form, 0, colX)->nextInFocusChain(), Box(form, 0, colY));
  EXPECT_EQ(Box(form, 0, colR)->nextInFocusChain(), Box(form, 0, colS));
  EXPECT_EQ(Box(form, 0, colS)->nextInFocusChain(), Box(form, 1, colX));
  EXPECT_EQ(Box(form, 1, colS)->nextInFocusChain(), Box(form, 2, colX));
  EXPECT_EQ(Box(form, 2, colS)->nextInFocusChain(), Part<QPushButton>(form, "calculate"));
}

TEST_F(Window, ClearResetsBoxesAndResultsButNotTheView) {
  TypeRows(form, examples::kCatalogue[4]);
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  ASSERT_FALSE(Part<QLabel>(form, "ansX")->text().isEmpty());
  Part<QSlider>(form, "zoomSlider")->setValue(200);
  Part<QScrollBar>(form, "hScroll")->setValue(7);
  Part<QListWidget>(form, "catalogue")->setCurrentRow(12);

  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  EXPECT_EQ(Shown(form), ResultCaptions{});
  for (int row = 0; row < kRowCount; ++row) {
    EXPECT_EQ(Str(Box(form, row, colX)->text()), "0.000");
    EXPECT_EQ(Str(Box(form, row, colD)->text()), row == 2 ? "99" : "");
    EXPECT_EQ(Str(Box(form, row, colR)->text()), "");
    EXPECT_EQ(Str(Box(form, row, colS)->text()), "");
  }
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 200);
  EXPECT_EQ(Part<QScrollBar>(form, "hScroll")->value(), 7);
  EXPECT_EQ(Part<QListWidget>(form, "catalogue")->currentRow(), 12);
}

TEST_F(Window, SliderAtZeroZoomsToTenPercent) {
  const float widthAtFull = form.ShownWindow().width;
  Part<QSlider>(form, "zoomSlider")->setValue(0);
  EXPECT_EQ(Part<QSlider>(form, "zoomSlider")->value(), 10);
  EXPECT_EQ(Str(Part<QLabel>(form, "zoomLabel")->text()), "10%");
  EXPECT_EQ(form.ZoomScale(), 0.1);
  EXPECT_FLOAT_EQ(form.ShownWindow().width, widthAtFull * 10);
  Part<QSlider>(form, "zoomSlider")->setValue(500);
  EXPECT_EQ(Str(Part<QLabel>(form, "zoomLabel")->text()), "500%");
  EXPECT_DOUBLE_EQ(form.PictureAreaPoint(form.ShownWindow().left + 1, 0).x(), 295 / form.TwipsPerPixel());
}

TEST_F(Window, ScrollBarsMoveTheViewAndWriteItsCorner) {
  const std::pair<int, float> horizontal[] = {{0, -450}, {20, -50}, {50, 550}};
  for (const auto& [value, left] : horizontal) {
    Part<QScrollBar>(form, "hScroll")->setValue(value);
    EXPECT_EQ(form.ShownWindow().left, left);
    EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()), view::CoordinateText(form.ShownWindow()));
  }
  const std::pair<int, float> vertical[] = {{0, 550}, {30, 70}, {50, -250}};
  for (const auto& [value, top] : vertical) {
    Part<QScrollBar>(form, "vScroll")->setValue(value);
    EXPECT_EQ(form.ShownWindow().top, top);
  }
  EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()),
            "X=550.Y=" + view::SingleText(-250 + form.ShownWindow().height));
  // A zoom change writes the new bottom edge at once.
  const QString before = Part<QLabel>(form, "cornerPanel")->text();
  Part<QSlider>(form, "zoomSlider")->setValue(300);
  EXPECT_NE(Part<QLabel>(form, "cornerPanel")->text(), before);
  EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()), view::CoordinateText(form.ShownWindow()));
}

TEST_F(Window, IsWidenedAndHeightenedBelowItsSmallestSize) {
  const double tpp = form.TwipsPerPixel();
  form.resize(100, 100);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.frameGeometry().width(), std::lround(4500 / tpp));
  EXPECT_EQ(form.frameGeometry().height(), std::lround(5000 / tpp));
  const int justWideEnough = static_cast<int>(std::ceil(4000 / tpp));
  form.resize(justWideEnough, 600);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.width(), justWideEnough);
  // The picture fills the width left of the vertical scroll bar, the
  // candidates panel the rest, at most half.
  EXPECT_EQ(Part<PictureBox>(form, "picture")->width() + Part<QScrollBar>(form, "vScroll")->width() +
                Part<CandidatePanel>(form, "candidates")->width(),
            form.width());
  EXPECT_LE(Part<CandidatePanel>(form, "candidates")->width(), form.width() / 2 + 1);
  EXPECT_EQ(Part<QScrollBar>(form, "hScroll")->y(),
            Part<PictureBox>(form, "picture")->y() + Part<PictureBox>(form, "picture")->height());
}

TEST_F(Window, EnlargingKeepsThePlaneFixedAtTheTopLeft) {
  const QPointF before = form.PictureAreaPoint(10, 20);
  form.resize(form.width() + 200, form.height() + 150);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.PictureAreaPoint(10, 20), before);
  EXPECT_GT(form.ShownWindow().width, 100);
}

TEST_F(Window, MinimisedWindowIsNotLaidOutAndRestoresCleanly) {
  const QRect picture = Part<PictureBox>(form, "picture")->geometry();
  form.showMinimized();
  QCoreApplication::processEvents();
  form.showNormal();
  QCoreApplication::processEvents();
  EXPECT_EQ(Part<PictureBox>(form, "picture")->geometry(), picture);
}

// The answer of a line-circle intersection is drawn in light red where it lies.
TEST_F(Window, DrawsTheAnswerInLightRedWhereItLies) {
  TypeRows(form, examples::kCatalogue[4]);  // answer (8.8037, 6.2375)
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  const QImage picture = Part<PictureBox>(form, "picture")->grab().toImage();
  const QPointF answer = form.PictureAreaPoint(8.8037, 6.2375);
  const int reach =
      static_cast<int>(std::ceil(1.5 * form.PictureAreaPoint(1, 0).x() - 1.5 * form.PictureAreaPoint(0, 0).x()));
  int red = 0, redFar = 0, blue = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QColor colour = picture.pixelColor(x, y);
      if (colour == QColor(255, 0, 0)) {
        (std::abs(x - answer.x()) <= reach && std::abs(y - answer.y()) <= reach ? red : redFar)++;
      }
      if (colour == QColor(0, 0, 255)) ++blue;
    }
  }
  EXPECT_GT(red, 8);
  EXPECT_EQ(redFar, 0);
  EXPECT_GT(blue, 100);  // the input line and circle
  EXPECT_EQ(picture.pixelColor(1, 1), QColor(255, 255, 255));
}

TEST_F(Window, ClickOnTheWindowRedrawsWithoutAFailedAnswer) {
  Box(form, 0, colD)->setText("2");
  Box(form, 1, colD)->setText("1");
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_EQ(Str(Part<QLabel>(form, "ansRem")->text()), "入力順違いで計算出来ない");
  QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 5, Part<PictureBox>(form, "picture")->y() - 5));
  const QImage picture = Part<PictureBox>(form, "picture")->grab().toImage();
  for (int y = 0; y < picture.height(); y += 2) {
    for (int x = 0; x < picture.width(); x += 2) ASSERT_NE(picture.pixelColor(x, y), QColor(255, 0, 0));
  }
}

// Japanese captions render in the Japanese font the set-up installs, with
// no missing glyphs.
TEST_F(Window, JapaneseTextRendersInTheJapaneseFont) {
  ASSERT_TRUE(QFontDatabase::hasFamily("IPAexGothic")) << "fonts-ipaexfont-gothic is not installed";
  for (QLabel* label : {Part<QLabel>(form, "catalogueCaption"), Part<QLabel>(form, "ansRem")}) {
    label->setText(QString::fromUtf8("入力データガイド 交点が求められませんでした。"));
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    ASSERT_FALSE(runs.isEmpty());
    for (const QGlyphRun& run : runs) {
      EXPECT_EQ(run.rawFont().familyName(), "IPAexGothic");
      for (quint32 glyph : run.glyphIndexes()) EXPECT_NE(glyph, 0u);
    }
  }
}

// A circle far larger than the picture shows as the arc that crosses it.
TEST_F(Window, DrawsAHugeCircleAsTheArcThatCrossesThePicture) {
  Box(form, 0, colD)->setText("0");
  Box(form, 0, colX)->setText("0");
  Box(form, 0, colY)->setText("-9999970");
  Box(form, 0, colR)->setText("10000000");
  form.Redraw();
  const QImage picture = Part<PictureBox>(form, "picture")->grab().toImage();
  const int arcRow = static_cast<int>(std::lround(form.PictureAreaPoint(0, 30).y()));
  int blueOnArc = 0;
  for (int x = 0; x < picture.width(); ++x) {
    for (int y = arcRow - 1; y <= arcRow + 1; ++y) {
      if (picture.pixelColor(x, y) == QColor(0, 0, 255)) ++blueOnArc;
    }
  }
  EXPECT_GT(blueOnArc, picture.width() * 9 / 10);
}

// Counts the warnings Qt reports (a painter handed impossible figures
// complains through them).
int qtWarnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtDebugMsg && type != QtInfoMsg) ++qtWarnings;
}

// Extreme numbers, long texts and garbage in every box, with every kind of
// row, while the user calculates, clears, zooms, scrolls and resizes: every
// step ends quickly, nothing fails, the painter never complains.
TEST_F(Window, TakesAnyInputAndViewWithoutFailing) {
  const std::string longText(20000, '7');
  const std::vector<std::string> values = {
      "1e300",    "-1e300", "1e-300", "3.4e38", "-1e15", longText, "x\x01\xff", "&HFFFFFFFFFFFFFFFFFFFFFFFF",
      "89.99999", "270",    "-0",     "nan",    "1e",    ""};
  const std::vector<std::array<const char*, 3>> codes = {
      {"8", "8", "99"}, {"8", "0", "99"}, {"0", "0", "99"}, {"3", "3", "99"}, {"3", "0", "99"}, {"0", "5", "0"},
      {"8", "5", "0"},  {"3", "5", "0"},  {"8", "8", "8"},  {"3", "3", "3"},  {"1", "2", "99"}, {"0", "3", "99"}};
  qtWarnings = 0;
  const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
  QElapsedTimer step;
  qint64 slowest = 0;
  const auto timed = [&](const std::function<void()>& action) {
    step.start();
    action();
    QCoreApplication::processEvents();
    slowest = std::max(slowest, step.elapsed());
  };

  int round = 0;
  for (const std::string& value : values) {
    for (const auto& rowCodes : codes) {
      const QString text = QString::fromStdString(value);
      for (int row = 0; row < kRowCount; ++row) {
        for (QLineEdit* box : {Box(form, row, colX), Box(form, row, colY), Box(form, row, colA), Box(form, row, colB),
                               Box(form, row, colC), Box(form, row, colR), Box(form, row, colS)}) {
          box->setText(text);
        }
        Box(form, row, colD)->setText(rowCodes[static_cast<size_t>(row)]);
      }
      timed([&] { Part<QPushButton>(form, "calculate")->click(); });
      for (QLabel* caption : {Part<QLabel>(form, "ansX"), Part<QLabel>(form, "ansY"), Part<QLabel>(form, "ansA"),
                              Part<QLabel>(form, "ansR")}) {
        ASSERT_FALSE(caption->text().contains("nan", Qt::CaseInsensitive)) << value;
        ASSERT_FALSE(caption->text().contains("inf", Qt::CaseInsensitive)) << value;
      }
      const int zoom[] = {0, 500, 10, 100};
      const int scroll[] = {0, 50, 25};
      timed([&] { Part<QSlider>(form, "zoomSlider")->setValue(zoom[round % 4]); });
      timed([&] { Part<QScrollBar>(form, "hScroll")->setValue(scroll[round % 3]); });
      timed([&] { Part<QScrollBar>(form, "vScroll")->setValue(scroll[(round + 1) % 3]); });
      if (round % 7 == 0) timed([&] { Part<QPushButton>(form, "clear")->click(); });
      ++round;
    }
  }
  // The window at its extremes.
  timed([&] { form.resize(1, 1); });
  timed([&] { form.resize(3000, 2200); });
  timed([&] { form.Redraw(); });
  timed([&] { form.showMinimized(); });
  timed([&] { form.Redraw(); });
  timed([&] { form.showNormal(); });
  for (int zoom : {0, 500}) {
    timed([&] { Part<QSlider>(form, "zoomSlider")->setValue(zoom); });
    for (int scroll : {0, 50}) {
      timed([&] { Part<QScrollBar>(form, "hScroll")->setValue(scroll); });
      timed([&] { Part<QScrollBar>(form, "vScroll")->setValue(scroll); });
    }
  }
  qInstallMessageHandler(previous);
  EXPECT_EQ(qtWarnings, 0);
  EXPECT_LT(slowest, 2000) << "milliseconds for the slowest step";
}

}  // namespace
}  // namespace draftcalc::app

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The history and the settings of the tests' windows are kept in a folder
  // of their own, never in the user's.
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName("draftcalc");  // as the program names its data folder
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
