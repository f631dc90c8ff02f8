#pragma once

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <functional>

namespace draftcalc::app {

// The picture area: whenever any part of it must be painted, it hands a
// painter to its owner, which draws the whole picture again.
class PictureBox final : public QWidget {
 public:
  using PaintHandler = std::function<void(QPainter&)>;

  PictureBox(QWidget* parent, PaintHandler onPaint) : QWidget(parent), onPaint_(std::move(onPaint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers the whole area
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    onPaint_(painter);
  }

 private:
  PaintHandler onPaint_;
};

}  // namespace draftcalc::app
