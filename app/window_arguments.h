#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <span>
#include <string_view>

namespace draftcalc::app {

// What the window program's command line asks for before any window exists.
enum class EarlyRequest { kNone, kHelp, kVersion };

// Looks for --help (-h) and --version among the arguments after the program
// name, before Qt starts, so that both work without a display; "--" ends the
// options. Everything else, Qt's own options included, is left to Qt.
EarlyRequest ReadEarlyRequest(std::span<const std::string_view> args);

// Writes the help or the version to `out`; the exit status: 0, or 1 when
// `out` could not take it (the reason on `err`).
int AnswerEarlyRequest(EarlyRequest request, std::FILE* out, std::FILE* err);

// What the arguments Qt left ask of the window (the program name comes
// first): the CSV file to open, the first argument that is no option (empty
// when there is none), the language asked for by --lang en|ja (or
// --lang=en), and a note for each argument ignored.
struct WindowArguments {
  QString file;
  QString language;  // "en", "ja" or empty
  QStringList notes;
};
WindowArguments ReadWindowArguments(const QStringList& arguments);

}  // namespace draftcalc::app
