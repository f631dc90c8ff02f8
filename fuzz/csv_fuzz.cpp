// The batch command on arbitrary bytes: it always ends with status 0 or 2,
// and what it writes is well-formed CSV whose records all have the input
// header's columns plus the five answers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/csv_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* input = size > 0 ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : std::tmpfile();
  char* written = nullptr;
  size_t writtenSize = 0;
  std::FILE* output = open_memstream(&written, &writtenSize);
  std::FILE* errors = std::fopen("/dev/null", "w");
  const int status = draftcalc::cli::RunBatch(input, output, errors, "fuzz");
  std::fclose(input);
  std::fclose(output);
  std::fclose(errors);
  if (status != draftcalc::cli::kExitOk && status != draftcalc::cli::kExitBadInput) std::abort();

  // Read the output back: one header, then records of the same width.
  std::FILE* result = fmemopen(written, writtenSize, "rb");
  if (writtenSize > 0 && result != nullptr) {
    draftcalc::cli::CsvReader reader(result);
    std::vector<std::string> fields;
    size_t count = 0, width = 0;
    bool header = true;
    for (;;) {
      const auto read = reader.Next(fields, count);
      if (read == draftcalc::cli::CsvReader::Result::kEnd) break;
      if (read != draftcalc::cli::CsvReader::Result::kRecord) std::abort();
      if (header) {
        width = count;
        if (width < 5 || fields[width - 1] != "ansRem") std::abort();
        header = false;
      } else if (count != width) {
        std::abort();
      }
    }
    std::fclose(result);
  }
  std::free(written);
  return 0;
}
