// The candidates in the window, through the real widgets offscreen: found
// by Calculate only, listed and drawn, picked by a click on a marker or a
// row and by the keys, the boxes and the answer following; copied; hidden
// while the rows differ from the ones calculated.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "candidates/candidate_text.h"
#include "core/number_parse.h"
#include "view/candidate_markers.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

using candidates::Candidate;

const QColor kGreen(0, 128, 0);

// Radius 5 touching the line y = 30 and the circle (0, 33) r 10: six
// circles, all in view at start-up; the rows as typed show none of them.
const char* const kLineAndCircle = "x1=-20 y1=30 d1=3 a1=0 b1=0 d2=5 c2=5 x3=0 y3=33 d3=0 r3=10 s3=1";
// The second point straight left of the first: the angle shown is 0, the
// one candidate is the direction 180, which no edit gives.
const char* const kStraightLeft = "x1=0 y1=0 d1=8 x2=-5 y2=0 d2=8";

class Candidates : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  // Types "x1=0 d1=8 ..." into the boxes named and clicks Calculate.
  void Calculate(const char* boxes) {
    for (const QString& word : QString(boxes).split(' ')) {
      const int row = word[1].digitValue() - 1;
      const auto column = static_cast<size_t>(QString("xydabcrs").indexOf(word[0]));
      RowBoxes(form, row)[column]->setText(word.mid(3));
    }
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  }

  QPoint MarkerPixel(int number) {
    const geometry::Point marker = view::MarkerPoints(form.Candidates())[static_cast<size_t>(number - 1)];
    return form.PictureAreaPoint(marker.x, marker.y).toPoint();
  }

  // The shown answer is candidate `number`, to the captions' 4 places.
  void ExpectAnswerIs(int number) {
    const Candidate& candidate = form.Candidates()[static_cast<size_t>(number - 1)];
    EXPECT_TRUE(candidate.isAnswer) << number;
    EXPECT_NEAR(ParseLeadingNumber(Str(Part<QLabel>(form, "ansX")->text())), candidate.point.x, 1e-3) << number;
    EXPECT_NEAR(ParseLeadingNumber(Str(Part<QLabel>(form, "ansY")->text())), candidate.point.y, 1e-3) << number;
    EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), number);
  }

  int GreenNear(QPoint at, int reach) {
    const QImage picture = Part<PictureBox>(form, "picture")->grab().toImage();
    return CountPixels(picture.copy(at.x() - reach, at.y() - reach, 2 * reach + 1, 2 * reach + 1),
                       [](const QColor& c) { return c == kGreen; });
  }

  static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(Candidates, AreFoundByCalculateOnlyAndListedInFull) {
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItemCount(), 0) << "none at start-up";
  Calculate(kLineAndCircle);
  ASSERT_EQ(form.Candidates().size(), 6u);
  ASSERT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItemCount(), 6);
  for (const Candidate& candidate : form.Candidates()) {
    const QStringList fields = Part<CandidatePanel>(form, "candidates")->Line(candidate.number).split('\t');
    // Then where it touches the line and the circle.
    ASSERT_EQ(fields.size(), 10);
    ASSERT_EQ(candidate.touches.size(), 2u);
    EXPECT_EQ(Str(fields[6]), candidates::ShortestNumberText(candidate.touches[0].x));
    EXPECT_EQ(Str(fields[9]), candidates::ShortestNumberText(candidate.touches[1].y));
    EXPECT_EQ(fields[0].toInt(), candidate.number);
    EXPECT_EQ(Str(fields[1]), candidates::ShortestNumberText(candidate.point.x));
    EXPECT_EQ(Str(fields[2]), candidates::ShortestNumberText(candidate.point.y));
    EXPECT_EQ(fields[3], "");
    EXPECT_EQ(fields[4], "5");
    EXPECT_EQ(Str(fields[5]), candidates::EditsInWords(candidate));
    EXPECT_FALSE(candidate.isAnswer);
  }
  // 20 + sqrt(221) - 20: full precision, not the captions' 4 places.
  EXPECT_TRUE(Part<CandidatePanel>(form, "candidates")->Line(1).startsWith("1\t14.866068747318"));
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItem(0)->text(2), "C = -5\nS3 = -1");

  // Typing leaves them as they were calculated.
  Box(form, 1, colC)->setText("4");
  EXPECT_EQ(form.Candidates().size(), 6u);
  EXPECT_EQ(form.Candidates()[0].radius, 5);
}

