// The picture's export from the window: PNG as shown, SVG and DXF in
// drawing units, read back with readers we did not write (Qt's SVG renderer,
// dxflib); a file dialog from Ctrl+E; a failed write shows why and leaves
// nothing behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/shortcut_priority.h"
#include "dxf_reading.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

using testing_dxf::DxfContents;

// A pixel of a colour's stroke, also where an antialiased renderer blends
// it with the white background.
bool Reddish(const QColor& c) { return c.red() - std::max(c.green(), c.blue()) > 60; }
bool Greenish(const QColor& c) { return c.green() - std::max(c.red(), c.blue()) > 40; }

std::string FileText(const QString& path) {
  std::ifstream file(path.toStdString(), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The mean position of the pixels of a colour.
QPointF CentreOf(const QImage& image, bool (*colour)(const QColor&), int* count = nullptr) {
  QPointF sum;
  int found = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (colour(image.pixelColor(x, y))) sum += QPointF(x, y), ++found;
    }
  }
  if (count != nullptr) *count = found;
  return found == 0 ? QPointF(-1, -1) : sum / found;
}

class Export : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(folder.isValid());
    TypeRows(form, examples::kCatalogue[9]);  // two circles, four candidates, an answer circle
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
    ASSERT_EQ(form.Candidates().size(), 4u);
    form.ZoomToFit();  // every figure in view
  }
  QString Path(const QString& name) const { return folder.filePath(name); }
  QMessageBox* Message() const {
    for (QMessageBox* box : form.findChildren<QMessageBox*>()) {
      if (box->isVisible()) return box;
    }
    return nullptr;
  }
  QTemporaryDir folder;
};

TEST_F(Export, PngIsThePictureAsShown) {
  ASSERT_TRUE(form.Export().ExportTo(Path("p.png"), ExportFormat::kPng));
  const QImage written(Path("p.png"));
  const QImage shown = Part<PictureBox>(form, "picture")->Grab().toImage().convertToFormat(written.format());
  EXPECT_EQ(written.size(), Part<PictureBox>(form, "picture")->size() * form.devicePixelRatio());
  EXPECT_EQ(written, shown);
}

// Rendered by Qt's SVG renderer at the picture's size, the SVG puts the
// answer and the candidates where the picture does.
TEST_F(Export, SvgHoldsTheLayersWhereThePictureHasThem) {
  ASSERT_TRUE(form.Export().ExportTo(Path("p.svg"), ExportFormat::kSvg));
  QSvgRenderer svg(Path("p.svg"));
  ASSERT_TRUE(svg.isValid());
  for (const char* layer : {"AXES", "INPUT", "CANDIDATES", "ANSWER"}) EXPECT_TRUE(svg.elementExists(layer)) << layer;
  QImage rendered(Part<PictureBox>(form, "picture")->size(), QImage::Format_RGB32);
  rendered.fill(Qt::white);
  {
    QPainter painter(&rendered);
    svg.render(&painter);
  }
  const QImage shown = Part<PictureBox>(form, "picture")->Grab().toImage();
  for (const auto colour : {Reddish, Greenish}) {
    int inSvg = 0, inPicture = 0;
    const QPointF fromSvg = CentreOf(rendered, colour, &inSvg), fromPicture = CentreOf(shown, colour, &inPicture);
    EXPECT_GT(inSvg, 50);
    EXPECT_GT(inPicture, 50);
    EXPECT_LT(QLineF(fromSvg, fromPicture).length(), 2.0);
  }
}

