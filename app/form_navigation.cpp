// The ways of moving the view beside the slider and the scroll bars: the
// wheel, dragging and the picture's keys, Zoom to fit (by hand, and after a
// calculation that leaves the answer out of view), the cursor read-out, and
// the picture's export. They set the zoom and the corner of the view, and
// the slider, the zoom label, the scroll bars and the status bar follow.
#include <QKeySequence>
#include <QSignalBlocker>

#include "app/form_miret.h"
#include "app/settings.h"
#include "app/shortcut_priority.h"
#include "view/figure_extent.h"

namespace draftcalc::app {
namespace {

constexpr const char* kFitAfterCalculationKey = "view/fitAfterCalculate";
constexpr double kCursorPanelWidth = 2400;  // twips: "X=-12345.67 Y=-12345.67" whole

}  // namespace

void Form_miret::CreateViewActions() {
  fitAction = new QAction("Zoom to fit", this);
  fitAction->setShortcuts({QKeySequence(Qt::Key_F), QKeySequence(Qt::Key_Home)});
  fitAction->setShortcutContext(Qt::WidgetShortcut);  // F types an F in the boxes
  Picture1->addAction(fitAction);
  connect(fitAction, &QAction::triggered, this, &Form_miret::ZoomToFit);
  fitAfterCalculationAction = new QAction("Fit after each calculation", this);
  fitAfterCalculationAction->setCheckable(true);
  connect(fitAfterCalculationAction, &QAction::triggered, this,
          [](bool on) { WriteFlag(kFitAfterCalculationKey, on); });
  exportAction = new QAction("Export…", this);
  exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(exportAction, &QAction::triggered, this, [this] { export_->OpenDialog(); });
  addAction(exportAction);
  auto* exportFirst = new ShortcutPriority(this, exportAction->shortcut());
  for (int row = 0; row < kRowCount; ++row) {
    for (InputBox* box : RowBoxes(row)) exportFirst->Watch(box);
  }

  navigation_ = std::make_unique<PictureNavigation>(
      Picture1, PictureNavigation::Handlers{[this](QPointF at, int steps) { ZoomAtPixel(at, steps); },
                                            [this](QPointF delta) { PanByPixels(delta); },
                                            [this](std::optional<QPointF> at) { ShowCursorPosition(at); }});
  export_ = std::make_unique<PictureExport>(
      this, PictureExport::Source{[this] { return Picture1->Grab(); }, [this] { return coordinateWindow; },
                                  [this] { return view::UnitsPerPixel(Slider1->value(), scale_.twipsPerPixel); },
                                  [this](view::DrawSurface& surface) { DrawPicture(surface); }});

  StatusPanel3 = new QLabel(StatusBar1);
  StatusPanel3->setMinimumWidth(scale_.Pixels(kCursorPanelWidth));
  StatusPanel3->setToolTip("The drawing coordinates under the cursor");
  StatusBar1->addPermanentWidget(StatusPanel3);
}

void Form_miret::ShowView(int zoomPercent, view::ViewCorner corner) {
  corner_ = corner;
  {
    const QSignalBlocker quiet(Slider1);
    Slider1->setValue(zoomPercent);
  }
  zoomScale = Slider1->value() / 100.0;
  Form_Resize();  // the coordinate window, the zoom label, the scroll bars, the status bar
}

void Form_miret::ZoomAtPixel(QPointF pixel, int steps) {
  const int from = Slider1->value(), to = view::SteppedZoom(from, steps);
  if (to == from) return;
  ShowView(to, view::ZoomedAbout(corner_, pixel.x(), pixel.y(), from, to, scale_.twipsPerPixel));
  Redraw();
}

void Form_miret::PanByPixels(QPointF delta) {
  ShowView(Slider1->value(), view::Dragged(corner_, delta.x(), delta.y(), Slider1->value(), scale_.twipsPerPixel));
  Redraw();
}

void Form_miret::ZoomToFit() {
  const view::ViewFit fit = view::FitView(ShownFigureBounds(), pictureWidthTwips, pictureHeightTwips);
  ShowView(fit.zoomPercent, fit.corner);
  Redraw();
}

// Called by a calculation before it redraws.
void Form_miret::FitIfAnswerHidden() {
  const view::Bounds answer = view::AnswerBounds(answers_->Shown());
  if (answer.Empty() || !FitsAfterCalculation()) return;
  view::Bounds shown;
  shown.Add(coordinateWindow.left, coordinateWindow.Bottom());
  shown.Add(coordinateWindow.Right(), coordinateWindow.top);
  if (shown.Holds(answer)) return;
  const view::ViewFit fit = view::FitView(ShownFigureBounds(), pictureWidthTwips, pictureHeightTwips);
  ShowView(fit.zoomPercent, fit.corner);
}

// Read when first needed (the first calculation, or the picture's menu
// about to show), never at start-up.
bool Form_miret::FitsAfterCalculation() {
  if (!fitSettingRead_) {
    fitAfterCalculationAction->setChecked(ReadFlag(kFitAfterCalculationKey, true));
    fitSettingRead_ = true;
  }
  return fitAfterCalculationAction->isChecked();
}

// The candidates count only while they are drawn.
view::Bounds Form_miret::ShownFigureBounds() const {
  BoxTexts texts;
  ReadBoxes(texts);
  const std::span<const candidates::Candidate> drawn =
      answers_->IsOutOfDate() ? std::span<const candidates::Candidate>() : std::span(candidates_);
  return view::FigureBounds(texts.views, answers_->Shown(), drawn);
}

void Form_miret::ShowCursorPosition(std::optional<QPointF> pixel) {
  cursorPixel_ = pixel;
  if (StatusPanel3 == nullptr) return;
  if (!pixel) {
    StatusPanel3->clear();
    return;
  }
  const QPointF at = PlanePoint(*pixel);
  const double unitsPerPixel = view::UnitsPerPixel(Slider1->value(), scale_.twipsPerPixel);
  StatusPanel3->setText(QString::fromStdString(view::CursorText(at.x(), at.y(), unitsPerPixel)));
}

QPointF Form_miret::PlanePoint(QPointF pixel) const {
  const view::PixelMapping mapping = view::MappingFor(coordinateWindow, zoomScale, scale_.twipsPerPixel);
  return {mapping.left + pixel.x() / mapping.pixelsPerUnit, mapping.top - pixel.y() / mapping.pixelsPerUnit};
}

}  // namespace draftcalc::app