TEST_F(Candidates, MarkersAndCirclesAreDrawnInGreen) {
  Calculate(kLineAndCircle);
  const int reach = static_cast<int>(std::ceil(form.PictureAreaPoint(1, 0).x() - form.PictureAreaPoint(0, 0).x()));
  for (const Candidate& candidate : form.Candidates()) {
    EXPECT_GT(GreenNear(MarkerPixel(candidate.number), reach), 4) << candidate.number;
  }
  const QImage picture = Part<PictureBox>(form, "picture")->grab().toImage();
  EXPECT_GT(CountPixels(picture, [](const QColor& c) { return c == kGreen; }), 6 * 60) << "six circles of radius 5";
}

TEST_F(Candidates, ClickOnAMarkerAppliesItsEditsAndTheAnswerFollows) {
  Calculate(kLineAndCircle);
  const std::vector<Candidate> before(form.Candidates().begin(), form.Candidates().end());
  // Candidate 4: the line walked the other way and S3 = -1.
  ASSERT_EQ(candidates::EditsAsBoxWords(before[3]), "a1=-180 s3=-1");
  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, MarkerPixel(4) + QPoint(3, -2));
  EXPECT_EQ(Box(form, 0, colA)->text(), "-180");
  EXPECT_EQ(Box(form, 2, colS)->text(), "-1");
  EXPECT_EQ(Box(form, 1, colC)->text(), "5");
  ExpectAnswerIs(4);
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_EQ(QApplication::focusWidget(), Part<CandidatePanel>(form, "candidates"));
  // The same candidates in the same order, the edits now from these rows.
  ASSERT_EQ(form.Candidates().size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(form.Candidates()[i].point, before[i].point) << i;
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItem(3)->text(2), "the answer");

  // Every other one in turn, each then the answer.
  for (int number = 1; number <= 6; ++number) {
    QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, MarkerPixel(number));
    ExpectAnswerIs(number);
  }
}

TEST_F(Candidates, ClickAwayFromTheMarkersPicksNothing) {
  Calculate(kLineAndCircle);
  const ResultCaptions shown = Shown(form);
  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, MarkerPixel(1) + QPoint(12, 12));
  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(Shown(form), shown);
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 0);
  EXPECT_EQ(Box(form, 1, colC)->text(), "5");
}

TEST_F(Candidates, ClickOnARowPicksIt) {
  Calculate(kLineAndCircle);
  QTreeWidgetItem* row = Part<CandidatePanel>(form, "candidates")->topLevelItem(2);
  QTest::mouseClick(Part<CandidatePanel>(form, "candidates")->viewport(), Qt::LeftButton, {},
                    Part<CandidatePanel>(form, "candidates")->visualItemRect(row).center());
  EXPECT_EQ(Box(form, 1, colC)->text(), "-5");
  ExpectAnswerIs(3);
  // A key in the list picks the row it moves to.
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_Down);
  ExpectAnswerIs(4);
}

TEST_F(Candidates, CtrlDownAndCtrlUpStepFromTheAnswerAnywhereAndWrapRound) {
  Calculate(kLineAndCircle);
  Box(form, 1, colX)->setFocus();
  QTest::keyClick(Box(form, 1, colX), Qt::Key_Down, Qt::ControlModifier);
  ExpectAnswerIs(1);  // no answer as typed: from the start
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up, Qt::ControlModifier);
  ExpectAnswerIs(6);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
  ExpectAnswerIs(1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
  ExpectAnswerIs(2);

  // After a Calculate nothing is selected: stepping goes on from the answer.
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 0);
  Part<QListWidget>(form, "catalogue")->setFocus();
  QTest::keyClick(Part<QListWidget>(form, "catalogue"), Qt::Key_Down, Qt::ControlModifier);
  ExpectAnswerIs(3);
}

