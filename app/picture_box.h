#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <utility>

namespace draftcalc::app {

// The picture area: whenever any part of it must be painted, it hands a
// painter to its owner, which draws the whole picture again. A left click
// (pressed and released without moving further than a drag would need) is
// offered to the owner at its pixel position; a click the owner does not
// take goes on to the window, as do the other mouse events. It takes the
// focus (its keys move the view) and shows it by a thin frame in the
// highlight colour.
class PictureBox final : public QWidget {
 public:
  using PaintHandler = std::function<void(QPainter&)>;
  // Returns whether it took the click.
  using ClickHandler = std::function<bool(QPointF)>;

  PictureBox(QWidget* parent, PaintHandler onPaint, ClickHandler onClick)
      : QWidget(parent), onPaint_(std::move(onPaint)), onClick_(std::move(onClick)) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers the whole area
    setFocusPolicy(Qt::StrongFocus);
  }

  // The picture as shown, at the screen's device pixel ratio, without the
  // focus frame.
  QPixmap Grab() {
    showFocus_ = false;
    const QPixmap picture = grab();
    showFocus_ = true;
    return picture;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    onPaint_(painter);
    if (hasFocus() && showFocus_) {
      painter.setPen(QPen(palette().color(QPalette::Highlight), 0, Qt::DotLine));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
  }

  void focusInEvent(QFocusEvent* event) override {
    QWidget::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QWidget::focusOutEvent(event);
    update();
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) pressedAt_ = event->position();
    event->ignore();
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool click = event->button() == Qt::LeftButton &&
                       (event->position() - pressedAt_).manhattanLength() < QApplication::startDragDistance();
    if (click && onClick_(event->position())) return;
    event->ignore();
  }

 private:
  PaintHandler onPaint_;
  ClickHandler onClick_;
  QPointF pressedAt_;
  bool showFocus_ = true;
};

}  // namespace draftcalc::app
