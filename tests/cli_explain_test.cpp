// draftcalc-cli --explain and --strict, end to end: the reasons of failing
// records, their columns beside unchanged answers, and boxes not read whole.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "core/number_text.h"
#include "examples/catalogue_examples.h"

namespace {

using draftcalc::testing_cli::Cli;
using draftcalc::testing_cli::Outcome;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

// The catalogue's rows with every number box moved at random (D codes kept,
// S and the value row's C as typed or with their sign turned): a mix of
// answers and failures of every calculation.
std::string VariedInput(unsigned seed, int perEntry) {
  std::mt19937 random(seed);
  const auto uniform = [&random](double low, double high) {
    return std::round(std::uniform_real_distribution<double>(low, high)(random) * 100) / 100;
  };
  std::string csv = "x1,y1,d1,a1,b1,c1,r1,s1,x2,y2,d2,a2,b2,c2,r2,s2,x3,y3,d3,a3,b3,c3,r3,s3\n";
  for (const auto& entry : draftcalc::examples::kCatalogue) {
    for (int i = 0; i < perEntry; ++i) {
      std::string line;
      for (const auto& row : entry.rows) {
        for (size_t column = 0; column < row.size(); ++column) {
          if (!line.empty()) line += ',';
          const std::string_view typed = row[column];
          if (typed.empty() || column == draftcalc::colD) {
            line += typed;
          } else if (column == draftcalc::colS) {
            line += random() % 2 ? "1" : "-1";
          } else {
            line += draftcalc::NumberText(column == draftcalc::colA ? uniform(-180, 180) : uniform(-30, 30));
          }
        }
      }
      csv += line + "\n";
    }
  }
  return csv;
}

TEST_F(Cli, ExplainAddsWhyAndFixAfterUnchangedAnswersAndAReasonForEveryRemark) {
  const std::string input = VariedInput(20261207u, 40);
  const Outcome plain = Command("", input), explained = Command("--explain", input);
  ASSERT_EQ(plain.status, 0) << plain.err;
  ASSERT_EQ(explained.status, 0) << explained.err;
  const std::vector<std::string> before = Lines(plain.out), after = Lines(explained.out);
  ASSERT_EQ(before.size(), after.size());
  EXPECT_EQ(after[0], before[0] + ",ansWhy,ansFix");
  int failures = 0, answers = 0;
  for (size_t i = 1; i < before.size(); ++i) {
    // The record and its captions byte for byte, then the two new fields.
    ASSERT_EQ(after[i].substr(0, before[i].size() + 1), before[i] + ",") << "record " << i;
    const std::string added = after[i].substr(before[i].size() + 1);
    const std::string remark = before[i].substr(before[i].rfind(',') + 1);
    if (remark.empty()) {
      ++answers;
      EXPECT_EQ(added, ",") << "an answer has no reason: " << after[i];
    } else {
      ++failures;
      EXPECT_FALSE(added.starts_with(",")) << "a remark without a reason: " << after[i];
    }
  }
  EXPECT_GT(failures, 50);
  EXPECT_GT(answers, 50);
}

TEST_F(Cli, ExplainWithAllPutsTheReasonBeforeTheCandidateColumns) {
  const Outcome run = Command("--all --explain", "d1,r1,s1,d2,c2,x3,d3,r3,s3\n0,5,1,5,0,20,0,5,1\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "d1,r1,s1,d2,c2,x3,d3,r3,s3,ansX,ansY,ansA,ansR,ansRem,ansWhy,ansFix,cand,candX,candY,candA,candR,"
      "candSet,candT1X,candT1Y,candT2X,candT2Y,candT3X,candT3Y\n"
      "0,5,1,5,0,20,0,5,1,,,,,交点無し?,the centres are 20 apart; radii 5 + 5 reach 10: 10 short,r1=15,0,,,,,,,,,,,\n");
}

// The reason in the language asked for, or the locale's; the remark and the
// fix as they are in both.
TEST_F(Cli, ExplainSpeaksTheLanguageAskedForOrTheLocales) {
  const std::string input = "d1,r1,s1,d2,c2,x3,d3,r3,s3\n0,5,1,5,0,20,0,5,1\n";
  const std::string english = ",交点無し?,the centres are 20 apart; radii 5 + 5 reach 10: 10 short,r1=15\n";
  const std::string japanese = ",交点無し?,中心間は 20。半径 5 + 5 で届くのは 10: 10 足りません,r1=15\n";
  struct Case {
    const char* commandLine;
    const std::string& ends;
  };
  for (const Case& c : {Case{"CLI --explain < IN > OUT", english}, Case{"CLI --explain --lang ja < IN > OUT", japanese},
                        Case{"CLI --explain --lang=ja --jobs 2 < IN > OUT", japanese},
                        Case{"env -u LC_ALL LANG=ja_JP.UTF-8 CLI --explain < IN > OUT", japanese},
                        Case{"env -u LC_ALL LANG=ja_JP.UTF-8 CLI --explain --lang en < IN > OUT", english}}) {
    const Outcome run = Shell(c.commandLine, input);
    EXPECT_EQ(run.status, 0) << c.commandLine << ": " << run.err;
    EXPECT_TRUE(run.out.ends_with(c.ends)) << c.commandLine << ": " << run.out;
  }
  const Outcome calc = Command("calc --explain --lang ja d1=0 r1=5 s1=1 d2=5 c2=0 x3=20 d3=0 r3=5 s3=1");
  EXPECT_NE(calc.out.find("Why    中心間は 20。"), std::string::npos) << calc.out;
  EXPECT_NE(calc.out.find("Remark 交点無し?\n"), std::string::npos) << calc.out;
  for (const char* wrong : {"--lang fr", "--lang", "calc --lang de x1=1"}) {
    const Outcome refused = Command(wrong);
    EXPECT_EQ(refused.status, 2) << wrong;
    EXPECT_NE(refused.err.find("--lang needs en or ja"), std::string::npos) << wrong << ": " << refused.err;
  }
}

// --help in the language asked for (or the locale's), naming every option
// the English one names.
TEST_F(Cli, HelpSpeaksTheLanguageAskedFor) {
  const Outcome english = Command("--help");
  const Outcome japanese = Command("--help --lang ja");
  EXPECT_TRUE(english.out.starts_with("Usage:")) << english.out.substr(0, 40);
  EXPECT_TRUE(japanese.out.starts_with("使い方:")) << japanese.out.substr(0, 40);
  EXPECT_EQ(Command("--lang=ja --help").out, japanese.out);
  EXPECT_EQ(Shell("env -u LC_ALL LANG=ja_JP.UTF-8 CLI --help > OUT").out, japanese.out);
  EXPECT_EQ(Shell("env -u LC_ALL LANG=ja_JP.UTF-8 CLI --help --lang en > OUT").out, english.out);
  for (const char* option : {"--all", "--explain", "--strict", "--lang en|ja", "--jobs N", "--max-record-bytes N",
                             "--svg FILE", "--dxf FILE", "--help", "--version", "candT3Y"}) {
    EXPECT_NE(japanese.out.find(option), std::string::npos) << option;
  }
}

// The messages on standard error in the language asked for, or the
// locale's: a refused header, a record refused by --strict, a wrong command
// line; the FILE:LINE before them as it is.
TEST_F(Cli, MessagesSpeakTheLanguageAskedFor) {
  struct Case {
    const char* commandLine;
    const char* input;
    const char* english;
    const char* japanese;
  };
  for (const Case& c :
       {Case{"CLI LANG < IN > OUT", "a,b\n1,2\n", "<stdin>:1: the header names no input box (x1 … s3)\n",
             "<stdin>:1: 見出しが入力欄 (x1 … s3) をどれも名付けていません\n"},
        Case{"CLI --strict LANG < IN > OUT", "x1,r2\n0,\"8,5\"\n", "<stdin>:2: r2 \"8,5\" is read as 8\n",
             "<stdin>:2: r2 \"8,5\" は 8 と読まれます\n"},
        Case{"CLI LANG < IN > OUT", "x1,y1\n1,2,3\n", "<stdin>:2: record has 3 fields, the header has 2\n",
             "<stdin>:2: レコードの欄は 3 個、見出しは 2 個です\n"},
        Case{"CLI --frobnicate LANG > OUT", "",
             "draftcalc-cli: unknown option --frobnicate\nTry 'draftcalc-cli --help'.\n",
             "draftcalc-cli: 不明なオプション --frobnicate\n'draftcalc-cli --help' を参照してください。\n"},
        Case{"CLI calc x1=1 zz=2 LANG > OUT", "",
             "draftcalc-cli: calc: \"zz=2\" is not of the form BOX=TEXT with BOX one of x1 .. s3\n",
             "draftcalc-cli: calc: \"zz=2\" は BOX=TEXT (BOX は x1 .. s3 のどれか) の形ではありません\n"}}) {
    std::string commandLine = c.commandLine;
    const size_t at = commandLine.find("LANG");
    EXPECT_EQ(Shell(commandLine.replace(at, 4, ""), c.input).err, c.english) << c.commandLine;
    EXPECT_EQ(Shell(std::string(c.commandLine).replace(at, 4, "--lang ja"), c.input).err, c.japanese) << c.commandLine;
    EXPECT_EQ(Shell("env -u LC_ALL LANG=ja_JP.UTF-8 " + std::string(c.commandLine).replace(at, 4, ""), c.input).err,
              c.japanese)
        << c.commandLine;
  }
}

TEST_F(Cli, CalcExplainPrintsWhyAndFix) {
  Outcome run = Command("calc --explain d1=0 r1=5 s1=1 d2=5 c2=0 x3=20 d3=0 r3=5 s3=1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "X\nY\nA\nR\nRemark 交点無し?\nWhy    the centres are 20 apart; radii 5 + 5 reach 10: 10 short\n"
            "Fix    r1=15\n");
  run = Command("calc --explain x1=0 y1=0 d1=8 x2=3 y2=4 d2=8");
  EXPECT_EQ(run.out, "X      0\nY      0\nA      53.1301\nR\nRemark\nWhy\nFix\n");
  EXPECT_EQ(Command("calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8").out, "X      0\nY      0\nA      53.1301\nR\nRemark\n");
}

// R of a line and a circle (2.2) as users type it.
struct StrictCase {
  std::string field;    // as written in the CSV record
  std::string refusal;  // the message, "" when the record is calculated
};

void PrintTo(const StrictCase& c, std::ostream* out) { *out << c.field; }

class StrictRecord : public Cli, public testing::WithParamInterface<StrictCase> {};

TEST_P(StrictRecord, IsRefusedOnlyWhenNotReadWhole) {
  const auto& [field, refusal] = GetParam();
  const std::string input = "x1,y1,d1,a1,x2,y2,d2,r2,s2\n0,0,3,30,10,0,0,8.5,1\n0,0,3,30,10,0,0," + field + ",1\n";
  const Outcome lenient = Command("", input), strict = Command("--strict", input);
  EXPECT_EQ(lenient.status, 0);
  EXPECT_EQ(lenient.err, "");
  if (refusal.empty()) {
    EXPECT_EQ(strict.status, 0);
    EXPECT_EQ(strict.out, lenient.out);
    EXPECT_EQ(strict.err, "");
    return;
  }
  EXPECT_EQ(strict.status, 2);
  EXPECT_EQ(strict.err, "<stdin>:3: " + refusal + "\n");
  EXPECT_EQ(strict.out, Lines(lenient.out)[0] + "\n" + Lines(lenient.out)[1] + "\n")
      << "the good record still calculated";
  const Outcome calc = Command("calc --strict x1=0 y1=0 d1=3 a1=30 x2=10 d2=0 s2=1 'r2=" +
                               (field.starts_with('"') ? field.substr(1, field.size() - 2) : field) + "'");
  EXPECT_EQ(calc.status, 2);
  EXPECT_EQ(calc.err, "draftcalc-cli: calc: " + refusal + "\n");
  EXPECT_EQ(calc.out, "");
}

INSTANTIATE_TEST_SUITE_P(Texts, StrictRecord,
                         testing::Values(StrictCase{"\"8,5\"", "r2 \"8,5\" is read as 8"},
                                         StrictCase{"12abc", "r2 \"12abc\" is read as 12"},
                                         StrictCase{"8.5mm", "r2 \"8.5mm\" is read as 8.5"},
                                         StrictCase{"point", "r2 \"point\" is read as 0"},
                                         StrictCase{"\xEF\xBC\x98", "r2 \"\xEF\xBC\x98\" is read as 0"},
                                         StrictCase{"1e400", "r2 \"1e400\" is read as 0"}, StrictCase{"&H10", ""},
                                         StrictCase{" 8 ", ""}, StrictCase{"", ""}, StrictCase{"-8.5e0", ""}));

TEST_F(Cli, StrictNamesTheFirstBoxNotReadWholeAndShowsControlCharacters) {
  const Outcome run = Command("--strict", "x1,y1,x2\n\"1\t2\",3 4x,5\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "<stdin>:2: y1 \"3 4x\" is read as 34\n");
  EXPECT_EQ(Command("--strict", "x1\n\"7\x01\"\n").err, "<stdin>:2: x1 \"7\\x01\" is read as 7\n");
}

}  // namespace
