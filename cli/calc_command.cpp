#include "cli/calc_command.h"

#include <array>
#include <string>

#include "cli/batch.h"
#include "core/calculation.h"
#include "csv/box_columns.h"

namespace draftcalc::cli {

int RunCalcCommand(std::span<const std::string_view> words, std::FILE* output, std::FILE* errors) {
  InputTexts texts = StartupTexts();
  std::array<std::array<bool, kColumnCount>, kRowCount> given{};
  for (std::string_view word : words) {
    const auto equals = word.find('=');
    const auto box = equals == std::string_view::npos ? std::nullopt : csv::ParseBoxName(word.substr(0, equals));
    if (!box) {
      std::fprintf(errors, "draftcalc-cli: calc: \"%.*s\" is not of the form BOX=TEXT with BOX one of x1 .. s3\n",
                   static_cast<int>(word.size()), word.data());
      return kExitBadInput;
    }
    bool& already = given[static_cast<size_t>(box->row)][box->column];
    if (already) {
      std::fprintf(errors, "draftcalc-cli: calc: input box %s is given twice\n", csv::BoxNameText(*box).c_str());
      return kExitBadInput;
    }
    already = true;
    texts(box->row, box->column) = word.substr(equals + 1);
  }

  constexpr std::array<const char*, 5> kLabels = {"X", "Y", "A", "R", "Remark"};
  const ResultCaptions captions = Calculate(texts);
  const auto inOrder = csv::CaptionsInColumnOrder(captions);
  for (size_t i = 0; i < kLabels.size(); ++i) {
    if (inOrder[i]->empty()) {
      std::fprintf(output, "%s\n", kLabels[i]);
    } else {
      std::fprintf(output, "%-6s %s\n", kLabels[i], inOrder[i]->c_str());
    }
  }
  return kExitOk;
}

}  // namespace draftcalc::cli
