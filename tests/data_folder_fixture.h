#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "csv/byte_source.h"
#include "csv/csv_table.h"
#include "window_fixture.h"

namespace draftcalc::app {

// The window with a data folder of its own for each test: its history
// starts empty, in a temporary folder.
class WindowWithData : public Window {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previousDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    Window::SetUp();
  }
  void TearDown() override { qputenv("XDG_DATA_HOME", previousDataHome_); }

  QString HistoryPath() const { return folder.path() + "/draftcalc/history.csv"; }

  void CalculateExample(const examples::CatalogueEntry& entry) {
    TypeRows(form, entry);
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  }

  QTemporaryDir folder;

 private:
  QByteArray previousDataHome_;
};

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// A file read as draftcalc-cli reads its input.
inline csv::CsvTable ReadTable(const QString& path) {
  const QByteArray bytes = FileBytes(path);
  csv::MemorySource source(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  return csv::ReadCsvTable(source);
}

}  // namespace draftcalc::app
