// The F1 help: made on demand, and the sign rules it shows are the ones the
// README gives.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "app/help_window.h"
#include "core/messages.h"
#include "session/catalogue.h"
#include "session/help_text.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

TEST_F(Window, F1OpensTheHelpAndEscClosesIt) {
  EXPECT_EQ(form.Help(), nullptr) << "made on the first F1 only";
  QTest::keyClick(Box(form, 0, colA), Qt::Key_F1);
  ASSERT_NE(form.Help(), nullptr);
  EXPECT_TRUE(form.Help()->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Help()));
  const QString shown = form.Help()->findChild<QTextBrowser*>()->toPlainText();
  for (const session::help::Entry& rule : session::help::kSignRules)
    EXPECT_TRUE(shown.contains(QStr(rule.text))) << rule.key;
  for (const session::help::Entry& remark : session::help::kRemarks) {
    EXPECT_TRUE(shown.contains(QStr(remark.key))) << remark.key;
    EXPECT_TRUE(shown.contains(QStr(remark.text))) << remark.key;
  }

  QTest::keyClick(form.Help(), Qt::Key_Escape);
  EXPECT_FALSE(form.Help()->isVisible());
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  HelpWindow* first = form.Help();
  QTest::keyClick(Box(form, 0, colA), Qt::Key_F1);
  EXPECT_EQ(form.Help(), first) << "made once";
  EXPECT_TRUE(form.Help()->isVisible());
}

TEST(Help, TheReadmeGivesTheSameSignRulesWordForWord) {
  std::ifstream file(DRAFTCALC_README);
  ASSERT_TRUE(file) << DRAFTCALC_README;
  std::stringstream readme;
  readme << file.rdbuf();
  EXPECT_NE(readme.str().find(session::help::kSignNote), std::string::npos);
  for (size_t k = 1; k <= session::help::kSignRules.size(); ++k) {
    const session::help::Entry& rule = session::help::kSignRules[k - 1];
    EXPECT_EQ(rule.key, CatalogueNumber(static_cast<CalculationId>(k)));
    EXPECT_NE(readme.str().find("- **" + std::string(rule.key) + "** " + std::string(rule.text)), std::string::npos)
        << rule.key;
  }
}

// Every remark the calculation writes is explained, in the help and in the
// README alike.
TEST(Help, EveryRemarkIsExplainedInTheReadmeWordForWord) {
  std::ifstream file(DRAFTCALC_README);
  ASSERT_TRUE(file) << DRAFTCALC_README;
  std::stringstream readme;
  readme << file.rdbuf();
  for (const std::string_view remark :
       {messages::kWrongOrder, messages::kLinesDoNotMeet, messages::kLineMissesCircle, messages::kCirclesTooFarApart,
        messages::kNoIntersection, messages::kBothChordsHorizontal, messages::kPointsCollinear,
        messages::kCentresCoincide, messages::kNoTangent, messages::kRadiusDifferenceZero,
        messages::kNumberOutOfRange}) {
    const auto entry = std::find_if(session::help::kRemarks.begin(), session::help::kRemarks.end(),
                                    [&](const session::help::Entry& e) { return e.key == remark; });
    ASSERT_NE(entry, session::help::kRemarks.end()) << remark;
    EXPECT_NE(readme.str().find("- **" + std::string(entry->key) + "** " + std::string(entry->text)), std::string::npos)
        << remark;
  }
  EXPECT_EQ(session::help::kRemarks.size(), 11u) << "one entry per remark";
}

}  // namespace
}  // namespace draftcalc::app
