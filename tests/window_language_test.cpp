// The window in English and Japanese, switched at run time from the
// picture's menu: every text follows, nothing else changes, and the
// English texts fit their widgets at the start-up size. Offscreen, through
// the real widgets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <map>

#include "app/column_header.h"
#include "app/help_window.h"
#include "app/input_box.h"
#include "app/language.h"
#include "app/settings.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

const QRegularExpression kJapanese("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]");

// 3.2 with no circle on the sides the signs choose: a remark, a reason.
constexpr examples::CatalogueEntry kFailure{"3.2 no answer",
                                            {{{"0", "30", "8", "", "", "", "", ""},
                                              {"0.000", "0.000", "5", "", "", "5", "", ""},
                                              {"0", "0", "0", "", "", "", "10", "1"}}}};

// Every text the window shows, by where it stands: labels, buttons, the
// catalogue, the answer captions, list captions, the actions of its menus.
std::map<QString, QString> TextsOf(const Form_miret& form) {
  std::map<QString, QString> texts;
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    texts["label " + label->objectName() + " " + QString::number(reinterpret_cast<quintptr>(label))] = label->text();
  }
  for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
    texts["button " + button->objectName()] = button->text();
  }
  const auto* catalogue = Part<QListWidget>(form, "catalogue");
  for (int i = 0; i < catalogue->count(); ++i) texts["catalogue " + QString::number(i)] = catalogue->item(i)->text();
  // Found by name: the band is no QObject subclass of its own to cast to.
  for (const char* name : {"columnHeader", "upperAnswerCaptions", "lowerAnswerCaptions"}) {
    const auto* header = static_cast<const ColumnHeader*>(Part<QWidget>(form, name));
    for (size_t i = 0; i < header->Captions().size(); ++i) {
      texts["caption " + QString(name) + QString::number(i)] = header->Captions()[i].text;
    }
  }
  for (const QTreeWidget* tree : form.findChildren<QTreeWidget*>()) {
    for (int i = 0; i < tree->columnCount(); ++i) {
      texts["column " + tree->objectName() + QString::number(i)] = tree->headerItem()->text(i);
    }
  }
  for (const QAction* action : form.findChildren<QAction*>()) {
    if (!action->text().isEmpty()) texts["action " + action->objectName()] = action->text();
  }
  return texts;
}

class Language : public Window {
 protected:
  void SetUp() override {
    // The choice is kept: in a folder of the test's own.
    ASSERT_TRUE(home_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_.path());
    UseLanguage(app::Language::kJapanese, false);
    Window::SetUp();
  }
  void TearDown() override { UseLanguage(app::Language::kJapanese, false); }
  void Calculate(const examples::CatalogueEntry& entry) {
    TypeRows(form, entry);
    QTest::mouseClick(Part<QPushButton>(form, "calculate"), Qt::LeftButton);
  }
  QTemporaryDir home_;
};

TEST_F(Language, EnglishLeavesNoJapaneseButTheMenuEntryAndTheRemarksOriginal) {
  Calculate(kFailure);
  const ResultCaptions shown = Shown(form);
  form.EnglishAction()->trigger();
  EXPECT_EQ(CurrentLanguage(), app::Language::kEnglish);
  EXPECT_TRUE(form.EnglishAction()->isChecked());
  for (const auto& [where, text] : TextsOf(form)) {
    if (where == "action languageJapanese") continue;
    EXPECT_FALSE(text.contains(kJapanese)) << Str(where) << ": " << Str(text);
  }
  EXPECT_EQ(Part<QPushButton>(form, "calculate")->text(), "Calculate");
  EXPECT_EQ(Part<QLabel>(form, "ansRem")->text(), "No intersection??");
  EXPECT_TRUE(Part<QLabel>(form, "reasonText")->text().startsWith("No answer: no circle of radius |C| = 5"));
  EXPECT_EQ(Str(Part<QLabel>(form, "ansRem")->toolTip()), "交点無し??");
  // The answer, the rows and the copied line stay as the calculation wrote them.
  EXPECT_EQ(Shown(form), shown);
  EXPECT_TRUE(form.Answers().AnswerLine().endsWith(QString::fromUtf8("\t交点無し??")));
  EXPECT_EQ(ReadText("ui/language"), "en") << "the choice is kept for the next start";
}

// The help (F1) follows the language while it is open.
TEST_F(Language, TheHelpFollowsTheLanguage) {
  Part<QAction>(form, "help")->trigger();
  ASSERT_NE(form.Help(), nullptr);
  const auto helpText = [&] { return form.Help()->findChild<QTextBrowser*>("helpText")->toPlainText(); };
  EXPECT_TRUE(helpText().contains(QString::fromUtf8("D コード"))) << Str(helpText().left(80));
  form.EnglishAction()->trigger();
  EXPECT_TRUE(helpText().startsWith("D codes")) << Str(helpText().left(80));
  EXPECT_FALSE(helpText().contains(QString::fromUtf8("円を左に見る")));
  EXPECT_EQ(form.Help()->windowTitle(), "draftcalc help");
  form.JapaneseAction()->trigger();
  EXPECT_TRUE(helpText().contains(QString::fromUtf8("円を左に見る接線")));
}

