#include "cli/output_file.h"

#include <cerrno>
#include <cstring>

#include "core/translatable.h"
#include "i18n/translation.h"

namespace draftcalc::cli {

bool OutputFile::Write(std::string_view bytes) {
  if (error_ != 0) return false;
  if (bytes.empty()) return true;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) error_ = errno != 0 ? errno : EIO;
  return error_ == 0;
}

bool OutputFile::Flush() {
  if (error_ != 0) return false;
  errno = 0;
  if (std::fflush(stream_) != 0 || std::ferror(stream_)) error_ = errno != 0 ? errno : EIO;
  return error_ == 0;
}

void ReportWriteError(std::FILE* errors, int error) {
  const std::string message =
      i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "cannot write output: %1"), {std::strerror(error)});
  std::fprintf(errors, "draftcalc-cli: %s\n", message.c_str());
}

}  // namespace draftcalc::cli
