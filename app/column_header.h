#pragma once

#include <QPaintEvent>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

namespace draftcalc::app {

// A band of column captions in the header colours. Each caption is centred
// over the column it names, so that it stands over its box whatever the
// font's widths. The band paints its captions itself: a dozen labels would
// cost start-up time for nothing.
class ColumnHeader final : public QWidget {
 public:
  struct Caption {
    QString text;
    QRect place;  // in the band's pixels: the text's width, centred over the column
  };

  explicit ColumnHeader(QWidget* parent);

  // Adds a caption centred over `column`, given in the parent's pixels; the
  // band must already be in place.
  void AddCaption(const QString& text, const QRect& column);
  const std::vector<Caption>& Captions() const { return captions_; }
  // Changes the text of caption `index`, centred over the same column.
  void SetCaptionText(size_t index, const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Caption> captions_;
};

}  // namespace draftcalc::app