TEST_F(Language, BackToJapaneseEveryTextIsAsItWas) {
  Calculate(kFailure);
  const std::map<QString, QString> japanese = TextsOf(form);
  EXPECT_EQ(Str(Part<QPushButton>(form, "calculate")->text()), "計算");
  EXPECT_EQ(Str(Part<QListWidget>(form, "catalogue")->item(28)->text()), "3.2 円と接線に接する円");
  form.EnglishAction()->trigger();
  EXPECT_NE(TextsOf(form), japanese);
  form.JapaneseAction()->trigger();
  EXPECT_EQ(TextsOf(form), japanese);
  EXPECT_EQ(Str(Part<QLabel>(form, "ansRem")->text()), "交点無し??");
  EXPECT_TRUE(Part<QLabel>(form, "ansRem")->toolTip().isEmpty());
  // The reason in Japanese too, as draftcalc-cli --lang ja says it.
  EXPECT_TRUE(Str(Part<QLabel>(form, "reasonText")->text()).starts_with("解なし: R、C、S の符号の選ぶ側で"))
      << Str(Part<QLabel>(form, "reasonText")->text());
}

// What the layers below the window say follows it too: how a box is read,
// why a file cannot be opened.
TEST_F(Language, TheReadingOfABoxAndTheProblemsOfAFileFollowTheLanguage) {
  InputBox* box = Box(form, 1, colR);
  box->setText("8,5");
  EXPECT_EQ(Str(box->toolTip()), "8 と読みます: \"8\" の後の文字は無視します");
  const QString file = home_.filePath("no boxes.csv");
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::WriteOnly) && written.write("a,b\n1,2\n") == 8);
  written.close();
  QStringList problems = form.OpenRows(file);
  ASSERT_EQ(problems.size(), 1);
  EXPECT_EQ(Str(problems.front()), Str(file) + ":1: 見出しが入力欄 (x1 … s3) をどれも名付けていません");

  form.EnglishAction()->trigger();
  EXPECT_EQ(Str(box->toolTip()), "read as 8: the text after \"8\" is ignored");
  problems = form.OpenRows(file);
  ASSERT_EQ(problems.size(), 1);
  EXPECT_EQ(Str(problems.front()), Str(file) + ":1: the header names no input box (x1 … s3)");
  form.JapaneseAction()->trigger();
  EXPECT_EQ(Str(box->toolTip()), "8 と読みます: \"8\" の後の文字は無視します");
}

// At the start-up size: each button's and single-line label's text within
// its widget, each catalogue line within the list.
TEST_F(Language, EnglishTextsFitTheirWidgets) {
  form.EnglishAction()->trigger();
  for (const QPushButton* button : form.findChildren<QPushButton*>()) {
    if (!button->isVisible()) continue;
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->contentsRect().width())
        << Str(button->text());
  }
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->wordWrap() || label->text().contains('\n')) continue;
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
        << Str(label->objectName()) << ": " << Str(label->text());
  }
  // The list's own measure of its widest line, margins included: no
  // sideways scrolling, in English as in Japanese.
  const auto* catalogue = Part<QListWidget>(form, "catalogue");
  EXPECT_LE(catalogue->sizeHintForColumn(0), catalogue->viewport()->width());
  EXPECT_FALSE(catalogue->horizontalScrollBar()->isVisible());
}

TEST(LanguageChoice, FollowsTheCommandLineThenTheKeptChoiceThenTheLocale) {
  struct Case {
    const char* locale;
    app::Language expected;
  };
  for (const Case& c : {Case{"ja_JP.UTF-8", app::Language::kJapanese}, Case{"ja", app::Language::kJapanese},
                        Case{"en_GB", app::Language::kEnglish}, Case{"C", app::Language::kEnglish},
                        Case{"de_DE", app::Language::kEnglish}}) {
    EXPECT_EQ(i18n::LanguageOfLocale(c.locale), c.expected) << c.locale;
  }
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
  EXPECT_EQ(StartingLanguage(app::Language::kJapanese), app::Language::kJapanese);
  WriteText("ui/language", "en");
  EXPECT_EQ(StartingLanguage(std::nullopt), app::Language::kEnglish);
  EXPECT_EQ(StartingLanguage(app::Language::kJapanese), app::Language::kJapanese) << "--lang wins";
  WriteText("ui/language", "ja");
  EXPECT_EQ(StartingLanguage(std::nullopt), app::Language::kJapanese);
}

}  // namespace
}  // namespace draftcalc::app
