// Rows saved and opened as draftcalc-cli's CSV: exact round trips, the
// answer saved with them, failed saves, files of several records, files
// that cannot be opened, and files dropped on the window.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <csignal>
#include <string>
#include <vector>

#include "csv/input_set.h"
#include "data_folder_fixture.h"
#include "engine/calculation.h"
#include "view/view_geometry.h"

namespace draftcalc::app {
namespace {

using examples::kCatalogue;

// The texts the boxes show.
BoxTexts Rows(const Form_miret& form) {
  BoxTexts rows;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      rows[BoxIndex(row, static_cast<Column>(column))] =
          Box(form, row, static_cast<Column>(column))->text().toStdString();
    }
  }
  return rows;
}

void SetRows(Form_miret& form, const BoxTexts& rows) {
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      Box(form, row, static_cast<Column>(column))->setText(QStr(rows[BoxIndex(row, static_cast<Column>(column))]));
    }
  }
}

BoxTexts ExampleRows(const examples::CatalogueEntry& entry) {
  BoxTexts rows;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      rows[BoxIndex(row, static_cast<Column>(column))] =
          entry.rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
  }
  return rows;
}

size_t HistoryLength(Form_miret& form) { return form.TheHistory().Records().size(); }

class Files : public WindowWithData {
 protected:
  QString Path(const QString& name) const { return folder.filePath(name); }

  // The 3.4 example, calculated, as the rows every failed open leaves.
  void CalculateTheFirstRows() {
    CalculateExample(kCatalogue[9]);
    rowsBefore = Rows(form);
    shownBefore = Shown(form);
  }

  BoxTexts rowsBefore;
  ResultCaptions shownBefore;
};

TEST_F(Files, SavedRowsOpenAgainExactlyAndRunInBatchToTheirAnswer) {
  BoxTexts rows = ExampleRows(kCatalogue[9]);
  rows[3] = "a,b";                       // A1
  rows[4] = "\"quoted\" \"\"twice\"\"";  // B1
  rows[11] = "line\nbreak";              // A2
  rows[12] = "日本語, \"引用\"\r\n";     // B2
  rows[20] = " 1 ";                      // A3
  SetRows(form, rows);
  QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  const ResultCaptions shown = Shown(form);
  ASSERT_EQ(shown.ansY, "11.1803");

  ASSERT_TRUE(form.SaveRows(Path("rows.csv")));
  const csv::CsvTable table = ReadTable(Path("rows.csv"));
  EXPECT_TRUE(table.problems.empty());
  const std::vector<std::string_view> columns = csv::InputSetColumns();
  EXPECT_EQ(table.header.fields, std::vector<std::string>(columns.begin(), columns.end()));
  ASSERT_EQ(table.records.size(), 1u);
  const BoxTexts& saved = rows;
  EXPECT_EQ(std::vector<std::string>(table.records[0].fields.begin(), table.records[0].fields.begin() + 24),
            std::vector<std::string>(saved.begin(), saved.end()));
  EXPECT_EQ(std::vector<std::string>(table.records[0].fields.begin() + 24, table.records[0].fields.end()),
            (std::vector<std::string>{shown.ansX, shown.ansY, shown.ansA, shown.ansR, shown.ansRem}));

  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  const size_t before = HistoryLength(form);
  EXPECT_TRUE(form.OpenRows(Path("rows.csv")).isEmpty());
  EXPECT_EQ(Rows(form), rows);
  EXPECT_EQ(Shown(form), shown);
  EXPECT_EQ(HistoryLength(form), before + 1) << "opening calculates";
  EXPECT_EQ(Part<QLabel>(form, "recordPanel")->text(), "rows.csv");
  EXPECT_EQ(form.Chooser(), nullptr) << "one record: nothing to choose";
}

TEST_F(Files, TheAnswerSavedIsThatOfTheRowsSavedEvenWhenTheShownOneIsOutOfDate) {
  CalculateExample(kCatalogue[0]);
  TypeRows(form, kCatalogue[1]);  // typed, not calculated
  ASSERT_TRUE(form.SaveRows(Path("typed.csv")));
  const ResultCaptions answer = Calculate(kCatalogue[1].Texts());
  const csv::CsvTable table = ReadTable(Path("typed.csv"));
  ASSERT_EQ(table.records.size(), 1u);
  const std::vector<std::string>& fields = table.records[0].fields;
  EXPECT_EQ(std::vector<std::string>(fields.begin() + 24, fields.end()),
            (std::vector<std::string>{answer.ansX, answer.ansY, answer.ansA, answer.ansR, answer.ansRem}));
}

