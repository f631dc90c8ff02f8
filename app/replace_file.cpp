#include "app/replace_file.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace draftcalc::app {

QString ReplaceFile(const QString& path, std::string_view bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  const auto size = static_cast<qint64>(bytes.size());
  errno = 0;
  // Bytes too many for its buffer go straight to the file, and a short
  // write there (a full disk, a file size limit) is no error to QSaveFile:
  // it would put half a file in the old one's place.
  if (file.write(bytes.data(), size) != size) {
    const int error = errno != 0 ? errno : EIO;
    const QString reason =
        file.error() != QFileDevice::NoError ? file.errorString() : QString::fromLocal8Bit(std::strerror(error));
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace draftcalc::app
