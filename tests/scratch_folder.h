#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "csv/byte_source.h"
#include "csv/csv_table.h"

namespace draftcalc::testing_files {

// A new folder of its own under the temporary folder, removed with it.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "draftcalc-test-XXXXXX").string();
    if (mkdtemp(name.data()) != nullptr) path_ = name;
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }

  bool Made() const { return !path_.empty(); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  return static_cast<bool>(file.flush());
}

// A file read as draftcalc-cli reads its input.
inline csv::CsvTable TableOf(const std::string& path, size_t maxRecordBytes = csv::CsvReader::kDefaultMaxRecordBytes) {
  const std::string text = FileText(path);
  csv::MemorySource source(text);
  return csv::ReadCsvTable(source, maxRecordBytes);
}

// The names in `folder` that begin with `prefix`.
inline std::vector<std::string> NamesStartingWith(const std::filesystem::path& folder, const std::string& prefix) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(prefix)) names.push_back(name);
  }
  return names;
}

}  // namespace draftcalc::testing_files
