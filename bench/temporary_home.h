#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points the window's data and settings folders at a temporary folder for
// as long as it lives, so that a benchmark keeps no history in the user's.
class TemporaryHome {
 public:
  TemporaryHome() {
    qputenv("XDG_DATA_HOME", folder_.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toUtf8());
  }
  QString DataFolder() const { return folder_.filePath("data"); }

 private:
  QTemporaryDir folder_;
};
