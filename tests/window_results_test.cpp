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

#include "app/look.h"
#include "engine/calculation.h"
#include "session/catalogue.h"
#include "view/view_geometry.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

const QColor kRed(255, 0, 0), kGrey(128, 128, 128), kBlue(0, 0, 255), kBlack(0, 0, 0);

int Pixels(const Form_miret& form, const QColor& colour) {
  return CountPixels(Part<PictureBox>(form, "picture")->grab().toImage(), [&](const QColor& c) { return c == colour; });
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
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  }
  static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(Results, ClearEmptiesResultsAndPictureAndFocusesTheFirstBox) {
  Calculate(LineAndCircle());
  ASSERT_GT(Pixels(form, kRed), 8);
  Box(form, 1, colR)->setFocus();

  PaintCounter counter(Part<PictureBox>(form, "picture"));
  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  EXPECT_EQ(counter.paints, 1) << "redrawn at once";
  EXPECT_EQ(Shown(form), ResultCaptions{});
  EXPECT_EQ(Pixels(form, kRed) + Pixels(form, kGrey) + Pixels(form, kBlue), 0);
  EXPECT_GT(Pixels(form, kBlack), 20);  // the axis cross
  EXPECT_EQ(QApplication::focusWidget(), Box(form, 0, colX));
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_TRUE(Part<QLabel>(form, "calculationPanel")->text().isEmpty());
}

TEST_F(Results, EditingARowGreysTheResultsAndDashesTheAnswerUntilTheNextCalculation) {
  Calculate(LineAndCircle());
  const ResultCaptions calculated = Shown(form);
  ASSERT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_EQ(Part<QLabel>(form, "ansX")->palette().color(QPalette::Window), kAnswerYellow);

  const int blueBefore = Pixels(form, kBlue);
  PaintCounter counter(Part<PictureBox>(form, "picture"));
  QTest::keyClicks(Box(form, 1, colR), "5");  // radius 4 becomes 45
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
  QTest::keyClick(Box(form, 1, colR), Qt::Key_Backspace);
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_GT(Pixels(form, kRed), 8);
  EXPECT_EQ(Part<QLabel>(form, "ansRem")->palette().color(QPalette::Window), kRemarkWhite);

  QTest::keyClicks(Box(form, 0, colX), "1");
  ASSERT_TRUE(form.Answers().IsOutOfDate());
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_FALSE(form.Answers().IsOutOfDate());
  EXPECT_EQ(Pixels(form, kGrey), 0);
}

TEST_F(Results, StatusBarShowsTheViewCornerAfterEveryChange) {
  const auto shows = [&] {
    return Str(Part<QLabel>(form, "cornerPanel")->text()) == view::CoordinateText(form.ShownWindow());
  };
  EXPECT_TRUE(shows()) << Str(Part<QLabel>(form, "cornerPanel")->text());
  const QString atStart = Part<QLabel>(form, "cornerPanel")->text();
  form.resize(form.width(), form.height() + 90);
  QCoreApplication::processEvents();
  EXPECT_TRUE(shows());
  EXPECT_NE(Part<QLabel>(form, "cornerPanel")->text(), atStart);
  Part<QSlider>(form, "zoomSlider")->setValue(250);
  EXPECT_TRUE(shows());
  Part<QScrollBar>(form, "vScroll")->setValue(10);
  EXPECT_TRUE(shows());
  Part<QScrollBar>(form, "hScroll")->setValue(40);
  EXPECT_TRUE(shows());
}

