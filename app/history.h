#pragma once

#include <QString>

#include "files/history.h"

namespace draftcalc::app {

// The window keeps the history of calculations in files::History.
using files::History;
using files::HistoryRecord;

// history.csv in the application's data folder ($XDG_DATA_HOME/draftcalc
// on Linux, ~/.local/share/draftcalc when unset); empty when there is none.
QString DefaultHistoryPath();

}  // namespace draftcalc::app
