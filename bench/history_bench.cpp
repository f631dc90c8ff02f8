// The history of calculations with a full file of 1,000 records, offscreen:
// the first Ctrl+H (the file read, every record's calculation found and
// listed) and a calculation added to it (one record appended, and a new file
// of the newest 1,000 written each time it passes 1,200).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <memory>

#include "app/form_miret.h"
#include "app/history.h"
#include "app/window_parts.h"
#include "engine/calculation.h"
#include "examples/catalogue_examples.h"
#include "temporary_home.h"

namespace {

using draftcalc::app::Form_miret;
using draftcalc::app::History;
using draftcalc::app::Part;
using draftcalc::app::RowBoxes;

const TemporaryHome* home = nullptr;

// A calculation with the history off, kept, and kept with the panel shown
// (a row added to it as well).
enum : int64_t { kHistoryOff, kHistoryKept, kHistoryListed };

// A history of 1,000 records of the twelve catalogue calculations in turn.
void FillHistory() {
  const QString path = home->DataFolder() + "/draftcalc/history.csv";
  QFile::remove(path);
  QDir().mkpath(home->DataFolder() + "/draftcalc");
  History history(path.toStdString());
  for (size_t i = 0; i < History::kKept; ++i) {
    const auto& entry = draftcalc::examples::kCatalogue[i % draftcalc::examples::kCatalogue.size()];
    draftcalc::csv::BoxTexts boxes;
    for (size_t box = 0; box < boxes.size(); ++box) boxes[box] = entry.rows[box / 8][box % 8];
    history.Append({History::Now(), boxes, draftcalc::Calculate(entry.Texts())});
  }
}

std::unique_ptr<Form_miret> ShownWindow(benchmark::State& state) {
  auto form = std::make_unique<Form_miret>();
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get())) state.SkipWithError("window not exposed");
  return form;
}

void BM_FirstHistoryPanel(benchmark::State& state) {
  FillHistory();
  for (auto _ : state) {
    state.PauseTiming();
    const auto form = ShownWindow(state);
    state.ResumeTiming();
    Part<QAction>(*form, "showHistory")->trigger();
    QApplication::processEvents();
    state.PauseTiming();
    if (Part<draftcalc::app::HistoryPanel>(*form, "history")->topLevelItemCount() != static_cast<int>(History::kKept))
      state.SkipWithError("not listed");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstHistoryPanel)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

void BM_CalculateIntoTheHistory(benchmark::State& state) {
  FillHistory();
  const auto form = ShownWindow(state);
  const int64_t history = state.range(0);
  form->Menus().PictureMenu();  // reads the setting into the menu entry
  if (Part<QAction>(*form, "keepHistory")->isChecked() != (history != kHistoryOff))
    Part<QAction>(*form, "keepHistory")->trigger();
  Part<QAction>(*form, "showHistory")->setChecked(history == kHistoryListed);
  const auto& entry = draftcalc::examples::kCatalogue[9];
  for (size_t box = 0; box < 24; ++box) {
    const std::string_view text = entry.rows[box / 8][box % 8];
    RowBoxes(*form, static_cast<int>(box / 8))[box % 8]->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  for (auto _ : state) Part<QPushButton>(*form, "calculate")->click();
  if (history == kHistoryOff) Part<QAction>(*form, "keepHistory")->trigger();
}
BENCHMARK(BM_CalculateIntoTheHistory)
    ->Arg(kHistoryOff)
    ->Arg(kHistoryKept)
    ->Arg(kHistoryListed)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1000);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const TemporaryHome temporary;
  home = &temporary;
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName("draftcalc");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
