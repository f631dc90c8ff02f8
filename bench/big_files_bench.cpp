// The window's first Calculate with a huge history, and opening a huge file
// of malformed records: each case in a process of its own, its time and the
// process's peak memory reported beside a window that does the same with no
// file at all. A timed program run, not Google Benchmark: the peak of a
// process is the figure, so each case needs a fresh one.
//
//   big_files_bench [MIB_OF_HISTORY]   (default 100)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "app/form_miret.h"
#include "app/window_parts.h"
#include "csv/csv_writer.h"
#include "csv/input_set.h"
#include "files/history.h"

namespace {

using draftcalc::app::Form_miret;
using draftcalc::app::Part;
using draftcalc::app::RowBoxes;
using draftcalc::files::History;

struct Figures {
  double milliseconds = 0;
  double peakMiB = 0;
  bool ok = false;
};

// Writes `bytes` bytes of `line` repeated after `header`.
void WriteRepeated(const QString& path, const std::string& header, const std::string& line, size_t bytes) {
  std::ofstream file(path.toStdString(), std::ios::binary);
  file << header;
  std::string block;
  while (block.size() < (size_t{1} << 20)) block += line;
  for (size_t written = 0; written < bytes; written += block.size()) file << block;
}

std::string HistoryRecordLine() {
  std::string line;
  draftcalc::csv::CsvWriter writer(line);
  writer.Field("2026-01-02T03:04:05+09:00");
  draftcalc::csv::BoxTexts boxes = draftcalc::csv::StartupBoxTexts();
  boxes[2] = "8", boxes[8] = "3", boxes[9] = "4", boxes[10] = "8";
  draftcalc::csv::WriteInputSetFields(writer, boxes, {"0", "0", "53.1301", "", ""});
  writer.EndRecord();
  return line;
}

// In a child process: a shown window, then `action` timed; the peak resident
// set of the whole process from wait4.
Figures InAFreshWindow(const std::function<bool(Form_miret&)>& action) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    int argc = 1;
    char name[] = "big_files_bench";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("draftcalc");
    Form_miret form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) _exit(2);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = action(form);
    QApplication::processEvents();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (write(pipeEnds[1], &ms, sizeof ms) != sizeof ms) _exit(3);
    _exit(ok ? 0 : 1);
  }
  close(pipeEnds[1]);
  double ms = 0;
  const bool read = ::read(pipeEnds[0], &ms, sizeof ms) == sizeof ms;
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return {ms, static_cast<double>(usage.ru_maxrss) / 1024, read && WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

bool CalculateTwoPoints(Form_miret& form) {
  RowBoxes(form, 0)[2]->setText("8");
  RowBoxes(form, 1)[0]->setText("3");
  RowBoxes(form, 1)[1]->setText("4");
  RowBoxes(form, 1)[2]->setText("8");
  Part<QPushButton>(form, "calculate")->click();
  return Part<QLabel>(form, "ansA")->text() == "53.1301";
}

void Report(const char* what, const Figures& figures) {
  std::printf("%-58s %9.1f ms %8.1f MiB%s\n", what, figures.milliseconds, figures.peakMiB,
              figures.ok ? "" : "   (FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const size_t historyMiB = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
  const QString historyFolder = home.filePath("data/draftcalc");
  const QString history = historyFolder + "/history.csv";
  QDir().mkpath(historyFolder);

  Report("first Calculate, no history", InAFreshWindow(CalculateTwoPoints));
  QFile::remove(history);

  WriteRepeated(history, History::HeaderLine(), HistoryRecordLine(), historyMiB << 20);
  char what[128];
  std::snprintf(what, sizeof what, "first Calculate, a history of %zu MiB", historyMiB);
  Report(what, InAFreshWindow(CalculateTwoPoints));
  Report("  and at the next start (trimmed)", InAFreshWindow(CalculateTwoPoints));

  WriteRepeated(history, History::HeaderLine(), "damaged,record\n", historyMiB << 20);
  std::snprintf(what, sizeof what, "first Calculate, a history of %zu MiB of damaged records", historyMiB);
  Report(what, InAFreshWindow(CalculateTwoPoints));
  Report("  and at the next start (set aside)", InAFreshWindow(CalculateTwoPoints));
  for (const QString& aside : QDir(historyFolder).entryList({"history.csv.bad-*"}))
    QFile::remove(historyFolder + "/" + aside);

  const QString malformed = home.filePath("malformed.csv");
  WriteRepeated(malformed, "x1,y1\n", "1,2,3,4,5,6,78\n", size_t{32} << 20);
  Report("opening 32 MiB of malformed records (2 M), then Calculate", InAFreshWindow([&](Form_miret& form) {
           const bool refused = !form.OpenRows(malformed).isEmpty();
           return refused && CalculateTwoPoints(form);
         }));
  return 0;
}
