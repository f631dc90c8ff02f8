#pragma once

#include <QString>

namespace draftcalc::app {

// The window's on/off settings that its menus change and that are kept
// between runs: one INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/draftcalc/draftcalc.conf, ~/.config when unset). Read
// where a setting is first needed, never at start-up.
bool ReadFlag(const QString& key, bool fallback);
void WriteFlag(const QString& key, bool value);
// A text setting ("" when unset).
QString ReadText(const QString& key);
void WriteText(const QString& key, const QString& value);

}  // namespace draftcalc::app
