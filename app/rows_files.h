#pragma once

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <vector>

#include "app/input_set_file.h"
#include "app/record_chooser.h"
#include "app/window_core.h"

namespace draftcalc::app {

// The rows saved as CSV and opened from CSV (Ctrl+S, Ctrl+O, the picture's
// menu, the command line, a dropped file), and stepping through the records
// of the file opened (Ctrl+PgDn, Ctrl+PgUp), which the status bar names.
// Opening a record is a program edit of the rows: Ctrl+Z undoes it.
class RowsFiles final {
 public:
  RowsFiles(QWidget* window, WindowCore& core, QStatusBar* statusBar);

  QAction* SaveAction() const { return save_; }
  QAction* OpenAction() const { return open_; }
  // Saves the rows and their answer as a CSV file of one record; a failure
  // is shown, and any file of that name is left as it was.
  bool Save(const QString& path);
  // Opens a CSV file of rows: its first record fills the rows and is
  // calculated, and of several records a list offers the others. A file
  // that cannot be read is shown with its problems ("FILE:LINE: message"),
  // which are returned, and the rows are left as they are.
  QStringList Open(const QString& path);
  // Takes a drag of one CSV file and opens it when dropped; false for every
  // other event.
  bool TakeDrop(QEvent* event);
  // The list of an opened file's records once one was shown, else nullptr.
  RecordChooser* Chooser() const { return chooser_; }
  // The last failure shown while it is open.
  QMessageBox* ProblemBox() const { return problemBox_.data(); }

 private:
  void ShowRecord(size_t index);
  bool Step(int step);
  void SaveWithDialog();
  void OpenWithDialog();
  void ShowProblem(const QString& title, const QString& text);

  QWidget* window_;
  WindowCore& core_;
  QAction *save_ = nullptr, *open_ = nullptr, *next_ = nullptr, *previous_ = nullptr;
  QLabel* recordPanel_ = nullptr;
  struct Opened {
    QString path;
    std::vector<InputSetFile::Record> records;
    size_t current = 0;
  } opened_;
  RecordChooser* chooser_ = nullptr;
  QPointer<QMessageBox> problemBox_;
  QString lastFolder_;  // of the last file opened or saved
};

}  // namespace draftcalc::app
