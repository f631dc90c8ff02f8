#include "app/form_miret.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMouseEvent>
#include <QResizeEvent>
#include <cmath>

#include "app/actions.h"
#include "app/form_layout.h"
#include "app/language.h"
#include "app/look.h"
#include "session/catalogue.h"

namespace draftcalc::app {
namespace {

constexpr double kAnswersTop = 1392;  // a little below the third row's bottom edge (1344)

// Used wherever the machine has it (the set-up installs it), so that the
// Japanese captions render the same everywhere.
constexpr const char* kJapaneseFont = "IPAexGothic";

}  // namespace

Form_miret::Form_miret(QWidget* parent)
    : QWidget(parent), scale_{1440.0 / logicalDpiX()}, session_(scale_.twipsPerPixel) {
  setWindowTitle("calculate");
  SetBackground(this, kWindowGreen);
  if (QFontDatabase::hasFamily(kJapaneseFont)) setFont(QFont(kJapaneseFont, 9));
  session_.SetLanguage(CurrentLanguage());
  CreateControls();
  session_.AskFitAfterCalculation([this] {
    picture_->ReadFitSetting();
    return picture_->FitAfterCalculationAction()->isChecked();
  });
  resize(scale_.Pixels(kClientWidth), scale_.Pixels(kClientHeight));
  loaded_ = true;
  LayOut();  // the view and its corner in the status bar from the start
}

Form_miret::~Form_miret() { disconnect(focusWatch_); }

// Later controls lie over earlier ones where they touch: the column header
// over the first row's top edge, as designed.
void Form_miret::CreateControls() {
  rows_ = std::make_unique<InputRows>(
      this, scale_,
      InputRows::Handlers{[this](size_t box, const QString& text) { Typed(box, text); },
                          [this] { calculate_->click(); }, [this] { return Undo(); }, [this] { return Redo(); }});
  rows_->Show(session_.Boxes());
  for (InputBox* box : rows_->Boxes()) box->installEventFilter(this);  // a dropped CSV file
  CreateButtons();
  answers_ = std::make_unique<AnswerRow>(this, scale_, kAnswersTop);
  answersBottom_ = answers_->Bottom();
  CreateCatalogue();
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName("statusBar");
  statusBar_->setSizeGripEnabled(false);
  SetBackground(statusBar_, QApplication::palette().color(QPalette::Window));
  statusBar_->setGeometry(scale_.Rect(0, 7152, kClientWidth, kStatusBarHeight));
  picture_ = std::make_unique<PictureArea>(this, Core(), scale_, statusBar_, [this](QPointF at) {
    return candidates_->Click(at, [this](double x, double y) { return picture_->PixelOf(x, y); });
  });
  calculationPanel_ = new QLabel(statusBar_);
  calculationPanel_->setObjectName("calculationPanel");
  statusBar_->addWidget(calculationPanel_, 1);
  for (InputBox* box : rows_->Boxes()) picture_->LetExportThrough(box);
  CreateActions();
  candidates_ = std::make_unique<CandidatesFeature>(this, Core(), *menus_, [this] { history_->HideList(); });
  panelWidth_ = candidates_->Panel()->DesignWidth() * scale_.twipsPerPixel;
  history_ = std::make_unique<HistoryFeature>(this, Core(), candidates_->Panel(), rows_->First());
  files_ = std::make_unique<RowsFiles>(this, Core(), statusBar_);
  CreatePictureMenu();
  // Which line Ctrl+Shift+C copies follows the focus.
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { EnableActions(); });
  SetTabOrder();
  EnableActions();
}

void Form_miret::CreateButtons() {
  calculate_ = new QPushButton(this);
  texts_.Set(calculate_, "text", QT_TRANSLATE_NOOP("draftcalc", "計算"));
  calculate_->setObjectName("calculate");
  calculate_->setGeometry(scale_.Rect(4800, 0, 1212, 252));
  connect(calculate_, &QPushButton::clicked, this, &Form_miret::CalculateClicked);
  clear_ = new QPushButton(this);
  texts_.Set(clear_, "text", QT_TRANSLATE_NOOP("draftcalc", "クリア"));
  clear_->setObjectName("clear");
  clear_->setGeometry(scale_.Rect(6120, 0, 612, 252));
  connect(clear_, &QPushButton::clicked, this, &Form_miret::ClearClicked);
}

