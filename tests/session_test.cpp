// The session the window and the page both run, without any widget:
// calculating and whether the result is current, picking and stepping
// through candidates, undo and redo of the program's edits, the fit after a
// calculation, the view's arithmetic, and the help.
#include "session/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "candidates/candidate_text.h"
#include "recording_surface.h"
#include "session/catalogue.h"
#include "session/help_page.h"
#include "session/help_text.h"
#include "view/view_state.h"

namespace draftcalc::session {
namespace {

using Change = Session::Change;

constexpr double kTwipsPerPixel = 15;  // 96 DPI
// The window's picture at start-up, in twips.
constexpr double kPictureWidth = 4650, kPictureHeight = 2652;

// Rows written "x1=0 d1=8 ..." over the start-up boxes.
BoxTexts Rows(const std::string& words) {
  BoxTexts boxes = StartupBoxTexts();
  size_t start = 0;
  while (start < words.size()) {
    const size_t end = std::min(words.find(' ', start), words.size());
    const std::string word = words.substr(start, end - start);
    const auto column = static_cast<Column>(std::string("xydabcrs").find(word[0]));
    boxes[BoxIndex(word[1] - '1', column)] = word.substr(3);
    start = end + 1;
  }
  return boxes;
}

// 3.4: two circles and a value row, four candidates.
const std::string kTwoCircles = "x1=0 y1=0 d1=0 r1=10 s1=1 d2=5 c2=-5 x3=20 y3=0 d3=0 r3=10 s3=1";

class SessionTest : public testing::Test {
 protected:
  SessionTest() { session.View().Resize(kPictureWidth, kPictureHeight); }

  void TypeAll(const BoxTexts& boxes) {
    for (size_t i = 0; i < boxes.size(); ++i) session.Type(i, boxes[i]);
  }

