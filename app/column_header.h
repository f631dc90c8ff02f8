#pragma once

#include <QLabel>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

namespace draftcalc::app {

// A band of column captions in the header colours. Each caption is its own
// label centred over the column it names, so that it stands over its box
// whatever the font's widths.
class ColumnHeader final : public QWidget {
 public:
  explicit ColumnHeader(QWidget* parent);

  // Adds a caption centred over `column`, given in the parent's pixels; the
  // band must already be in place.
  QLabel* AddCaption(const QString& text, const QRect& column);
  const std::vector<QLabel*>& Captions() const { return captions_; }

 private:
  std::vector<QLabel*> captions_;
};

}  // namespace draftcalc::app