void Form_miret::CreateCatalogue() {
  auto* caption = new QLabel(this);
  texts_.Set(caption, "text", QT_TRANSLATE_NOOP("draftcalc", "入力データガイド"));
  caption->setObjectName("catalogueCaption");
  caption->setGeometry(scale_.Rect(6840, 120, 2292, 252));
  catalogue_ = new QListWidget(this);
  catalogue_->setObjectName("catalogue");
  catalogue_->setSortingEnabled(false);
  catalogue_->setGeometry(scale_.Rect(6840, 360, 2292, 948));
  // The titles in the window's language; the guide lines are the same in both.
  for (std::string_view line : session::kCatalogue) catalogue_->addItem(Translated(line.data()));
  catalogue_->setCurrentRow(session::kCatalogueStartIndex);
}

// Window-wide keys. Ctrl+Z and Ctrl+Shift+Z inside an input box reach the
// box first (its own undo); these actions serve the other controls.
void Form_miret::CreateActions() {
  copyAnswer_ = NewAction(this, texts_, "copyAnswer", QT_TRANSLATE_NOOP("draftcalc", "Copy answer line"),
                          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
  connect(copyAnswer_, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(answers_->AnswerLine()); });
  helpAction_ = NewAction(this, texts_, "help", QT_TRANSLATE_NOOP("draftcalc", "Help"),
                          QKeySequence::keyBindings(QKeySequence::HelpContents));
  connect(helpAction_, &QAction::triggered, this, &Form_miret::ShowHelp);
  aboutAction_ = NewAction(this, texts_, "about", QT_TRANSLATE_NOOP("draftcalc", "About draftcalc"));
  connect(aboutAction_, &QAction::triggered, this, &Form_miret::ShowAbout);
  undo_ = NewAction(this, texts_, "undo", QT_TRANSLATE_NOOP("draftcalc", "Undo"),
                    QKeySequence::keyBindings(QKeySequence::Undo));
  connect(undo_, &QAction::triggered, this, &Form_miret::Undo);
  // Ctrl+Shift+Z and Ctrl+Y on every platform, besides its own binding.
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  for (const QKeySequence& keys :
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
    if (!redoKeys.contains(keys)) redoKeys << keys;
  }
  redo_ = NewAction(this, texts_, "redo", QT_TRANSLATE_NOOP("draftcalc", "Redo"), redoKeys);
  connect(redo_, &QAction::triggered, this, &Form_miret::Redo);

  menus_ = std::make_unique<ContextMenus>(copyAnswer_, aboutAction_);
  for (QLabel* field : answers_->Fields()) menus_->AttachToAnswerField(field);
}

// English and 日本語, each named in its own language, one of them checked.
void Form_miret::CreateLanguageActions() {
  auto* group = new QActionGroup(this);
  english_ = new QAction("English", group);
  english_->setObjectName("languageEnglish");
  japanese_ = new QAction(Utf8("日本語"), group);
  japanese_->setObjectName("languageJapanese");
  for (QAction* action : {english_, japanese_}) action->setCheckable(true);
  (CurrentLanguage() == Language::kJapanese ? japanese_ : english_)->setChecked(true);
  connect(english_, &QAction::triggered, this, [] { UseLanguage(Language::kEnglish, true); });
  connect(japanese_, &QAction::triggered, this, [] { UseLanguage(Language::kJapanese, true); });
}

