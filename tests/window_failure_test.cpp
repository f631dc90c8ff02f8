// A failure in the window: no answer drawn, its numbers grey and the remark
// red, the reason under the answers with the edit that gives an answer one
// click away (and Ctrl+Z bringing the rows back), the picture moved down to
// make room; and boxes read only in part tinted, their tooltips saying how.
// Offscreen, through the real widgets.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/input_box.h"
#include "app/look.h"
#include "app/picture_box.h"
#include "engine/calculation.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

const QColor kLightRed(255, 0, 0), kGreen(0, 128, 0);

// 3.2 with no circle on the sides the signs choose: the calculation writes
// the point, an angle and the radius beside its remark.
constexpr examples::CatalogueEntry kNoCircleOnTheseSides{"3.2 no answer",
                                                         {{{"0", "30", "8", "", "", "", "", ""},
                                                           {"0.000", "0.000", "5", "", "", "5", "", ""},
                                                           {"0", "0", "0", "", "", "", "10", "1"}}}};
// 2.3 with the circles 20 apart, radii 5 and 5.
constexpr examples::CatalogueEntry kCirclesApart{"2.3 apart",
                                                 {{{"0", "0", "0", "", "", "", "5", "1"},
                                                   {"0.000", "0.000", "5", "", "", "0", "", ""},
                                                   {"20", "0", "0", "", "", "", "5", "1"}}}};

int Pixels(const Form_miret& form, const QColor& colour) {
  return CountPixels(Part<PictureBox>(form, "picture")->grab().toImage(), [&](const QColor& c) { return c == colour; });
}

class Failure : public Window {
 protected:
  void Calculate(const examples::CatalogueEntry& entry) {
    TypeRows(form, entry);
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  }
  QColor TextColour(const char* field) { return Part<QLabel>(form, field)->palette().color(QPalette::WindowText); }
};

TEST_F(Failure, DrawsNoAnswerAndGreysTheNumbersBesideTheRedRemark) {
  Calculate(kNoCircleOnTheseSides);
  const ResultCaptions shown = Shown(form);
  EXPECT_EQ(shown, draftcalc::Calculate(kNoCircleOnTheseSides.Texts())) << "the captions as the calculation wrote them";
  ASSERT_EQ(shown.ansRem, "交点無し??");
  ASSERT_EQ(shown.ansR, "5");
  EXPECT_EQ(Pixels(form, kLightRed), 0) << "nothing drawn for the numbers beside a remark";
  EXPECT_GT(Pixels(form, kGreen), 100) << "the candidates still drawn";
  EXPECT_TRUE(form.Answers().IsFailed());
  EXPECT_EQ(TextColour("ansX"), kOutOfDateText);
  EXPECT_EQ(TextColour("ansR"), kOutOfDateText);
  EXPECT_EQ(TextColour("ansRem"), kFailureRed);

  // An answer takes the plain look back.
  TypeRows(form, examples::kCatalogue[4]);
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_FALSE(form.Answers().IsFailed());
  EXPECT_NE(TextColour("ansX"), kOutOfDateText);
  EXPECT_GT(Pixels(form, kLightRed), 8);
}

TEST_F(Failure, TheReasonStandsUnderTheAnswersAndTheFixIsOneClickAway) {
  EXPECT_EQ(form.Reason(), nullptr) << "made with the first failure only";
  const int pictureTop = Part<PictureBox>(form, "picture")->geometry().top();
  Calculate(kCirclesApart);
  ASSERT_NE(form.Reason(), nullptr);
  const ReasonStrip& reason = *form.Reason();
  ASSERT_TRUE(reason.IsShown());
  EXPECT_EQ(reason.Text()->text(), "No answer: the centres are 20 apart; radii 5 + 5 reach 10: 10 short");
  EXPECT_EQ(reason.FixButton()->text(), "Use R1 = 15");
  EXPECT_GE(reason.Strip()->geometry().top(), Part<QLabel>(form, "ansR")->geometry().bottom());
  EXPECT_GE(Part<PictureBox>(form, "picture")->geometry().top(), reason.Strip()->geometry().bottom())
      << "the picture moves down, not under the reason";
  EXPECT_GT(Part<PictureBox>(form, "picture")->geometry().top(), pictureTop);

  QTest::mouseClick(reason.FixButton(), Qt::LeftButton);
  EXPECT_EQ(Box(form, 0, colR)->text(), "15");
  EXPECT_EQ(Shown(form).ansRem, "") << "the fix gives an answer";
  EXPECT_EQ(Shown(form).ansX, "15");
  EXPECT_FALSE(reason.IsShown());
  EXPECT_EQ(Part<PictureBox>(form, "picture")->geometry().top(), pictureTop);

  ASSERT_TRUE(form.findChild<QAction*>("undo")->isEnabled());
  form.findChild<QAction*>("undo")->trigger();
  EXPECT_EQ(Box(form, 0, colR)->text(), "5") << "Ctrl+Z brings the rows back";
  EXPECT_EQ(Shown(form).ansRem, "交点無し?");
  EXPECT_TRUE(reason.IsShown());
}

TEST_F(Failure, TheReasonGreysAndItsFixWaitsWhileTheRowsDiffer) {
  Calculate(kCirclesApart);
  Box(form, 2, colR)->setText("6");
  EXPECT_FALSE(form.Reason()->FixButton()->isEnabled());
  QTest::mouseClick(form.Reason()->FixButton(), Qt::LeftButton);
  EXPECT_EQ(Box(form, 0, colR)->text(), "5") << "no edit for rows it does not belong to";
  Box(form, 2, colR)->setText("5");
  EXPECT_TRUE(form.Reason()->FixButton()->isEnabled());
}

struct ReadingCase {
  const char* text;
  const char* tooltip;  // "" when read whole
};

void PrintTo(const ReadingCase& c, std::ostream* out) { *out << "\"" << c.text << "\""; }

class PartlyRead : public Window, public testing::WithParamInterface<ReadingCase> {};

TEST_P(PartlyRead, BoxIsTintedWithItsReadingInTheTooltip) {
  InputBox* box = Box(form, 1, colR);
  const QColor plain = box->palette().color(QPalette::Base);
  box->setText(QString::fromUtf8(GetParam().text));
  EXPECT_EQ(box->toolTip(), QString::fromUtf8(GetParam().tooltip));
  const bool tinted = *GetParam().tooltip != '\0';
  EXPECT_EQ(box->palette().color(QPalette::Base) != plain, tinted);
  box->setText("8.5");
  EXPECT_EQ(box->palette().color(QPalette::Base), plain) << "the tint goes with the text";
  EXPECT_EQ(box->toolTip(), "");
}

INSTANTIATE_TEST_SUITE_P(Texts, PartlyRead,
                         testing::Values(ReadingCase{"8,5", "read as 8: the text after \"8\" is ignored"},
                                         ReadingCase{"point", "read as 0: it does not begin with a number"},
                                         ReadingCase{"\xEF\xBC\x98", "read as 0: it does not begin with a number"},
                                         ReadingCase{"1e400",
                                                     "read as 0: the number lies beyond the range of a double"},
                                         ReadingCase{" 8 ", ""}, ReadingCase{"", ""}, ReadingCase{"&H10", ""}));

}  // namespace
}  // namespace draftcalc::app
