#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <functional>
#include <span>

#include "app/input_set_file.h"

namespace draftcalc::app {

// The records of an opened file to choose from, a row each: its line, the
// calculation its rows run and their answer, the rows themselves in the
// tooltip. Double-click, Enter or Open hands the chosen record's index to
// the window; the window stays usable meanwhile.
class RecordChooser final : public QDialog {
 public:
  RecordChooser(QWidget* parent, std::function<void(size_t)> onChosen);

  // Lists the records of `fileName` with record `current` selected.
  void Show(const QString& fileName, std::span<const InputSetFile::Record> records, size_t current);
  QListWidget* List() const { return list_; }

 private:
  void Choose();

  QLabel* caption_;
  QListWidget* list_;
  std::function<void(size_t)> onChosen_;
};

}  // namespace draftcalc::app