void Form_miret::CreatePictureMenu() {
  CreateLanguageActions();
  menus_->SetPictureActions(
      {picture_->FitAction(), picture_->FitAfterCalculationAction(), picture_->ExportAction(), nullptr,
       files_->OpenAction(), files_->SaveAction(), nullptr, history_->ShowAction(), history_->KeepAction(), nullptr,
       candidates_->UseAsRowActions()[0], candidates_->UseAsRowActions()[1], candidates_->UseAsRowActions()[2], nullptr,
       english_, japanese_},
      [this] {
        picture_->ReadFitSetting();
        history_->ShowSetting();
        candidates_->EnableUseAsRow();
      });
  menus_->AttachToPicture(picture_->Picture());
}

void Form_miret::SetTabOrder() {
  QWidget* previous = rows_->First();
  for (InputBox* box : rows_->Boxes()) {
    if (box != previous) setTabOrder(previous, box);
    previous = box;
  }
  setTabOrder(previous, calculate_);
  setTabOrder(calculate_, clear_);
  setTabOrder(clear_, picture_->Picture());
  setTabOrder(picture_->Picture(), candidates_->Panel());
}

void Form_miret::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The status bar keeps to the bottom edge at full width.
  const int statusPixels = scale_.Pixels(kStatusBarHeight);
  statusBar_->setGeometry(0, height() - statusPixels, width(), statusPixels);
  LayOut();
}

// Lays out the picture area, its scroll bars and the candidates panel for
// the window's size; the view takes the picture's size. Does not redraw.
void Form_miret::LayOut() {
  if (!loaded_ || isMinimized()) return;
  const double twipsPerPixel = scale_.twipsPerPixel;
  const QSize frameExtra = frameGeometry().size() - size();
  const view::Size outer{frameGeometry().width() * twipsPerPixel, frameGeometry().height() * twipsPerPixel};
  if (const auto enforced = view::EnforcedOuterSize(outer)) {
    // Raises the resize event again, which lays out for the new size.
    resize(scale_.Pixels(enforced->width) - frameExtra.width(), scale_.Pixels(enforced->height) - frameExtra.height());
  }
  const view::Size client{width() * twipsPerPixel, height() * twipsPerPixel};
  double top = answersBottom_;
  if (reason_) top += reason_->Place(scale_.Pixels(answersBottom_), width()) * twipsPerPixel;
  const view::ViewLayout layout = view::LayoutViewArea(client, std::lround(top), std::lround(kStatusBarHeight),
                                                       kScrollBarThickness, kScrollBarThickness, panelWidth_);
  candidates_->Panel()->setGeometry(
      scale_.Rect(layout.panel.left, layout.panel.top, layout.panel.width, layout.panel.height));
  history_->Place();
  picture_->Place(layout);
}

void Form_miret::Typed(size_t box, const QString& text) {
  session_.Type(box, text.toStdString());
  ShowFreshness();
  // A burst of typing paints once.
  picture_->Picture()->update();
}

void Form_miret::CalculateClicked() { Show(session_.Calculate()); }

// Resets the boxes and empties the results and the picture; Ctrl+Z brings
// them back.
void Form_miret::ClearClicked() {
  Show(session_.Clear());
  rows_->First()->setFocus();
}

bool Form_miret::Undo() {
  const session::Session::Change change = session_.Undo();
  Show(change);
  return change != session::Session::Change::kNone;
}

bool Form_miret::Redo() {
  const session::Session::Change change = session_.Redo();
  Show(change);
  return change != session::Session::Change::kNone;
}

void Form_miret::Show(session::Session::Change change) {
  if (change != session::Session::Change::kNone) {
    rows_->Show(session_.Boxes());
    if (change != session::Session::Change::kRows || !session_.HasResult()) ShowResults();
  }
  ShowFreshness();
  if (change == session::Session::Change::kNone) return;
  if (reasonHeight_ != ReasonHeight()) {
    // The reason came, went or changed its height: the picture with it.
    reasonHeight_ = ReasonHeight();
    LayOut();
    if (change == session::Session::Change::kCalculated) session_.FitAfterCalculation();
  }
  picture_->ShowView();
  picture_->Redraw();
  if (change == session::Session::Change::kCalculated) history_->Add();
}