// Root may write anywhere, so the writes fail otherwise: a file size limit
// (a disk that fills up half way), and a folder that is a file.
TEST_F(Files, AFailedSaveSaysWhyAndLeavesThePreviousFileAsItWas) {
  ASSERT_TRUE(WriteBytes(Path("rows.csv"), "x1\n7\n"));
  ASSERT_TRUE(WriteBytes(Path("plain"), "not a folder\n"));
  Box(form, 0, colR)->setText(QString(20000, '9'));

  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{4096, limit.rlim_max};
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool savedWhenFull = form.SaveRows(Path("rows.csv"));
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(savedWhenFull);
  EXPECT_EQ(FileBytes(Path("rows.csv")), "x1\n7\n");
  ASSERT_NE(form.ProblemBox(), nullptr);
  EXPECT_TRUE(form.ProblemBox()->isVisible());
  EXPECT_TRUE(form.ProblemBox()->text().startsWith(Path("rows.csv") + " could not be written: File too large"))
      << Str(form.ProblemBox()->text());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"plain", "rows.csv"})) << "no file left over";

  EXPECT_FALSE(form.SaveRows(Path("plain/rows.csv")));
  EXPECT_EQ(FileBytes(Path("plain")), "not a folder\n");
  EXPECT_TRUE(form.ProblemBox()->text().startsWith(Path("plain/rows.csv") + " could not be written: "));
}

TEST_F(Files, OfSeveralRecordsTheFirstIsCalculatedAndTheOthersChosenOrSteppedTo) {
  ASSERT_TRUE(WriteBytes(Path("three.csv"),
                         "name,x1,y1,d1,X2,y2,d2,note\n"
                         "p,0,0,8,3,4,8,ignored\n"
                         "q,0,0,8,-4,3,8,\n"
                         "\"r\nline\",0,0,8,5,-5,8,x\n"));
  ASSERT_TRUE(form.OpenRows(Path("three.csv")).isEmpty());
  EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "53.1301");
  EXPECT_EQ(Str(Box(form, 2, colD)->text()), "99") << "a box no column feeds keeps its start-up text";
  EXPECT_EQ(Part<QLabel>(form, "recordPanel")->text(), "three.csv 1/3");

  RecordChooser* chooser = form.Chooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(chooser->isVisible());
  ASSERT_EQ(chooser->List()->count(), 3);
  EXPECT_EQ(chooser->List()->currentRow(), 0);
  EXPECT_EQ(Str(chooser->List()->item(1)->text()), "Line 3: 1.1 ２点の角度 — X 0  Y 0  A 143.1301");
  EXPECT_EQ(Str(chooser->List()->item(2)->text()).substr(0, 7), "Line 4:") << "a record begins on its first line";

  chooser->List()->setCurrentRow(2);
  QTest::keyClick(chooser->List(), Qt::Key_Return);
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_EQ(Str(Box(form, 1, colY)->text()), "-5");
  EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "-45");
  EXPECT_EQ(Part<QLabel>(form, "recordPanel")->text(), "three.csv 3/3");

  QTest::keyClick(&form, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Part<QLabel>(form, "recordPanel")->text(), "three.csv 3/3") << "no record after the last";
  ASSERT_NE(Part<QLabel>(form, "notice"), nullptr);
  EXPECT_TRUE(Part<QLabel>(form, "notice")->isVisible() &&
              Part<QLabel>(form, "notice")->text().contains("last record"));
  EXPECT_TRUE(Part<PictureBox>(form, "picture")->geometry().contains(Part<QLabel>(form, "notice")->geometry()))
      << "the notice lies on the picture";
  EXPECT_TRUE(Part<QLabel>(form, "cornerPanel")->isVisible() && Part<QLabel>(form, "calculationPanel")->isVisible())
      << "the notice stands beside the panels";
  EXPECT_EQ(Str(Part<QLabel>(form, "cornerPanel")->text()), view::CoordinateText(form.ShownWindow()));
  EXPECT_EQ(Str(Part<QLabel>(form, "calculationPanel")->text()), "1.1 ２点の角度");
  QTest::keyClick(&form, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Str(Box(form, 1, colX)->text()), "-4");
  EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "143.1301");
  EXPECT_EQ(chooser->List()->currentRow(), 1);
  QTest::keyClick(&form, Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(&form, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Part<QLabel>(form, "recordPanel")->text(), "three.csv 2/3");

  // A file of one record ends the stepping.
  ASSERT_TRUE(WriteBytes(Path("one.csv"), "x1,y1,d1,x2,y2,d2\n0,0,8,1,1,8\n"));
  ASSERT_TRUE(form.OpenRows(Path("one.csv")).isEmpty());
  EXPECT_FALSE(Part<QAction>(form, "nextRecord")->isEnabled());
  EXPECT_FALSE(chooser->isVisible());
}

