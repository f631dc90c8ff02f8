#pragma once

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

// One note for each argument Qt left (the program name comes first): the
// window opens no file and takes no other option, so they are ignored.
QStringList IgnoredArgumentNotes(const QStringList& arguments);

}  // namespace draftcalc::app
