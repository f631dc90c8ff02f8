#include "app/notice_strip.h"

namespace draftcalc::app {
namespace {

// Long enough to be read.
constexpr int kNoticeMilliseconds = 15000;

}  // namespace

void NoticeStrip::Show(const QString& text, const QRect& picture) {
  if (text.isEmpty()) return;
  if (label_ == nullptr) {
    label_ = new QLabel(window_);
    label_->setObjectName("notice");
    label_->setWordWrap(true);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setStyleSheet("QLabel { background: #ffffe1; color: black; border: 1px solid #808080; padding: 2px; }");
    timer_ = new QTimer(label_);
    timer_->setSingleShot(true);
    QObject::connect(timer_, &QTimer::timeout, label_, &QLabel::hide);
  }
  label_->setText(text);
  const int width = picture.width() - 8;
  const int height = label_->heightForWidth(width);
  label_->setGeometry(picture.left() + 4, picture.bottom() - 4 - height, width, height);
  label_->show();
  label_->raise();
  timer_->start(kNoticeMilliseconds);
}

}  // namespace draftcalc::app
