#include "app/record_chooser.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/calculation_summary.h"
#include "app/language.h"

namespace draftcalc::app {

RecordChooser::RecordChooser(QWidget* parent, std::function<void(size_t)> onChosen)
    : QDialog(parent), caption_(new QLabel(this)), list_(new QListWidget(this)), onChosen_(std::move(onChosen)) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  connect(list_, &QListWidget::itemActivated, this, &RecordChooser::Choose);
  connect(buttons, &QDialogButtonBox::accepted, this, &RecordChooser::Choose);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 20);
}

void RecordChooser::Show(const QString& fileName, std::span<const InputSetFile::Record> records, size_t current) {
  setWindowTitle(Translated(QT_TRANSLATE_NOOP("draftcalc", "Choose a record")));
  caption_->setText(Translated(QT_TRANSLATE_NOOP("draftcalc",
                                                 "%1 holds %2 records. Choose one to calculate; Ctrl+PgDn and "
                                                 "Ctrl+PgUp step through them in the window."))
                        .arg(fileName)
                        .arg(records.size()));
  caption_->setWordWrap(true);
  list_->clear();
  for (const InputSetFile::Record& record : records) {
    const Outcome outcome = CalculateRows(record.boxes);
    auto* item = new QListWidgetItem(Translated(QT_TRANSLATE_NOOP("draftcalc", "Line %1: %2 — %3"))
                                         .arg(record.line)
                                         .arg(CalculationName(outcome.ran), AnswerSummary(outcome.captions)),
                                     list_);
    item->setToolTip(RowsSummary(record.boxes));
  }
  list_->setCurrentRow(static_cast<int>(current));
  list_->setFocus();
  // Not modal: the first record is shown and can be worked with meanwhile.
  show();
  raise();
  activateWindow();
}

void RecordChooser::Choose() {
  const int row = list_->currentRow();
  if (row < 0) return;
  accept();
  onChosen_(static_cast<size_t>(row));
}

}  // namespace draftcalc::app