// Stepping through 3.4's candidates rewrites the signs typed; Ctrl+Z, as
// often as there were steps, gives back the rows as typed and their answer,
// and Ctrl+Y steps forward again.
TEST_F(Candidates, CtrlZAfterPicksGivesBackTheTypedRowsAndCtrlYRedoesThem) {
  const auto rows = [&] {
    std::vector<QString> texts;
    for (int row = 0; row < kRowCount; ++row) {
      for (InputBox* box : RowBoxes(form, row)) texts.push_back(box->text());
    }
    return texts;
  };
  Calculate("x1=0 y1=0 d1=0 r1=10 s1=1 d2=5 c2=-5 x3=20 y3=0 d3=0 r3=10 s3=1");
  const auto typed = rows();
  const ResultCaptions answer = Shown(form);
  const int steps = static_cast<int>(form.Candidates().size());
  ASSERT_GE(steps, 4);
  std::vector<std::vector<QString>> stepped;
  for (int step = 0; step < steps; ++step) {
    QTest::keyClick(Box(form, 0, colX), Qt::Key_Down, Qt::ControlModifier);
    stepped.push_back(rows());
  }
  ASSERT_NE(rows(), typed) << "the picks rewrote the signs";
  for (int step = 0; step < steps; ++step) {
    Part<QAction>(form, "undo")->trigger();
    if (step + 2 <= steps) {
      EXPECT_EQ(rows(), stepped[static_cast<size_t>(steps - 2 - step)]) << step;
    }
  }
  EXPECT_EQ(rows(), typed);
  EXPECT_EQ(Str(Box(form, 0, colR)->text()), "10");
  EXPECT_EQ(Str(Box(form, 1, colC)->text()), "-5");
  EXPECT_EQ(Str(Box(form, 2, colS)->text()), "1");
  EXPECT_EQ(Shown(form), answer);
  EXPECT_FALSE(Part<QAction>(form, "undo")->isEnabled());
  QTest::keyClick(Part<QListWidget>(form, "catalogue"), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(rows(), stepped.front());
}

TEST_F(Candidates, TabStepsInsideThePanelAndLeavesItPastEitherEnd) {
  Calculate(kLineAndCircle);
  QTest::keyClick(Box(form, 0, colX), Qt::Key_Down, Qt::ControlModifier);
  ExpectAnswerIs(1);
  for (int number = 2; number <= 6; ++number) {
    QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_Tab);
    ExpectAnswerIs(number);
  }
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), Part<CandidatePanel>(form, "candidates"));
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 6);

  Part<CandidatePanel>(form, "candidates")->setFocus();
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_Backtab);
  ExpectAnswerIs(5);
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_Home);  // the first row picked
  ExpectAnswerIs(1);
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_Backtab);
  EXPECT_NE(QApplication::focusWidget(), Part<CandidatePanel>(form, "candidates"));
}

TEST_F(Candidates, CtrlShiftCCopiesTheSelectedCandidateInThePanelAndTheAnswerElsewhere) {
  Calculate(kLineAndCircle);
  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, MarkerPixel(2));
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Clipboard(), Part<CandidatePanel>(form, "candidates")->Line(2));
  EXPECT_TRUE(Clipboard().split('\t').contains("the answer"));

  Box(form, 0, colX)->setFocus();
  QTest::keyClick(Box(form, 0, colX), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Clipboard(), form.Answers().AnswerLine());

  // In the panel with nothing selected: the answer line too.
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  Part<CandidatePanel>(form, "candidates")->setFocus();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Clipboard(), form.Answers().AnswerLine());
}

// The list shows 10 significant digits without noise; the tooltip and the
// copied line keep every digit, touching points included.
TEST_F(Candidates, TheListRoundsToTenDigitsAndTheTooltipAndCopyKeepEveryOne) {
  Calculate("x1=0 y1=0 d1=3 a1=30 d2=5 c2=5 x3=20 y3=0 d3=0 r3=10 s3=1");
  const auto noisy = std::find_if(form.Candidates().begin(), form.Candidates().end(), [](const Candidate& c) {
    return candidates::ShortestNumberText(c.point.x) == "12.500000000000002";
  });
  ASSERT_NE(noisy, form.Candidates().end());
  const QTreeWidgetItem* row = Part<CandidatePanel>(form, "candidates")->topLevelItem(noisy->number - 1);
  const QStringList lines = row->text(1).split('\n');
  EXPECT_EQ(lines[0], "X 12.5");
  ASSERT_EQ(lines.size(), 5);  // X, Y, R, T1 on the line, T2 on the circle
  EXPECT_TRUE(lines[3].startsWith("T1 ")) << Str(lines[3]);
  for (const QString& line : lines) {
    for (const QString& number : line.mid(line.indexOf(' ') + 1).split(", ")) {
      const QString digits = QString(number).remove('-').remove('.');
      EXPECT_LE(digits.size(), 10) << Str(line);
    }
  }
  EXPECT_TRUE(row->toolTip(1).contains("X 12.500000000000002")) << Str(row->toolTip(1));
  EXPECT_TRUE(row->toolTip(1).contains("T2 ")) << Str(row->toolTip(1));
  EXPECT_TRUE(Part<CandidatePanel>(form, "candidates")->Line(noisy->number).contains("\t12.500000000000002\t"));
}

TEST_F(Candidates, AnUnreachableOneIsSelectedAndCopiedAndChangesNothing) {
  Calculate(kStraightLeft);
  ASSERT_EQ(form.Candidates().size(), 1u);
  ASSERT_FALSE(form.Candidates()[0].reachable);
  const ResultCaptions shown = Shown(form);
  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, MarkerPixel(1));
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 1);
  EXPECT_EQ(Shown(form), shown);
  EXPECT_EQ(Box(form, 1, colX)->text(), "-5");
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItem(0)->text(2), "not reachable\nwith these rows");
  QTest::keyClick(Part<CandidatePanel>(form, "candidates"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Clipboard(), "1\t0\t0\t180\t\tnot reachable with these rows");
}

