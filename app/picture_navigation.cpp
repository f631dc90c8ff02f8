#include "app/picture_navigation.h"

#include <QApplication>

namespace draftcalc::app {
namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;
// The arrow keys pan by this share of the picture.
constexpr double kArrowShare = 0.1;

bool Pans(Qt::MouseButton button) { return button == Qt::LeftButton || button == Qt::MiddleButton; }

}  // namespace

PictureNavigation::PictureNavigation(QWidget* picture, Handlers handlers)
    : picture_(picture), handlers_(std::move(handlers)) {
  picture_->setMouseTracking(true);
  picture_->installEventFilter(this);
}

bool PictureNavigation::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture_) return false;
  switch (event->type()) {
    case QEvent::Wheel:
      return Wheel(static_cast<const QWheelEvent&>(*event));
    case QEvent::MouseButtonPress:
      Press(static_cast<const QMouseEvent&>(*event));
      return false;  // the picture still sees it: a press may become a click
    case QEvent::MouseMove:
      return Move(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
      return Release(static_cast<const QMouseEvent&>(*event));
    case QEvent::Leave:
      handlers_.hover(std::nullopt);
      return false;
    case QEvent::KeyPress:
      return Key(static_cast<const QKeyEvent&>(*event));
    default:
      return false;
  }
}

// High-resolution wheels send parts of a notch: they add up to whole steps.
bool PictureNavigation::Wheel(const QWheelEvent& event) {
  wheelRemainder_ += event.angleDelta().y();
  const int steps = wheelRemainder_ / kNotch;
  wheelRemainder_ -= steps * kNotch;
  if (steps != 0) handlers_.zoomAt(event.position(), steps);
  return true;
}

void PictureNavigation::Press(const QMouseEvent& event) {
  if (!Pans(event.button()) || dragButton_ != Qt::NoButton) return;
  dragButton_ = event.button();
  pressedAt_ = lastAt_ = event.position();
  panning_ = false;
}

bool PictureNavigation::Move(const QMouseEvent& event) {
  handlers_.hover(event.position());
  if (dragButton_ == Qt::NoButton || !(event.buttons() & dragButton_)) return false;
  if (!panning_ && (event.position() - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return false;
  panning_ = true;
  const QPointF delta = event.position() - lastAt_;
  lastAt_ = event.position();
  handlers_.pan(delta);
  return true;
}

// The release that ends a pan is the pan's: the picture does not take it
// for a click, even when the pointer came back to where it went down.
bool PictureNavigation::Release(const QMouseEvent& event) {
  if (event.button() != dragButton_) return false;
  const bool panned = panning_;
  dragButton_ = Qt::NoButton;
  panning_ = false;
  return panned;
}

bool PictureNavigation::Key(const QKeyEvent& event) {
  if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return false;
  const QPointF centre = QRectF(picture_->rect()).center();
  const double across = picture_->width() * kArrowShare, down = picture_->height() * kArrowShare;
  switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      handlers_.zoomAt(centre, 1);
      return true;
    case Qt::Key_Minus:
      handlers_.zoomAt(centre, -1);
      return true;
    case Qt::Key_Left:
      handlers_.pan({across, 0});
      return true;
    case Qt::Key_Right:
      handlers_.pan({-across, 0});
      return true;
    case Qt::Key_Up:
      handlers_.pan({0, down});
      return true;
    case Qt::Key_Down:
      handlers_.pan({0, -down});
      return true;
    default:
      return false;
  }
}

}  // namespace draftcalc::app
