// The results as the window keeps them current: out-of-date results, Clear
// and its undo, the status bar, the catalogue entry of the calculation that
// ran, copying the answer, texts of any length. Offscreen, through the real
// widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QObject>
#include <QTest>

#include "app/catalogue.h"
#include "app/look.h"
#include "engine/calculation.h"
#include "view/view_geometry.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

const QColor kRed(255, 0, 0), kGrey(128, 128, 128), kBlue(0, 0, 255), kBlack(0, 0, 0);

int Pixels(const Form_miret& form, const QColor& colour) {
  return CountPixels(form.Picture1->grab().toImage(), [&](const QColor& c) { return c == colour; });
}

// Counts the paint events of a widget: what the screen gets without waiting
// for another trigger.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The line-circle example: answer (8.8037, 6.2375) in view at start-up.
const examples::CatalogueEntry& LineAndCircle() { return examples::kCatalogue[4]; }

class Results : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  void Calculate(const examples::CatalogueEntry& entry) {
    TypeRows(form, entry);
    QTest::mouseClick(form.butStart, Qt::LeftButton);
  }
  static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(Results, ClearEmptiesResultsAndPictureAndFocusesTheFirstBox) {
  Calculate(LineAndCircle());
  ASSERT_GT(Pixels(form, kRed), 8);
  form.inpR[1]->setFocus();

  PaintCounter counter(form.Picture1);
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  EXPECT_EQ(counter.paints, 1) << "redrawn at once";
  EXPECT_EQ(Shown(form), ResultCaptions{});
  EXPECT_EQ(Pixels(form, kRed) + Pixels(form, kGrey) + Pixels(form, kBlue), 0);
  EXPECT_GT(Pixels(form, kBlack), 20);  // the axis cross
  EXPECT_EQ(QApplication::focusWidget(), form.inpX[0]);
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_TRUE(form.StatusPanel2->text().isEmpty());
}

TEST_F(Results, EditingARowGreysTheResultsAndDashesTheAnswerUntilTheNextCalculation) {
  Calculate(LineAndCircle());
  const ResultCaptions calculated = Shown(form);
  ASSERT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_EQ(form.ansX->palette().color(QPalette::Window), kAnswerYellow);

  const int blueBefore = Pixels(form, kBlue);
  PaintCounter counter(form.Picture1);
  QTest::keyClicks(form.inpR[1], "5");  // radius 4 becomes 45
  EXPECT_TRUE(form.Answers().IsOutOfDate());
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.paints, 1) << "redrawn with the next paint";
  EXPECT_GT(Pixels(form, kBlue), blueBefore) << "the circle as typed";
  EXPECT_EQ(Shown(form), calculated) << "the captions' texts stay";
  for (QLabel* field : form.Answers().Fields()) {
    EXPECT_EQ(field->palette().color(QPalette::Window), kOutOfDateBackground);
    EXPECT_EQ(field->palette().color(QPalette::WindowText), kOutOfDateText);
  }
  EXPECT_EQ(Pixels(form, kRed), 0);
  EXPECT_GT(Pixels(form, kGrey), 4);

  // Typed back to what was calculated: current again.
  QTest::keyClick(form.inpR[1], Qt::Key_Backspace);
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_GT(Pixels(form, kRed), 8);
  EXPECT_EQ(form.ansRem->palette().color(QPalette::Window), kRemarkWhite);

  QTest::keyClicks(form.inpX[0], "1");
  ASSERT_TRUE(form.Answers().IsOutOfDate());
  QTest::mouseClick(form.butStart, Qt::LeftButton);
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_EQ(Pixels(form, kGrey), 0);
}

TEST_F(Results, StatusBarShowsTheViewCornerAfterEveryChange) {
  const auto shows = [&] { return Str(form.StatusPanel1->text()) == view::CoordinateText(form.ShownWindow()); };
  EXPECT_TRUE(shows()) << Str(form.StatusPanel1->text());
  const QString atStart = form.StatusPanel1->text();
  form.resize(form.width(), form.height() + 90);
  QCoreApplication::processEvents();
  EXPECT_TRUE(shows());
  EXPECT_NE(form.StatusPanel1->text(), atStart);
  form.Slider1->setValue(250);
  EXPECT_TRUE(shows());
  form.VScroll1->setValue(10);
  EXPECT_TRUE(shows());
  form.HScroll1->setValue(40);
  EXPECT_TRUE(shows());
}

TEST_F(Results, CatalogueSelectsAndStatusBarNamesTheCalculationThatRan) {
  for (size_t k = 1; k <= examples::kCatalogue.size(); ++k) {
    const auto id = static_cast<CalculationId>(k);
    Calculate(examples::kCatalogue[k - 1]);
    EXPECT_EQ(form.List1->currentRow(), CatalogueTitleIndex(id)) << CatalogueNumber(id);
    EXPECT_EQ(Str(form.List1->currentItem()->text()).substr(0, 3), CatalogueNumber(id));
    EXPECT_EQ(Str(form.StatusPanel2->text()), CatalogueTitle(id));
    EXPECT_TRUE(form.List1->viewport()->rect().contains(form.List1->visualItemRect(form.List1->currentItem())));
  }
  // The same rows take 3.1 or 3.2 as the point's distance decides.
  Calculate(examples::kCatalogue[7]);
  EXPECT_EQ(Str(form.StatusPanel2->text()), CatalogueTitle(CalculationId::kCircleTouchingCircleAndTangent));
  form.inpX[2]->setText("8");
  form.inpC[1]->setText("5");
  QTest::mouseClick(form.butStart, Qt::LeftButton);
  EXPECT_EQ(Str(form.StatusPanel2->text()), CatalogueTitle(CalculationId::kCircleThroughPointTouchingCircle));
  EXPECT_EQ(form.List1->currentRow(), 24);

  // Codes that choose no calculation: nothing named, the selection stays.
  form.inpD[0]->setText("2");
  form.inpD[2]->setText("99");
  QTest::mouseClick(form.butStart, Qt::LeftButton);
  EXPECT_TRUE(form.StatusPanel2->text().isEmpty());
  EXPECT_EQ(form.List1->currentRow(), 24);
}

