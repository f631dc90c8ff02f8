#include "app/picture_area.h"

#include <QKeySequence>
#include <QSignalBlocker>

#include "app/form_layout.h"
#include "app/look.h"
#include "app/painter_surface.h"
#include "app/settings.h"
#include "app/shortcut_priority.h"

namespace draftcalc::app {
namespace {

constexpr const char* kFitAfterCalculationKey = "view/fitAfterCalculate";
constexpr double kCornerPanelWidth = 4000;  // twips
constexpr double kCursorPanelWidth = 2400;  // twips: "X=-12345.67 Y=-12345.67" whole

}  // namespace

PictureArea::PictureArea(QWidget* window, WindowCore& core, const TwipScale& scale, QStatusBar* statusBar,
                         std::function<bool(QPointF)> click)
    : window_(window), core_(core), scale_(scale) {
  CreateControls(scale);
  picture_ = new PictureBox(
      window, [this](QPainter& painter) { Paint(painter); }, std::move(click));
  picture_->setObjectName("picture");
  picture_->setGeometry(scale.Rect(480, 1920, 3012, 2652));
  SetBackground(picture_, PaletteColour(view::kWhite));
  vScroll_ = new QScrollBar(Qt::Vertical, window);
  vScroll_->setObjectName("vScroll");
  vScroll_->setGeometry(scale.Rect(3600, 1800, kScrollBarThickness, 2652));
  hScroll_ = new QScrollBar(Qt::Horizontal, window);
  hScroll_->setObjectName("hScroll");
  hScroll_->setGeometry(scale.Rect(360, 4680, 3012, kScrollBarThickness));
  for (QScrollBar* bar : {hScroll_, vScroll_}) bar->setRange(view::kLeastScrollPosition, view::kMostScrollPosition);
  QObject::connect(hScroll_, &QScrollBar::valueChanged, window, [this](int h) {
    if (placing_) return;
    core_.TheSession().View().ScrollHorizontally(h);
    ShowView();
    Redraw();
  });
  QObject::connect(vScroll_, &QScrollBar::valueChanged, window, [this](int v) {
    if (placing_) return;
    core_.TheSession().View().ScrollVertically(v);
    ShowView();
    Redraw();
  });

  cornerPanel_ = new QLabel(statusBar);
  cornerPanel_->setObjectName("cornerPanel");
  cornerPanel_->setFixedWidth(scale.Pixels(kCornerPanelWidth));
  statusBar->addWidget(cornerPanel_);
  cursorPanel_ = new QLabel(statusBar);
  cursorPanel_->setObjectName("cursorPanel");
  cursorPanel_->setMinimumWidth(scale.Pixels(kCursorPanelWidth));
  core_.Texts().Set(cursorPanel_, "toolTip",
                    QT_TRANSLATE_NOOP("draftcalc", "The drawing coordinates under the cursor"));
  statusBar->addPermanentWidget(cursorPanel_);
  CreateActions();
  ShowView();
}

void PictureArea::CreateControls(const TwipScale& scale) {
  slider_ = new QSlider(Qt::Horizontal, window_);
  slider_->setObjectName("zoomSlider");
  slider_->setGeometry(scale.Rect(2400, 0, 1692, 372));
  slider_->setRange(0, view::kMostZoomPercent);
  slider_->setSingleStep(view::kZoomStepPercent);
  slider_->setPageStep(2 * view::kZoomStepPercent);
  QObject::connect(slider_, &QSlider::valueChanged, window_, [this](int value) { SliderMoved(value); });
  zoomLabel_ = new QLabel(window_);
  zoomLabel_->setObjectName("zoomLabel");
  zoomLabel_->setAlignment(Qt::AlignCenter);
  zoomLabel_->setGeometry(scale.Rect(4080, 0, 612, 372));
}

void PictureArea::CreateActions() {
  fit_ = new QAction(window_);
  core_.Texts().Set(fit_, "text", QT_TRANSLATE_NOOP("draftcalc", "Zoom to fit"));
  fit_->setObjectName("fit");
  fit_->setShortcuts({QKeySequence(Qt::Key_F), QKeySequence(Qt::Key_Home)});
  fit_->setShortcutContext(Qt::WidgetShortcut);  // F types an F in the boxes
  picture_->addAction(fit_);
  QObject::connect(fit_, &QAction::triggered, window_, [this] { ZoomToFit(); });
  fitAfterCalculation_ = new QAction(window_);
  core_.Texts().Set(fitAfterCalculation_, "text", QT_TRANSLATE_NOOP("draftcalc", "Fit after each calculation"));
  fitAfterCalculation_->setObjectName("fitAfterCalculation");
  fitAfterCalculation_->setCheckable(true);
  QObject::connect(fitAfterCalculation_, &QAction::triggered, window_,
                   [](bool on) { WriteFlag(kFitAfterCalculationKey, on); });
  export_ = new QAction(window_);
  core_.Texts().Set(export_, "text", QT_TRANSLATE_NOOP("draftcalc", "Export…"));
  export_->setObjectName("export");
  export_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  QObject::connect(export_, &QAction::triggered, window_, [this] { exporter_->OpenDialog(); });
  window_->addAction(export_);

  navigation_ = std::make_unique<PictureNavigation>(
      picture_, PictureNavigation::Handlers{[this](QPointF at, int steps) { ZoomAtPixel(at, steps); },
                                            [this](QPointF delta) { PanByPixels(delta); },
                                            [this](std::optional<QPointF> at) { ShowCursor(at); }});
  const session::Session& session = core_.TheSession();
  exporter_ = std::make_unique<PictureExport>(
      window_,
      PictureExport::Source{[this] { return picture_->Grab(); }, [&session] { return session.View().Window(); },
                            [&session] { return session.View().UnitsPerPixel(); },
                            [&session](view::DrawSurface& surface) { session.Draw(surface); }});
}

void PictureArea::LetExportThrough(QWidget* box) {
  if (exportFirst_ == nullptr) exportFirst_ = new ShortcutPriority(window_, export_->shortcut());
  exportFirst_->Watch(box);
}

void PictureArea::Place(QWidget* control, const view::Rect& rect) const {
  control->setGeometry(scale_.Rect(rect.left, rect.top, rect.width, rect.height));
}

void PictureArea::Place(const view::ViewLayout& layout) {
  Place(picture_, layout.picture);
  Place(hScroll_, layout.hScroll);
  Place(vScroll_, layout.vScroll);
  core_.TheSession().View().Resize(layout.picture.width, layout.picture.height);
  ShowView();
}

// The controls follow without running their handlers.
void PictureArea::ShowView() {
  const session::PictureView& view = core_.TheSession().View();
  placing_ = true;
  {
    const QSignalBlocker quiet(slider_);
    slider_->setValue(view.ZoomPercent());
  }
  hScroll_->setValue(view.HorizontalPosition());
  vScroll_->setValue(view.VerticalPosition());
  placing_ = false;
  zoomLabel_->setText(QString::number(view.ZoomPercent()) + "%");
  cornerPanel_->setText(QString::fromStdString(view.CornerText()));
  ShowCursor(cursor_);
}

void PictureArea::SliderMoved(int value) {
  // 0 % would show nothing; setting 10 runs this handler again.
  if (value == 0) return slider_->setValue(view::kLeastZoomPercent);
  core_.TheSession().View().SetZoom(value);
  ShowView();
  Redraw();
}

// Qt paints only inside paint events: the picture is repainted at once, and
// its paint handler draws everything from the session.
void PictureArea::Redraw() { picture_->repaint(); }

void PictureArea::Paint(QPainter& painter) const {
  const QRectF area(picture_->rect());
  if (area.isEmpty()) return;
  const session::PictureView& view = core_.TheSession().View();
  PainterSurface surface(painter, view::MappingFor(view.Window(), view.ZoomPercent() / 100.0, scale_.twipsPerPixel),
                         area);
  core_.TheSession().Draw(surface);
}

// Read when first needed (the first calculation, or the picture's menu
// about to show), never at start-up.
void PictureArea::ReadFitSetting() {
  if (fitSettingRead_) return;
  fitSettingRead_ = true;
  // The session asks the menu entry (see Form_miret).
  fitAfterCalculation_->setChecked(ReadFlag(kFitAfterCalculationKey, true));
}

void PictureArea::ZoomAtPixel(QPointF pixel, int steps) {
  if (!core_.TheSession().View().ZoomAt(pixel.x(), pixel.y(), steps)) return;
  ShowView();
  Redraw();
}

void PictureArea::PanByPixels(QPointF delta) {
  core_.TheSession().View().Drag(delta.x(), delta.y());
  ShowView();
  Redraw();
}

void PictureArea::ZoomToFit() {
  core_.TheSession().Fit();
  ShowView();
  Redraw();
}

void PictureArea::ShowCursor(std::optional<QPointF> pixel) {
  cursor_ = pixel;
  if (!pixel) return cursorPanel_->clear();
  cursorPanel_->setText(QString::fromStdString(core_.TheSession().View().CursorText(pixel->x(), pixel->y())));
}

QPointF PictureArea::PixelOf(double x, double y) const {
  const session::PictureView& view = core_.TheSession().View();
  return {view.PixelX(x), view.PixelY(y)};
}

QPointF PictureArea::PlanePoint(QPointF pixel) const {
  const geometry::Point at = core_.TheSession().View().PlanePoint(pixel.x(), pixel.y());
  return {at.x, at.y};
}

}  // namespace draftcalc::app
