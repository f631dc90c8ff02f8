// The F1 help: made on demand, and the sign rules it shows are the ones the
// README gives.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <sstream>
#include <string>

#include "app/help_window.h"
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

}  // namespace
}  // namespace draftcalc::app
