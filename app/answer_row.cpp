#include "app/answer_row.h"

#include <QPalette>

#include "app/form_layout.h"
#include "app/language.h"
#include "app/look.h"

namespace draftcalc::app {
namespace {

// Twips. Three columns of fields across the window's design width.
constexpr double kLeft = 120, kGap = 120, kLineWidth = kClientWidth - 2 * kLeft;
constexpr double kColumnWidth = (kLineWidth - 2 * kGap) / 3;
constexpr double kBandHeight = 252, kFieldHeight = 252, kLineGap = 48;
// Pixels between a field's edge and its text.
constexpr int kTextMargin = 3;

constexpr double ColumnLeft(int column) { return kLeft + column * (kColumnWidth + kGap); }

QString Caption(const char* text) { return QString::fromUtf8(text); }
const char* const kRemarkCaption = QT_TRANSLATE_NOOP("draftcalc", "[ 備考 ]");

}  // namespace

AnswerRow::AnswerRow(QWidget* parent, const TwipScale& scale, double top) {
  const double upperFields = top + kBandHeight;
  const double lowerBand = upperFields + kFieldHeight + kLineGap;
  const double lowerFields = lowerBand + kBandHeight;
  bottom_ = lowerFields + kFieldHeight;

  ansX = CreateField(parent, scale.Rect(ColumnLeft(0), upperFields, kColumnWidth, kFieldHeight), kAnswerYellow);
  ansY = CreateField(parent, scale.Rect(ColumnLeft(1), upperFields, kColumnWidth, kFieldHeight), kAnswerYellow);
  ansA = CreateField(parent, scale.Rect(ColumnLeft(2), upperFields, kColumnWidth, kFieldHeight), kAnswerYellow);
  ansRem =
      CreateField(parent, scale.Rect(ColumnLeft(0), lowerFields, 2 * kColumnWidth + kGap, kFieldHeight), kRemarkWhite);
  ansR = CreateField(parent, scale.Rect(ColumnLeft(2), lowerFields, kColumnWidth, kFieldHeight), kAnswerYellow);

  upperCaptions = new ColumnHeader(parent);
  upperCaptions->setGeometry(scale.Rect(kLeft, top, kLineWidth, kBandHeight));
  upperCaptions->AddCaption(Caption("[  X  ]"), ansX->geometry());
  upperCaptions->AddCaption(Caption("[  Y  ]"), ansY->geometry());
  upperCaptions->AddCaption(Caption("[  A  ]"), ansA->geometry());
  lowerCaptions = new ColumnHeader(parent);
  lowerCaptions->setGeometry(scale.Rect(kLeft, lowerBand, kLineWidth, kBandHeight));
  lowerCaptions->AddCaption(Translated(kRemarkCaption), ansRem->geometry());
  lowerCaptions->AddCaption(Caption("[  R  ]"), ansR->geometry());
  upperCaptions->setObjectName("upperAnswerCaptions");
  lowerCaptions->setObjectName("lowerAnswerCaptions");
  const std::array<const char*, 5> names = {"ansX", "ansY", "ansA", "ansR", "ansRem"};
  for (size_t i = 0; i < names.size(); ++i) Fields()[i]->setObjectName(names[i]);
}

QLabel* AnswerRow::CreateField(QWidget* parent, const QRect& place, const QColor& background) {
  auto* field = new QLabel(parent);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setContentsMargins(kTextMargin, 0, kTextMargin, 0);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  field->setGeometry(place);
  SetBackground(field, background);
  return field;
}

void AnswerRow::Show(const ResultCaptions& captions) {
  shown_ = captions;
  const auto fields = Fields();
  for (size_t i = 0; i < fields.size(); ++i) fields[i]->setText(QString::fromStdString(captions.*kCaptionFields[i]));
  Retranslate();
}

void AnswerRow::Retranslate() {
  lowerCaptions->SetCaptionText(0, Translated(kRemarkCaption));
  const QString remark = QString::fromStdString(shown_.ansRem);
  const QString rendered = Translated(shown_.ansRem.c_str());
  ansRem->setText(rendered);
  ansRem->setToolTip(rendered == remark ? QString() : remark);
}

void AnswerRow::SetOutOfDate(bool outOfDate) {
  outOfDate_ = outOfDate;
  ShowLooks();
}

void AnswerRow::SetFailed(bool failed) {
  if (failed == failed_) return;
  failed_ = failed;
  ShowLooks();
}

void AnswerRow::ShowLooks() {
  const QColor text = ansX->parentWidget()->palette().color(QPalette::WindowText);
  for (QLabel* field : Fields()) {
    const bool remark = field == ansRem;
    if (outOfDate_) {
      ShowLook(field, kOutOfDateBackground, kOutOfDateText);
    } else if (failed_) {
      ShowLook(field, remark ? kRemarkWhite : kFailedBackground, remark ? kFailureRed : kOutOfDateText);
    } else {
      ShowLook(field, remark ? kRemarkWhite : kAnswerYellow, text);
    }
  }
}

void AnswerRow::ShowLook(QLabel* field, const QColor& background, const QColor& text) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  field->setPalette(palette);
}

QString AnswerRow::AnswerLine() const {
  QStringList parts;
  for (const auto field : kCaptionFields) parts << QString::fromStdString(shown_.*field);
  return parts.join('\t');
}

}  // namespace draftcalc::app
