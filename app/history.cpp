#include "app/history.h"

#include <QStandardPaths>

namespace draftcalc::app {

QString DefaultHistoryPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return folder.isEmpty() ? QString() : folder + "/history.csv";
}

}  // namespace draftcalc::app
