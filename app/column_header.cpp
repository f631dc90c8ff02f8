#include "app/column_header.h"

#include "app/look.h"

namespace draftcalc::app {

ColumnHeader::ColumnHeader(QWidget* parent) : QWidget(parent) { SetBackground(this, kHeaderPeach); }

QLabel* ColumnHeader::AddCaption(const QString& text, const QRect& column) {
  auto* caption = new QLabel(text, this);
  caption->setAlignment(Qt::AlignCenter);
  const int width = caption->sizeHint().width();
  const int centre = column.left() + column.width() / 2 - x();
  caption->setGeometry(centre - width / 2, 0, width, height());
  captions_.push_back(caption);
  return caption;
}

}  // namespace draftcalc::app
