// The window's kept settings: where they live and that they survive.
#include "app/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace draftcalc::app {
namespace {

TEST(Settings, KeepsAFlagInTheUsersConfigurationFolder) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  // Stands for $XDG_CONFIG_HOME, which Qt reads once per process.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());

  EXPECT_TRUE(ReadFlag("view/fitAfterCalculate", true));  // nothing kept yet
  WriteFlag("view/fitAfterCalculate", false);
  EXPECT_FALSE(ReadFlag("view/fitAfterCalculate", true));
  EXPECT_TRUE(QFile::exists(home.path() + "/draftcalc/draftcalc.conf"));
}

}  // namespace
}  // namespace draftcalc::app
