#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "session/result.h"

namespace draftcalc::app {

// Why the calculation shows a remark instead of an answer, as a band across
// the window just under the answers (the picture and the candidates move
// down to make room for it): the reason with its
// numbers ("No answer: the centres are 20 apart; ...") and, where one box
// edit gives an answer, a button that writes it into the rows and
// calculates ("Use R2 = 15"; Ctrl+Z brings the rows back). Grey, its button
// off, while the rows differ from those calculated; hidden for an answer.
class ReasonStrip final {
 public:
  ReasonStrip(QWidget* window, std::function<void()> applyFix);

  void Show(const session::Result& result);
  void ShowFreshness(bool outOfDate);
  // Placed from `top` (pixels) across `width`: the height it takes, with a
  // gap below it, 0 while hidden.
  int Place(int top, int width);
  // The height Place would take.
  int Height(int width) const;
  bool IsShown() const { return !strip_->isHidden(); }

  QFrame* Strip() const { return strip_; }
  QLabel* Text() const { return text_; }
  QPushButton* FixButton() const { return fix_; }

 private:
  QFrame* strip_;
  QLabel* text_;
  QPushButton* fix_;
};

}  // namespace draftcalc::app
