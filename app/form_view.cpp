// The window's picture area: layout on resizing, zoom, scrolling, the
// status text of the view's corner, and painting.
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <cmath>

#include "app/form_layout.h"
#include "app/form_miret.h"
#include "app/painter_surface.h"
#include "view/drawing.h"

namespace draftcalc::app {

void Form_miret::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The status bar keeps to the bottom edge at full width.
  const int statusPixels = scale_.Pixels(kStatusBarHeight);
  StatusBar1->setGeometry(0, height() - statusPixels, width(), statusPixels);
  Form_Resize();
}

// Lays out the picture area and its scroll bars for the window's size, sets
// the coordinate window and writes its corner; does not redraw.
void Form_miret::Form_Resize() {
  if (loadingFlag == 1) return;
  if (isMinimized()) return;

  const double twipsPerPixel = scale_.twipsPerPixel;
  const QSize frameExtra = frameGeometry().size() - size();
  const view::Size outer{frameGeometry().width() * twipsPerPixel, frameGeometry().height() * twipsPerPixel};
  if (const auto enforced = view::EnforcedOuterSize(outer)) {
    // Raises the resize event again, which lays out for the new size.
    resize(scale_.Pixels(enforced->width) - frameExtra.width(), scale_.Pixels(enforced->height) - frameExtra.height());
  }

  const view::Size client{width() * twipsPerPixel, height() * twipsPerPixel};
  const view::ViewLayout layout =
      view::LayoutViewArea(client, ansBottom, statusHeight, kScrollBarThickness, kScrollBarThickness, panelWidthTwips_);
  Place(Picture1, layout.picture.left, layout.picture.top, layout.picture.width, layout.picture.height);
  Place(candidatePanel, layout.panel.left, layout.panel.top, layout.panel.width, layout.panel.height);
  if (historyPanel != nullptr) historyPanel->setGeometry(candidatePanel->geometry());
  Place(HScroll1, layout.hScroll.left, layout.hScroll.top, layout.hScroll.width, layout.hScroll.height);
  Place(VScroll1, layout.vScroll.left, layout.vScroll.top, layout.vScroll.width, layout.vScroll.height);
  Label1->setText(QString::number(Slider1->value()) + "%");

  pictureWidthTwips = layout.picture.width;
  pictureHeightTwips = layout.picture.height;
  coordinateWindow.width = view::ScaleWidthFor(pictureWidthTwips, zoomScale);
  coordinateWindow.height = view::ScaleHeightFor(pictureHeightTwips, zoomScale);
  ApplyHorizontalScroll();
  ApplyVerticalScroll();
  UpdateCoordinateText();
  ShowCursorPosition(cursorPixel_);
}

void Form_miret::Slider1_Change() {
  // 0 % would show nothing; setting 10 runs this handler again first.
  if (Slider1->value() == 0) Slider1->setValue(10);
  Label1->setText(QString::number(Slider1->value()) + "%");
  zoomScale = Slider1->value() / 100.0;
  Form_Resize();
  Redraw();
}

// A scroll-bar move sets its edge of the corner (see view::ScrolledLeftEdge);
// the other ways of moving the view set the bars without running this.
void Form_miret::HScroll1_Change() {
  if (loadingFlag == 1) return;
  corner_.left = view::ScrolledLeftEdge(corner_.left, HScroll1->value());
  ApplyHorizontalScroll();
  UpdateCoordinateText();
  Redraw();
}

void Form_miret::VScroll1_Change() {
  if (loadingFlag == 1) return;
  corner_.top = view::ScrolledTopEdge(corner_.top, VScroll1->value());
  ApplyVerticalScroll();
  UpdateCoordinateText();
  Redraw();
}

// The coordinate window's edges from the corner, which the scroll bars show
// at their nearest position.
void Form_miret::ApplyHorizontalScroll() {
  coordinateWindow.left = static_cast<float>(corner_.left);
  const QSignalBlocker quiet(HScroll1);
  HScroll1->setValue(view::NearestHorizontalPosition(corner_.left));
}
void Form_miret::ApplyVerticalScroll() {
  coordinateWindow.top = static_cast<float>(corner_.top);
  const QSignalBlocker quiet(VScroll1);
  VScroll1->setValue(view::NearestVerticalPosition(corner_.top));
}

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
  PainterSurface surface(painter, view::MappingFor(coordinateWindow, zoomScale, scale_.twipsPerPixel), area);
  DrawPicture(surface);
}

// The one drawing of the picture, on the screen and in the exports.
void Form_miret::DrawPicture(view::DrawSurface& surface) const {
  BoxTexts texts;
  ReadBoxes(texts);
  const ResultCaptions shown = answers_->Shown();
  const auto look = answers_->IsOutOfDate() ? view::AnswerLook::kOutOfDate : view::AnswerLook::kCurrent;
  view::Drawing(surface, texts.views, shown, coordinateWindow, look, candidates_).Redraw();
}

QPointF Form_miret::PictureAreaPoint(double x, double y) const {
  const view::PixelMapping mapping = view::MappingFor(coordinateWindow, zoomScale, scale_.twipsPerPixel);
  return {mapping.PixelX(x), mapping.PixelY(y)};
}

}  // namespace draftcalc::app
