#include "app/candidate_panel.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVariant>
#include <algorithm>
#include <optional>

#include "app/language.h"
#include "app/look.h"
#include "app/painter_surface.h"
#include "candidates/candidate_text.h"

namespace draftcalc::app {
namespace {

enum PanelColumn : int { kNumber, kValues, kSelect, kPanelColumns };
// Where a row keeps the fields of its copied line.
constexpr int kLineRole = Qt::UserRole;

QString NumberText(double value) { return Utf8(candidates::ShortestNumberText(value)); }
QString NumberText(const std::optional<double>& value) { return value ? NumberText(*value) : QString(); }

// The list's own figure: 10 significant digits, trailing zeros dropped, so
// that 5.000000000000002 shows as 5 (the copy and the tooltip keep every
// digit).
QString ShortNumberText(const QString& full) {
  if (full.isEmpty()) return full;
  const QString text = QString::number(full.toDouble(), 'g', 10);
  return text == "-0" ? QStringLiteral("0") : text;
}

QString InWords(const candidates::Candidate& candidate) {
  if (candidate.isAnswer) return Translated(QT_TRANSLATE_NOOP("draftcalc", "the answer"));
  if (candidate.construction != candidates::Construction::kCalculation) {
    return Translated(QT_TRANSLATE_NOOP("draftcalc", "construction only"));
  }
  return Utf8(candidates::EditsInWords(candidate));
}

// Number, X, Y, A, R, the edits, then X and Y of each touching point: the
// order of draftcalc-cli's --all columns.
constexpr int kFirstTouchField = 6;
QStringList LineFields(const candidates::Candidate& candidate) {
  QStringList fields = {QString::number(candidate.number), NumberText(candidate.point.x), NumberText(candidate.point.y),
                        NumberText(candidate.direction),   NumberText(candidate.radius),  InWords(candidate)};
  for (const geometry::Point& touch : candidate.touches) fields << NumberText(touch.x) << NumberText(touch.y);
  return fields;
}

// "X 28.66", "Y 5", "R 5", "T1 25, 0": the values it has, labelled, a line
// each, each number through `number`.
QString ValueLines(const QStringList& fields, QString (*number)(const QString&)) {
  QStringList lines;
  for (int i = 1; i <= 4; ++i) {
    if (!fields[i].isEmpty()) lines << QString("XYAR"[i - 1]) + " " + number(fields[i]);
  }
  for (int i = kFirstTouchField; i + 1 < fields.size(); i += 2) {
    lines << "T" + QString::number((i - kFirstTouchField) / 2 + 1) + " " + number(fields[i]) + ", " +
                 number(fields[i + 1]);
  }
  return lines.join('\n');
}
QString AsItIs(const QString& text) { return text; }

QString EditLines(const candidates::Candidate& candidate) {
  if (candidate.construction != candidates::Construction::kCalculation) {
    return Translated(QT_TRANSLATE_NOOP("draftcalc", "construction\nonly"));
  }
  if (!candidate.reachable) return Translated(QT_TRANSLATE_NOOP("draftcalc", "not reachable\nwith these rows"));
  return InWords(candidate).split(", ").join('\n');
}

// "Candidate 2: X 11, Y 6.93, R 3; T1 11, 3.93; R1 = -10, S3 = -1" in full
// precision, whatever the widths of the columns show of it.
QString Described(const QStringList& fields) {
  return Translated(QT_TRANSLATE_NOOP("draftcalc", "Candidate %1: %2; %3"))
      .arg(fields[0], ValueLines(fields, AsItIs).split('\n').join("; "), fields[5]);
}

void SetColour(QTreeWidgetItem* item, int column, const std::optional<QColor>& colour) {
  item->setData(column, Qt::ForegroundRole, colour ? QVariant(*colour) : QVariant());
}

void FillRow(QTreeWidgetItem* item, const candidates::Candidate& candidate) {
  const QStringList fields = LineFields(candidate);
  item->setData(kNumber, kLineRole, fields);
  item->setText(kNumber, fields.front());
  item->setText(kValues, ValueLines(fields, ShortNumberText));
  item->setText(kSelect, EditLines(candidate));
  for (int column = kNumber; column < kPanelColumns; ++column) item->setToolTip(column, Described(fields));
  item->setTextAlignment(kNumber, Qt::AlignRight | Qt::AlignTop);
  for (int column : {kValues, kSelect}) item->setTextAlignment(column, Qt::AlignLeft | Qt::AlignTop);
  SetColour(item, kNumber, candidate.isAnswer ? std::optional(PaletteColour(view::kLightRed)) : std::nullopt);
  SetColour(item, kSelect, candidate.reachable ? std::nullopt : std::optional(kOutOfDateText));
}

}  // namespace

CandidatePanel::CandidatePanel(QWidget* parent, std::function<void(int)> onPicked, std::function<bool(int)> onStep)
    : QTreeWidget(parent), onPicked_(std::move(onPicked)), onStep_(std::move(onStep)) {
  setColumnCount(kPanelColumns);
  Retranslate();
  setRootIsDecorated(false);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  header()->setSectionsMovable(false);
  // The edits take the width the values leave. The list never scrolls
  // sideways: a value too long for its column (beyond 17 digits, such as
  // "-1.2345678901234567e-300") shows whole in the row's tooltip and in the
  // copied line.
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setSectionResizeMode(kSelect, QHeaderView::Stretch);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (const int number = SelectedNumber()) onPicked_(number);
  });
}

