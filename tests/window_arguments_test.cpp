// The window program's command line: what it answers before Qt starts and
// what it reports of the arguments Qt leaves.
#include "app/window_arguments.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "packaging/version.h"

namespace draftcalc::app {
namespace {

TEST(WindowArguments, HelpAndVersionAreFoundAmongQtOptionsUntilTheOptionsEnd) {
  struct Case {
    std::vector<std::string_view> args;
    EarlyRequest request;
  };
  const Case cases[] = {
      {{}, EarlyRequest::kNone},
      {{"--help"}, EarlyRequest::kHelp},
      {{"-h"}, EarlyRequest::kHelp},
      {{"--version"}, EarlyRequest::kVersion},
      {{"-platform", "offscreen", "--version"}, EarlyRequest::kVersion},
      {{"rows.csv", "--help", "--version"}, EarlyRequest::kHelp},
      {{"--", "--help"}, EarlyRequest::kNone},
      {{"--versions", "-help", "--help=1"}, EarlyRequest::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadEarlyRequest(c.args), c.request)
        << testing::PrintToString(std::vector<std::string>(c.args.begin(), c.args.end()));
  }
}

TEST(WindowArguments, VersionIsPrintedAndAnOutputThatCannotTakeItFails) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  ASSERT_TRUE(out && err);
  EXPECT_EQ(AnswerEarlyRequest(EarlyRequest::kVersion, out, err), 0);
  std::rewind(out);
  char line[64] = {};
  ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
  EXPECT_EQ(std::string(line), "draftcalc " + std::string(kVersion) + "\n");
  std::fclose(out);

  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(AnswerEarlyRequest(EarlyRequest::kHelp, full, err), 1);
  std::fclose(full);
  std::rewind(err);
  ASSERT_NE(std::fgets(line, sizeof line, err), nullptr);
  EXPECT_EQ(std::string(line), "draftcalc: cannot write output: No space left on device\n");
  std::fclose(err);
}

TEST(WindowArguments, TheFirstFileIsOpenedAndWhatElseQtLeavesIsIgnoredWithANoteEach) {
  const WindowArguments none = ReadWindowArguments({"draftcalc"});
  EXPECT_TRUE(none.file.isEmpty());
  EXPECT_TRUE(none.notes.isEmpty());

  const WindowArguments read =
      ReadWindowArguments({"draftcalc", "--zoom", "rows.csv", "-", "--", "--help", "-x", "other.csv"});
  EXPECT_EQ(read.file, "rows.csv");
  ASSERT_EQ(read.notes.size(), 5);
  EXPECT_TRUE(read.notes[0].startsWith("draftcalc: unknown option --zoom ignored"));
  EXPECT_TRUE(read.notes[1].startsWith("draftcalc: - not opened"));
  EXPECT_TRUE(read.notes[2].startsWith("draftcalc: --help not opened")) << "a file name after --";
  EXPECT_TRUE(read.notes[3].startsWith("draftcalc: -x not opened"));
  EXPECT_TRUE(read.notes[4].startsWith("draftcalc: other.csv not opened: the window opens one file, rows.csv"));

  EXPECT_EQ(ReadWindowArguments({"draftcalc", "--", "-rows.csv"}).file, "-rows.csv") << "a file name after --";
}

}  // namespace
}  // namespace draftcalc::app
