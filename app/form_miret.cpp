#include "app/form_miret.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeySequence>
#include <cmath>

#include "app/catalogue.h"
#include "app/form_layout.h"
#include "app/look.h"
#include "app/painter_surface.h"
#include "core/result_fields.h"

namespace draftcalc::app {
namespace {

// Design sizes in twips.
constexpr double kRowTop = 600, kRowStep = 240, kBoxHeight = 264;
constexpr double kAnswersTop = 1392;  // a little below the third row's bottom edge (1344)
constexpr double kStatusPanelWidth = 4000;

// Left edge, width and text alignment of the boxes of each column.
struct ColumnPlace {
  double left, width;
  Qt::Alignment alignment;
};
constexpr std::array<ColumnPlace, kColumnCount> kColumnPlaces = {{
    {240, 972, Qt::AlignRight},
    {1320, 852, Qt::AlignRight},
    {2280, 492, Qt::AlignHCenter},
    {2880, 852, Qt::AlignRight},
    {3840, 852, Qt::AlignRight},
    {4800, 612, Qt::AlignRight},
    {5520, 732, Qt::AlignRight},
    {6360, 372, Qt::AlignHCenter},
}};
constexpr std::array<const char*, kColumnCount> kColumnCaptions = {"[  X  ]", "[  Y  ]", "[  D  ]", "[  A  ]",
                                                                   "[  B  ]", "[  C  ]", "[  R  ]", "[ S ]"};

// Used wherever the machine has it (the set-up installs it), so that the
// Japanese captions render the same everywhere.
constexpr const char* kJapaneseFont = "IPAexGothic";

}  // namespace

Form_miret::Form_miret(QWidget* parent) : QWidget(parent) {
  scale_.twipsPerPixel = 1440.0 / logicalDpiX();
  setWindowTitle("calculate");
  SetBackground(this, kWindowGreen);
  if (QFontDatabase::hasFamily(kJapaneseFont)) setFont(QFont(kJapaneseFont, 9));
  CreateControls();
  resize(scale_.Pixels(kClientWidth), scale_.Pixels(kClientHeight));
  Form_Load();
}

Form_miret::~Form_miret() { disconnect(focusWatch_); }

void Form_miret::Place(QWidget* control, double left, double top, double width, double height) {
  control->setGeometry(scale_.Rect(left, top, width, height));
}

// Later controls lie over earlier ones where they touch: the column header
// over the first row's top edge, as designed.
void Form_miret::CreateControls() {
  CreateInputRows();
  CreateButtons();
  CreateZoomControls();
  CreateColumnHeader();
  answers_ = std::make_unique<AnswerRow>(this, scale_, kAnswersTop);
  ansX = answers_->ansX, ansY = answers_->ansY, ansA = answers_->ansA, ansR = answers_->ansR;
  ansRem = answers_->ansRem;
  CreateCatalogue();
  CreatePictureArea();
  CreateCandidatePanel();
  CreateStatusBar();
  CreateActions();
  SetTabOrder();
}

InputBox* Form_miret::CreateInputBox(double left, double top, double width, Qt::Alignment alignment) {
  auto* box = new InputBox(this, alignment);
  Place(box, left, top, width, kBoxHeight);
  // Enter in any box presses Calculate.
  connect(box, &QLineEdit::returnPressed, this, [this] { butStart->click(); });
  connect(box, &QLineEdit::textChanged, this, &Form_miret::RowsEdited);
  box->installEventFilter(this);  // Ctrl+Z right after Clear
  return box;
}

// Row by row, so that Tab moves through the boxes in reading order.
void Form_miret::CreateInputRows() {
  std::array<std::array<InputBox*, kRowCount>*, kColumnCount> columns = {&inpX, &inpY, &inpD, &inpA,
                                                                         &inpB, &inpC, &inpR, &inpS};
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      const ColumnPlace& place = kColumnPlaces[static_cast<size_t>(column)];
      (*columns[static_cast<size_t>(column)])[static_cast<size_t>(row)] =
          CreateInputBox(place.left, kRowTop + kRowStep * row, place.width, place.alignment);
    }
  }
}

void Form_miret::CreateColumnHeader() {
  Label2 = new ColumnHeader(this);
  Place(Label2, 240, 360, 6492, 252);
  const auto firstRow = RowBoxes(0);
  for (int column = 0; column < kColumnCount; ++column) {
    Label2->AddCaption(QString::fromUtf8(kColumnCaptions[static_cast<size_t>(column)]),
                       firstRow[static_cast<size_t>(column)]->geometry());
  }
}

void Form_miret::CreateButtons() {
  butStart = new QPushButton(Utf8("計算"), this);
  Place(butStart, 4800, 0, 1212, 252);
  connect(butStart, &QPushButton::clicked, this, &Form_miret::butStart_Click);
  butCLR = new QPushButton(Utf8("クリア"), this);
  Place(butCLR, 6120, 0, 612, 252);
  connect(butCLR, &QPushButton::clicked, this, &Form_miret::butCLR_Click);
}

void Form_miret::CreateZoomControls() {
  Slider1 = new QSlider(Qt::Horizontal, this);
  Place(Slider1, 2400, 0, 1692, 372);
  connect(Slider1, &QSlider::valueChanged, this, &Form_miret::Slider1_Change);
  Label1 = new QLabel("Label1", this);
  Label1->setAlignment(Qt::AlignCenter);
  Place(Label1, 4080, 0, 612, 372);
}

void Form_miret::CreateCatalogue() {
  Label3 = new QLabel(Utf8("入力データガイド"), this);
  Place(Label3, 6840, 120, 2292, 252);
  List1 = new QListWidget(this);
  List1->setSortingEnabled(false);
  Place(List1, 6840, 360, 2292, 948);
}

