#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <utility>

namespace draftcalc::app {

// The picture area: whenever any part of it must be painted, it hands a
// painter to its owner, which draws the whole picture again. A left click
// (pressed and released without moving further than a drag would need) is
// offered to the owner at its pixel position; a click the owner does not
// take goes on to the window, as do the other mouse events.
class PictureBox final : public QWidget {
 public:
  using PaintHandler = std::function<void(QPainter&)>;
  // Returns whether it took the click.
  using ClickHandler = std::function<bool(QPointF)>;

  PictureBox(QWidget* parent, PaintHandler onPaint, ClickHandler onClick)
      : QWidget(parent), onPaint_(std::move(onPaint)), onClick_(std::move(onClick)) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers the whole area
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    onPaint_(painter);
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
};

}  // namespace draftcalc::app
