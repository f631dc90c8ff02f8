// draftcalc: the calculator window.
#include <QApplication>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/form_miret.h"
#include "app/language.h"
#include "app/startup_probe.h"
#include "app/window_arguments.h"
#include "files/signals.h"

int main(int argc, char** argv) {
  using namespace draftcalc::app;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (const EarlyRequest request = ReadEarlyRequest(args); request != EarlyRequest::kNone) {
    return AnswerEarlyRequest(request, stdout, stderr);
  }
  // A file size limit then fails a write, which is reported and undone,
  // instead of killing the window half way through a file.
  draftcalc::files::IgnoreFileSizeSignal();
  QApplication application(argc, argv);
  // Desktops show the menu entry's icon for the window: decoding one at
  // start-up would add half a MiB to the peak memory.
  QGuiApplication::setDesktopFileName("draftcalc");
  // Names the folder of the program's data, where the history is kept.
  QCoreApplication::setApplicationName("draftcalc");
  const WindowArguments arguments = ReadWindowArguments(QApplication::arguments());
  for (const QString& note : arguments.notes) std::fprintf(stderr, "%s\n", qPrintable(note));
  UseLanguage(StartingLanguage(LanguageOfCode(arguments.language)), false);
  Form_miret form;
  InstallStartupProbe(form);
  form.show();
  // Before the first paint: the window shows the file's first record calculated.
  if (!arguments.file.isEmpty()) {
    for (const QString& problem : form.OpenRows(arguments.file)) std::fprintf(stderr, "%s\n", qPrintable(problem));
  }
  return QApplication::exec();
}