  Session session{kTwipsPerPixel};
};

TEST_F(SessionTest, AResultIsOutOfDateWhileTheRowsDifferAndCurrentWhenTypedBack) {
  EXPECT_FALSE(session.HasResult());
  EXPECT_FALSE(session.IsOutOfDate()) << "no result: nothing out of date";
  TypeAll(Rows("x1=0 y1=0 d1=8 x2=3 y2=4 d2=8"));
  EXPECT_EQ(session.Calculate(), Change::kCalculated);
  EXPECT_EQ(session.Shown().captions.ansA, "53.1301");
  EXPECT_EQ(session.Shown().ran, CalculationId::kAngleOfTwoPoints);
  session.Type(BoxIndex(1, colX), "4");
  EXPECT_TRUE(session.IsOutOfDate());
  EXPECT_EQ(session.Shown().captions.ansA, "53.1301") << "the result stays, out of date";
  session.Type(BoxIndex(1, colX), "3");
  EXPECT_FALSE(session.IsOutOfDate()) << "typed back";
  EXPECT_EQ(session.Clear(), Change::kRows);
  EXPECT_EQ(session.Boxes(), StartupBoxTexts());
  EXPECT_FALSE(session.HasResult());
  EXPECT_EQ(session.Shown().captions, ResultCaptions{});
  EXPECT_EQ(session.Clear(), Change::kNone) << "nothing left to clear";
}

// A candidate carried into a row as the element it is: the fillet's circle
// into row 2, the tangent into row 1 as a line; one undoable edit each, not
// calculated, and refused while the result is out of date.
TEST_F(SessionTest, UseAsRowWritesTheCandidatesElementAndUndoBringsTheRowBack) {
  TypeAll(Rows("x1=0 y1=0 d1=3 a1=0 d2=5 c2=-5 x3=0 y3=0 d3=3 a3=90"));
  session.Calculate();
  const BoxTexts calculated = session.Boxes();
  ASSERT_EQ(session.Shown().candidates.front().construction, candidates::Construction::kFillet);
  EXPECT_EQ(session.UseAsRow(1, 1), Change::kRows);
  BoxTexts expected = calculated;
  for (const auto& [column, text] :
       {std::pair{colX, "5"}, {colY, "5"}, {colD, "0"}, {colA, ""}, {colB, ""}, {colC, ""}, {colR, "5"}, {colS, "1"}}) {
    expected[BoxIndex(1, column)] = text;
  }
  EXPECT_EQ(session.Boxes(), expected);
  EXPECT_TRUE(session.IsOutOfDate()) << "written, not calculated";
  EXPECT_EQ(session.UseAsRow(2, 0), Change::kNone) << "the candidates belong to the rows calculated";
  EXPECT_EQ(session.Undo(), Change::kRestored);
  EXPECT_EQ(session.Boxes(), calculated);
  EXPECT_FALSE(session.IsOutOfDate());
  EXPECT_EQ(session.UseAsRow(7, 0), Change::kNone) << "no candidate 7";
  EXPECT_EQ(session.UseAsRow(1, 3), Change::kNone) << "no row 4";

  TypeAll(Rows("x1=20 y1=0 d1=8 x2=0 y2=0 d2=0 r2=10"));
  session.Calculate();
  ASSERT_EQ(session.Shown().candidates.size(), 2u);
  EXPECT_EQ(session.UseAsRow(1, 0), Change::kRows);
  EXPECT_EQ(session.Boxes()[BoxIndex(0, colD)], "3");
  EXPECT_EQ(session.Boxes()[BoxIndex(0, colA)],
            candidates::ShortestNumberText(*session.Shown().candidates[0].direction));
  EXPECT_EQ(session.Boxes()[BoxIndex(0, colB)], "0");
}

// Undo gives back exactly what was shown before a program edit, the result
// with its freshness included; a calculation or typing is no program edit.
TEST_F(SessionTest, UndoAndRedoGiveBackRowsAndResultExactly) {
  TypeAll(Rows(kTwoCircles));
  session.Calculate();
  const Result calculated = session.Shown();
  session.Type(BoxIndex(0, colR), "11");  // typed, out of date
  session.Clear();
  EXPECT_TRUE(session.CanUndo());
  EXPECT_EQ(session.Undo(), Change::kRestored);
  EXPECT_EQ(session.Boxes()[BoxIndex(0, colR)], "11");
  EXPECT_TRUE(session.IsOutOfDate()) << "as it was: out of date";
  EXPECT_EQ(session.Shown().captions, calculated.captions);
  EXPECT_EQ(session.Redo(), Change::kRestored);
  EXPECT_FALSE(session.HasResult());
  EXPECT_EQ(session.Redo(), Change::kNone);
  EXPECT_EQ(session.Undo(), Change::kRestored);
  session.Type(BoxIndex(0, colR), "12");
  EXPECT_FALSE(session.CanRedo()) << "typing forgets what could be redone";
  EXPECT_EQ(session.Undo(), Change::kNone) << "nothing before the Clear";
}

// Stepping through every candidate of 3.4 rewrites the typed signs; undoing
// each step gives back the typed rows and their answer.
TEST_F(SessionTest, StepsThroughCandidatesAreUndoneBackToTheTypedRows) {
  const BoxTexts typed = Rows(kTwoCircles);
  TypeAll(typed);
  session.Calculate();
  const Result first = session.Shown();
  const int count = static_cast<int>(first.candidates.size());
  ASSERT_EQ(count, 4);
  const int answer = first.AnswerNumber();
  ASSERT_NE(answer, 0);
  std::vector<BoxTexts> seen;
  for (int step = 1; step <= count; ++step) {
    const Session::Stepped stepped = session.Step(1, true);
    EXPECT_EQ(stepped.number, (answer - 1 + step) % count + 1);
    EXPECT_EQ(session.Picked(), stepped.number);
    EXPECT_EQ(session.Shown().AnswerNumber() == stepped.number || stepped.change == Change::kNone, true)
        << "the picked one is the answer, or no edits give it";
    seen.push_back(session.Boxes());
  }
  EXPECT_NE(session.Boxes(), typed);
  while (session.CanUndo()) session.Undo();
  EXPECT_EQ(session.Boxes(), typed);
  EXPECT_EQ(session.Shown().captions, first.captions);
  EXPECT_FALSE(session.IsOutOfDate());
}

TEST_F(SessionTest, StepsWrapRoundOnlyWhenAskedAndNeverWhileOutOfDate) {
  TypeAll(Rows(kTwoCircles));
  session.Calculate();
  const int count = static_cast<int>(session.Shown().candidates.size());
  const int answer = session.Shown().AnswerNumber();
  int last = answer;
  while (const int next = session.Step(1, false).number) last = next;
  EXPECT_EQ(last, count);
  EXPECT_EQ(session.Step(1, false).number, 0) << "past the end";
  EXPECT_EQ(session.Step(1, true).number, 1) << "wrapped round";
  session.Type(BoxIndex(0, colX), "1");
  EXPECT_EQ(session.Step(1, true).number, 0);
  EXPECT_EQ(session.Pick(2), Change::kNone);
  EXPECT_EQ(session.Pick(99), Change::kNone);
}

// With no answer as typed (the angle straight left), stepping starts from
// outside the end it steps away from.
TEST_F(SessionTest, WithoutAnAnswerSteppingStartsAtAnEnd) {
  TypeAll(Rows("x1=0 y1=0 d1=8 x2=-5 y2=0 d2=8"));
  session.Calculate();
  ASSERT_EQ(session.Shown().AnswerNumber(), 0);
  ASSERT_EQ(session.Shown().candidates.size(), 1u);
  EXPECT_EQ(session.Step(-1, false).number, 1);
  EXPECT_EQ(session.Step(-1, false).number, 0);
}

// After each calculation the view fits the figure when any part of it lies
// outside: the first calculation too; not when all is in view; not at all
// when turned off.
TEST_F(SessionTest, TheViewFitsAfterACalculationWhenPartOfTheFigureIsOutside) {
  TypeAll(Rows("x1=60 y1=-80 d1=0 r1=15 s1=1 x2=75 y2=-80 d2=8"));
  session.SetFitAfterCalculation(false);
  session.Calculate();
  EXPECT_FALSE(session.View().Shows(session.FigureBounds()));
  session.SetFitAfterCalculation(true);
  session.Calculate();
  EXPECT_TRUE(session.View().Shows(session.FigureBounds()));
  const int zoom = session.View().ZoomPercent();
  ASSERT_GT(zoom, 100);
  session.View().ZoomAt(0, 0, -1);  // zoomed out: still all in view
  const view::ViewCorner out = session.View().Corner();
  session.Calculate();
  EXPECT_EQ(session.View().ZoomPercent(), zoom - 10);
  EXPECT_EQ(session.View().Corner().left, out.left) << "in view: the view stays";
}

TEST(PictureView, ZoomKeepsThePointUnderThePixelAndTheControlsFollow) {
  PictureView view(kTwipsPerPixel);
  view.Resize(kPictureWidth, kPictureHeight);
  EXPECT_EQ(view.ZoomPercent(), 100);
  EXPECT_EQ(view.HorizontalPosition(), 20);
  EXPECT_EQ(view.VerticalPosition(), 30);
  const geometry::Point before = view.PlanePoint(100, 50);
  EXPECT_TRUE(view.ZoomAt(100, 50, 3));
  EXPECT_EQ(view.ZoomPercent(), 130);
  const geometry::Point after = view.PlanePoint(100, 50);
  EXPECT_NEAR(after.x, before.x, view.UnitsPerPixel());
  EXPECT_NEAR(after.y, before.y, view.UnitsPerPixel());
  EXPECT_NEAR(view.PixelX(before.x), 100, 1);
  EXPECT_FALSE(view.ZoomAt(0, 0, 100) && view.ZoomAt(0, 0, 1)) << "500 % at most";
  EXPECT_EQ(view.ZoomPercent(), view::kMostZoomPercent);
  view.SetZoom(0);
  EXPECT_EQ(view.ZoomPercent(), view::kLeastZoomPercent) << "the slider's 0 is 10 %";

  view.SetZoom(100);
  const view::ViewCorner corner = view.Corner();
  view.Drag(20, -10);
  EXPECT_NEAR(view.Corner().left, corner.left - 20 * view.UnitsPerPixel(), 1e-9);
  EXPECT_NEAR(view.Corner().top, corner.top - 10 * view.UnitsPerPixel(), 1e-9);
  view.ScrollHorizontally(0);
  EXPECT_EQ(view.HorizontalPosition(), 0);
  EXPECT_EQ(view.CursorText(0, 0).substr(0, 2), "X=");
  EXPECT_EQ(view.CornerText(), view::CoordinateText(view.Window()));
}

TEST(PictureView, FitShowsTheFiguresAndShowsTellsWhetherTheyAreInView) {
  PictureView view(kTwipsPerPixel);
  view.Resize(kPictureWidth, kPictureHeight);
  view::Bounds figure;
  figure.AddCircle(400, 300, 150);
  EXPECT_FALSE(view.Shows(figure));
  view.Fit(figure);
  EXPECT_TRUE(view.Shows(figure));
  const view::CoordinateWindow window = view.Window();
  // Filling most of the view's height, the side that bounds it.
  EXPECT_GT(figure.Height(), 0.5 * std::fabs(window.height));
}

TEST_F(SessionTest, AnOutOfDateResultIsDrawnGreyWithoutItsCandidates) {
  TypeAll(Rows(kTwoCircles));
  session.Calculate();
  const auto countCandidates = [&] {
    view::RecordingSurface surface;
    session.Draw(surface);
    return std::count_if(surface.figures.begin(), surface.figures.end(),
                         [](const std::string& f) { return f.starts_with("label"); });
  };
  EXPECT_EQ(countCandidates(), 4) << "a numbered marker each";
  session.Type(BoxIndex(0, colR), "12");
  EXPECT_EQ(countCandidates(), 0);
}

TEST(Help, GivesEverySignRuleUnderItsCatalogueTitleEscaped) {
  const std::string html = HelpHtml();
  for (size_t i = 0; i < help::kSignRules.size(); ++i) {
    // The title as the window's catalogue shows it in that language.
    const std::string_view title = CatalogueTitle(static_cast<CalculationId>(i + 1));
    const std::string english(i18n::Translate(title, i18n::Language::kEnglish));
    EXPECT_NE(html.find("<b>" + english + "</b>"), std::string::npos) << english;
    EXPECT_NE(HelpHtml(i18n::Language::kJapanese).find("<b>" + std::string(title) + "</b>"), std::string::npos)
        << title;
  }
  EXPECT_NE(html.find("R &gt; 0"), std::string::npos) << "escaped";
  EXPECT_EQ(html.find("R > 0"), std::string::npos);
  EXPECT_NE(html.find("Ctrl+Shift+Z, Ctrl+Y"), std::string::npos);
  // In Japanese every text is, the remarks as the calculation writes them;
  // in English each remark has its English rendering under it.
  const std::string japanese = HelpHtml(i18n::Language::kJapanese);
  EXPECT_NE(japanese.find("R &gt; 0: 円を左に見る接線。"), std::string::npos);
  EXPECT_NE(japanese.find("<h3>キー</h3>"), std::string::npos);
  EXPECT_NE(html.find("交点無し?\?<br>No intersection?\?"), std::string::npos);
  EXPECT_EQ(japanese.find("<br>"), std::string::npos);
}

// A failure keeps its reason and fix with the result: the fix is one
// undoable program edit, and the reason comes back with the rows.
TEST_F(SessionTest, AFailureKeepsItsReasonAndItsFixIsOneUndoableEdit) {
  const BoxTexts apart = Rows("x1=0 y1=0 d1=0 r1=5 s1=1 d2=5 c2=0 x3=20 y3=0 d3=0 r3=5 s3=1");
  TypeAll(apart);
  session.Calculate();
  ASSERT_TRUE(session.Shown().Failed());
  EXPECT_EQ(session.Shown().explanation.why, "the centres are 20 apart; radii 5 + 5 reach 10: 10 short");
  EXPECT_EQ(explain::FixAsBoxWords(session.Shown().explanation), "r1=15");

  session.Type(BoxIndex(2, colR), "6");
  EXPECT_EQ(session.ApplyFix(), Change::kNone) << "not for rows the fix does not belong to";
  session.Type(BoxIndex(2, colR), "5");

  EXPECT_EQ(session.ApplyFix(), Change::kCalculated);
  EXPECT_EQ(session.Boxes()[BoxIndex(0, colR)], "15");
  EXPECT_FALSE(session.Shown().Failed());
  EXPECT_EQ(session.Shown().explanation, explain::Explanation{});
  EXPECT_EQ(session.ApplyFix(), Change::kNone) << "an answer has no fix";

  EXPECT_EQ(session.Undo(), Change::kRestored);
  EXPECT_EQ(session.Boxes(), apart);
  EXPECT_EQ(session.Shown().explanation.why, "the centres are 20 apart; radii 5 + 5 reach 10: 10 short");
}

TEST_F(SessionTest, SaysHowABoxIsReadWhenNotWhole) {
  session.Type(BoxIndex(1, colR), "8,5");
  EXPECT_EQ(session.PartialReading(BoxIndex(1, colR)), "read as 8: the text after \"8\" is ignored");
  EXPECT_EQ(session.PartialReading(BoxIndex(0, colX)), std::nullopt) << "0.000 is read whole";
  EXPECT_EQ(session.PartialReading(kBoxCount), std::nullopt);
}

}  // namespace
}  // namespace draftcalc::session
