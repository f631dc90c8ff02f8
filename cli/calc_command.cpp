#include "cli/calc_command.h"

#include <string>

#include "cli/batch.h"
#include "cli/box_names.h"
#include "core/calculation.h"

namespace draftcalc::cli {

int RunCalcCommand(std::span<const std::string_view> words, std::FILE* output, std::FILE* errors) {
  InputTexts texts = StartupTexts();
  for (std::string_view word : words) {
    const auto equals = word.find('=');
    const auto box = equals == std::string_view::npos ? std::nullopt : ParseBoxName(word.substr(0, equals));
    if (!box) {
      std::fprintf(errors, "draftcalc-cli: calc: \"%.*s\" is not of the form BOX=TEXT with BOX one of x1 .. s3\n",
                   static_cast<int>(word.size()), word.data());
      return kExitBadInput;
    }
    texts(box->row, box->column) = word.substr(equals + 1);
  }

  const ResultCaptions c = Calculate(texts);
  const auto print = [output](const char* label, const std::string& caption) {
    if (caption.empty()) {
      std::fprintf(output, "%s\n", label);
    } else {
      std::fprintf(output, "%-6s %s\n", label, caption.c_str());
    }
  };
  print("X", c.ansX);
  print("Y", c.ansY);
  print("A", c.ansA);
  print("R", c.ansR);
  print("Remark", c.ansRem);
  return kExitOk;
}

}  // namespace draftcalc::cli