void Form_miret::CreatePictureArea() {
  Picture1 = new PictureBox(
      this, [this](QPainter& painter) { Picture1_Paint(painter); }, [this](QPointF at) { return Picture1_Click(at); });
  Place(Picture1, 480, 1920, 3012, 2652);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  Place(VScroll1, 3600, 1800, kScrollBarThickness, 2652);
  HScroll1 = new QScrollBar(Qt::Horizontal, this);
  Place(HScroll1, 360, 4680, 3012, kScrollBarThickness);
  connect(HScroll1, &QScrollBar::valueChanged, this, &Form_miret::HScroll1_Change);
  connect(VScroll1, &QScrollBar::valueChanged, this, &Form_miret::VScroll1_Change);
}

void Form_miret::CreateStatusBar() {
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  SetBackground(StatusBar1, QApplication::palette().color(QPalette::Window));
  StatusPanel1 = new QLabel(StatusBar1);
  StatusBar1->addWidget(StatusPanel1);
  StatusPanel2 = new QLabel(StatusBar1);
  StatusBar1->addWidget(StatusPanel2, 1);
  Place(StatusBar1, 0, 7152, kClientWidth, kStatusBarHeight);
}

// Window-wide keys. Ctrl+Z inside an input box reaches the box first and is
// taken over by the event filter; this action serves the other controls.
void Form_miret::CreateActions() {
  copyAnswerAction = new QAction("Copy answer line", this);
  copyAnswerAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyAnswerAction->setEnabled(false);
  connect(copyAnswerAction, &QAction::triggered, this, &Form_miret::CopyAnswerLine);
  helpAction = new QAction("Help", this);
  helpAction->setShortcut(QKeySequence::HelpContents);
  connect(helpAction, &QAction::triggered, this, &Form_miret::ShowHelp);
  aboutAction = new QAction("About draftcalc", this);
  connect(aboutAction, &QAction::triggered, this, &Form_miret::ShowAbout);
  undoClearAction = new QAction("Undo Clear", this);
  undoClearAction->setShortcut(QKeySequence::Undo);
  connect(undoClearAction, &QAction::triggered, this, &Form_miret::UndoClear);
  addActions({copyAnswerAction, helpAction, undoClearAction});

  menus_ = std::make_unique<ContextMenus>(copyAnswerAction, aboutAction);
  for (QLabel* field : answers_->Fields()) menus_->AttachToAnswerField(field);
  CreateCandidateActions();
  CreateViewActions();
  CreateHistoryActions();
  CreateFileActions();
  menus_->SetPictureActions({fitAction, fitAfterCalculationAction, exportAction, nullptr, openAction, saveAction,
                             nullptr, showHistoryAction, keepHistoryAction},
                            [this] {
                              FitsAfterCalculation();
                              keepHistoryAction->setChecked(KeepsHistory());
                            });
  menus_->AttachToPicture(Picture1);
}

void Form_miret::SetTabOrder() {
  QWidget* previous = inpX[0];
  for (int row = 0; row < kRowCount; ++row) {
    for (InputBox* box : RowBoxes(row)) {
      if (box != previous) setTabOrder(previous, box);
      previous = box;
    }
  }
  setTabOrder(previous, butStart);
  setTabOrder(butStart, butCLR);
  setTabOrder(butCLR, Picture1);
  setTabOrder(Picture1, candidatePanel);
}

void Form_miret::Form_Load() {
  SetRows(StartupRows());
  FillCatalogue();
  calc.elemNo = 1;
  ClearResults(calc);
  ShowResults();
  SetBackground(Picture1, PaletteColour(view::kWhite));
  loadingFlag = 1;
  ansBottom = static_cast<int>(std::lround(answers_->Bottom()));
  statusHeight = static_cast<int>(std::lround(kStatusBarHeight));
  HScroll1->setMinimum(0);
  HScroll1->setMaximum(50);
  VScroll1->setMinimum(0);
  VScroll1->setMaximum(50);
  zoomScale = 1;
  StatusPanel1->setFixedWidth(scale_.Pixels(kStatusPanelWidth));
  panelWidthTwips_ = candidatePanel->DesignWidth() * scale_.twipsPerPixel;
  Slider1->setMinimum(0);
  Slider1->setMaximum(500);
  Slider1->setSingleStep(10);
  Slider1->setPageStep(20);
  Slider1->setValue(100);  // from the design value 0: runs Slider1_Change
  HScroll1->setValue(20);
  VScroll1->setValue(30);
  corner_ = view::CornerFor(HScroll1->value(), VScroll1->value());
  loadingFlag = 0;
  Form_Resize();  // the view and its corner in the status bar from the start
}

void Form_miret::FillCatalogue() {
  for (std::string_view line : kCatalogue) List1->addItem(Utf8(line));
  List1->setCurrentRow(kCatalogueStartIndex);
}

RowTexts Form_miret::CurrentRows() const {
  RowTexts rows;
  for (int row = 0; row < kRowCount; ++row) {
    const auto boxes = RowBoxes(row);
    for (int column = 0; column < kColumnCount; ++column) {
      rows[static_cast<size_t>(row * kColumnCount + column)] = boxes[static_cast<size_t>(column)]->text();
    }
  }
  return rows;
}

void Form_miret::SetRows(const RowTexts& rows) {
  settingRows_ = true;
  for (int row = 0; row < kRowCount; ++row) {
    const auto boxes = RowBoxes(row);
    for (int column = 0; column < kColumnCount; ++column) {
      boxes[static_cast<size_t>(column)]->setText(rows[static_cast<size_t>(row * kColumnCount + column)]);
    }
  }
  settingRows_ = false;
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

}  // namespace draftcalc::app