TEST_F(Files, AFileThatCannotBeOpenedIsReportedByLineAndTheRowsStay) {
  ASSERT_TRUE(QDir().mkpath(Path("folder.csv")));
  ASSERT_EQ(::mkfifo(Path("pipe.csv").toLocal8Bit().constData(), 0600), 0);
  struct Case {
    const char* name;
    QByteArray bytes;  // none: no such file
    QString problem;
  };
  const Case cases[] = {
      {"width.csv", "x1,y1\n1,2\n3\n", "width.csv:3: record has 1 fields, the header has 2"},
      {"empty.csv", "", "empty.csv:1: no header line"},
      {"nobox.csv", "name,note\na,b\n", "nobox.csv:1: the header names no input box (x1 … s3)"},
      {"twice.csv", "x1,X1\n1,2\n", "twice.csv:1: header names input box x1 twice"},
      {"stray.csv", "x1\n1\n\"1\"2\n", "stray.csv:3: unexpected text after a closing quote"},
      {"binary.csv", "note,x1\n\xff,1\n2,\xfe\n", "binary.csv:3: input box x1 is not valid UTF-8"},
      {"header.csv", "x1\n", "header.csv: no records after the header"},
      {"blank.csv", "x1, y1\n1,2\n", "blank.csv:1: column \" y1\" is not y1; write y1"},
      {"bom.csv", "\xEF\xBB\xBF\xEF\xBB\xBFx1,y1\n1,2\n", "bom.csv:1: column \"<U+FEFF>x1\" is not x1; write x1"},
      {"missing.csv", {}, "missing.csv: cannot open: No such file or directory"},
      {"folder.csv", {}, "folder.csv: cannot open: not a regular file but a folder"},
      // Refused before it is opened: opening it would wait for a writer.
      {"pipe.csv", {}, "pipe.csv: cannot open: not a regular file but a named pipe (FIFO)"},
  };
  CalculateTheFirstRows();
  const size_t history = HistoryLength(form);
  for (const Case& c : cases) {
    if (!c.bytes.isNull()) {
      ASSERT_TRUE(WriteBytes(Path(c.name), c.bytes));
    }
    const QStringList problems = form.OpenRows(Path(c.name));
    ASSERT_EQ(problems.size(), 1) << c.name << ": " << Str(problems.join('\n'));
    EXPECT_TRUE(problems.front().startsWith(Path(c.problem))) << Str(problems.front());
    ASSERT_NE(form.ProblemBox(), nullptr);
    EXPECT_TRUE(form.ProblemBox()->text().endsWith("The rows are left as they were.")) << c.name;
    EXPECT_EQ(Rows(form), rowsBefore) << c.name;
    EXPECT_EQ(Shown(form), shownBefore) << c.name;
    EXPECT_EQ(HistoryLength(form), history) << c.name << ": nothing calculated";
  }
}

// Ten listed, a hundred kept for standard error, all counted.
TEST_F(Files, ManyProblemsAreListedUpToTenAndCounted) {
  struct Case {
    int problems;
    qsizetype returned;
    const char* more;
  };
  for (const Case c : {Case{14, 14, "… and 4 more"}, Case{250, 101, "… and 240 more"}}) {
    QByteArray bytes = "x1,y1\n0,0\n";
    for (int i = 0; i < c.problems; ++i) bytes += "1\n";
    ASSERT_TRUE(WriteBytes(Path("many.csv"), bytes));
    const QStringList problems = form.OpenRows(Path("many.csv"));
    ASSERT_EQ(problems.size(), c.returned) << c.problems;
    EXPECT_TRUE(problems.front().endsWith(":3: record has 1 fields, the header has 2"));
    if (c.problems > 100) {
      EXPECT_EQ(problems.back(), QString("… and %1 more problems").arg(c.problems - 100));
    }
    EXPECT_TRUE(form.ProblemBox()->text().contains(":12: record has 1 fields"));
    EXPECT_FALSE(form.ProblemBox()->text().contains(":13: "));
    EXPECT_TRUE(form.ProblemBox()->text().contains(c.more)) << Str(form.ProblemBox()->text());
    form.ProblemBox()->close();
  }
}

// A drop of one CSV file, on the window or on an input box (which would
// otherwise take the file's name as text), opens it; other drops are left
// to the controls.
TEST_F(Files, ACsvFileDroppedOnTheWindowIsOpened) {
  ASSERT_TRUE(WriteBytes(Path("drop.CSV"), "x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n"));
  ASSERT_TRUE(WriteBytes(Path("drop.txt"), "x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n"));
  const auto drag = [](QWidget* target, const QString& file) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    mime.setText(file);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
  };
  for (QWidget* target : std::initializer_list<QWidget*>{&form, Box(form, 0, colX)}) {
    QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
    EXPECT_TRUE(drag(target, Path("drop.CSV"))) << Str(target->objectName());
    EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "53.1301");
    EXPECT_EQ(Str(Box(form, 1, colX)->text()), "3");
  }
  QTest::mouseClick(Part<QPushButton>(form, "clear"), Qt::LeftButton);
  drag(Box(form, 0, colX), Path("drop.txt"));
  EXPECT_EQ(Str(Part<QLabel>(form, "ansA")->text()), "") << "not opened";
}

}  // namespace
}  // namespace draftcalc::app
