// The window's files on a full file system (run by tests/on_full_disk.sh):
// saved rows and exported pictures of a few bytes, far less than any write
// buffer, keep the old file and say why; nothing says "saved".
#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>

#include "data_folder_fixture.h"
#include "full_disk.h"

namespace draftcalc::app {
namespace {

using FullDisk = Window;

TEST_F(FullDisk, SavedRowsAndExportsKeepTheOldFilesAndSayWhy) {
  SKIP_UNLESS_ON_A_FULL_DISK();
  const QString folder = QString::fromStdString(testing_files::EmptiedFullDiskFolder());
  const QString rows = folder + "/rows.csv", svg = folder + "/picture.svg", png = folder + "/picture.png";
  const QByteArray oldRows = "x1\n7\n", oldSvg = "<svg/>", oldPng = "\x89PNG old";
  for (const auto& [path, bytes] : {std::pair{rows, oldRows}, std::pair{svg, oldSvg}, std::pair{png, oldPng}}) {
    ASSERT_TRUE(WriteBytes(path, bytes));
  }
  TypeRows(form, examples::kCatalogue[9]);
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  ASSERT_TRUE(testing_files::FillUp(folder.toStdString()));

  EXPECT_FALSE(form.SaveRows(rows));
  ASSERT_NE(form.ProblemBox(), nullptr);
  EXPECT_TRUE(form.ProblemBox()->text().startsWith(rows + " could not be written: No space left on device"))
      << Str(form.ProblemBox()->text());
  EXPECT_TRUE(Part<QLabel>(form, "notice") == nullptr || !Part<QLabel>(form, "notice")->text().contains("saved"));
  form.ProblemBox()->close();

  for (const auto& [path, format] : {std::pair{svg, ExportFormat::kSvg}, std::pair{png, ExportFormat::kPng}}) {
    EXPECT_FALSE(form.Export().ExportTo(path, format)) << Str(path);
    QMessageBox* message = nullptr;
    for (QMessageBox* box : form.findChildren<QMessageBox*>()) message = box->isVisible() ? box : message;
    ASSERT_NE(message, nullptr) << Str(path);
    EXPECT_EQ(message->text(), "Cannot write " + QDir::toNativeSeparators(path) + ": No space left on device");
    message->close();
    QApplication::processEvents();
  }
  EXPECT_EQ(FileBytes(rows), oldRows);
  EXPECT_EQ(FileBytes(svg), oldSvg);
  EXPECT_EQ(FileBytes(png), oldPng);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"filler", "picture.png", "picture.svg", "rows.csv"}))
      << "no hidden file left";
}

}  // namespace
}  // namespace draftcalc::app
