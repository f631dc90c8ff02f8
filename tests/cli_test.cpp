// draftcalc-cli end to end: the command run as a user runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out, err;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class Cli : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("draftcalc-cli-test-" + std::to_string(::getpid()) + "-" +
                                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Runs the command with `arguments` (shell words) and `input` on standard input.
  Outcome Command(const std::string& arguments, const std::string& input = "") {
    std::ofstream(dir_ / "in", std::ios::binary) << input;
    const std::string command = std::string("'") + DRAFTCALC_CLI_PATH + "' " + arguments + " < '" +
                                (dir_ / "in").string() + "' > '" + (dir_ / "out").string() + "' 2> '" +
                                (dir_ / "err").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir_ / "out"), ReadFile(dir_ / "err")};
  }

  std::filesystem::path dir_;
};

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
  EXPECT_EQ(Command("'" + (dir_ / "missing.csv").string() + "'").status, 2);
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

TEST_F(Cli, TakesAByteOrderMarkAndCrLfLineEnds) {
  const Outcome run = Command("", "\xEF\xBB\xBFx2,y2\r\n1,1\r\n\r\n\"0\",\"5\"\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n0,5,0,0,90,,\n");
}

TEST_F(Cli, PassesATenMegabyteFieldThrough) {
  const std::string big(10 * 1024 * 1024, 'a');
  const Outcome run = Command("", "note,x2,y2\n" + big + ",1,1\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "note,x2,y2,ansX,ansY,ansA,ansR,ansRem\n" + big + ",1,1,0,0,45,,\n");
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

}  // namespace
