#include "app/settings.h"

#include <QSettings>

namespace draftcalc::app {
namespace {

// Named here rather than taken from the application object, so that the
// tests (another executable) read and write the same file as the window.
constexpr const char* kFolderAndName = "draftcalc";

}  // namespace

bool ReadFlag(const QString& key, bool fallback) {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kFolderAndName, kFolderAndName);
  return settings.value(key, fallback).toBool();
}

void WriteFlag(const QString& key, bool value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kFolderAndName, kFolderAndName);
  settings.setValue(key, value);
}

QString ReadText(const QString& key) {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kFolderAndName, kFolderAndName);
  return settings.value(key).toString();
}

void WriteText(const QString& key, const QString& value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kFolderAndName, kFolderAndName);
  settings.setValue(key, value);
}

}  // namespace draftcalc::app
