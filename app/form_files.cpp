// The window's files: the rows saved as CSV and opened from CSV (by the
// keys, the picture's menu, the command line or a drop), and stepping
// through the records of the file opened.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMimeData>
#include <QUrl>

#include "app/calculation_summary.h"
#include "app/form_miret.h"

namespace draftcalc::app {
namespace {

const QString kCsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");
// A failed open lists this many of its problems, and how many more there are.
constexpr qsizetype kProblemsListed = 10;

std::optional<QString> DroppedCsvFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) return std::nullopt;
  const QUrl url = mime->urls().front();
  if (!url.isLocalFile() || !url.toLocalFile().endsWith(".csv", Qt::CaseInsensitive)) return std::nullopt;
  return url.toLocalFile();
}

QString ListOf(const QStringList& problems, qsizetype count) {
  QString text = problems.mid(0, kProblemsListed).join('\n');
  if (count > kProblemsListed) text += QString("\n… and %1 more").arg(count - kProblemsListed);
  return text;
}

}  // namespace

void Form_miret::CreateFileActions() {
  saveAction = new QAction("Save rows…", this);
  saveAction->setShortcut(QKeySequence::Save);
  connect(saveAction, &QAction::triggered, this, &Form_miret::SaveWithDialog);
  openAction = new QAction("Open rows…", this);
  openAction->setShortcut(QKeySequence::Open);
  connect(openAction, &QAction::triggered, this, &Form_miret::OpenWithDialog);
  nextRecordAction = new QAction("Next record", this);
  nextRecordAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  connect(nextRecordAction, &QAction::triggered, this, [this] { StepRecord(1); });
  previousRecordAction = new QAction("Previous record", this);
  previousRecordAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  connect(previousRecordAction, &QAction::triggered, this, [this] { StepRecord(-1); });
  for (QAction* step : {nextRecordAction, previousRecordAction}) step->setEnabled(false);
  addActions({saveAction, openAction, nextRecordAction, previousRecordAction});

  StatusRecord = new QLabel(StatusBar1);
  StatusBar1->addPermanentWidget(StatusRecord);
  StatusRecord->hide();
  setAcceptDrops(true);
}

bool Form_miret::SaveRows(const QString& path) {
  const csv::BoxTexts boxes = Utf8Texts(CurrentRows());
  // The answer of these rows, also while the one shown belongs to others.
  const ResultCaptions captions = CalculateRows(boxes).captions;
  const QString failure = WriteInputSetFile(path, boxes, captions);
  if (!failure.isEmpty()) {
    ShowProblem("Cannot save the rows",
                QString("%1 could not be written: %2\n\nA file of that name is left as it was.").arg(path, failure));
    return false;
  }
  lastFolder_ = QFileInfo(path).absolutePath();
  ShowNotice("Rows saved to " + path);
  return true;
}

QStringList Form_miret::OpenRows(const QString& path) {
  InputSetFile file = ReadInputSetFile(path);
  if (!file.problems.isEmpty()) {
    const QString stopped =
        file.truncated ? QString("\nOnly the first %1 MiB of the file were read.").arg(files::kMostBytesRead >> 20)
                       : "";
    ShowProblem("Cannot open " + QFileInfo(path).fileName(),
                ListOf(file.problems, file.problemCount) + stopped + "\n\nThe rows are left as they were.");
    if (file.problemCount > file.problems.size()) {
      file.problems << QString("… and %1 more problems").arg(file.problemCount - file.problems.size());
    }
    return file.problems;
  }
  lastFolder_ = QFileInfo(path).absolutePath();
  opened_ = {path, std::move(file.records), 0};
  const bool several = opened_.records.size() > 1;
  for (QAction* step : {nextRecordAction, previousRecordAction}) step->setEnabled(several);
  ShowOpenedRecord(0);
  if (several) {
    if (chooser_ == nullptr) chooser_ = new RecordChooser(this, [this](size_t index) { ShowOpenedRecord(index); });
    chooser_->Show(QFileInfo(path).fileName(), opened_.records, 0);
  } else if (chooser_ != nullptr) {
    chooser_->hide();
  }
  if (file.moreRecords) {
    ShowNotice(QString("Only the first %1 records of %2 were read.").arg(opened_.records.size()).arg(path));
  }
  return {};
}

void Form_miret::ShowOpenedRecord(size_t index) {
  opened_.current = index;
  StatusBar1->clearMessage();  // a notice of another record
  const InputSetFile::Record& record = opened_.records[index];
  SetRows(RowTextsOf(record.boxes));
  clearUndo_.Forget();
  Calculate();
  const QString name = QFileInfo(opened_.path).fileName();
  const size_t count = opened_.records.size();
  StatusRecord->setText(count > 1 ? QString("%1 %2/%3").arg(name).arg(index + 1).arg(count) : name);
  StatusRecord->setToolTip(
      QString("%1: record %2 of %3, line %4").arg(opened_.path).arg(index + 1).arg(count).arg(record.line));
  StatusRecord->show();
}

bool Form_miret::StepRecord(int step) {
  const auto to = static_cast<long long>(opened_.current) + step;
  if (opened_.records.size() < 2) return false;
  if (to < 0 || to >= static_cast<long long>(opened_.records.size())) {
    ShowNotice(QString("That was the %1 record of %2.").arg(step > 0 ? "last" : "first", opened_.path));
    return false;
  }
  ShowOpenedRecord(static_cast<size_t>(to));
  if (chooser_ != nullptr) chooser_->List()->setCurrentRow(static_cast<int>(to));
  return true;
}

void Form_miret::SaveWithDialog() {
  QFileDialog dialog(this, "Save rows", QDir(lastFolder_).filePath("rows.csv"), kCsvFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("csv");
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) SaveRows(dialog.selectedFiles().front());
}

void Form_miret::OpenWithDialog() {
  const QString path = QFileDialog::getOpenFileName(this, "Open rows", lastFolder_, kCsvFilter);
  if (!path.isEmpty()) OpenRows(path);
}

// Shown without waiting for it to be closed: the caller goes on.
void Form_miret::ShowProblem(const QString& title, const QString& text) {
  if (problemBox_ == nullptr) {
    problemBox_ = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    problemBox_->setAttribute(Qt::WA_DeleteOnClose);
  }
  problemBox_->setWindowTitle(title);
  problemBox_->setText(text);
  problemBox_->open();
}

// Over the input boxes too, which would take the file's name as text.
bool Form_miret::TakeFileDrop(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const auto file = DroppedCsvFile(drop->mimeData());
  if (!file) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) OpenRows(*file);
  return true;
}

void Form_miret::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakeFileDrop(event)) event->ignore();
}

void Form_miret::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakeFileDrop(event)) event->ignore();
}

void Form_miret::dropEvent(QDropEvent* event) {
  if (!TakeFileDrop(event)) event->ignore();
}

}  // namespace draftcalc::app
