// draftcalc-cli: the calculation engine in batch, from CSV or from the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/calc_command.h"

namespace {

constexpr std::string_view kHelp = R"(Usage:
  draftcalc-cli [FILE]             one calculation per CSV record of FILE (or standard input)
  draftcalc-cli calc BOX=TEXT ...  one calculation from the named input boxes
  draftcalc-cli --help             this text

Input boxes are named by column and row: x1 y1 d1 a1 b1 c1 r1 s1, x2 ... s2,
x3 ... s3 (columns X Y D A B C R S of rows 1 to 3, either case). A box that is
not given keeps the window's start-up text: X and Y "0.000", D of row 3 "99",
all others empty. The D code says what a row is:
  8 point (X, Y)      0 circle (X, Y, radius R, side S)
  1, 2, 3 line (X, Y, angle A; offset B for 3)    5 value row (C)
and the codes alone choose the calculation; row 3 takes part when its D is a
number from 0 to below 10.

CSV mode reads RFC 4180 CSV (UTF-8, header line required, LF or CRLF). Header
names x1 .. s3 feed the boxes; any other column is passed through. The output
is the input header followed by ansX,ansY,ansA,ansR,ansRem, then every record
with its five results, in input order, with LF line ends. A malformed record is
reported on standard error with its line number and skipped; the exit status
is then 2 (0 when all input was well formed).

Examples:
  1.1 angle of two points
    draftcalc-cli calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8
  1.2 tangent from a point to a circle
    draftcalc-cli calc x1=0 y1=0 d1=8 x2=10 y2=0 d2=0 r2=5
  2.1 intersection of two lines
    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=3 a2=135
  2.2 intersection of a line and a circle (S chooses the point)
    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=0 r2=8 s2=1
  2.3 intersection of two circles
    draftcalc-cli calc d1=0 r1=10 d2=5 c2=0.001 x3=12 d3=0 r3=10 s3=1
  3.4 circle of radius 5 touching two circles
    draftcalc-cli calc d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1
  3.5 circle through three points
    draftcalc-cli calc d1=8 x2=1 y2=3 d2=8 x3=4 y3=2 d3=8
  CSV
    printf 'x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n' | draftcalc-cli
)";

int UsageError(const char* message) {
  std::fprintf(stderr, "draftcalc-cli: %s\nTry 'draftcalc-cli --help'.\n", message);
  return draftcalc::cli::kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);

  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
    return draftcalc::cli::kExitOk;
  }
  if (!args.empty() && args[0] == "calc") {
    return draftcalc::cli::RunCalcCommand(std::span(args).subspan(1), stdout, stderr);
  }
  if (args.size() > 1) return UsageError("too many arguments");
  if (args.size() == 1 && args[0].starts_with('-') && args[0] != "-") return UsageError("unknown option");

  if (args.empty() || args[0] == "-") return draftcalc::cli::RunBatch(stdin, stdout, stderr, "<stdin>");

  std::FILE* input = std::fopen(argv[1], "rb");
  if (input == nullptr) {
    std::fprintf(stderr, "draftcalc-cli: cannot open %s: %s\n", argv[1], std::strerror(errno));
    return draftcalc::cli::kExitBadInput;
  }
  const int status = draftcalc::cli::RunBatch(input, stdout, stderr, argv[1]);
  std::fclose(input);
  return status;
}