TEST_F(Results, CtrlShiftCCopiesTheAnswerAsOneTabSeparatedLine) {
  Calculate(LineAndCircle());
  form.inpX[0]->setFocus();
  QTest::keyClick(form.inpX[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Str(Clipboard()), Shown(form).ansX + "\t" + Shown(form).ansY + "\t\t\t");
  EXPECT_EQ(Str(Clipboard()), "8.8037\t6.2375\t\t\t");

  form.inpD[0]->setText("2");
  QTest::mouseClick(form.butStart, Qt::LeftButton);
  form.List1->setFocus();
  QTest::keyClick(form.List1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Str(Clipboard()), "\t\t\t\t入力順違いで計算出来ない");
}

TEST_F(Results, AnOutOfDateAnswerIsNotCopied) {
  Calculate(examples::kCatalogue[9]);  // 3.4: X, Y and R
  QTest::keyClicks(form.inpR[0], "0");
  ASSERT_TRUE(form.Answers().IsOutOfDate());
  QGuiApplication::clipboard()->setText("before");
  QTest::keyClick(form.inpR[0], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Str(Clipboard()), "before");
  EXPECT_FALSE(form.copyAnswerAction->isEnabled());
}

TEST_F(Results, AnswerFieldsAreSelectableAndTheirMenuCopiesAFieldOrTheLine) {
  Calculate(examples::kCatalogue[9]);
  for (QLabel* field : form.Answers().Fields()) {
    EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(field->contextMenuPolicy(), Qt::CustomContextMenu);
  }
  // A drag across the field selects its text.
  QLabel* x = form.ansX;
  QTest::mousePress(x, Qt::LeftButton, {}, QPoint(1, x->height() / 2));
  QTest::mouseMove(x, QPoint(x->width() - 1, x->height() / 2));
  QTest::mouseRelease(x, Qt::LeftButton, {}, QPoint(x->width() - 1, x->height() / 2));
  EXPECT_EQ(x->selectedText(), x->text());

  const auto menu = form.Menus().AnswerFieldMenu(form.ansY);
  ASSERT_EQ(menu->actions().size(), 2);
  menu->actions()[0]->trigger();
  EXPECT_EQ(Clipboard(), form.ansY->text());
  form.ansY->setSelection(0, 2);
  menu->actions()[0]->trigger();
  EXPECT_EQ(Clipboard(), form.ansY->text().left(2));
  EXPECT_EQ(menu->actions()[1], form.copyAnswerAction);
  menu->actions()[1]->trigger();
  EXPECT_EQ(Clipboard(), form.Answers().AnswerLine());
  EXPECT_EQ(Clipboard().count('\t'), 4);

  // An empty field has nothing to copy.
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  EXPECT_FALSE(form.Menus().AnswerFieldMenu(form.ansA)->actions()[0]->isEnabled());
}

TEST_F(Results, CtrlZRightAfterClearBringsBackTheRows) {
  const auto rows = [&] {
    std::vector<QString> texts;
    for (int row = 0; row < kRowCount; ++row) {
      for (InputBox* box : form.RowBoxes(row)) texts.push_back(box->text());
    }
    return texts;
  };
  Calculate(examples::kCatalogue[7]);
  const auto typed = rows();
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  const auto cleared = rows();
  ASSERT_NE(cleared, typed);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), typed);
  EXPECT_EQ(Shown(form), ResultCaptions{});
  EXPECT_GT(Pixels(form, kBlue), 20) << "the rows are drawn again";

  // From another control than a box, too, and after a second Clear.
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  form.List1->setFocus();
  QTest::keyClick(form.List1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), typed);

  // Not once the rows were changed: Ctrl+Z is the box's own undo then.
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  QTest::keyClicks(form.inpX[0], "7");
  QTest::keyClick(form.inpX[0], Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), cleared);
  // Nor after a calculation.
  QTest::mouseClick(form.butCLR, Qt::LeftButton);
  QTest::mouseClick(form.butStart, Qt::LeftButton);
  QTest::keyClick(form.inpX[0], Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), cleared);
}

// The window reads what the calculation reads, however long: 40,000 zeros
// before the 3 are past the 32,767 characters a line edit keeps by default.
TEST_F(Results, InputBoxesKeepTextsOfAnyLength) {
  const QString x = QString(40000, '0') + "3";
  examples::CatalogueEntry entry = examples::kCatalogue[0];
  const std::string xText = Str(x);
  entry.rows[1][colX] = xText;
  TypeRows(form, entry);
  EXPECT_EQ(form.inpX[1]->text().size(), 40001);
  QTest::mouseClick(form.butStart, Qt::LeftButton);
  EXPECT_EQ(Shown(form), draftcalc::Calculate(entry.Texts()));
  EXPECT_EQ(Str(form.ansA->text()), "53.1301");

  form.inpX[1]->clear();
  QGuiApplication::clipboard()->setText(x);
  form.inpX[1]->paste();
  EXPECT_EQ(form.inpX[1]->text(), x);
  EXPECT_FALSE(form.inpX[1]->ShowsWholeText());
  EXPECT_TRUE(form.inpX[1]->UnfocusedText().startsWith("000"));
}

}  // namespace
}  // namespace draftcalc::app
