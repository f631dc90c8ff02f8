// Every caption and result shows whole, measured with the widgets' own font
// metrics and checked on their rendering. CTest runs these tests twice: at
// 96 DPI, and with QT_SCALE_FACTOR=2 (device pixel ratio 2).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <string>
#include <vector>

#include "app/form_miret.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

// The longest captions a number field can get: 15 significant digits with
// sign, point and a three-digit exponent, or with leading zeros.
std::vector<std::string> LongestNumberCaptions() {
  return {NumberText(-1.23456789012345e-300), NumberText(-8.88888888888888e+300), NumberText(-0.000888888888888888),
          NumberText(-88888888888.8888)};
}

const std::vector<std::string_view> kRemarks = {
    messages::kWrongOrder,           messages::kLinesDoNotMeet,  messages::kLineMissesCircle,
    messages::kCirclesTooFarApart,   messages::kNoIntersection,  messages::kBothChordsHorizontal,
    messages::kPointsCollinear,      messages::kCentresCoincide, messages::kNoTangent,
    messages::kRadiusDifferenceZero, messages::kNumberOutOfRange};

double TextWidth(const QWidget* widget, const QString& text) {
  return QFontMetricsF(widget->font(), widget).horizontalAdvance(text);
}

// The field as painted: no ink in the outermost two device pixels of either
// side, where a text that is cut would touch.
bool EdgesAreBlank(QLabel* field) {
  const QImage image = field->grab().toImage();
  const QColor background = field->palette().color(QPalette::Window);
  for (int y = 0; y < image.height(); ++y) {
    for (int x : {0, 1, image.width() - 2, image.width() - 1}) {
      if (image.pixelColor(x, y) != background) return false;
    }
  }
  return true;
}

class WholeTexts : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
      ASSERT_EQ(form.devicePixelRatio(), 2);
    } else {
      ASSERT_EQ(form.devicePixelRatio(), 1);
    }
  }
};

TEST_F(WholeTexts, LongestNumberCaptionHas22Characters) {
  for (const std::string& caption : LongestNumberCaptions()) EXPECT_LE(caption.size(), 22u) << caption;
  EXPECT_EQ(LongestNumberCaptions().front(), "-1.23456789012345E-300");
}

TEST_F(WholeTexts, EveryAnswerFieldHoldsTheLongestNumberCaption) {
  for (QLabel* field : {Part<QLabel>(form, "ansX"), Part<QLabel>(form, "ansY"), Part<QLabel>(form, "ansA"),
                        Part<QLabel>(form, "ansR")}) {
    EXPECT_GE(field->font().pointSizeF(), 8);
    for (const std::string& caption : LongestNumberCaptions()) {
      field->setText(QString::fromStdString(caption));
      EXPECT_LE(TextWidth(field, field->text()), field->contentsRect().width()) << caption;
      EXPECT_TRUE(EdgesAreBlank(field)) << caption;
    }
  }
}

TEST_F(WholeTexts, RemarkFieldHoldsEveryRemark) {
  EXPECT_GE(Part<QLabel>(form, "ansRem")->font().pointSizeF(), 8);
  for (std::string_view remark : kRemarks) {
    Part<QLabel>(form, "ansRem")->setText(QStr(remark));
    EXPECT_LE(TextWidth(Part<QLabel>(form, "ansRem"), Part<QLabel>(form, "ansRem")->text()),
              Part<QLabel>(form, "ansRem")->contentsRect().width())
        << remark;
    EXPECT_TRUE(EdgesAreBlank(Part<QLabel>(form, "ansRem"))) << remark;
  }
}

