#pragma once

#include <QLabel>
#include <QTimer>

namespace draftcalc::app {

// Notices (a file saved, the history turned off), for a while, as a pale
// strip along the foot of the picture: the status bar's panels stay readable
// all the time, and a notice is read whole however narrow the window is.
// Clicks go through it to the picture. Made with the first notice.
class NoticeStrip final {
 public:
  explicit NoticeStrip(QWidget* window) : window_(window) {}

  // Shows `text` (nothing for an empty one) inside the foot of `picture`,
  // given in the window's pixels.
  void Show(const QString& text, const QRect& picture);
  // The strip once made, else nullptr.
  QLabel* Label() const { return label_; }

 private:
  QWidget* window_;
  QLabel* label_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace draftcalc::app
