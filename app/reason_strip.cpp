#include "app/reason_strip.h"

#include <QHBoxLayout>

#include "app/language.h"
#include "app/look.h"

namespace draftcalc::app {

ReasonStrip::ReasonStrip(QWidget* window, std::function<void()> applyFix)
    : strip_(new QFrame(window)), text_(new QLabel(strip_)), fix_(new QPushButton(strip_)) {
  strip_->setObjectName("reason");
  text_->setObjectName("reasonText");
  fix_->setObjectName("applyFix");
  strip_->setFrameShape(QFrame::Box);
  strip_->setStyleSheet(
      "QFrame#reason { background: #fff4f0; border: 1px solid #c00000; }"
      "QFrame#reason[outOfDate=\"true\"] { background: #f0f0f0; border-color: #808080; }"
      "QLabel#reasonText { color: black; } QFrame#reason[outOfDate=\"true\"] QLabel#reasonText { color: #808080; }");
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QHBoxLayout(strip_);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(text_, 1);
  layout->addWidget(fix_, 0, Qt::AlignVCenter);
  QObject::connect(fix_, &QPushButton::clicked, strip_, [applyFix = std::move(applyFix)] { applyFix(); });
  strip_->hide();
}

void ReasonStrip::Show(const session::Result& result) {
  const std::string& why = result.explanation.why;
  if (!result.Failed() || why.empty()) {
    strip_->hide();
    return;
  }
  text_->setText(Translated(QT_TRANSLATE_NOOP("draftcalc", "No answer: %1")).arg(Utf8(why)));
  const std::string fix = explain::FixInWords(result.explanation);
  fix_->setText(Translated(QT_TRANSLATE_NOOP("draftcalc", "Use %1")).arg(Utf8(fix)));
  fix_->setToolTip(
      Translated(QT_TRANSLATE_NOOP("draftcalc", "Writes %1 into the rows and calculates; Ctrl+Z brings the rows back"))
          .arg(Utf8(fix)));
  fix_->setVisible(!fix.empty());
  ShowFreshness(false);
  strip_->show();
}

void ReasonStrip::ShowFreshness(bool outOfDate) {
  if (strip_->property("outOfDate").toBool() == outOfDate) return;
  strip_->setProperty("outOfDate", outOfDate);
  fix_->setEnabled(!outOfDate);
  // The style sheet's property selectors are matched again only when asked.
  strip_->setStyleSheet(strip_->styleSheet());
}

namespace {
constexpr int kMargin = 4;  // pixels around the band
}  // namespace

int ReasonStrip::Height(int width) const {
  if (!IsShown()) return 0;
  const int inner = width - 2 * kMargin;
  return std::max(strip_->layout()->heightForWidth(inner), strip_->layout()->minimumSize().height()) + 2 * kMargin;
}

int ReasonStrip::Place(int top, int width) {
  const int height = Height(width);
  if (height > 0) strip_->setGeometry(kMargin, top + kMargin, width - 2 * kMargin, height - 2 * kMargin);
  return height;
}

}  // namespace draftcalc::app
