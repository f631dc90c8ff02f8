// draftcalc-cli: the calculation engine in batch, from CSV or from the command line.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/calc_command.h"
#include "cli/command_line.h"
#include "cli/output_file.h"
#include "csv/byte_source.h"
#include "files/signals.h"
#include "i18n/translation.h"
#include "packaging/version.h"

namespace {

using namespace draftcalc::cli;

// The help, a paragraph each, marked for the translations (--lang ja gives
// it in Japanese); paragraphs are joined by blank lines.
constexpr const char* kHelp[] = {
    QT_TRANSLATE_NOOP("draftcalc",
                      "Usage:\n"
                      "  draftcalc-cli [FILE] [OPTIONS]   one calculation per CSV record of FILE (or standard input)\n"
                      "  draftcalc-cli calc BOX=TEXT ...  one calculation from the named input boxes\n"
                      "                [--svg FILE] [--dxf FILE]  and its drawing\n"
                      "  draftcalc-cli --help             this text\n"
                      "  draftcalc-cli --version          the version"),
    QT_TRANSLATE_NOOP("draftcalc",
                      "Options:\n"
                      "  --all                 every answer of the construction as well (the\n"
                      "                        candidates), in both forms; see below\n"
                      "  --explain             why there is no answer, and the nearest input that\n"
                      "                        gives one; see below\n"
                      "  --strict              refuse a record (or calc) with a box text that is\n"
                      "                        not read whole, such as \"8,5\" read as 8 or \"point\"\n"
                      "                        read as 0; see below\n"
                      "  --lang en|ja          the language of the reasons (ansWhy, Why), of the\n"
                      "                        messages and of this help: English or Japanese\n"
                      "                        (default: the locale's, from LC_ALL, LC_MESSAGES or\n"
                      "                        LANG); ansRem is the same in both\n"
                      "  --jobs N              calculate in N threads (1 to 256; default: one per core);\n"
                      "                        the output is the same for every N\n"
                      "  --max-record-bytes N  longest record taken, in bytes (default 1048576)\n"
                      "  --svg FILE            with calc: also write the drawing of the calculation to\n"
                      "                        FILE as SVG 1.1: the rows, the answer and with --all the\n"
                      "                        candidates, fitted to them with a margin, in drawing\n"
                      "                        units (one to the millimetre) with y upwards, a group\n"
                      "                        per layer: AXES, INPUT, CANDIDATES, ANSWER\n"
                      "  --dxf FILE            with calc: the same drawing as DXF (AutoCAD 2000): LINE\n"
                      "                        and CIRCLE entities on those layers, millimetres\n"
                      "                        A drawing is written whole or not at all; one that\n"
                      "                        cannot be written gives \"cannot write FILE: reason\"\n"
                      "                        and exit status 1"),
    QT_TRANSLATE_NOOP("draftcalc",
                      "Input boxes are named by column and row: x1 y1 d1 a1 b1 c1 r1 s1, x2 ... s2,\n"
                      "x3 ... s3 (columns X Y D A B C R S of rows 1 to 3, either case). A box that is\n"
                      "not given keeps the window's start-up text: X and Y \"0.000\", D of row 3 \"99\",\n"
                      "all others empty. The D code says what a row is:\n"
                      "  8 point (X, Y)      0 circle (X, Y, radius R, side S)\n"
                      "  1, 2, 3 line (X, Y, angle A; offset B for 3)    5 value row (C)\n"
                      "and the codes alone choose the calculation; row 3 takes part when its D is a\n"
                      "number from 0 to below 10."),
    QT_TRANSLATE_NOOP("draftcalc",
                      "CSV mode reads RFC 4180 CSV (UTF-8, header line required, CR, LF or CRLF line\n"
                      "ends). Header names x1 .. s3 feed the boxes (a header naming none, or a column\n"
                      "such as \" x1 \" that is a box name only without its blanks or byte-order mark,\n"
                      "stops the run); any other column is passed through, except answer columns the input already has "
                      "(a saved set, the\n"
                      "history, an earlier output), which are left out and written afresh. The output\n"
                      "is the input header followed by ansX,ansY,ansA,ansR,ansRem (with --all also\n"
                      "the candidate columns), then every record with its five results, in input\n"
                      "order, with LF line ends.\n"
                      "From a pipe or a terminal each result is written as soon as it is calculated.\n"
                      "Every record gives exactly one output record or one FILE:LINE message on\n"
                      "standard error: a record with the wrong number of fields, text after a closing\n"
                      "quote, or more bytes than --max-record-bytes is reported and skipped; an\n"
                      "unclosed quote runs to the end of the input."),
    QT_TRANSLATE_NOOP("draftcalc",
                      "With --all, CSV mode writes twelve more columns after the answer columns,\n"
                      "cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,candT3X,candT3Y,\n"
                      "and one output record per candidate (the input and answer columns repeated),\n"
                      "cand numbering them 1..n in their order; a record without candidates gives\n"
                      "one output record with cand 0 and the others empty. candX and candY are the\n"
                      "candidate's point, candA its direction in degrees in (-180, 180] where it has\n"
                      "one (a tangent line's, of its two, the one nearer the answer's A), candR its\n"
                      "radius where it is a circle (numbers as the shortest text that reads back to\n"
                      "the same double); candSet the box edits that make the calculation show it, as\n"
                      "BOX=TEXT words (\"c2=-5 s3=-1\", a line walked the other way \"a1=225 b1=-5\"),\n"
                      "empty for the answer shown, \"-\" when no edits give it. candT1X .. candT3Y are\n"
                      "where it touches the elements it was made to touch, in row order: a tangent\n"
                      "line its circles, an answer circle each line, circle and tangent; empty where\n"
                      "there are fewer. calc --all prints a block per candidate after the five\n"
                      "captions, the touching points as lines T1, T2, T3."),
    QT_TRANSLATE_NOOP("draftcalc",
                      "With --explain, CSV mode writes two more columns after the answer columns\n"
                      "(before the --all ones): ansWhy, the reason a record has a remark instead of\n"
                      "an answer, in one sentence with the numbers that decide it (\"centres 20\n"
                      "apart; radii 5 + 5 reach 10: 10 short\"), and ansFix, the nearest input that\n"
                      "gives an answer as BOX=TEXT words (\"r2=15\"), the smallest change of one box\n"
                      "to the captions' four decimals; both empty for an answer, ansFix empty when\n"
                      "no one box edit helps. calc --explain prints them as the lines Why and Fix."),
    QT_TRANSLATE_NOOP("draftcalc",
                      "With --strict, a record with a box text that is not read whole as a number\n"
                      "(text after the number, a decimal comma, a text with no number, which is read\n"
                      "as 0, or a number beyond the double range) is reported as\n"
                      "FILE:LINE: r2 \"8,5\" is read as 8 and skipped (exit status 2 at the end);\n"
                      "calc --strict refuses it the same way. Blanks around a number are fine."),
    QT_TRANSLATE_NOOP("draftcalc",
                      "Exit status:\n"
                      "  0  every record was calculated and written\n"
                      "  1  the input could not be read or the output could not be written\n"
                      "     (the output is incomplete)\n"
                      "  2  malformed input (some records skipped, with --strict also those with a\n"
                      "     box not read whole, or a header that is missing, not UTF-8, names a box\n"
                      "     twice, names no box, or has a column that is a box name only once blanks\n"
                      "     or a byte-order mark are taken off it) or a wrong command line"),
    QT_TRANSLATE_NOOP("draftcalc",
                      "Examples:\n"
                      "  1.1 angle of two points\n"
                      "    draftcalc-cli calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8\n"
                      "  1.2 tangent from a point to a circle\n"
                      "    draftcalc-cli calc x1=0 y1=0 d1=8 x2=10 y2=0 d2=0 r2=5\n"
                      "  2.1 intersection of two lines\n"
                      "    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=3 a2=135\n"
                      "  2.2 intersection of a line and a circle (S chooses the point)\n"
                      "    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=0 r2=8 s2=1\n"
                      "  2.3 intersection of two circles\n"
                      "    draftcalc-cli calc d1=0 r1=10 d2=5 c2=0.001 x3=12 d3=0 r3=10 s3=1\n"
                      "  3.4 circle of radius 5 touching two circles, and every other one\n"
                      "    draftcalc-cli calc --all d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1\n"
                      "  3.5 circle through three points\n"
                      "    draftcalc-cli calc d1=8 x2=1 y2=3 d2=8 x3=4 y3=2 d3=8\n"
                      "  3.4 with every candidate, drawn for CAD\n"
                      "    draftcalc-cli calc --all d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1 --dxf touching.dxf\n"
                      "  Why 3.2 has no answer, and the nearest input that gives one\n"
                      "    draftcalc-cli calc --explain x1=0 y1=30 d1=8 d2=5 c2=5 x3=0 y3=0 d3=0 r3=10 s3=1\n"
                      "  CSV\n"
                      "    printf 'x1,y1,d1,x2,y2,d2\\n0,0,8,3,4,8\\n' | draftcalc-cli"),
};

std::string HelpIn(draftcalc::i18n::Language language) {
  std::string help;
  for (const char* paragraph : kHelp) {
    if (!help.empty()) help += "\n\n";
    help += draftcalc::i18n::Translate(paragraph, language);
  }
  return help + "\n";
}

// The language --lang asks for wherever it stands, else the locale's: that of
// the messages, before the command line is read, and of --help.
draftcalc::i18n::Language LanguageAsked(const std::vector<std::string_view>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    std::string_view code;
    if (args[i] == "--lang" && i + 1 < args.size()) code = args[i + 1];
    if (args[i].starts_with("--lang=")) code = args[i].substr(7);
    if (const auto language = draftcalc::i18n::LanguageOfCode(code)) return *language;
  }
  return draftcalc::i18n::LanguageOfEnvironment();
}