void Form_miret::ShowResults() {
  answers_->Show(session_.Shown().captions);
  answers_->SetFailed(session_.Shown().Failed());
  candidates_->ShowCandidates();
  ShowCalculationThatRan();
  ShowReason();
}

void Form_miret::ShowReason() {
  if (!reason_ && !session_.Shown().Failed()) return;
  if (!reason_) reason_ = std::make_unique<ReasonStrip>(this, [this] { Show(session_.ApplyFix()); });
  reason_->Show(session_.Shown());
}

int Form_miret::ReasonHeight() const { return reason_ ? reason_->Height(width()) : 0; }

void Form_miret::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && loaded_) Retranslate();
  QWidget::changeEvent(event);
}

// The rows, the answer, the picture and the history stay; only the texts
// around them change.
void Form_miret::Retranslate() {
  texts_.Retranslate();
  session_.SetLanguage(CurrentLanguage());
  for (int i = 0; i < catalogue_->count(); ++i) {
    catalogue_->item(i)->setText(Translated(session::kCatalogue[static_cast<size_t>(i)].data()));
  }
  calculationPanel_->setText(Translated(session::CatalogueTitle(session_.Shown().ran).data()));
  (CurrentLanguage() == Language::kJapanese ? japanese_ : english_)->setChecked(true);
  answers_->Retranslate();
  candidates_->Retranslate();
  history_->Retranslate();
  if (help_ != nullptr) help_->Retranslate();
  if (about_ != nullptr) about_->Retranslate();
  ShowReason();
  LayOut();
}

// The catalogue entry of the calculation that ran, selected and named in the
// status bar: 3.1 and 3.2 share their rows, and only the geometry decides.
void Form_miret::ShowCalculationThatRan() {
  const CalculationId ran = session_.Shown().ran;
  calculationPanel_->setText(Translated(session::CatalogueTitle(ran).data()));
  if (ran == CalculationId::kNone) return;
  catalogue_->setCurrentRow(session::CatalogueTitleIndex(ran));
  catalogue_->scrollToItem(catalogue_->currentItem(), QAbstractItemView::PositionAtTop);
}

// Greys the results (and with them the drawn answer) while the rows differ
// from the ones calculated, and makes them current again when they match.
void Form_miret::ShowFreshness() {
  const bool outOfDate = session_.IsOutOfDate();
  if (outOfDate != answers_->IsOutOfDate()) answers_->SetOutOfDate(outOfDate);
  candidates_->ShowFreshness(outOfDate);
  if (reason_) reason_->ShowFreshness(outOfDate);
  EnableActions();
}

void Form_miret::EnableActions() {
  const bool candidateLine = candidates_->CopiesCandidateLine();
  candidates_->EnableCopy(candidateLine);
  copyAnswer_->setEnabled(!candidateLine && !session_.IsOutOfDate() && answers_->Shown() != ResultCaptions{});
  undo_->setEnabled(session_.CanUndo());
  redo_->setEnabled(session_.CanRedo());
}

void Form_miret::Notice(const QString& text) { notices_.Show(text, picture_->Picture()->geometry()); }

void Form_miret::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  // Only a click on the window itself, not one passed on by a control.
  if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) picture_->Redraw();
}

// A CSV file dropped on a box opens it, rather than the box taking its name.
bool Form_miret::eventFilter(QObject* watched, QEvent* event) {
  if (files_ != nullptr && files_->TakeDrop(event)) return true;
  return QWidget::eventFilter(watched, event);
}

void Form_miret::dragEnterEvent(QDragEnterEvent* event) {
  if (!files_->TakeDrop(event)) event->ignore();
}

void Form_miret::dragMoveEvent(QDragMoveEvent* event) {
  if (!files_->TakeDrop(event)) event->ignore();
}

void Form_miret::dropEvent(QDropEvent* event) {
  if (!files_->TakeDrop(event)) event->ignore();
}

void Form_miret::ShowHelp() {
  if (help_ == nullptr) help_ = new HelpWindow(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void Form_miret::ShowAbout() {
  if (about_ == nullptr) about_ = new AboutWindow(this);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace draftcalc::app