TEST_F(Candidates, EditedRowsHideThemAndGreyThePanelUntilTheyMatchAgain) {
  Calculate(kLineAndCircle);
  const QPoint marker = MarkerPixel(1);
  QTest::keyClicks(Box(form, 1, colC), "0");  // C = 50
  QCoreApplication::processEvents();
  EXPECT_FALSE(Part<CandidatePanel>(form, "candidates")->isEnabled());
  EXPECT_EQ(
      CountPixels(Part<PictureBox>(form, "picture")->grab().toImage(), [](const QColor& c) { return c == kGreen; }), 0);
  // Neither a click nor the keys pick one of them now.
  QTest::mouseClick(Part<PictureBox>(form, "picture"), Qt::LeftButton, {}, marker);
  QTest::keyClick(Box(form, 1, colC), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->SelectedNumber(), 0);
  EXPECT_EQ(Box(form, 1, colC)->text(), "50");

  QTest::keyClick(Box(form, 1, colC), Qt::Key_Backspace);
  EXPECT_TRUE(Part<CandidatePanel>(form, "candidates")->isEnabled());
  EXPECT_GT(GreenNear(marker, 4), 4);
}

TEST_F(Candidates, ClearAndCalculationsWithoutAnswersEmptyThePanel) {
  Calculate(kLineAndCircle);
  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItemCount(), 0);
  EXPECT_TRUE(form.Candidates().empty());
  Calculate(kLineAndCircle);
  Calculate("d1=5 d2=8 d3=99");  // the wrong order: no calculation
  EXPECT_EQ(Part<CandidatePanel>(form, "candidates")->topLevelItemCount(), 0);
  QTest::keyClick(Box(form, 0, colX), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Box(form, 0, colX)->text(), "-20");
}

TEST_F(Candidates, PanelMenuHoldsTheCandidateActions) {
  Calculate(kLineAndCircle);
  const auto menu = form.Menus().CandidatePanelMenu();
  ASSERT_EQ(menu->actions().size(), 7);
  EXPECT_EQ(menu->actions()[0], Part<QAction>(form, "copyCandidate"));
  EXPECT_TRUE(menu->actions()[3]->isSeparator());
  for (int row = 1; row <= kRowCount; ++row) {
    EXPECT_EQ(menu->actions()[3 + row], Part<QAction>(form, ("useAsRow" + std::to_string(row)).c_str()));
  }
  menu->actions()[1]->trigger();
  ExpectAnswerIs(1);
  menu->actions()[2]->trigger();
  ExpectAnswerIs(6);
  menu->actions()[0]->trigger();
  EXPECT_EQ(Clipboard(), Part<CandidatePanel>(form, "candidates")->Line(6));
}

// Line / value / line: the fillets are listed first as construction only;
// picking one changes no row; "Use as row 2" writes it there as a circle
// (the answer goes out of date), and Ctrl+Z brings row 2 back.
TEST_F(Candidates, AFilletIsConstructionOnlyAndUseAsRowCarriesItIntoARow) {
  Calculate("x1=0 y1=0 d1=3 a1=0 d2=5 c2=5 x3=0 y3=0 d3=3 a3=90");
  EXPECT_EQ(Str(Part<QLabel>(form, "ansRem")->text()), "交点が求められませんでした。") << "the captions as they were";
  auto* panel = Part<CandidatePanel>(form, "candidates");
  ASSERT_EQ(panel->topLevelItemCount(), 6);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(panel->topLevelItem(i)->text(2), "construction\nonly") << i;
  EXPECT_EQ(panel->topLevelItem(4)->text(2), "not reachable\nwith these rows");
  QAction* useAsRow2 = Part<QAction>(form, "useAsRow2");
  EXPECT_FALSE(useAsRow2->isEnabled()) << "none picked";
  const auto rowTexts = [&](int row) {
    QStringList texts;
    for (InputBox* box : RowBoxes(form, row)) texts << box->text();
    return texts;
  };
  const QStringList valueRow = rowTexts(1);
  QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, panel->visualItemRect(panel->topLevelItem(1)).center());
  EXPECT_EQ(panel->SelectedNumber(), 2);
  EXPECT_EQ(rowTexts(1), valueRow) << "a construction-only candidate has no edits";
  ASSERT_TRUE(useAsRow2->isEnabled());
  useAsRow2->trigger();
  EXPECT_EQ(rowTexts(1), (QStringList{"-5", "5", "0", "", "", "", "5", "1"}));
  EXPECT_FALSE(panel->isEnabled()) << "the result is out of date";
  EXPECT_FALSE(useAsRow2->isEnabled());
  Part<QAction>(form, "undo")->trigger();
  EXPECT_EQ(rowTexts(1), valueRow);
  EXPECT_TRUE(panel->isEnabled());
}

}  // namespace
}  // namespace draftcalc::app
