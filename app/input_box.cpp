#include "app/input_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

#include "app/language.h"
#include "i18n/partial_reading.h"

namespace draftcalc::app {
namespace {

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int kLineEditMargin = 2;
// No box shows more characters than this: a longer text cannot fit, and only
// its beginning is measured and elided.
constexpr qsizetype kLongestShowable = 256;
// The tooltip breaks the text into lines of this many characters and shows
// at most this many lines.
constexpr qsizetype kTooltipLineLength = 50;
constexpr qsizetype kTooltipLines = 8;
// The tint of a box whose text is read only in part: pale amber, clear of
// the window's green and of the answers' yellow.
const QColor kPartlyReadTint(255, 214, 153);

QString TooltipFor(const QString& text) {
  QStringList lines;
  for (qsizetype start = 0; start < text.size() && lines.size() < kTooltipLines; start += kTooltipLineLength) {
    lines << text.mid(start, kTooltipLineLength);
  }
  QString tooltip = lines.join('\n');
  if (text.size() > kTooltipLineLength * kTooltipLines) {
    tooltip += "…\n" + Translated(QT_TRANSLATE_NOOP("draftcalc", "(%1 characters)")).arg(text.size());
  }
  return tooltip;
}

}  // namespace

InputBox::InputBox(QWidget* parent, Qt::Alignment alignment) : QLineEdit(parent), fullSizeFont_(parent->font()) {
  setAlignment(alignment | Qt::AlignVCenter);
  // The calculation reads texts of any length, and so must the box: by
  // default a line edit silently keeps only the first 32,767 characters.
  setMaxLength(std::numeric_limits<int>::max());
  plainPalette_ = palette();
  connect(this, &QLineEdit::textChanged, this, [this] {
    ShowReading();
    FitToText();
  });
}

void InputBox::ShowReading() {
  const auto reading = i18n::PartialReading(text().toStdString(), i18n::MessageLanguage());
  const QString now = reading ? QString::fromStdString(*reading) : QString();
  if (now == reading_) return;
  reading_ = now;
  QPalette tinted = plainPalette_;
  if (!reading_.isEmpty()) tinted.setColor(QPalette::Base, kPartlyReadTint);
  setPalette(tinted);
}

int InputBox::TextAreaWidth() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

// As the line edit itself decides whether it must scroll: the text's width
// rounded, and one pixel for the cursor.
bool InputBox::Fits(const QFont& font) const {
  if (text().size() > kLongestShowable) return false;
  return qRound(QFontMetricsF(font, this).horizontalAdvance(text())) + 1 <= TextAreaWidth();
}

QString InputBox::UnfocusedText() const {
  if (Fits(font())) return text();
  return QFontMetrics(font(), this).elidedText(text().left(kLongestShowable), Qt::ElideRight, TextAreaWidth());
}

void InputBox::FitToText() {
  QFont fitted = fullSizeFont_;
  while (!Fits(fitted) && fitted.pointSizeF() > kSmallestPointSize) {
    fitted.setPointSizeF(std::max(kSmallestPointSize, fitted.pointSizeF() - 0.5));
  }
  if (fitted != font()) setFont(fitted);
  QStringList tooltip;
  if (!reading_.isEmpty()) tooltip << reading_;
  if (!ShowsWholeText()) tooltip << TooltipFor(text());
  setToolTip(tooltip.join("\n\n"));
  update();
}

// The reading is said in the window's language.
void InputBox::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  reading_.clear();
  ShowReading();
  FitToText();
}

void InputBox::paintEvent(QPaintEvent* event) {
  if (hasFocus() || ShowsWholeText()) return QLineEdit::paintEvent(event);
  PaintElided();
}

// The frame as the line edit draws it, and the text's beginning at its left.
void InputBox::PaintElided() {
  QPainter painter(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
  area.adjust(kLineEditMargin, 0, -kLineEditMargin, 0);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, UnfocusedText());
}

void InputBox::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  FitToText();
}

void InputBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  update();
}

void InputBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  update();
}

}  // namespace draftcalc::app
