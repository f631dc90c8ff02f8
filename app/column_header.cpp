#include "app/column_header.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "app/look.h"

namespace draftcalc::app {

ColumnHeader::ColumnHeader(QWidget* parent) : QWidget(parent) { SetBackground(this, kHeaderPeach); }

void ColumnHeader::AddCaption(const QString& text, const QRect& column) {
  const int width = static_cast<int>(std::ceil(QFontMetricsF(font(), this).horizontalAdvance(text)));
  const int centre = column.left() + column.width() / 2 - x();
  captions_.push_back({text, QRect(centre - width / 2, 0, width, height())});
  update();
}

void ColumnHeader::SetCaptionText(size_t index, const QString& text) {
  Caption& caption = captions_.at(index);
  const int width = static_cast<int>(std::ceil(QFontMetricsF(font(), this).horizontalAdvance(text)));
  const int centre = caption.place.left() + caption.place.width() / 2;
  caption = {text, QRect(centre - width / 2, 0, width, height())};
  update();
}

void ColumnHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  for (const Caption& caption : captions_) {
    painter.drawText(caption.place, Qt::AlignCenter | Qt::TextDontClip, caption.text);
  }
}

}  // namespace draftcalc::app
