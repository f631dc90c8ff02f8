#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPointF>
#include <QWheelEvent>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

namespace draftcalc::app {

// Turns what the mouse and the keys do on the picture area into moves of the
// view, leaving the rest to the picture: the wheel zooms about the pointer,
// one slider step per notch; dragging with the left or the middle button
// pans once the pointer has moved as far as a drag needs (a click without
// movement stays a click); + (or =) and - zoom about the centre and the
// arrow keys pan by a tenth of the picture while it has the focus. Every
// pointer position over the picture is reported for the cursor read-out.
class PictureNavigation final : public QObject {
 public:
  struct Handlers {
    std::function<void(QPointF pixel, int steps)> zoomAt;     // steps > 0: in
    std::function<void(QPointF delta)> pan;                   // the content moves by delta pixels
    std::function<void(std::optional<QPointF> pixel)> hover;  // nullopt: the pointer left
  };

  PictureNavigation(QWidget* picture, Handlers handlers);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Wheel(const QWheelEvent& event);
  void Press(const QMouseEvent& event);
  bool Move(const QMouseEvent& event);
  bool Release(const QMouseEvent& event);
  bool Key(const QKeyEvent& event);

  QWidget* picture_;
  Handlers handlers_;
  // The button held down on the picture, where it went down, and whether
  // the pointer has since moved far enough to pan.
  Qt::MouseButton dragButton_ = Qt::NoButton;
  QPointF pressedAt_, lastAt_;
  bool panning_ = false;
  int wheelRemainder_ = 0;  // eighths of a degree short of a notch
};

}  // namespace draftcalc::app