// The messages in `language`; the system's reasons (strerror) in the locale's
// own when it is the same language, else in English.
void UseLanguage(draftcalc::i18n::Language language) {
  draftcalc::i18n::SetMessageLanguage(language);
  if (language == draftcalc::i18n::LanguageOfEnvironment()) std::setlocale(LC_MESSAGES, "");
}

int UsageError(const std::string& message) {
  const std::string hint = draftcalc::i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "Try 'draftcalc-cli --help'."));
  std::fprintf(stderr, "draftcalc-cli: %s\n%s\n", message.c_str(), hint.c_str());
  return kExitBadInput;
}

// What went to standard output must have reached it; a failure to write it
// is a failure of the command whatever it did.
int AfterFlushingOutput(int status) {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    ReportWriteError(stderr, errno != 0 ? errno : EIO);
    return kExitIoError;
  }
  return status;
}

// The help is longer than the stream's buffer: a write can fail before the
// flush, and its errno is caught where it fails.
int WriteHelp(draftcalc::i18n::Language language) {
  const std::string help = HelpIn(language);
  errno = 0;
  if (std::fwrite(help.data(), 1, help.size(), stdout) != help.size()) {
    ReportWriteError(stderr, errno != 0 ? errno : EIO);
    return kExitIoError;
  }
  return AfterFlushingOutput(kExitOk);
}