TEST_F(Results, CatalogueSelectsAndStatusBarNamesTheCalculationThatRan) {
  for (size_t k = 1; k <= examples::kCatalogue.size(); ++k) {
    const auto id = static_cast<CalculationId>(k);
    Calculate(examples::kCatalogue[k - 1]);
    EXPECT_EQ(Part<QListWidget>(form, "catalogue")->currentRow(), session::CatalogueTitleIndex(id))
        << CatalogueNumber(id);
    EXPECT_EQ(Str(Part<QListWidget>(form, "catalogue")->currentItem()->text()).substr(0, 3), CatalogueNumber(id));
    EXPECT_EQ(Str(Part<QLabel>(form, "calculationPanel")->text()), session::CatalogueTitle(id));
    EXPECT_TRUE(Part<QListWidget>(form, "catalogue")
                    ->viewport()
                    ->rect()
                    .contains(Part<QListWidget>(form, "catalogue")
                                  ->visualItemRect(Part<QListWidget>(form, "catalogue")->currentItem())));
  }
  // The same rows take 3.1 or 3.2 as the point's distance decides.
  Calculate(examples::kCatalogue[7]);
  EXPECT_EQ(Str(Part<QLabel>(form, "calculationPanel")->text()),
            session::CatalogueTitle(CalculationId::kCircleTouchingCircleAndTangent));
  Box(form, 2, colX)->setText("8");
  Box(form, 1, colC)->setText("5");
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_EQ(Str(Part<QLabel>(form, "calculationPanel")->text()),
            session::CatalogueTitle(CalculationId::kCircleThroughPointTouchingCircle));
  EXPECT_EQ(Part<QListWidget>(form, "catalogue")->currentRow(), 24);

  // Codes that choose no calculation: nothing named, the selection stays.
  Box(form, 0, colD)->setText("2");
  Box(form, 2, colD)->setText("99");
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_TRUE(Part<QLabel>(form, "calculationPanel")->text().isEmpty());
  EXPECT_EQ(Part<QListWidget>(form, "catalogue")->currentRow(), 24);
}

