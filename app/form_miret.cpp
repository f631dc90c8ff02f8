#include "app/form_miret.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QResizeEvent>
#include <cmath>

#include "app/catalogue.h"
#include "app/painter_surface.h"
#include "core/calculation.h"
#include "core/result_fields.h"
#include "view/drawing.h"

namespace draftcalc::app {
namespace {

// Design sizes in twips.
constexpr double kClientWidth = 9288, kClientHeight = 7524;
constexpr double kRowTop = 600, kRowStep = 240, kBoxHeight = 264;
constexpr double kResultTop = 1440, kResultHeight = 252;
constexpr double kScrollBarThickness = 372;
constexpr double kStatusBarHeight = 372;
constexpr double kStatusPanelWidth = 4000;

// Used wherever the machine has it (the set-up installs it), so that the
// Japanese captions render the same everywhere.
constexpr const char* kJapaneseFont = "IPAexGothic";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

Form_miret::Form_miret(QWidget* parent) : QWidget(parent) {
  twipsPerPixel = 1440.0 / logicalDpiX();
  setWindowTitle("calculate");
  SetBackground(this, QColor(128, 255, 128));
  if (QFontDatabase::hasFamily(kJapaneseFont)) setFont(QFont(kJapaneseFont, 9));
  CreateControls();
  resize(static_cast<int>(std::lround(kClientWidth / twipsPerPixel)),
         static_cast<int>(std::lround(kClientHeight / twipsPerPixel)));
  Form_Load();
}

// Edges are rounded to pixels, not sizes, so that controls that meet in
// twips meet on the screen too.
void Form_miret::Place(QWidget* control, double left, double top, double width, double height) {
  const auto px = [this](double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
  const int x = px(left), y = px(top);
  control->setGeometry(x, y, std::max(0, px(left + width) - x), std::max(0, px(top + height) - y));
}

QLineEdit* Form_miret::CreateInputBox(double left, double top, double width, Qt::Alignment alignment) {
  auto* box = new QLineEdit(this);
  box->setAlignment(alignment | Qt::AlignVCenter);
  box->setTextMargins(1, 0, 1, 0);
  Place(box, left, top, width, kBoxHeight);
  // Enter in any box presses Calculate.
  connect(box, &QLineEdit::returnPressed, this, [this] { butStart->click(); });
  return box;
}

QLabel* Form_miret::CreateResultLabel(double left, const QColor& background) {
  auto* label = new QLabel(this);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetBackground(label, background);
  Place(label, left, kResultTop, 1092, kResultHeight);
  return label;
}

void Form_miret::CreateControls() {
  // The input boxes first, row by row, so that Tab moves through them in
  // reading order.
  for (int row = 0; row < kRowCount; ++row) {
    const double top = kRowTop + kRowStep * row;
    inpX[row] = CreateInputBox(240, top, 972, Qt::AlignRight);
    inpY[row] = CreateInputBox(1320, top, 852, Qt::AlignRight);
    inpD[row] = CreateInputBox(2280, top, 492, Qt::AlignHCenter);
    inpA[row] = CreateInputBox(2880, top, 852, Qt::AlignRight);
    inpB[row] = CreateInputBox(3840, top, 852, Qt::AlignRight);
    inpC[row] = CreateInputBox(4800, top, 612, Qt::AlignRight);
    inpR[row] = CreateInputBox(5520, top, 732, Qt::AlignRight);
    inpS[row] = CreateInputBox(6360, top, 372, Qt::AlignHCenter);
    inpX[row]->setText("0.000");
    inpY[row]->setText("0.000");
  }
  inpD[2]->setText("99");

  butStart = new QPushButton(Text("計算"), this);
  Place(butStart, 4800, 0, 1212, 252);
  connect(butStart, &QPushButton::clicked, this, &Form_miret::butStart_Click);
  butCLR = new QPushButton(Text("クリア"), this);
  Place(butCLR, 6120, 0, 612, 252);
  connect(butCLR, &QPushButton::clicked, this, &Form_miret::butCLR_Click);

  Slider1 = new QSlider(Qt::Horizontal, this);
  Place(Slider1, 2400, 0, 1692, 372);
  Label1 = new QLabel("Label1", this);
  Label1->setAlignment(Qt::AlignCenter);
  Place(Label1, 4080, 0, 612, 372);
  Label2 = new QLabel(Text("      [  X  ]        [  Y  ]    [  D  ]      [  A  ]        [  B  ]      [  C  ]     "
                           "[  R  ]    [ S ]"),
                      this);
  SetBackground(Label2, QColor(255, 224, 192));
  Place(Label2, 240, 360, 6492, 252);

  const QColor resultBackground(255, 255, 192);
  ansX = CreateResultLabel(120, resultBackground);
  ansY = CreateResultLabel(1320, resultBackground);
  ansA = CreateResultLabel(2640, resultBackground);
  ansR = CreateResultLabel(5520, resultBackground);
  ansRem = CreateResultLabel(3840, QColor(255, 255, 255));
  Place(ansRem, 3840, kResultTop, 1572, kResultHeight);

  Label3 = new QLabel(Text("入力データガイド"), this);
  Place(Label3, 6840, 120, 2292, 252);
  List1 = new QListWidget(this);
  List1->setSortingEnabled(false);
  Place(List1, 6840, 360, 2292, 948);

  Picture1 = new PictureBox(this, [this](QPainter& painter) { Picture1_Paint(painter); });
  Place(Picture1, 480, 1920, 3012, 2652);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  Place(VScroll1, 3600, 1800, kScrollBarThickness, 2652);
  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  Place(HScroll1, 360, 4680, 3012, kScrollBarThickness);
  connect(HScroll1, &QScrollBar::valueChanged, this, &Form_miret::HScroll1_Change);
  connect(VScroll1, &QScrollBar::valueChanged, this, &Form_miret::VScroll1_Change);
  connect(Slider1, &QSlider::valueChanged, this, &Form_miret::Slider1_Change);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  SetBackground(StatusBar1, QApplication::palette().color(QPalette::Window));
  StatusPanel1 = new QLabel(StatusBar1);
  StatusBar1->addWidget(StatusPanel1);
  Place(StatusBar1, 0, 7152, kClientWidth, kStatusBarHeight);

  QWidget* previous = inpX[0];
  for (int row = 0; row < kRowCount; ++row) {
    for (QLineEdit* box : RowBoxes(row)) {
      if (box != previous) setTabOrder(previous, box);
      previous = box;
    }
  }
  setTabOrder(previous, butStart);
  setTabOrder(butStart, butCLR);
}

void Form_miret::Form_Load() {
  FillCatalogue();
  calc.elemNo = 1;
  ClearResults(calc);
  ShowCaptions();
  SetBackground(Picture1, PaletteColour(view::kWhite));
  loadingFlag = 1;
  ansBottom = static_cast<int>(std::lround(kResultTop + kResultHeight));
  statusHeight = static_cast<int>(std::lround(kStatusBarHeight));
  HScroll1->setMinimum(0);
  HScroll1->setMaximum(50);
  VScroll1->setMinimum(0);
  VScroll1->setMaximum(50);
  zoomScale = 1;
  StatusPanel1->setFixedWidth(static_cast<int>(std::lround(kStatusPanelWidth / twipsPerPixel)));
  Slider1->setMinimum(0);
  Slider1->setMaximum(500);
  Slider1->setSingleStep(10);
  Slider1->setPageStep(20);
  Slider1->setValue(100);  // from the design value 0: runs Slider1_Change
  HScroll1->setValue(20);
  VScroll1->setValue(30);
  loadingFlag = 0;
}

void Form_miret::FillCatalogue() {
  for (std::string_view line : kCatalogue) List1->addItem(Text(line));
  List1->setCurrentRow(kCatalogueStartIndex);
}

void Form_miret::ReadBoxes(BoxTexts& texts) const {
  for (int row = 0; row < kRowCount; ++row) {
    const auto boxes = RowBoxes(row);
    for (int column = 0; column < kColumnCount; ++column) {
      auto& text = texts.storage[static_cast<size_t>(row)][static_cast<size_t>(column)];
      text = boxes[static_cast<size_t>(column)]->text().toStdString();
      texts.views(row, static_cast<Column>(column)) = text;
    }
  }
}

void Form_miret::ShowCaptions() {
  ansX->setText(QString::fromStdString(calc.captions.ansX));
  ansY->setText(QString::fromStdString(calc.captions.ansY));
  ansA->setText(QString::fromStdString(calc.captions.ansA));
  ansR->setText(QString::fromStdString(calc.captions.ansR));
  ansRem->setText(QString::fromStdString(calc.captions.ansRem));
}

void Form_miret::butStart_Click() {
  BoxTexts texts;
  ReadBoxes(texts);
  RunCalculation(calc, texts.views);
  ShowCaptions();
  Redraw();
}

// Resets the boxes and the results; the picture keeps its drawing until the
// next calculation or view change.
void Form_miret::butCLR_Click() {
  for (int row = 0; row < kRowCount; ++row) {
    inpX[row]->setText("0.000");
    inpY[row]->setText("0.000");
    for (QLineEdit* box : {inpD[row], inpA[row], inpB[row], inpC[row], inpR[row], inpS[row]}) box->clear();
  }
  inpD[2]->setText("99");
  ClearResults(calc);
  ShowCaptions();
}

void Form_miret::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The status bar keeps to the bottom edge at full width.
  const int statusPixels = static_cast<int>(std::lround(kStatusBarHeight / twipsPerPixel));
  StatusBar1->setGeometry(0, height() - statusPixels, width(), statusPixels);
  Form_Resize();
}

// Lays out the picture area and its scroll bars for the window's size and
// sets the coordinate window; does not redraw.
void Form_miret::Form_Resize() {
  if (loadingFlag == 1) return;
  if (isMinimized()) return;

  const QSize frameExtra = frameGeometry().size() - size();
  const view::Size outer{frameGeometry().width() * twipsPerPixel, frameGeometry().height() * twipsPerPixel};
  if (const auto enforced = view::EnforcedOuterSize(outer)) {
    // Raises the resize event again, which lays out for the new size.
    resize(static_cast<int>(std::lround(enforced->width / twipsPerPixel)) - frameExtra.width(),
           static_cast<int>(std::lround(enforced->height / twipsPerPixel)) - frameExtra.height());
  }

  const view::Size client{width() * twipsPerPixel, height() * twipsPerPixel};
  const view::ViewLayout layout =
      view::LayoutViewArea(client, ansBottom, statusHeight, kScrollBarThickness, kScrollBarThickness);
  Place(Picture1, layout.picture.left, layout.picture.top, layout.picture.width, layout.picture.height);
  Place(HScroll1, layout.hScroll.left, layout.hScroll.top, layout.hScroll.width, layout.hScroll.height);
  Place(VScroll1, layout.vScroll.left, layout.vScroll.top, layout.vScroll.width, layout.vScroll.height);
  Label1->setText(QString::number(Slider1->value()) + "%");

  pictureWidthTwips = layout.picture.width;
  pictureHeightTwips = layout.picture.height;
  coordinateWindow.width = view::ScaleWidthFor(pictureWidthTwips, zoomScale);
  coordinateWindow.height = view::ScaleHeightFor(pictureHeightTwips, zoomScale);
  ApplyHorizontalScroll();
  ApplyVerticalScroll();
}

void Form_miret::Slider1_Change() {
  // 0 % would show nothing; setting 10 runs this handler again first.
  if (Slider1->value() == 0) Slider1->setValue(10);
  Label1->setText(QString::number(Slider1->value()) + "%");
  zoomScale = Slider1->value() / 100.0;
  Form_Resize();
  Redraw();
}

void Form_miret::HScroll1_Change() {
  if (loadingFlag == 1) return;
  ApplyHorizontalScroll();
  UpdateCoordinateText();
  Redraw();
}

void Form_miret::VScroll1_Change() {
  if (loadingFlag == 1) return;
  ApplyVerticalScroll();
  UpdateCoordinateText();
  Redraw();
}

void Form_miret::ApplyHorizontalScroll() { coordinateWindow.left = view::LeftEdgeFor(HScroll1->value()); }
void Form_miret::ApplyVerticalScroll() { coordinateWindow.top = view::TopEdgeFor(VScroll1->value()); }

void Form_miret::UpdateCoordinateText() {
  StatusPanel1->setText(QString::fromStdString(view::CoordinateText(coordinateWindow)));
}

void Form_miret::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  // Only a click on the window itself, not one passed on by a control.
  if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) Form_Click();
}

void Form_miret::Form_Click() { Redraw(); }

// Qt paints only inside paint events: the picture is repainted at once, and
// its paint handler draws everything from the current texts and captions.
void Form_miret::Redraw() { Picture1->repaint(); }

void Form_miret::Picture1_Paint(QPainter& painter) {
  const QRectF area(Picture1->rect());
  if (area.isEmpty()) return;
  BoxTexts texts;
  ReadBoxes(texts);
  const ResultCaptions shown{ansX->text().toStdString(), ansY->text().toStdString(), ansA->text().toStdString(),
                             ansR->text().toStdString(), ansRem->text().toStdString()};
  PainterSurface surface(painter, view::MappingFor(coordinateWindow, zoomScale, twipsPerPixel), area);
  view::Drawing(surface, texts.views, shown, coordinateWindow).Redraw();
}

QPointF Form_miret::PictureAreaPoint(double x, double y) const {
  const view::PixelMapping mapping = view::MappingFor(coordinateWindow, zoomScale, twipsPerPixel);
  return {mapping.PixelX(x), mapping.PixelY(y)};
}

}  // namespace draftcalc::app