void CandidatePanel::Retranslate() {
  setHeaderLabels({"#", Translated(QT_TRANSLATE_NOOP("draftcalc", "Answer")),
                   Translated(QT_TRANSLATE_NOOP("draftcalc", "Select with"))});
}

// Picking a candidate recalculates from inside the list's own mouse and key
// handling; the same number of candidates (picking keeps them) updates the
// rows in place rather than deleting the items the list is handling.
void CandidatePanel::Show(std::span<const candidates::Candidate> candidates) {
  const QSignalBlocker quiet(this);
  clearSelection();
  if (static_cast<size_t>(topLevelItemCount()) != candidates.size()) {
    clear();
    for (size_t i = 0; i < candidates.size(); ++i) addTopLevelItem(new QTreeWidgetItem);
  }
  for (const candidates::Candidate& candidate : candidates) FillRow(topLevelItem(candidate.number - 1), candidate);
}

void CandidatePanel::Select(int number) {
  const QSignalBlocker quiet(this);
  QTreeWidgetItem* item = number >= 1 ? topLevelItem(number - 1) : nullptr;
  if (item == nullptr) {
    clearSelection();
    return;
  }
  setCurrentItem(item);
  scrollToItem(item);
}

int CandidatePanel::SelectedNumber() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? 0 : indexOfTopLevelItem(selected.front()) + 1;
}

QString CandidatePanel::Line(int number) const {
  const QTreeWidgetItem* item = number >= 1 ? topLevelItem(number - 1) : nullptr;
  return item == nullptr ? QString() : item->data(kNumber, kLineRole).toStringList().join('\t');
}

// The texts the columns are made for, each with the margins an item view
// keeps either side of a cell's text, and no narrower than its caption.
int CandidatePanel::DesignWidth() const {
  const QFontMetrics metrics = fontMetrics();
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  const char* const widest[kPanelColumns] = {"88", "X -12.345678901234567", "with these rows"};
  int columns = 0;
  for (int column = kNumber; column < kPanelColumns; ++column) {
    columns += std::max(metrics.horizontalAdvance(widest[column]) + margins, header()->sectionSizeHint(column));
  }
  return columns + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
}

bool CandidatePanel::focusNextPrevChild(bool next) {
  if (hasFocus() && onStep_(next ? 1 : -1)) return true;
  return QTreeWidget::focusNextPrevChild(next);
}

void CandidatePanel::SetEmptyText(const QString& text) {
  if (text == emptyText_) return;
  emptyText_ = text;
  viewport()->update();
}

void CandidatePanel::paintEvent(QPaintEvent* event) {
  QTreeWidget::paintEvent(event);
  if (topLevelItemCount() > 0 || emptyText_.isEmpty()) return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  painter.drawText(viewport()->rect().adjusted(6, 6, -6, -6), Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap,
                   emptyText_);
}

}  // namespace draftcalc::app
