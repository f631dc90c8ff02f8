// draftcalc-cli end to end: the command run as a user runs it.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "dxf_reading.h"
#include "packaging/version.h"

extern char** environ;

namespace {

using draftcalc::testing_cli::Cli;
using draftcalc::testing_cli::Outcome;
using draftcalc::testing_cli::ReadFile;
using draftcalc::testing_dxf::DxfContents;

TEST_F(Cli, CalculatesEveryRecordAndPassesOtherColumnsThrough) {
  const std::string input =
      "name,x1,y1,d1,a1,r1,x2,y2,d2,a2,r2,s2,c2,x3,y3,d3,r3,s3\r\n"
      "angle,0,0,8,,,3,4,8,,,,,,,99,,\r\n"
      "\"tangent, point\",0,0,8,,,10,0,0,,5,,,,,,,\r\n"
      "lines,0,0,3,45,,10,0,3,135,,,,,,,,\r\n"
      "line+circle,0,0,3,45,,10,0,0,,8,1,,,,,,\r\n"
      "circles,0,0,0,,10,,,5,,,,0.001,12,0,0,10,1\r\n"
      "\"order \"\"wrong\"\"\",0,0,2,,,0,0,1,,,,,,,,,\r\n";
  const std::string expected =
      "name,x1,y1,d1,a1,r1,x2,y2,d2,a2,r2,s2,c2,x3,y3,d3,r3,s3,ansX,ansY,ansA,ansR,ansRem\n"
      "angle,0,0,8,,,3,4,8,,,,,,,99,,,0,0,53.1301,,\n"
      "\"tangent, point\",0,0,8,,,10,0,0,,5,,,,,,,,0,0,-30,,\n"
      "lines,0,0,3,45,,10,0,3,135,,,,,,,,,5,5,,,\n"
      "line+circle,0,0,3,45,,10,0,0,,8,1,,,,,,,7.6458,7.6458,,,\n"
      "circles,0,0,0,,10,,,5,,,,0.001,12,0,0,10,1,6,8,,,\n"
      "\"order \"\"wrong\"\"\",0,0,2,,,0,0,1,,,,,,,,,,,,,,入力順違いで計算出来ない\n";
  const Outcome run = Command("", input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
}

// A saved input set, the history and an earlier output already hold answer
// columns: they are answered afresh in place of the old ones, not beside them,
// so a file run twice gives what it gave once.
TEST_F(Cli, AnswerColumnsOfTheInputAreWrittenAfreshNotRepeated) {
  struct Case {
    const char* name;
    const char* options;
    std::string input, expected;
  };
  const Case cases[] = {
      {"a saved set", "", "x1,y1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem\n0,0,8,3,4,8,1,2,3,4,old\n",
       "x1,y1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem\n0,0,8,3,4,8,0,0,53.1301,,\n"},
      {"the history: answers between other columns, a quoted one", "",
       "time,x1,ansA,y1,d1,x2,y2,d2,ansRem,note\nT,0,9,0,8,3,4,8,\"a,b\",n\n",
       "time,x1,y1,d1,x2,y2,d2,note,ansX,ansY,ansA,ansR,ansRem\nT,0,0,8,3,4,8,n,0,0,53.1301,,\n"},
      {"names that only look alike pass on", "", "x1,d1,x2,y2,d2,ansx,ans X\n0,8,3,4,8,a,b\n",
       "x1,d1,x2,y2,d2,ansx,ans X,ansX,ansY,ansA,ansR,ansRem\n0,8,3,4,8,a,b,0,0,53.1301,,\n"},
      {"candidate columns pass on without --all", "", "x1,d1,x2,y2,d2,cand\n0,8,3,4,8,7\n",
       "x1,d1,x2,y2,d2,cand,ansX,ansY,ansA,ansR,ansRem\n0,8,3,4,8,7,0,0,53.1301,,\n"},
      {"an --all output without touching points", "--all",
       "x1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem,cand,candX,candY,candA,candR,candSet\n"
       "0,8,3,4,8,0,0,53.1301,,,1,0,0,53.13010235415598,,\n",
       "x1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem,cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,"
       "candT3X,candT3Y\n"
       "0,8,3,4,8,0,0,53.1301,,,1,0,0,53.13010235415598,,,,,,,,\n"},
      {"an earlier --all output", "--all",
       "x1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem,cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,"
       "candT3X,candT3Y\n"
       "0,8,3,4,8,0,0,53.1301,,,1,0,0,53.13010235415598,,,,,,,,\n",
       "x1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem,cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,"
       "candT3X,candT3Y\n"
       "0,8,3,4,8,0,0,53.1301,,,1,0,0,53.13010235415598,,,,,,,,\n"},
  };
  for (const Case& c : cases) {
    for (const char* jobs : {" --jobs 1", " --jobs 2"}) {
      const Outcome once = Command(std::string(c.options) + jobs, c.input);
      EXPECT_EQ(once.status, 0) << c.name << once.err;
      EXPECT_EQ(once.out, c.expected) << c.name << jobs;
      EXPECT_EQ(Command(std::string(c.options) + jobs, once.out).out, c.expected) << c.name << jobs << ", run twice";
    }
  }
}

TEST_F(Cli, MissingColumnsTakeTheStartUpTextsInAnyOrderAndCase) {
  // Row 1 keeps its start-up X and Y (the origin) and row 3 its "99".
  const Outcome run = Command("", "Y2,X2,D1,d2\n4,-3,8,8\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Y2,X2,D1,d2,ansX,ansY,ansA,ansR,ansRem\n4,-3,8,8,0,0,126.8699,,\n");
}

TEST_F(Cli, ReadsAFileArgument) {
  std::ofstream(dir_ / "points.csv") << "x2,y2\n1,1\n";
  const Outcome run = Command("'" + (dir_ / "points.csv").string() + "'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n");
  // A file that cannot be opened is an input failure, not malformed input.
  const Outcome missing = Command("'" + (dir_ / "missing.csv").string() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot open"), std::string::npos) << missing.err;
}

TEST_F(Cli, HeaderOnlyGivesTheOutputHeader) {
  const Outcome run = Command("", "x1,y1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "x1,y1,ansX,ansY,ansA,ansR,ansRem\n");
}

TEST_F(Cli, EmptyInputHasNoHeader) {
  const Outcome run = Command("");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "<stdin>:1: no header line\n");
}

TEST_F(Cli, AWrongFieldCountIsReportedWithItsLineAndSkipped) {
  const Outcome run = Command("", "x2,y2\n1,1\n\"2\n\",2,3\n0,5\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n0,5,0,0,90,,\n");
  EXPECT_EQ(run.err, "<stdin>:3: record has 3 fields, the header has 2\n");
}

TEST_F(Cli, AnUnterminatedQuoteEndsTheInputAfterTheRecordsBeforeIt) {
  const Outcome run = Command("", "x2,y2\n1,1\n0,\"5\n0,5\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n");
  EXPECT_EQ(run.err, "<stdin>:3: quoted field is not closed before the end of the input\n");
}

TEST_F(Cli, RejectsAHeaderThatIsNotUtf8OrNamesABoxTwice) {
  Outcome run = Command("", "x1,\xFF\xFE\n1,2\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "<stdin>:1: header column 2 is not valid UTF-8\n");
  run = Command("", "x1,X1\n1,2\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "<stdin>:1: header names input box x1 twice\n");
}

// A header the batch cannot read would be answered from the start-up boxes
// and look like success: it stops the run, named, with exit status 2.
TEST_F(Cli, RefusesAHeaderThatNamesNoBoxOrABoxOnlyOnceTrimmed) {
  struct Case {
    const char* name;
    std::string input, message;
  };
  const Case cases[] = {
      {"semicolons", "x1;y1;d1;x2;y2;d2\n5;5;8;3;4;8\n", "the header names no input box (x1 … s3)"},
      {"other columns only", "name,note\na,b\n", "the header names no input box (x1 … s3)"},
      {"a doubled byte-order mark", "\xEF\xBB\xBF\xEF\xBB\xBFx1,y1,d1,x2,y2,d2\n5,5,8,3,4,8\n",
       "column \"<U+FEFF>x1\" is not x1; write x1"},
      {"a trailing blank", "x1 ,y1,d1,x2,y2,d2\n5,5,8,3,4,8\n", "column \"x1 \" is not x1; write x1"},
      {"blanks around, quoted", "x1,\" Y1 \",d1\n5,5,8\n", "column \" Y1 \" is not y1; write y1"},
      {"a tab", "x1,\td2\n5,8\n", "column \"\td2\" is not d2; write d2"},
  };
  for (const Case& c : cases) {
    for (const char* jobs : {"--jobs 1", "--jobs 2"}) {
      const Outcome run = Command(jobs, c.input);
      EXPECT_EQ(run.status, 2) << c.name;
      EXPECT_EQ(run.out, "") << c.name;
      EXPECT_EQ(run.err, "<stdin>:1: " + c.message + "\n") << c.name;
    }
  }
  // Names that are no box even trimmed pass on as before.
  const Outcome run = Command("", "x1,d1,x2,y2,d2, note ,x 1\n0,8,3,4,8,n,m\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "x1,d1,x2,y2,d2, note ,x 1,ansX,ansY,ansA,ansR,ansRem\n0,8,3,4,8,n,m,0,0,53.1301,,\n");
}

TEST_F(Cli, TakesAByteOrderMarkAndCrLfLineEnds) {
  const Outcome run = Command("", "\xEF\xBB\xBFx2,y2\r\n1,1\r\n\r\n\"0\",\"5\"\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n0,5,0,0,90,,\n");
}

TEST_F(Cli, PassesATenMegabyteFieldThrough) {
  const std::string big(10 * 1024 * 1024, 'a');
  const Outcome run = Command("--max-record-bytes 20000000", "note,x2,y2\n" + big + ",1,1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "note,x2,y2,ansX,ansY,ansA,ansR,ansRem\n" + big + ",1,1,0,0,45,,\n");
}

TEST_F(Cli, SkipsARecordLongerThanTheLimitAndGoesOn) {
  const std::string big(2 * 1024 * 1024, 'a');
  Outcome run = Command("", "note,x2,y2\n" + big + ",1,1\nok,0,5\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "note,x2,y2,ansX,ansY,ansA,ansR,ansRem\nok,0,5,0,0,90,,\n");
  EXPECT_EQ(run.err, "<stdin>:2: record longer than 1048576 bytes\n");
  // The limit counts the record's bytes, its line end not included.
  run = Command("--max-record-bytes=6", "x2,y2\n123,45\r\n1,1\n1234,56\n");
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n123,45,0,0,20.0952,,\n1,1,0,0,45,,\n");
  EXPECT_EQ(run.err, "<stdin>:4: record longer than 6 bytes\n");
}

// An endless record as the header ends the run at once, with flat memory.
TEST_F(Cli, AnEndlessRecordIsReportedAtOnce) {
  const Outcome run = Command("/dev/zero");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "/dev/zero:1: record longer than 1048576 bytes\n");
}

TEST_F(Cli, BinaryGarbageIsReportedNotFatal) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  // Garbage as the header: not UTF-8.
  Outcome run = Command("", garbage);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("<stdin>:"), std::string::npos);
  // Garbage after a good record: that record is still answered.
  run = Command("", "x2,y2\n1,1\n" + garbage);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out.substr(0, 46), "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n");
  EXPECT_NE(run.err.find("<stdin>:"), std::string::npos) << run.err;
}

TEST_F(Cli, CalcPrintsTheFiveCaptions) {
  Outcome run = Command("calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "X      0\nY      0\nA      53.1301\nR\nRemark\n");
  run = Command("calc d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1");
  EXPECT_EQ(run.out, "X      10\nY      11.1803\nA\nR      -5\nRemark\n");
  run = Command("calc d1=2 d2=1");
  EXPECT_EQ(run.out, "X\nY\nA\nR\nRemark 入力順違いで計算出来ない\n");
}

TEST_F(Cli, CalcRefusesWordsThatNameNoBox) {
  for (const char* word : {"z1=5", "x4=1", "x1", "=3"}) {
    const Outcome run = Command(std::string("calc ") + word);
    EXPECT_EQ(run.status, 2) << word;
    EXPECT_NE(run.err.find(word), std::string::npos) << run.err;
  }
}

TEST_F(Cli, HelpExplainsBothForms) {
  const Outcome run = Command("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("draftcalc-cli [FILE]"), std::string::npos);
  EXPECT_NE(run.out.find("draftcalc-cli calc"), std::string::npos);
  EXPECT_EQ(Command("--bogus").status, 2);
}

TEST_F(Cli, VersionIsTheProjectsAndStopsTheCommandLine) {
  for (const char* arguments : {"--version", "--jobs 2 --version missing.csv", "--version --bogus"}) {
    const Outcome run = Command(arguments, "x1\n1\n");
    EXPECT_EQ(run.status, 0) << arguments;
    EXPECT_EQ(run.out, "draftcalc-cli " + std::string(draftcalc::kVersion) + "\n") << arguments;
    EXPECT_EQ(run.err, "") << arguments;
  }
}

TEST_F(Cli, TakesCrAloneAsALineEnd) {
  const Outcome run = Command("", "x2,y2\r1,1\r\r0,5\r");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n0,5,0,0,90,,\n");
}

// Text after a closing quote, then a quoted field across a line end: the
// records after it are all still answered, and nothing is made up.
TEST_F(Cli, ABadQuoteCostsOnlyItsOwnRecord) {
  std::string input = "b1,note,x1,y1,d1,x2,y2,d2\n\"b1\"x,\"note\n\",0,0,8,3,4,8\n";
  std::string expected = "b1,note,x1,y1,d1,x2,y2,d2,ansX,ansY,ansA,ansR,ansRem\n";
  for (int i = 0; i < 1000; ++i) {
    input += "p" + std::to_string(i) + ",\"\",0,0,8,3,4,8\n";
    expected += "p" + std::to_string(i) + ",,0,0,8,3,4,8,0,0,53.1301,,\n";
  }
  Outcome run = Command("", input);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "<stdin>:2: unexpected text after a closing quote\n");

  run = Command("", "x2,y2\n\"a\"x,\"\n\"b\"\"\",1\n");
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n");
  EXPECT_EQ(run.err, "<stdin>:2: unexpected text after a closing quote\n");
}

TEST_F(Cli, WritesTheSameWithAnyNumberOfJobs) {
  std::string input = "name,x1,y1,d1,x2,y2,d2\n";
  for (int i = 0; i < 30'000; ++i) {
    input += "\"r" + std::to_string(i) + "\"," + std::to_string(i % 17) + ",0,8,3," + std::to_string(i % 5) + ",8";
    input += i % 1000 == 7 ? ",extra\r\n" : "\r\n";
  }
  const Outcome one = Command("--jobs 1", input);
  EXPECT_EQ(one.status, 2);
  EXPECT_EQ(std::count(one.err.begin(), one.err.end(), '\n'), 30);
  for (const char* jobs : {"--jobs 2", "--jobs=3", "--jobs 16"}) {
    const Outcome many = Command(jobs, input);
    EXPECT_EQ(many.status, one.status) << jobs;
    EXPECT_EQ(many.out, one.out) << jobs;
    EXPECT_EQ(many.err, one.err) << jobs;
  }
}

TEST_F(Cli, RefusesBadOptionValues) {
  for (const char* arguments : {"--jobs 0", "--jobs", "--jobs 257", "--jobs two", "--jobs=-1", "--max-record-bytes 0",
                                "--max-record-bytes 1073741825", "--max-record-bytes 1k"}) {
    const Outcome run = Command(arguments, "x1\n1\n");
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("needs a whole number"), std::string::npos) << arguments << ": " << run.err;
    EXPECT_EQ(run.out, "") << arguments;
  }
}

// Lost output must never look like success: a full disk, a closed standard
// output, and a pipe whose reader has gone while SIGPIPE is ignored.
TEST_F(Cli, AnOutputThatCannotBeWrittenFailsTheCommand) {
  std::string big = "x2,y2\n";
  for (int i = 0; i < 200'000; ++i) big += "1," + std::to_string(i) + "\n";
  struct Case {
    const char* name;
    std::string commandLine;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"batch to a full disk", "CLI < IN > /dev/full", "No space left on device"},
      {"calc to a full disk", "CLI calc x2=3 y2=4 > /dev/full", "No space left on device"},
      {"help to a full disk", "CLI --help > /dev/full", "No space left on device"},
      {"version to a full disk", "CLI --version > /dev/full", "No space left on device"},
      {"batch to a closed output", "CLI < IN >&-", "Bad file descriptor"},
      {"calc to a closed output", "CLI calc x2=3 >&-", "Bad file descriptor"},
      {"file to a closed output", "CLI IN >&-", "Bad file descriptor"},
      {"batch to a closed pipe", "trap '' PIPE; { CLI < IN; echo $? > OUT; } | true; exit $(cat OUT)", "Broken pipe"},
  };
  for (const Case& c : cases) {
    for (const std::string& input : {big, std::string("x2,y2\n1,1\n")}) {
      if (c.reason == "Broken pipe" && input.size() < big.size()) continue;  // a small output fits into the pipe
      const Outcome run = Shell(c.commandLine, input);
      EXPECT_EQ(run.status, 1) << c.name << ", " << input.size() << " bytes";
      EXPECT_EQ(run.err, "draftcalc-cli: cannot write output: " + c.reason + "\n") << c.name;
    }
  }
}

TEST_F(Cli, AnInputThatCannotBeReadFailsTheCommand) {
  Outcome run = Shell("CLI DIR > OUT");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, dir_.string() + ": cannot read: Is a directory\n");
  run = Shell("CLI <&- > OUT");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "<stdin>: cannot read: Bad file descriptor\n");
}

// From a pipe each answer comes out as soon as its record is in, while the
// input stays open.
TEST_F(Cli, AnswersFromAPipeAsTheRecordsArrive) {
  int input[2], output[2];
  ASSERT_EQ(pipe(input), 0);
  ASSERT_EQ(pipe(output), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  for (int fd : {input[0], input[1], output[0], output[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  char* argv[] = {const_cast<char*>(DRAFTCALC_CLI_PATH), nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, DRAFTCALC_CLI_PATH, &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(input[0]);
  close(output[1]);

  std::string answers;
  const auto readLines = [&](int lines) {
    while (std::count(answers.begin(), answers.end(), '\n') < lines) {
      pollfd ready{output[0], POLLIN, 0};
      char chunk[256];
      if (poll(&ready, 1, 10'000) <= 0) return;
      const ssize_t n = read(output[0], chunk, sizeof chunk);
      if (n <= 0) return;
      answers.append(chunk, static_cast<size_t>(n));
    }
  };
  ASSERT_EQ(write(input[1], "x2,y2\n1,1\n", 10), 10);
  readLines(2);
  EXPECT_EQ(answers, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n");
  ASSERT_EQ(write(input[1], "0,5\n", 4), 4);
  readLines(3);
  EXPECT_EQ(answers.substr(answers.find('\n', 40) + 1), "0,5,0,0,90,,\n");
  close(input[1]);
  int status = 0;
  waitpid(child, &status, 0);
  close(output[0]);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(Cli, CalcRefusesABoxGivenTwice) {
  const Outcome run = Command("calc x2=3 y2=4 X2=6");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "draftcalc-cli: calc: input box x2 is given twice\n");
}

TEST_F(Cli, HelpGivesTheOptionsAndExitStatuses) {
  const Outcome run = Command("--help");
  for (const char* text :
       {"--jobs N", "--max-record-bytes N", "--all", "candSet,candT1X,candT1Y,candT2X,candT2Y,candT3X,candT3Y",
        "Exit status", "CR, LF or CRLF"}) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text;
  }
}

// --all: the candidates of each record after its answer, one output record
// each; the values are the constructions' exact answers.
TEST_F(Cli, AllWritesARecordPerCandidateAfterTheAnswerColumns) {
  const std::string input =
      "name,x1,y1,d1,a1,b1,r1,s1,x2,y2,d2,a2,r2,s2,c2,x3,y3,d3,a3,b3,r3,s3\n"
      "circles,0,0,0,,,10,1,,,5,,,,-5,20,0,0,,,10,1\n"
      "order,0,0,2,,,,,0,0,1,,,,,,,99,,,,\n"
      "bad,1,2\n"
      "left,0,0,8,,,,,-5,0,8,,,,,,,99,,,,\n"
      "lines,0,0,3,0,1,,,10,0,3,135,,,,0,0,3,225,0,,\n";
  const std::string row1 = "circles,0,0,0,,,10,1,,,5,,,,-5,20,0,0,,,10,1,10,11.1803,,-5,,";
  const std::string row5 = "lines,0,0,3,0,1,,,10,0,3,135,,,,0,0,3,225,0,,,5,2.6569,,1.6569,,";
  const std::string expected =
      "name,x1,y1,d1,a1,b1,r1,s1,x2,y2,d2,a2,r2,s2,c2,x3,y3,d3,a3,b3,r3,s3,"
      "ansX,ansY,ansA,ansR,ansRem,cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,candT3X,"
      "candT3Y\n" +
      // Circles of radius 5 touching the circles of radius 10 at (0, 0) and
      // (20, 0): each where the line of centres meets the given circles.
      row1 + "1,5,0,,5,r1=-10,10,0,10,0,,\n" + row1 + "2,15,0,,5,r3=-10,10,0,10,0,,\n" + row1 +
      "3,10,11.180339887498949,,5,,6.666666666666666,7.453559924999299,13.333333333333334,7.453559924999299,,\n" +
      row1 +
      "4,10,-11.180339887498949,,5,s3=-1,6.666666666666666,-7.453559924999299,13.333333333333334,-7.453559924999299,,"
      "\n"
      "order,0,0,2,,,,,0,0,1,,,,,,,99,,,,,,,,,入力順違いで計算出来ない,0,,,,,,,,,,,\n"
      "left,0,0,8,,,,,-5,0,8,,,,,,,99,,,,,0,0,0,,,1,0,0,180,,-,,,,,,\n" +
      // The circles touching y = 1 and the lines at 135 and 225 degrees
      // through (10, 0) and (0, 0): feet of the perpendiculars from each centre.
      row5 +
      "1,10.656854249492378,5,,4,a2=315,10.656854249492378,1,7.828427124746189,2.1715728752538106,"
      "7.82842712474619,7.828427124746188\n" +
      row5 +
      "2,5,2.6568542494923797,,1.6568542494923797,,5,1,6.17157287525381,3.82842712474619,3.8284271247461903,"
      "3.82842712474619\n" +
      row5 +
      "3,-0.6568542494923801,5,,4,a3=405,-0.6568542494923801,1,2.1715728752538093,7.82842712474619,"
      "2.1715728752538097,2.1715728752538097\n" +
      row5 +
      "4,5,-8.656854249492381,,9.656854249492381,a1=180 b1=-1,5,1,11.82842712474619,-1.82842712474619,"
      "-1.8284271247461903,-1.82842712474619\n";
  const Outcome run = Command("--all", input);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "<stdin>:4: record has 3 fields, the header has 22\n");
}

// The constructions no calculation gives come first, marked +, with their
// touching points; the captions are those without --all, byte for byte.
TEST_F(Cli, AllListsTheConstructionsWithoutACalculationFirst) {
  const std::string input =
      "x1,y1,d1,a1,x2,y2,d2,a2,c2,x3,y3,d3,a3\n"
      "0,0,3,0,,,5,,5,0,0,3,90\n"  // a fillet of two lines, then the three lines' own reading
      "0,10,8,,,,5,,5,0,0,3,0\n"   // a circle through the point touching the line, exactly 2|C| off
      "3,4,8,,0,0,3,0,,,,99,\n";   // the foot of the perpendicular
  const Outcome plain = Command("", input);
  const Outcome all = Command("--all", input);
  ASSERT_EQ(all.status, 0) << all.err;
  const auto Lines = [](const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  };
  const std::vector<std::string> lines = Lines(all.out);
  ASSERT_EQ(lines.size(), 1u + 6 + 1 + 1);
  const std::vector<std::string> plainLines = Lines(plain.out);
  // Each output record: the input and caption columns as without --all, then the candidate.
  const auto starts = [&](size_t line, size_t record) { return lines[line].starts_with(plainLines[record] + ","); };
  for (size_t line = 1; line <= 6; ++line) EXPECT_TRUE(starts(line, 1)) << lines[line];
  EXPECT_TRUE(starts(7, 2) && starts(8, 3));
  EXPECT_TRUE(lines[1].ends_with(",1,5,5,,5,+,5,0,0,5,,")) << lines[1];
  EXPECT_TRUE(lines[4].ends_with(",4,5,-5,,5,+,5,0,0,-5,,")) << lines[4];
  EXPECT_TRUE(lines[5].ends_with(",5,2.5,2.5,,2.5,-,2.5,0,2.5,5,0,2.5")) << lines[5];
  EXPECT_TRUE(lines[7].ends_with(",1,0,5,,5,+,0,0,,,,")) << lines[7];
  EXPECT_TRUE(lines[8].ends_with(",入力順違いで計算出来ない,1,3,0,0,4,+,,,,,,")) << lines[8];
}

TEST_F(Cli, AllWritesAHeaderOnlyAndTheSameWithAnyNumberOfJobs) {
  EXPECT_EQ(Command("--all", "x2,y2\n").out,
            "x2,y2,ansX,ansY,ansA,ansR,ansRem,cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,"
            "candT3X,candT3Y\n");
  std::string input = "name,x1,r1,d1,c2,d2,x3,d3,r3,s3\n";
  for (int i = 0; i < 5'000; ++i) {
    // Two circles 12 + i % 13 apart: from eight candidates down to none.
    input += "r" + std::to_string(i) + ",0,10,0," + std::to_string(1 + i % 7) + ",5," + std::to_string(12 + i % 13) +
             ",0,10," + (i % 3 == 0 ? "" : "1") + (i % 500 == 7 ? ",extra\n" : "\n");
  }
  const Outcome one = Command("--all --jobs 1", input);
  EXPECT_EQ(one.status, 2);
  EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 5'000 * 3);
  for (const char* jobs : {"--jobs 2 --all", "--all --jobs=7"}) {
    const Outcome many = Command(jobs, input);
    EXPECT_EQ(many.status, one.status) << jobs;
    EXPECT_EQ(many.out, one.out) << jobs;
    EXPECT_EQ(many.err, one.err) << jobs;
  }
}

TEST_F(Cli, CalcAllPrintsABlockPerCandidate) {
  Outcome run = Command("calc --all x1=0 y1=0 d1=8 x2=-5 y2=0 d2=8");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "X      0\nY      0\nA      0\nR\nRemark\n"
            "\nCandidate 1 of 1 (not reachable with these rows)\nX      0\nY      0\nA      180\nR\nSet    -\n");
  run = Command("calc d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1 --all");
  const std::string candidates = run.out.substr(run.out.find("\nCandidate"));
  EXPECT_EQ(candidates,
            "\nCandidate 1 of 4\nX      5\nY      0\nA\nR      5\nSet    r1=-10\nT1     10 0\nT2     10 0\n"
            "\nCandidate 2 of 4\nX      15\nY      0\nA\nR      5\nSet    r3=-10\nT1     10 0\nT2     10 0\n"
            "\nCandidate 3 of 4 (the answer)\nX      10\nY      11.180339887498949\nA\nR      5\nSet\n"
            "T1     6.666666666666666 7.453559924999299\nT2     13.333333333333334 7.453559924999299\n"
            "\nCandidate 4 of 4\nX      10\nY      -11.180339887498949\nA\nR      5\nSet    s3=-1\n"
            "T1     6.666666666666666 -7.453559924999299\nT2     13.333333333333334 -7.453559924999299\n");
  EXPECT_EQ(Command("calc --all d1=2 d2=1").out, "X\nY\nA\nR\nRemark 入力順違いで計算出来ない\n\nNo candidates\n");
  // Without --all, the five captions only.
  EXPECT_EQ(Command("calc d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1").out.find("Candidate"), std::string::npos);
}

// calc --svg and --dxf: the drawing of the calculation beside its captions.
const char* const kTouchingCircles = "calc d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1";

TEST_F(Cli, CalcWritesItsDrawingAsSvgAndDxf) {
  const Outcome plain = Command(std::string(kTouchingCircles) + " --all");
  const Outcome run = Command(std::string(kTouchingCircles) + " --all --svg DIR/a.svg --dxf=DIR/a.dxf");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, plain.out) << "the same captions and candidates";
  const DxfContents dxf(ReadFile(dir_ / "a.dxf"));
  ASSERT_TRUE(dxf.read);
  EXPECT_EQ(std::count(dxf.entities.begin(), dxf.entities.end(), "CIRCLE INPUT 0 0 r10"), 1);
  EXPECT_EQ(std::count(dxf.entities.begin(), dxf.entities.end(), "CIRCLE CANDIDATES 5 0 r5"), 1);
  EXPECT_EQ(std::count(dxf.entities.begin(), dxf.entities.end(), "CIRCLE ANSWER 10 11.1803 r5"), 1);
  const std::string svg = ReadFile(dir_ / "a.svg");
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("<circle cx=\"15\" cy=\"0\" r=\"5\" stroke=\"#008000\"/>"), std::string::npos);

  // Without --all, no candidates in the drawing either.
  EXPECT_EQ(Command(std::string(kTouchingCircles) + " --dxf DIR/b.dxf").status, 0);
  for (const std::string& entity : DxfContents(ReadFile(dir_ / "b.dxf")).entities) {
    EXPECT_EQ(entity.find("CANDIDATES"), std::string::npos) << entity;
  }
}

// Each drawing is written whole or not at all: a failure names the file and
// its reason, fails the command after the captions, and leaves nothing.
TEST_F(Cli, ADrawingThatCannotBeWrittenFailsTheCommandAndLeavesNothing) {
  std::ofstream(dir_ / "file") << "a file, not a folder";
  struct Case {
    std::string path, reason;
  };
  const std::vector<Case> cases = {
      {(dir_ / "file" / "a.svg").string(), "Not a directory"},
      {(dir_ / "missing" / "a.dxf").string(), "No such file or directory"},
      {dir_.string(), "Is a directory"},
      {"/dev/full", "No space left on device"},
  };
  for (const Case& c : cases) {
    for (const char* option : {"--svg", "--dxf"}) {
      const Outcome run = Command(std::string(kTouchingCircles) + " " + option + " '" + c.path + "'");
      EXPECT_EQ(run.status, 1) << option << " " << c.path;
      EXPECT_EQ(run.err, "draftcalc-cli: cannot write " + c.path + ": " + c.reason + "\n") << option;
      EXPECT_NE(run.out.find("Y      11.1803"), std::string::npos) << "the captions come first";
      std::vector<std::string> left;
      for (const auto& entry : std::filesystem::directory_iterator(dir_)) left.push_back(entry.path().filename());
      std::sort(left.begin(), left.end());
      EXPECT_EQ(left, (std::vector<std::string>{"err", "file", "in", "out"})) << option << " " << c.path;
    }
  }
}

// Under a file size limit (ulimit -f) the drawing's write fails: reported
// like a full disk, the old file kept, no hidden file left, instead of the
// program killed half way by SIGXFSZ.
TEST_F(Cli, AFileSizeLimitFailsTheDrawingAndLeavesTheOldFile) {
  for (const char* option : {"--svg", "--dxf"}) {
    std::ofstream(dir_ / "old") << "old";
    const Outcome run = Shell(std::string("ulimit -f 1; CLI ") + kTouchingCircles + " " + option + " DIR/old > OUT");
    EXPECT_EQ(run.status, 1) << option << ": " << run.err;
    EXPECT_EQ(run.err, "draftcalc-cli: cannot write " + (dir_ / "old").string() + ": File too large\n") << option;
    EXPECT_EQ(ReadFile(dir_ / "old"), "old") << option;
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"err", "in", "old", "out"})) << option;
  }
}

TEST_F(Cli, ADrawingReplacesAFileWholeKeepingItsPermissionsAndLinks) {
  const auto target = dir_ / "old.dxf";
  std::ofstream(target) << "old";
  std::filesystem::permissions(target, std::filesystem::perms(0640));
  std::filesystem::create_symlink(target, dir_ / "link.dxf");
  const Outcome run = Command(std::string(kTouchingCircles) + " --dxf DIR/link.dxf");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link.dxf"));
  EXPECT_TRUE(DxfContents(ReadFile(target)).read);
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 5)
      << "old.dxf, link.dxf, in, out, err: no file left over";
}

TEST_F(Cli, DrawingOptionsAreRefusedWhereTheyDoNotBelong) {
  const std::pair<const char*, const char*> cases[] = {
      {"--svg a.svg", "draftcalc-cli: --svg draws one calculation: it goes with calc\n"},
      {"--dxf=a.dxf IN", "draftcalc-cli: --dxf draws one calculation: it goes with calc\n"},
      {"calc x2=3 --svg", "draftcalc-cli: --svg needs a file name\n"},
      {"calc --dxf= x2=3", "draftcalc-cli: --dxf needs a file name\n"},
      {"calc --svg a.svg --svg=b.svg", "draftcalc-cli: --svg is given twice\n"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome run = Command(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.err, std::string(message) + "Try 'draftcalc-cli --help'.\n") << arguments;
  }
  const Outcome help = Command("--help");
  for (const char* text : {"--svg FILE", "--dxf FILE", "AXES, INPUT, CANDIDATES, ANSWER", "cannot write FILE"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
