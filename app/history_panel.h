#pragma once

#include <QDateTime>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <optional>

#include "app/history.h"

namespace draftcalc::app {

// The history of calculations as a list, newest first, a row each: when (the
// date over the time of day) and what (the calculation that ran over its
// answer); the whole record, rows included, in the row's tooltip.
// Double-click or Enter on a row asks the window to restore that record.
class HistoryPanel final : public QTreeWidget {
 public:
  // `onRestore(index)`: the user chose the record at `index` (oldest first);
  // called once the list's own event handling is over, since restoring
  // calculates and so adds a row.
  HistoryPanel(QWidget* parent, std::function<void(size_t)> onRestore);
  // The column captions in the language now installed.
  void Retranslate();

  // Brings the list up to date with the records (oldest first) of a history
  // at `generation`: only the new ones are added while the generation stays.
  void Show(const std::deque<HistoryRecord>& records, int generation);
  // The index of the record in the row (oldest first).
  static size_t RecordOf(const QTreeWidgetItem* item);
  // The row of record `index`, or nullptr.
  QTreeWidgetItem* ItemOf(size_t index) const;

 private:
  std::function<void(size_t)> onRestore_;
  std::optional<int> generation_;
};

// "2024-05-01\n14:03:07" for a time of the history, in the local time zone;
// the text itself when it is no ISO 8601 time.
QString WhenText(const QString& time);

}  // namespace draftcalc::app
