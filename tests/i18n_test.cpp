// The translations compiled in for the parts without Qt: looked up by the
// source text, %1.. filled in, the source itself where there is none.
#include <gtest/gtest.h>

#include <cstdlib>

#include "i18n/partial_reading.h"
#include "i18n/translation.h"
#include "i18n/translation_table.h"

namespace draftcalc::i18n {
namespace {

TEST(Translation, LooksUpTheSourceInEitherLanguage) {
  EXPECT_EQ(Translate("計算", Language::kEnglish), "Calculate");
  EXPECT_EQ(Translate("計算", Language::kJapanese), "計算");
  EXPECT_EQ(Translate("Copy", Language::kJapanese), "コピー");
  // A source with semicolons and one with a line break come through whole.
  EXPECT_EQ(Translate("CSV files (*.csv);;All files (*)", Language::kJapanese),
            "CSV ファイル (*.csv);;すべてのファイル (*)");
  EXPECT_EQ(Translate("not reachable\nwith these rows", Language::kJapanese), "この行では\n得られない");
  EXPECT_EQ(Translate("no such text", Language::kJapanese), "no such text");
  // Square brackets, balanced or not, and every text of the .ts arrive.
  EXPECT_EQ(Translate("[ 備考 ]", Language::kEnglish), "[ Remark ]");
  EXPECT_EQ(EnglishTable().size(), JapaneseTable().size());
  for (const TableEntry& entry : JapaneseTable()) EXPECT_FALSE(entry.translation.empty()) << entry.source;
}

TEST(Translation, FillsInTheValuesInTheTranslationsOrder) {
  EXPECT_EQ(Format("the centres are %1 apart; radii %2 + %3 reach %4: %5 short", Language::kJapanese,
                   {"20", "5", "5", "10", "10"}),
            "中心間は 20。半径 5 + 5 で届くのは 10: 10 足りません");
  // The Japanese order puts %2 before %1.
  EXPECT_EQ(Format("Only the first %1 records of %2 were read.", Language::kJapanese, {"5", "a.csv"}),
            "a.csv の最初の 5 件だけを読みました。");
  // A %n beyond the values stays; a value holding %1 is not filled again.
  EXPECT_EQ(Format("Use %1", Language::kEnglish, {}), "Use %1");
  EXPECT_EQ(Format("Use %1", Language::kEnglish, {"%1"}), "Use %1");
  EXPECT_EQ(Format("100%", Language::kEnglish, {"x"}), "100%");
}

// The messages of the layers below the window follow the one language set
// for them; a box read in part is described in either.
TEST(Translation, MessagesFollowTheLanguageSetForThem) {
  EXPECT_EQ(MessageLanguage(), Language::kEnglish) << "English until set";
  EXPECT_EQ(Message("record has %1 fields, the header has %2", {"3", "4"}), "record has 3 fields, the header has 4");
  SetMessageLanguage(Language::kJapanese);
  EXPECT_EQ(Message("record has %1 fields, the header has %2", {"3", "4"}), "レコードの欄は 3 個、見出しは 4 個です");
  EXPECT_EQ(Message("line %1: %2", {"7", "履歴の見出しではありません"}), "7 行目: 履歴の見出しではありません");
  SetMessageLanguage(Language::kEnglish);
  EXPECT_EQ(PartialReading("8,5", Language::kJapanese), "8 と読みます: \"8\" の後の文字は無視します");
  EXPECT_EQ(PartialReading("point", Language::kJapanese), "0 と読みます: 数値で始まっていません");
  EXPECT_EQ(PartialReading("8", Language::kJapanese), std::nullopt);
}

TEST(Translation, TheLanguageOfACodeOrALocale) {
  EXPECT_EQ(LanguageOfCode("ja"), Language::kJapanese);
  EXPECT_EQ(LanguageOfCode("en"), Language::kEnglish);
  EXPECT_EQ(LanguageOfCode("JA"), std::nullopt);
  EXPECT_EQ(LanguageOfLocale("ja_JP.UTF-8"), Language::kJapanese);
  EXPECT_EQ(LanguageOfLocale("en_US.UTF-8"), Language::kEnglish);
  EXPECT_EQ(LanguageOfLocale(""), Language::kEnglish);
  setenv("LC_ALL", "", 1);
  setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
  setenv("LANG", "en_GB.UTF-8", 1);
  EXPECT_EQ(LanguageOfEnvironment(), Language::kJapanese) << "LC_MESSAGES before LANG";
  setenv("LC_ALL", "C.UTF-8", 1);
  EXPECT_EQ(LanguageOfEnvironment(), Language::kEnglish) << "LC_ALL first";
}

}  // namespace
}  // namespace draftcalc::i18n
