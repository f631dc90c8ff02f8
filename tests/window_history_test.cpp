// The history of calculations: each calculation added at the end of the
// file, the file read back as draftcalc-cli reads CSV, the panel and
// restoring, trimming shown in the panel, a damaged file, the setting (the
// file itself: history_test.cpp).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTest>
#include <string>
#include <vector>

#include "app/history.h"
#include "app/look.h"
#include "app/settings.h"
#include "csv/csv_writer.h"
#include "csv/input_set.h"
#include "data_folder_fixture.h"
#include "session/catalogue.h"

namespace draftcalc::app {
namespace {

using examples::kCatalogue;

std::vector<std::string> ExampleTexts(const examples::CatalogueEntry& entry) {
  std::vector<std::string> texts;
  for (const auto& row : entry.rows) texts.insert(texts.end(), row.begin(), row.end());
  return texts;
}

std::vector<std::string> CaptionFields(const ResultCaptions& c) { return {c.ansX, c.ansY, c.ansA, c.ansR, c.ansRem}; }

ino_t Inode(const QString& path) {
  struct stat status {};
  return ::stat(path.toLocal8Bit().constData(), &status) == 0 ? status.st_ino : 0;
}

// A history of `count` records of the 1.1 example, record i with x2 = i,
// the way the window writes them.
QByteArray HistoryOf(int count) {
  std::string text;
  csv::CsvWriter writer(text);
  for (const std::string& name : History::Columns()) writer.Field(name);
  writer.EndRecord();
  csv::BoxTexts boxes;
  const std::vector<std::string> example = ExampleTexts(kCatalogue[0]);
  std::copy(example.begin(), example.end(), boxes.begin());
  for (int i = 0; i < count; ++i) {
    boxes[8] = std::to_string(i);
    writer.Field("2026-01-02T03:04:05+09:00");
    csv::WriteInputSetFields(writer, boxes, {"0", "0", "45", "", ""});
    writer.EndRecord();
  }
  return QByteArray::fromStdString(text);
}

TEST_F(WindowWithData, CalculateAddsOneRecordAtTheEndOfTheHistoryWithoutRewritingIt) {
  EXPECT_FALSE(QFile::exists(HistoryPath())) << "start-up reads and writes nothing";
  EXPECT_EQ(form.TheHistory().Path(), HistoryPath().toStdString());

  CalculateExample(kCatalogue[9]);
  const QByteArray first = FileBytes(HistoryPath());
  csv::CsvTable table = ReadTable(HistoryPath());
  EXPECT_TRUE(table.problems.empty());
  ASSERT_EQ(table.header.fields.size(), 30u);
  EXPECT_EQ(table.header.fields[0], "time");
  EXPECT_EQ(table.header.fields[1], "x1");
  EXPECT_EQ(table.header.fields[29], "ansRem");
  ASSERT_EQ(table.records.size(), 1u);
  const std::vector<std::string>& fields = table.records[0].fields;
  const QDateTime when = QDateTime::fromString(QString::fromStdString(fields[0]), Qt::ISODate);
  ASSERT_TRUE(when.isValid()) << fields[0];
  EXPECT_LE(std::abs(when.secsTo(QDateTime::currentDateTime())), 5) << fields[0];
  EXPECT_EQ(when.offsetFromUtc(), QDateTime::currentDateTime().offsetFromUtc()) << "local time, its offset written";
  EXPECT_EQ(std::vector<std::string>(fields.begin() + 1, fields.begin() + 25), ExampleTexts(kCatalogue[9]));
  EXPECT_EQ(std::vector<std::string>(fields.begin() + 25, fields.end()), CaptionFields(Shown(form)));

  const ino_t inode = Inode(HistoryPath());
  CalculateExample(kCatalogue[0]);
  const QByteArray second = FileBytes(HistoryPath());
  EXPECT_TRUE(second.startsWith(first));
  EXPECT_EQ(Inode(HistoryPath()), inode) << "appended to, not replaced";
  table = ReadTable(HistoryPath());
  ASSERT_EQ(table.records.size(), 2u);
  EXPECT_EQ(table.records[1].fields[27], "53.1301");  // ansA
}

TEST_F(WindowWithData, TheHistoryListsNewestFirstAndRestoringARecordGivesItsCaptionsAgain) {
  std::vector<ResultCaptions> shown;
  for (int example : {0, 9, 10}) {
    CalculateExample(kCatalogue[static_cast<size_t>(example)]);
    shown.push_back(Shown(form));
  }
  TypeRows(form, kCatalogue[3]);  // typed, not calculated
  QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(Part<HistoryPanel>(form, "history")->isVisible());
  EXPECT_FALSE(Part<CandidatePanel>(form, "candidates")->isVisible());
  EXPECT_EQ(Part<HistoryPanel>(form, "history")->geometry(), Part<CandidatePanel>(form, "candidates")->geometry())
      << "in the candidates panel's place";
  EXPECT_EQ(QApplication::focusWidget(), Part<HistoryPanel>(form, "history"));
  ASSERT_EQ(Part<HistoryPanel>(form, "history")->topLevelItemCount(), 3);
  EXPECT_TRUE(
      Part<HistoryPanel>(form, "history")->topLevelItem(0)->text(1).startsWith(Utf8(kCatalogue[10].name.substr(0, 3))));
  EXPECT_EQ(Part<HistoryPanel>(form, "history")->topLevelItem(2)->text(1),
            Utf8(session::CatalogueTitle(CalculationId::kAngleOfTwoPoints)) + "\nX 0  Y 0  A 53.1301");

  // Enter on the middle row: the 3.4 rows come back and are calculated.
  Part<HistoryPanel>(form, "history")->setCurrentItem(Part<HistoryPanel>(form, "history")->topLevelItem(1));
  QTest::keyClick(Part<HistoryPanel>(form, "history"), Qt::Key_Return);
  QTest::qWait(20);
  EXPECT_EQ(Shown(form), shown[1]);
  EXPECT_EQ(Str(Box(form, 1, colC)->text()), "-5");
  EXPECT_EQ(form.TheHistory().Records().size(), 4u) << "a restored record is calculated, and so added";
  ASSERT_EQ(Part<HistoryPanel>(form, "history")->topLevelItemCount(), 4);
  EXPECT_EQ(Part<HistoryPanel>(form, "history")->currentItem(), Part<HistoryPanel>(form, "history")->topLevelItem(2))
      << "the restored record stays current";

  // A double click on the oldest: as a window system hands it over, a click
  // and then the double click.
  const QPoint oldest = Part<HistoryPanel>(form, "history")
                            ->visualItemRect(Part<HistoryPanel>(form, "history")->topLevelItem(3))
                            .center();
  QTest::mouseClick(Part<HistoryPanel>(form, "history")->viewport(), Qt::LeftButton, {}, oldest);
  EXPECT_EQ(Shown(form), shown[1]) << "a single click restores nothing";
  QTest::mouseDClick(Part<HistoryPanel>(form, "history")->viewport(), Qt::LeftButton, {}, oldest);
  QTest::qWait(20);
  EXPECT_EQ(Shown(form), shown[0]);
  EXPECT_EQ(Str(Box(form, 1, colX)->text()), "3");

  QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier);
  EXPECT_FALSE(Part<HistoryPanel>(form, "history")->isVisible());
  EXPECT_TRUE(Part<CandidatePanel>(form, "candidates")->isVisible());
}

TEST_F(WindowWithData, PickingACandidateBringsTheCandidatesBack) {
  CalculateExample(kCatalogue[9]);
  Part<QAction>(form, "showHistory")->trigger();
  ASSERT_TRUE(Part<HistoryPanel>(form, "history")->isVisible());
  QTest::keyClick(&form, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_FALSE(Part<HistoryPanel>(form, "history")->isVisible());
  EXPECT_TRUE(Part<CandidatePanel>(form, "candidates")->isVisible());
  EXPECT_FALSE(Part<QAction>(form, "showHistory")->isChecked());
}

TEST_F(WindowWithData, TrimmingShowsInTheOpenPanel) {
  ASSERT_TRUE(QDir().mkpath(folder.filePath("draftcalc")));
  ASSERT_TRUE(WriteBytes(HistoryPath(), HistoryOf(1200)));
  Part<QAction>(form, "showHistory")->trigger();
  EXPECT_EQ(Part<HistoryPanel>(form, "history")->topLevelItemCount(), 1200);
  CalculateExample(kCatalogue[2]);
  EXPECT_EQ(ReadTable(HistoryPath()).records.size(), 1000u);
  ASSERT_EQ(Part<HistoryPanel>(form, "history")->topLevelItemCount(), 1000);
  EXPECT_TRUE(Part<HistoryPanel>(form, "history")->topLevelItem(0)->text(1).startsWith("1.3"));
  EXPECT_TRUE(Part<HistoryPanel>(form, "history")->topLevelItem(999)->toolTip(0).contains("Row 2: 201 | 4 | 8"));
}

TEST_F(WindowWithData, TheWindowStartsWithADamagedHistoryAndSetsItAsideWhenItFirstNeedsIt) {
  ASSERT_TRUE(QDir().mkpath(folder.filePath("draftcalc")));
  ASSERT_TRUE(WriteBytes(HistoryPath(), "no history\n\"at all"));
  Form_miret second;
  second.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
  TypeRows(second, kCatalogue[0]);
  QTest::mouseClick(Part<QPushButton>(second, "calculate"), Qt::LeftButton);
  EXPECT_EQ(Str(Part<QLabel>(second, "ansA")->text()), "53.1301");
  ASSERT_NE(Part<QLabel>(second, "notice"), nullptr);
  EXPECT_TRUE(Part<QLabel>(second, "notice")->text().contains("set aside as history.csv.bad-"))
      << Str(Part<QLabel>(second, "notice")->text());
  EXPECT_TRUE(Part<QLabel>(second, "cornerPanel")->isVisible() &&
              Part<QLabel>(second, "calculationPanel")->isVisible());
  EXPECT_EQ(QDir(folder.filePath("draftcalc")).entryList({"history.csv.bad-*"}).size(), 1);
  EXPECT_EQ(ReadTable(HistoryPath()).records.size(), 1u);
}

TEST_F(WindowWithData, WithTheHistoryOffNothingIsAddedAndTheSettingIsKept) {
  const auto menuEntries = [](const Form_miret& window) {
    std::vector<std::string> entries;
    const auto menu = window.Menus().PictureMenu();
    for (const QAction* action : menu->actions()) entries.push_back(Str(action->text()));
    return entries;
  };
  EXPECT_EQ(menuEntries(form),
            (std::vector<std::string>{"Zoom to fit", "Fit after each calculation", "Export…", "", "Open rows…",
                                      "Save rows…", "", "History", "Keep a history of calculations", "", "Use as row 1",
                                      "Use as row 2", "Use as row 3", "", "English",
                                      "日本語", "", "About draftcalc"}));
  EXPECT_TRUE(Part<QAction>(form, "keepHistory")->isChecked());
  Part<QAction>(form, "keepHistory")->trigger();  // the user unticks it
  CalculateExample(kCatalogue[0]);
  EXPECT_FALSE(QFile::exists(HistoryPath()));
  {
    Form_miret next;
    menuEntries(next);
    EXPECT_FALSE(Part<QAction>(next, "keepHistory")->isChecked()) << "remembered";
  }
  Part<QAction>(form, "keepHistory")->trigger();
  EXPECT_TRUE(ReadFlag("history/enabled", false));
  CalculateExample(kCatalogue[0]);
  EXPECT_EQ(ReadTable(HistoryPath()).records.size(), 1u);
}

}  // namespace
}  // namespace draftcalc::app
