#include "app/window_arguments.h"

#include <cerrno>
#include <cstring>

#include "packaging/version.h"

namespace draftcalc::app {
namespace {

constexpr std::string_view kHelp = R"(Usage:
  draftcalc [QT-OPTION ...] [--lang en|ja] [FILE]   the calculator window
  draftcalc --help                   this text
  draftcalc --version                the version

The window calculates the plane-geometry constructions of machining and
drafting from three input rows, and draws the inputs and the answer to scale.
FILE, a CSV file of rows as draftcalc-cli reads them (columns x1 .. s3),
is opened as Ctrl+O opens it: its first record is calculated.
F1 in the window shows the D codes, the sign rules and the keys; right-click
the picture for About.

--lang en or --lang ja starts the window in English or Japanese, whatever
the language chosen last (right-click the picture: English, 日本語) or the
system's locale, which decide otherwise.

Qt's own options are taken as well, for example -platform offscreen (no
display), -style Fusion or -reverse. --help and --version need no display.

draftcalc-cli runs the same calculations on the command line and over CSV.
The manual pages draftcalc(1) and draftcalc-cli(1) tell the rest.
)";

}  // namespace

EarlyRequest ReadEarlyRequest(std::span<const std::string_view> args) {
  for (const std::string_view arg : args) {
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") return EarlyRequest::kHelp;
    if (arg == "--version") return EarlyRequest::kVersion;
  }
  return EarlyRequest::kNone;
}

int AnswerEarlyRequest(EarlyRequest request, std::FILE* out, std::FILE* err) {
  if (request == EarlyRequest::kHelp) {
    std::fwrite(kHelp.data(), 1, kHelp.size(), out);
  } else if (request == EarlyRequest::kVersion) {
    std::fprintf(out, "draftcalc %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
  }
  errno = 0;
  if (std::fflush(out) != 0 || std::ferror(out)) {
    std::fprintf(err, "draftcalc: cannot write output: %s\n", std::strerror(errno != 0 ? errno : EIO));
    return 1;
  }
  return 0;
}

WindowArguments ReadWindowArguments(const QStringList& arguments) {
  WindowArguments read;
  bool optionsEnded = false;
  const QStringList args = arguments.mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == "--" && !optionsEnded) {
      optionsEnded = true;
    } else if ((arg == "--lang" || arg.startsWith("--lang=")) && !optionsEnded) {
      const QString code = arg == "--lang" ? (i + 1 < args.size() ? args[++i] : QString()) : arg.mid(7);
      if (code == "en" || code == "ja") {
        read.language = code;
      } else {
        read.notes << "draftcalc: --lang " + code + " ignored: the languages are en and ja";
      }
    } else if (arg.startsWith('-') && arg != "-" && !optionsEnded) {
      read.notes << "draftcalc: unknown option " + arg + " ignored (draftcalc --help lists the options)";
    } else if (arg == "-") {
      read.notes << "draftcalc: - not opened: the window does not read standard input";
    } else if (!read.file.isEmpty()) {
      read.notes << "draftcalc: " + arg + " not opened: the window opens one file, " + read.file;
    } else {
      read.file = arg;
    }
  }
  return read;
}

}  // namespace draftcalc::app
