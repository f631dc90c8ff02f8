#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

#include "app/column_header.h"
#include "app/twip_scale.h"
#include "core/calc_state.h"

namespace draftcalc::app {

// The five result fields under caption bands, in two lines across the
// window: X, Y and A, then the remark and R (the design's order, read line by
// line). Two lines, because each field must show its longest text whole: a
// number caption of up to 22 characters ("-1.23456789012345E-300") or a
// remark of up to 14 full-width characters. The fields' texts are the result
// captions, selectable with the mouse.
class AnswerRow {
 public:
  // Lays the row out across the window's design width, from `top` (twips) down.
  AnswerRow(QWidget* parent, const TwipScale& scale, double top);

  // The bottom edge of the lower line, in twips.
  double Bottom() const { return bottom_; }
  // In the order of the answer line and of kCaptionFields: X, Y, A, R, remark.
  std::array<QLabel*, 5> Fields() const { return {ansX, ansY, ansA, ansR, ansRem}; }

  // The captions; the remark in the window's language (the English interface
  // shows its English rendering, the remark as written in its tooltip).
  void Show(const ResultCaptions& captions);
  // The captions shown, the remark as the calculation wrote it.
  const ResultCaptions& Shown() const { return shown_; }
  // The remark and the captions' surroundings in the language now installed.
  void Retranslate();
  // Grey fields for results that no longer belong to the input rows; the
  // texts stay as they are.
  void SetOutOfDate(bool outOfDate);
  bool IsOutOfDate() const { return outOfDate_; }
  // A result with a remark is no answer: whatever numbers the calculation
  // wrote beside it show grey, the remark red.
  void SetFailed(bool failed);
  bool IsFailed() const { return failed_; }
  // The answer as one tab-separated line: X, Y, A, R, remark (as the
  // calculation wrote it, in every language).
  QString AnswerLine() const;

 private:
  QLabel *ansX = nullptr, *ansY = nullptr, *ansA = nullptr, *ansR = nullptr, *ansRem = nullptr;
  ColumnHeader *upperCaptions = nullptr, *lowerCaptions = nullptr;

  QLabel* CreateField(QWidget* parent, const QRect& place, const QColor& background);
  void ShowLooks();
  void ShowLook(QLabel* field, const QColor& background, const QColor& text);

  ResultCaptions shown_;
  double bottom_ = 0;
  bool outOfDate_ = false;
  bool failed_ = false;
};

}  // namespace draftcalc::app