// Pipes, sockets and terminals hand input over as it comes; files at once.
bool ArrivesInPieces(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || S_ISCHR(info.st_mode));
}

int RunBatchCommand(const CommandLine& command) {
  const bool fromStandardInput = command.inputPath == "-";
  const std::string path(command.inputPath);
  const int fd = fromStandardInput ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const std::string message =
        draftcalc::i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "cannot open %1: %2"), {path, std::strerror(errno)});
    std::fprintf(stderr, "draftcalc-cli: %s\n", message.c_str());
    return kExitIoError;
  }
  draftcalc::csv::FdSource input(fd);
  BatchOptions options = command.batch;
  options.streaming = ArrivesInPieces(fd);
  const int status = RunBatch(input, stdout, stderr, fromStandardInput ? "<stdin>" : path, options);
  if (!fromStandardInput) close(fd);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // A file size limit fails the write that passes it (reported, exit 1)
  // rather than killing the program; an interrupted drawing leaves no
  // hidden half file beside its target.
  draftcalc::files::IgnoreFileSizeSignal();
  draftcalc::files::RemoveTemporaryFileOnSignals();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  UseLanguage(LanguageAsked(args));
  std::string problem;
  const auto command = ParseCommandLine(args, problem);
  if (!command) return UsageError(problem);

  switch (command->mode) {
    case CommandLine::Mode::kHelp:
      return WriteHelp(draftcalc::i18n::MessageLanguage());
    case CommandLine::Mode::kVersion:
      std::printf("draftcalc-cli %.*s\n", static_cast<int>(draftcalc::kVersion.size()), draftcalc::kVersion.data());
      return AfterFlushingOutput(kExitOk);
    case CommandLine::Mode::kCalc:
      return AfterFlushingOutput(
          RunCalcCommand(command->calcWords, command->record, command->drawingFiles, stdout, stderr));
    case CommandLine::Mode::kBatch:
      break;
  }
  return RunBatchCommand(*command);  // it checks and reports its own output
}