TEST_F(Export, DxfHoldsTheFiguresOnTheirLayersInDrawingUnits) {
  ASSERT_TRUE(form.Export().ExportTo(Path("p.dxf"), ExportFormat::kDxf));
  const DxfContents dxf(FileText(Path("p.dxf")));
  ASSERT_TRUE(dxf.read);
  EXPECT_EQ(dxf.intVariables.at("$INSUNITS"), 4);
  const auto has = [&](const std::string& entity) {
    return std::find(dxf.entities.begin(), dxf.entities.end(), entity) != dxf.entities.end();
  };
  for (const char* entity : {"CIRCLE INPUT 0 0 r10", "CIRCLE INPUT 20 0 r10", "CIRCLE CANDIDATES 5 0 r5",
                             "CIRCLE CANDIDATES 10 -11.1803 r5", "CIRCLE ANSWER 10 11.1803 r5"}) {
    EXPECT_TRUE(has(entity)) << entity;
  }

  // Rows edited after the calculation: the answer grey and dashed, no candidates.
  Box(form, 0, colR)->setText("11");
  ASSERT_TRUE(form.Export().ExportTo(Path("p.dxf"), ExportFormat::kDxf));
  const DxfContents stale(FileText(Path("p.dxf")));
  EXPECT_TRUE(std::find(stale.entities.begin(), stale.entities.end(), "CIRCLE ANSWER 10 11.1803 r5 c8 DASHED") !=
              stale.entities.end());
  EXPECT_TRUE(std::find(stale.entities.begin(), stale.entities.end(), "CIRCLE INPUT 0 0 r11") != stale.entities.end());
}

TEST_F(Export, AFailedWriteShowsWhyAndLeavesNothing) {
  {
    QFile file(Path("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  for (const QString& target : {Path("file/p"), Path("missing/p")}) {
    for (const auto& [suffix, format] : {std::pair{".png", ExportFormat::kPng}, std::pair{".svg", ExportFormat::kSvg},
                                         std::pair{".dxf", ExportFormat::kDxf}}) {
      EXPECT_FALSE(form.Export().ExportTo(target + suffix, format));
      QMessageBox* message = Message();
      ASSERT_NE(message, nullptr) << Str(target);
      EXPECT_TRUE(message->text().startsWith("Cannot write " + QDir::toNativeSeparators(target + suffix) + ": "))
          << Str(message->text());
      message->close();
      QApplication::processEvents();
    }
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"file"});
}

// Ctrl+E from an input box opens the dialog; the file chosen there is
// written in the format its suffix names.
TEST_F(Export, CtrlEOpensTheDialogAndTheChosenFileIsWritten) {
  EXPECT_EQ(form.Export().Dialog(), nullptr) << "made on first use";
  Box(form, 0, colX)->setFocus();
  QTest::keyClick(Box(form, 0, colX), Qt::Key_E, Qt::ControlModifier);
  QFileDialog* dialog = form.Export().Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  dialog->selectFile(Path("chosen.dxf"));
  static_cast<QDialog*>(dialog)->accept();  // as its Save button does
  EXPECT_TRUE(DxfContents(FileText(Path("chosen.dxf"))).read);
  EXPECT_EQ(PictureExport::FormatOfSuffix("a/b.SVG"), ExportFormat::kSvg);
  EXPECT_EQ(PictureExport::FormatOfSuffix("a/b.dxf.txt"), std::nullopt);
}

// A line edit that takes Ctrl+E for itself, as every line edit does on X11.
class EndOfLineEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_E)) {
      event->accept();
      return true;
    }
    return QLineEdit::event(event);
  }
};

TEST(ShortcutPriority, TheWindowsShortcutWinsOverAWidgetsOwnBinding) {
  QWidget window;
  auto* box = new EndOfLineEdit(&window);
  auto* action = new QAction(&window);
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  window.addAction(action);
  int triggered = 0;
  QObject::connect(action, &QAction::triggered, [&] { ++triggered; });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  box->setFocus();

  QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(triggered, 0) << "the box keeps its binding";
  ShortcutPriority priority(&window, action->shortcut());
  priority.Watch(box);
  QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(triggered, 1);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // other keys still reach the box
  EXPECT_EQ(box->selectedText(), box->text());
}

}  // namespace
}  // namespace draftcalc::app
