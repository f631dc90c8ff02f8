// The window's file readers on arbitrary bytes: never a crash, and
// - a rows file: bounded problems counted whole, records only when there is
//   no problem, each with UTF-8 box texts, lines rising;
// - a history (the bytes after the history's header when the first byte is
//   even, as they are otherwise): a record appended after whatever the file
//   ends with, a cut last line included, reads back whole and last, and a
//   fresh reader then sees exactly the records the writer holds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "csv/byte_source.h"
#include "csv/csv_writer.h"
#include "csv/utf8.h"
#include "files/history.h"
#include "files/input_set_file.h"

namespace {

using draftcalc::files::History;
using draftcalc::files::HistoryRecord;

void CheckRowsFile(std::string_view bytes) {
  draftcalc::csv::MemorySource source(bytes);
  const auto file = draftcalc::files::ReadInputSets(source, "rows.csv");
  if (file.problems.size() > draftcalc::files::kProblemsKept + 1) std::abort();
  if (file.problemCount < file.problems.size()) std::abort();
  if ((file.problemCount == 0) == file.records.empty()) std::abort();
  if (file.records.size() > draftcalc::files::kMostRecordsOpened) std::abort();
  long line = 0;
  for (const auto& record : file.records) {
    if (record.line <= line) std::abort();
    line = record.line;
    for (const std::string& text : record.boxes) {
      if (!draftcalc::csv::IsValidUtf8(text)) std::abort();
    }
  }
}

bool SameRecords(const std::deque<HistoryRecord>& a, const std::deque<HistoryRecord>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].time != b[i].time || a[i].boxes != b[i].boxes || !(a[i].captions == b[i].captions)) return false;
  }
  return true;
}

void CheckHistory(std::string_view bytes) {
  static const std::string folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "draftcalc-files-fuzz-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) std::abort();
    return name;
  }();
  for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove_all(entry.path());
  const std::string path = folder + "/history.csv";
  const bool withHeader = !bytes.empty() && bytes[0] % 2 == 0;
  std::ofstream(path, std::ios::binary) << (withHeader ? History::HeaderLine() : "")
                                        << bytes.substr(bytes.empty() ? 0 : 1);

  History writer(path);
  if (writer.Records().size() > History::kTrimAbove) std::abort();
  HistoryRecord added{"2026-12-07T10:00:00Z", draftcalc::csv::StartupBoxTexts(), {"1", "2", "", "", "残り"}};
  added.boxes[0] = "a \"new\",\nrecord";
  if (!writer.Append(added)) std::abort();
  History reader(path);
  const auto& read = reader.Records();
  if (read.empty() || read.back().boxes != added.boxes || !(read.back().captions == added.captions)) std::abort();
  if (!SameRecords(read, writer.Records())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckRowsFile(bytes);
  CheckHistory(bytes);
  return 0;
}
