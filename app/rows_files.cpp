#include "app/rows_files.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMimeData>
#include <QUrl>

#include "app/actions.h"
#include "app/calculation_summary.h"
#include "app/language.h"

namespace draftcalc::app {
namespace {

QString CsvFilter() { return Translated(QT_TRANSLATE_NOOP("draftcalc", "CSV files (*.csv);;All files (*)")); }
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
  if (count > kProblemsListed)
    text += "\n" + Translated(QT_TRANSLATE_NOOP("draftcalc", "… and %1 more")).arg(count - kProblemsListed);
  return text;
}

}  // namespace

RowsFiles::RowsFiles(QWidget* window, WindowCore& core, QStatusBar* statusBar) : window_(window), core_(core) {
  save_ = NewAction(window, core_.Texts(), "saveRows", QT_TRANSLATE_NOOP("draftcalc", "Save rows…"),
                    QKeySequence::keyBindings(QKeySequence::Save));
  QObject::connect(save_, &QAction::triggered, window, [this] { SaveWithDialog(); });
  open_ = NewAction(window, core_.Texts(), "openRows", QT_TRANSLATE_NOOP("draftcalc", "Open rows…"),
                    QKeySequence::keyBindings(QKeySequence::Open));
  QObject::connect(open_, &QAction::triggered, window, [this] { OpenWithDialog(); });
  next_ = NewAction(window, core_.Texts(), "nextRecord", QT_TRANSLATE_NOOP("draftcalc", "Next record"),
                    {QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
  QObject::connect(next_, &QAction::triggered, window, [this] { Step(1); });
  previous_ = NewAction(window, core_.Texts(), "previousRecord", QT_TRANSLATE_NOOP("draftcalc", "Previous record"),
                        {QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
  QObject::connect(previous_, &QAction::triggered, window, [this] { Step(-1); });
  for (QAction* step : {next_, previous_}) step->setEnabled(false);

  recordPanel_ = new QLabel(statusBar);
  recordPanel_->setObjectName("recordPanel");
  statusBar->addPermanentWidget(recordPanel_);
  recordPanel_->hide();
  window->setAcceptDrops(true);
}

bool RowsFiles::Save(const QString& path) {
  const BoxTexts& boxes = core_.TheSession().Boxes();
  // The answer of these rows, also while the one shown belongs to others.
  const ResultCaptions captions = CalculateRows(boxes).captions;
  const QString failure = WriteInputSetFile(path, boxes, captions);
  if (!failure.isEmpty()) {
    ShowProblem(Translated(QT_TRANSLATE_NOOP("draftcalc", "Cannot save the rows")),
                Translated(QT_TRANSLATE_NOOP("draftcalc",
                                             "%1 could not be written: %2\n\nA file of that name is left as it was."))
                    .arg(path, failure));
    return false;
  }
  lastFolder_ = QFileInfo(path).absolutePath();
  core_.Notice(Translated(QT_TRANSLATE_NOOP("draftcalc", "Rows saved to %1")).arg(path));
  return true;
}

QStringList RowsFiles::Open(const QString& path) {
  InputSetFile file = ReadInputSetFile(path);
  if (!file.problems.isEmpty()) {
    const QString stopped =
        file.truncated
            ? "\n" + Translated(QT_TRANSLATE_NOOP("draftcalc", "Only the first %1 MiB of the file were read."))
                         .arg(files::kMostBytesRead >> 20)
            : QString();
    ShowProblem(Translated(QT_TRANSLATE_NOOP("draftcalc", "Cannot open %1")).arg(QFileInfo(path).fileName()),
                ListOf(file.problems, file.problemCount) + stopped + "\n\n" +
                    Translated(QT_TRANSLATE_NOOP("draftcalc", "The rows are left as they were.")));
    if (file.problemCount > file.problems.size()) {
      file.problems << Translated(QT_TRANSLATE_NOOP("draftcalc", "… and %1 more problems"))
                           .arg(file.problemCount - file.problems.size());
    }
    return file.problems;
  }
  lastFolder_ = QFileInfo(path).absolutePath();
  opened_ = {path, std::move(file.records), 0};
  const bool several = opened_.records.size() > 1;
  for (QAction* step : {next_, previous_}) step->setEnabled(several);
  ShowRecord(0);
  if (several) {
    if (chooser_ == nullptr) chooser_ = new RecordChooser(window_, [this](size_t index) { ShowRecord(index); });
    chooser_->Show(QFileInfo(path).fileName(), opened_.records, 0);
  } else if (chooser_ != nullptr) {
    chooser_->hide();
  }
  if (file.moreRecords) {
    core_.Notice(Translated(QT_TRANSLATE_NOOP("draftcalc", "Only the first %1 records of %2 were read."))
                     .arg(opened_.records.size())
                     .arg(path));
  }
  return {};
}

void RowsFiles::ShowRecord(size_t index) {
  opened_.current = index;
  const InputSetFile::Record& record = opened_.records[index];
  session::Session& session = core_.TheSession();
  core_.Show(session.SetRows(record.boxes));
  core_.Show(session.Calculate());
  const QString name = QFileInfo(opened_.path).fileName();
  const size_t count = opened_.records.size();
  recordPanel_->setText(count > 1 ? QString("%1 %2/%3").arg(name).arg(index + 1).arg(count) : name);
  recordPanel_->setToolTip(Translated(QT_TRANSLATE_NOOP("draftcalc", "%1: record %2 of %3, line %4"))
                               .arg(opened_.path)
                               .arg(index + 1)
                               .arg(count)
                               .arg(record.line));
  recordPanel_->show();
}

bool RowsFiles::Step(int step) {
  const auto to = static_cast<long long>(opened_.current) + step;
  if (opened_.records.size() < 2) return false;
  if (to < 0 || to >= static_cast<long long>(opened_.records.size())) {
    core_.Notice((step > 0 ? Translated(QT_TRANSLATE_NOOP("draftcalc", "That was the last record of %1."))
                           : Translated(QT_TRANSLATE_NOOP("draftcalc", "That was the first record of %1.")))
                     .arg(opened_.path));
    return false;
  }
  ShowRecord(static_cast<size_t>(to));
  if (chooser_ != nullptr) chooser_->List()->setCurrentRow(static_cast<int>(to));
  return true;
}

void RowsFiles::SaveWithDialog() {
  QFileDialog dialog(window_, Translated(QT_TRANSLATE_NOOP("draftcalc", "Save rows")),
                     QDir(lastFolder_).filePath("rows.csv"), CsvFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("csv");
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) Save(dialog.selectedFiles().front());
}

void RowsFiles::OpenWithDialog() {
  const QString path = QFileDialog::getOpenFileName(window_, Translated(QT_TRANSLATE_NOOP("draftcalc", "Open rows")),
                                                    lastFolder_, CsvFilter());
  if (!path.isEmpty()) Open(path);
}

// Shown without waiting for it to be closed: the caller goes on.
void RowsFiles::ShowProblem(const QString& title, const QString& text) {
  if (problemBox_ == nullptr) {
    problemBox_ = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, window_);
    problemBox_->setObjectName("problem");
    problemBox_->setAttribute(Qt::WA_DeleteOnClose);
  }
  problemBox_->setWindowTitle(title);
  problemBox_->setText(text);
  problemBox_->open();
}

// Over the input boxes too, which would take the file's name as text.
bool RowsFiles::TakeDrop(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const auto file = DroppedCsvFile(drop->mimeData());
  if (!file) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) Open(*file);
  return true;
}

}  // namespace draftcalc::app