// Each caption label is wide enough for its text and stands centred over
// its box or field, inside its band.
void ExpectCentredOver(ColumnHeader* band, const std::vector<QWidget*>& columns,
                       const std::vector<std::string>& texts) {
  ASSERT_EQ(band->Captions().size(), columns.size());
  for (size_t i = 0; i < columns.size(); ++i) {
    const ColumnHeader::Caption& caption = band->Captions()[i];
    EXPECT_EQ(Str(caption.text), texts[i]);
    EXPECT_GE(caption.place.width(), TextWidth(band, caption.text)) << texts[i];
    const QRect onForm(band->mapToParent(caption.place.topLeft()), caption.place.size());
    EXPECT_NEAR(onForm.center().x(), columns[i]->geometry().center().x(), 1) << texts[i];
    EXPECT_TRUE(band->rect().contains(caption.place)) << texts[i];
    EXPECT_GE(caption.place.height(), QFontMetrics(band->font(), band).height()) << texts[i];
  }
  // As painted: ink only within the captions' places, and in each of them.
  const QImage image = band->grab().toImage();
  const double ratio = image.devicePixelRatio();
  std::vector<int> inked(columns.size(), 0);
  int stray = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == band->palette().color(QPalette::Window)) continue;
      const QPoint at(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
      size_t i = 0;
      while (i < columns.size() && !band->Captions()[i].place.adjusted(-1, -1, 1, 1).contains(at)) ++i;
      (i < columns.size() ? inked[i] : stray)++;
    }
  }
  EXPECT_EQ(stray, 0);
  for (size_t i = 0; i < columns.size(); ++i) EXPECT_GT(inked[i], 10) << texts[i];
}

TEST_F(WholeTexts, OneCaptionCentredOverEachInputColumn) {
  const auto firstRow = RowBoxes(form, 0);
  ExpectCentredOver(Part<ColumnHeader>(form, "columnHeader"), std::vector<QWidget*>(firstRow.begin(), firstRow.end()),
                    {"[  X  ]", "[  Y  ]", "[  D  ]", "[  A  ]", "[  B  ]", "[  C  ]", "[  R  ]", "[ S ]"});
  EXPECT_EQ(Part<ColumnHeader>(form, "columnHeader")->palette().color(QPalette::Window), QColor(255, 224, 192));
}

TEST_F(WholeTexts, OneCaptionCentredOverEachAnswerField) {
  ExpectCentredOver(Part<ColumnHeader>(form, "upperAnswerCaptions"),
                    {Part<QLabel>(form, "ansX"), Part<QLabel>(form, "ansY"), Part<QLabel>(form, "ansA")},
                    {"[  X  ]", "[  Y  ]", "[  A  ]"});
  ExpectCentredOver(Part<ColumnHeader>(form, "lowerAnswerCaptions"),
                    {Part<QLabel>(form, "ansRem"), Part<QLabel>(form, "ansR")}, {"[ 備考 ]", "[  R  ]"});
  // Captions over fields, fields over the picture.
  EXPECT_LE(Part<ColumnHeader>(form, "lowerAnswerCaptions")->geometry().bottom(), Part<QLabel>(form, "ansRem")->y());
  EXPECT_LE(Part<QLabel>(form, "ansR")->geometry().bottom(), Part<PictureBox>(form, "picture")->y());
}

// Numbers typed into a box show whole as far as the box can hold them at
// 8 pt or more; longer ones show their beginning, sign first, with an
// elision mark, and the whole text in the tooltip.
TEST_F(WholeTexts, InputBoxesShowTheirNumbersWholeOrElidedFromTheSign) {
  const std::vector<QString> numbers = {"-1",         "-0.001",     "-12.345",        "-1234.56",
                                        "-1234.5678", "1234567890", "-0.000123456789"};
  for (int column = 0; column < kColumnCount; ++column) {
    InputBox* box = RowBoxes(form, 1)[static_cast<size_t>(column)];
    for (const QString& number : numbers) {
      box->setText(number);
      const std::string where = std::string(1, kColumnLetters[static_cast<size_t>(column)]) + " " + Str(number);
      EXPECT_GE(box->font().pointSizeF(), 8) << where;
      EXPECT_LE(TextWidth(box, box->UnfocusedText()), box->TextAreaWidth()) << where;
      if (box->ShowsWholeText()) {
        EXPECT_EQ(box->UnfocusedText(), number) << where;
        EXPECT_TRUE(box->toolTip().isEmpty()) << where;
      } else {
        EXPECT_EQ(box->font().pointSizeF(), 8) << where;
        EXPECT_TRUE(box->UnfocusedText().startsWith(number.left(1))) << where;
        EXPECT_TRUE(box->UnfocusedText().endsWith(QString::fromUtf8("…"))) << where;
        EXPECT_EQ(box->toolTip(), number) << where;
      }
    }
  }
}

}  // namespace
}  // namespace draftcalc::app
