#include "app/history_panel.h"

#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "app/calculation_summary.h"
#include "app/language.h"
#include "app/look.h"

namespace draftcalc::app {
namespace {

enum PanelColumn : int { kWhen, kWhat, kPanelColumns };
constexpr int kRecordRole = Qt::UserRole;

QTreeWidgetItem* RowFor(const HistoryRecord& record, size_t index) {
  auto* item = new QTreeWidgetItem;
  const QString calculation = CalculationName(CalculateRows(record.boxes).ran);
  const QString answer = AnswerSummary(record.captions);
  item->setData(kWhen, kRecordRole, QVariant::fromValue<qulonglong>(index));
  item->setText(kWhen, WhenText(Utf8(record.time)));
  item->setText(kWhat, calculation + "\n" + answer);
  const QString whole = Utf8(record.time) + "\n" + calculation + "\n" + answer + "\n" + RowsSummary(record.boxes);
  for (int column = kWhen; column < kPanelColumns; ++column) {
    item->setToolTip(column, whole);
    item->setTextAlignment(column, Qt::AlignLeft | Qt::AlignTop);
  }
  return item;
}

}  // namespace

QString WhenText(const QString& time) {
  const QDateTime when = QDateTime::fromString(time, Qt::ISODate);
  if (!when.isValid()) return time;
  return when.toLocalTime().toString("yyyy-MM-dd\nHH:mm:ss");
}

void HistoryPanel::Retranslate() {
  setHeaderLabels({Translated(QT_TRANSLATE_NOOP("draftcalc", "Time")),
                   Translated(QT_TRANSLATE_NOOP("draftcalc", "Calculation and answer"))});
}

HistoryPanel::HistoryPanel(QWidget* parent, std::function<void(size_t)> onRestore)
    : QTreeWidget(parent), onRestore_(std::move(onRestore)) {
  setColumnCount(kPanelColumns);
  Retranslate();
  setRootIsDecorated(false);
  setAllColumnsShowFocus(true);
  setAlternatingRowColors(true);  // each record two lines high
  setUniformRowHeights(true);     // a thousand rows are measured once
  setSelectionMode(QAbstractItemView::SingleSelection);
  header()->setSectionsMovable(false);
  // Sized from the widest date rather than from the rows, which would
  // measure every row again each time one is added.
  header()->setSectionResizeMode(kWhen, QHeaderView::Fixed);
  header()->setSectionResizeMode(kWhat, QHeaderView::Stretch);
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  header()->resizeSection(
      kWhen, std::max(fontMetrics().horizontalAdvance("0000-00-00") + margins + 4, header()->sectionSizeHint(kWhen)));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    const size_t index = RecordOf(item);
    QTimer::singleShot(0, this, [this, index] { onRestore_(index); });
  });
}

void HistoryPanel::Show(const std::deque<HistoryRecord>& records, int generation) {
  if (generation_ != generation || static_cast<size_t>(topLevelItemCount()) > records.size()) {
    clear();
    generation_ = generation;
  }
  const auto listed = static_cast<size_t>(topLevelItemCount());
  QList<QTreeWidgetItem*> added;
  for (size_t index = records.size(); index-- > listed;) added << RowFor(records[index], index);
  insertTopLevelItems(0, added);
}

size_t HistoryPanel::RecordOf(const QTreeWidgetItem* item) {
  return static_cast<size_t>(item->data(kWhen, kRecordRole).toULongLong());
}

QTreeWidgetItem* HistoryPanel::ItemOf(size_t index) const {
  const int count = topLevelItemCount();
  const int row = count - 1 - static_cast<int>(index);
  return row >= 0 && row < count ? topLevelItem(row) : nullptr;
}

}  // namespace draftcalc::app
