#pragma once

#include <cstdio>
#include <string_view>

namespace draftcalc::cli {

// A stream written with every failure caught: after the first failed write
// or flush nothing more is written, and Error() keeps its errno.
class OutputFile {
 public:
  explicit OutputFile(std::FILE* stream) : stream_(stream) {}

  bool Write(std::string_view bytes);
  bool Flush();
  bool Failed() const { return error_ != 0; }
  int Error() const { return error_; }

 private:
  std::FILE* stream_;
  int error_ = 0;
};

// "draftcalc-cli: cannot write output: No space left on device"
void ReportWriteError(std::FILE* errors, int error);

}  // namespace draftcalc::cli
