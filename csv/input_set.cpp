#include "csv/input_set.h"

#include <algorithm>

namespace draftcalc::csv {

std::vector<std::string_view> InputSetColumns() {
  static const std::array<std::string, kBoxCount> kBoxNames = [] {
    std::array<std::string, kBoxCount> names;
    for (int row = 0; row < kRowCount; ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        const BoxName box{row, static_cast<Column>(column)};
        names[BoxIndex(box)] = BoxNameText(box);
      }
    }
    return names;
  }();
  std::vector<std::string_view> columns(kBoxNames.begin(), kBoxNames.end());
  columns.insert(columns.end(), kAnswerColumns.begin(), kAnswerColumns.end());
  return columns;
}

void WriteInputSetFields(CsvWriter& writer, const BoxTexts& boxes, const ResultCaptions& captions) {
  for (const std::string& text : boxes) writer.Field(text);
  for (const std::string* caption : CaptionsInColumnOrder(captions)) writer.Field(*caption);
}

void ReadInputSetFields(std::span<const std::string> fields, BoxTexts& boxes, ResultCaptions& captions) {
  std::copy_n(fields.begin(), kBoxCount, boxes.begin());
  size_t next = kBoxCount;
  for (std::string* caption : CaptionsInColumnOrder(captions)) *caption = fields[next++];
}

BoxTexts BoxTextsOf(const HeaderMap& header, std::span<const std::string> fields) {
  BoxTexts boxes = StartupBoxTexts();
  for (const BoxColumn& feed : header.boxColumns) boxes[BoxIndex(feed.box)] = fields[feed.column];
  return boxes;
}

}  // namespace draftcalc::csv
