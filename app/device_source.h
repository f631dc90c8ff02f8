#pragma once

#include <QIODevice>
#include <cerrno>

#include "csv/byte_source.h"

namespace draftcalc::app {

// A Qt device (an open QFile) as the source the CSV reader reads. Qt gives
// no errno: a failed read is EIO, and the device's errorString says why.
class DeviceSource final : public csv::ByteSource {
 public:
  explicit DeviceSource(QIODevice& device) : device_(device) {}

  csv::ReadResult Read(char* buffer, size_t size) override {
    const qint64 read = device_.read(buffer, static_cast<qint64>(size));
    if (read < 0) return {0, EIO};
    return {static_cast<size_t>(read), 0};
  }

 private:
  QIODevice& device_;
};

}  // namespace draftcalc::app