TEST_F(Results, CtrlShiftCCopiesTheAnswerAsOneTabSeparatedLine) {
  Calculate(LineAndCircle());
  Box(form, 0, colX)->setFocus();
  QTest::keyClick(Box(form, 0, colX), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Str(Clipboard()), Shown(form).ansX + "\t" + Shown(form).ansY + "\t\t\t");
  EXPECT_EQ(Str(Clipboard()), "8.8037\t6.2375\t\t\t");

  Box(form, 0, colD)->setText("2");
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  Part<QListWidget>(form, "catalogue")->setFocus();
  QTest::keyClick(Part<QListWidget>(form, "catalogue"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Str(Clipboard()), "\t\t\t\t入力順違いで計算出来ない");
}

TEST_F(Results, AnOutOfDateAnswerIsNotCopied) {
  Calculate(examples::kCatalogue[9]);  // 3.4: X, Y and R
  QTest::keyClicks(Box(form, 0, colR), "0");
  ASSERT_TRUE(form.Answers().IsOutOfDate());
  QGuiApplication::clipboard()->setText("before");
  QTest::keyClick(Box(form, 0, colR), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Str(Clipboard()), "before");
  EXPECT_FALSE(Part<QAction>(form, "copyAnswer")->isEnabled());
}

TEST_F(Results, AnswerFieldsAreSelectableAndTheirMenuCopiesAFieldOrTheLine) {
  Calculate(examples::kCatalogue[9]);
  for (QLabel* field : form.Answers().Fields()) {
    EXPECT_TRUE(field->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(field->contextMenuPolicy(), Qt::CustomContextMenu);
  }
  // A drag across the field selects its text.
  QLabel* x = Part<QLabel>(form, "ansX");
  QTest::mousePress(x, Qt::LeftButton, {}, QPoint(1, x->height() / 2));
  QTest::mouseMove(x, QPoint(x->width() - 1, x->height() / 2));
  QTest::mouseRelease(x, Qt::LeftButton, {}, QPoint(x->width() - 1, x->height() / 2));
  EXPECT_EQ(x->selectedText(), x->text());

  const auto menu = form.Menus().AnswerFieldMenu(Part<QLabel>(form, "ansY"));
  ASSERT_EQ(menu->actions().size(), 2);
  menu->actions()[0]->trigger();
  EXPECT_EQ(Clipboard(), Part<QLabel>(form, "ansY")->text());
  Part<QLabel>(form, "ansY")->setSelection(0, 2);
  menu->actions()[0]->trigger();
  EXPECT_EQ(Clipboard(), Part<QLabel>(form, "ansY")->text().left(2));
  EXPECT_EQ(menu->actions()[1], Part<QAction>(form, "copyAnswer"));
  menu->actions()[1]->trigger();
  EXPECT_EQ(Clipboard(), form.Answers().AnswerLine());
  EXPECT_EQ(Clipboard().count('\t'), 4);

  // An empty field has nothing to copy.
  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  EXPECT_FALSE(form.Menus().AnswerFieldMenu(Part<QLabel>(form, "ansA"))->actions()[0]->isEnabled());
}

// Ctrl+Z undoes what the program did to the rows, Clear here, with the
// answer they had; Ctrl+Shift+Z (and Ctrl+Y) redoes it. In a box with
// typing of its own, Ctrl+Z undoes that first.
TEST_F(Results, CtrlZUndoesClearWithItsAnswerAndCtrlShiftZRedoesIt) {
  const auto rows = [&] {
    std::vector<QString> texts;
    for (int row = 0; row < kRowCount; ++row) {
      for (InputBox* box : RowBoxes(form, row)) texts.push_back(box->text());
    }
    return texts;
  };
  Calculate(examples::kCatalogue[7]);
  const auto typed = rows();
  const ResultCaptions answer = Shown(form);
  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  const auto cleared = rows();
  ASSERT_NE(cleared, typed);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), typed);
  EXPECT_EQ(Shown(form), answer) << "calculated again, as they were";
  EXPECT_GT(Pixels(form, kBlue), 20) << "the rows are drawn again";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(rows(), cleared);
  EXPECT_EQ(Shown(form), ResultCaptions{});

  // From another control than a box, too, and after a second Clear; Ctrl+Y redoes.
  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  Part<QListWidget>(form, "catalogue")->setFocus();
  QTest::keyClick(Part<QListWidget>(form, "catalogue"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), typed);
  QTest::keyClick(Part<QListWidget>(form, "catalogue"), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(rows(), cleared);
  EXPECT_FALSE(Part<QAction>(form, "redo")->isEnabled()) << "nothing more to redo";

  // The box's own typing first, then the Clear before it.
  QTest::keyClicks(Box(form, 0, colX), "7");
  QTest::keyClick(Box(form, 0, colX), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), cleared);
  QTest::keyClick(Box(form, 0, colX), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), typed);
  // Undone once more: nothing is left to undo, and Ctrl+Z changes nothing.
  while (Part<QAction>(form, "undo")->isEnabled()) Part<QAction>(form, "undo")->trigger();
  const auto first = rows();
  QTest::keyClick(Part<QListWidget>(form, "catalogue"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), first);
}

// The window reads what the calculation reads, however long: 40,000 zeros
// before the 3 are past the 32,767 characters a line edit keeps by default.
TEST_F(Results, InputBoxesKeepTextsOfAnyLength) {
  const QString x = QString(40000, '0') + "3";
  examples::CatalogueEntry entry = examples::kCatalogue[0];
  const std::string xText = Str(x);
  entry.rows[1][colX] = xText;
  TypeRows(form, entry);
  EXPECT_EQ(Box(form, 1, colX)->text().size(), 40001);
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  EXPECT_EQ(Shown(form), draftcalc::Calculate(entry.Texts()));
  EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "53.1301");

  Box(form, 1, colX)->clear();
  QGuiApplication::clipboard()->setText(x);
  Box(form, 1, colX)->paste();
  EXPECT_EQ(Box(form, 1, colX)->text(), x);
  EXPECT_FALSE(Box(form, 1, colX)->ShowsWholeText());
  EXPECT_TRUE(Box(form, 1, colX)->UnfocusedText().startsWith("000"));
}

}  // namespace
}  // namespace draftcalc::app
