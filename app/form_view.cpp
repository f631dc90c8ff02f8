// The window's picture area: layout on resizing, zoom, scrolling, the
// status text of the view's corner, and painting.
#include <QMouseEvent>
#include <QResizeEvent>
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
  const ResultCaptions shown = answers_->Shown();
  const auto look = answers_->IsOutOfDate() ? view::AnswerLook::kOutOfDate : view::AnswerLook::kCurrent;
  PainterSurface surface(painter, view::MappingFor(coordinateWindow, zoomScale, scale_.twipsPerPixel), area);
  view::Drawing(surface, texts.views, shown, coordinateWindow, look, candidates_).Redraw();
}

QPointF Form_miret::PictureAreaPoint(double x, double y) const {
  const view::PixelMapping mapping = view::MappingFor(coordinateWindow, zoomScale, scale_.twipsPerPixel);
  return {mapping.PixelX(x), mapping.PixelY(y)};
}

}  // namespace draftcalc::app
