#include "app/replace_file.h"

#include <QFile>
#include <cstring>

#include "files/whole_file.h"

namespace draftcalc::app {

QString ReplaceFile(const QString& path, std::string_view bytes) {
  const int error = files::ReplaceWholeFile(QFile::encodeName(path).toStdString(), bytes);
  return error == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace draftcalc::app
