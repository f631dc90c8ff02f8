#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/box_texts.h"
#include "core/calc_state.h"
#include "core/input_texts.h"
#include "csv/box_columns.h"
#include "csv/csv_writer.h"

namespace draftcalc::csv {

// An input set as a CSV record: the 24 box texts under x1 .. s3 and the five
// captions under ansX .. ansRem, the columns draftcalc-cli reads and writes,
// so that a set the window saves runs in batch and a batch input opens in
// the window.

// The one type of the 24 box texts, kept in core.
using draftcalc::BoxTexts;
using draftcalc::kBoxCount;
using draftcalc::StartupBoxTexts;
using draftcalc::ViewsOf;

inline size_t BoxIndex(BoxName box) { return draftcalc::BoxIndex(box.row, box.column); }

// "x1" .. "s3" in box order, then the five answer columns.
std::vector<std::string_view> InputSetColumns();
inline constexpr size_t kInputSetWidth = kBoxCount + kAnswerColumns.size();

// The 24 texts and the five captions as fields of the record under way.
void WriteInputSetFields(CsvWriter& writer, const BoxTexts& boxes, const ResultCaptions& captions);
// The same read back from kInputSetWidth fields in the order written.
void ReadInputSetFields(std::span<const std::string> fields, BoxTexts& boxes, ResultCaptions& captions);

// The box texts a record of any header gives: each box column feeds its box,
// and a box that no column feeds keeps its start-up text, as in draftcalc-cli.
BoxTexts BoxTextsOf(const HeaderMap& header, std::span<const std::string> fields);

}  // namespace draftcalc::csv
