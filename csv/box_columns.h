#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/input_texts.h"
#include "core/result_captions.h"

namespace draftcalc::csv {

// An input box named as in a CSV header or a calc word: column letter then
// row number, "x1" .. "s3" (either case).
struct BoxName {
  int row;
  Column column;

  bool operator==(const BoxName&) const = default;
};

std::optional<BoxName> ParseBoxName(std::string_view name);
std::string BoxNameText(BoxName box);  // "x1"

// The columns the answers are written under, after the input's own columns:
// the captions' names.
inline constexpr const std::array<std::string_view, 5>& kAnswerColumns = kCaptionNames;

// The five captions in the order of kAnswerColumns.
inline std::array<const std::string*, 5> CaptionsInColumnOrder(const ResultCaptions& c) {
  std::array<const std::string*, 5> inOrder{};
  for (size_t i = 0; i < kCaptionFields.size(); ++i) inOrder[i] = &(c.*kCaptionFields[i]);
  return inOrder;
}
inline std::array<std::string*, 5> CaptionsInColumnOrder(ResultCaptions& c) {
  std::array<std::string*, 5> inOrder{};
  for (size_t i = 0; i < kCaptionFields.size(); ++i) inOrder[i] = &(c.*kCaptionFields[i]);
  return inOrder;
}

// A header column that feeds an input box.
struct BoxColumn {
  size_t column;
  BoxName box;
};

// What a header says: how many columns a record has, which of them feed
// which input box, and which are passed on to the output: all but those the
// output writes afresh.
struct HeaderMap {
  size_t width = 0;
  std::vector<BoxColumn> boxColumns;
  std::vector<size_t> passedOn;  // in order

  bool PassesEveryColumn() const { return passedOn.size() == width; }
};

// Maps a header. Columns named as one of `written` (exactly) are not passed
// on: the output has them anew, so that a file that already holds answers
// (a saved input set, the history, an earlier output) gets its answers
// replaced, not a second set of columns beside stale ones. A column that is
// not UTF-8, a box named twice, a column that would name a box but for the
// blanks or byte-order marks around it (" x1 "), and a header that names no
// box at all make the header unusable: nullopt, with the reason in
// `problem`. Answering such a file from the start-up boxes would look like
// success.
std::optional<HeaderMap> MapHeader(std::span<const std::string_view> names, std::string& problem,
                                   std::span<const std::string_view> written = {});

}  // namespace draftcalc::csv
