#include "cli/calc_command.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "candidates/candidate.h"
#include "candidates/candidate_fields.h"
#include "cli/batch.h"
#include "core/translatable.h"
#include "csv/box_columns.h"
#include "csv/box_reading.h"
#include "csv/named_boxes.h"
#include "engine/calculation.h"
#include "explain/explain.h"
#include "i18n/translation.h"

namespace draftcalc::cli {
namespace {

// The texts the words give, the other boxes at their start-up texts; nullopt
// (reported on `errors`) for a word that names no box, a box named twice, or
// when `strict` a text not read whole.
std::optional<InputTexts> TextsOf(std::span<const std::string_view> words, bool strict, std::FILE* errors) {
  csv::NamedBoxes boxes;
  for (std::string_view word : words) {
    const auto equals = word.find('=');
    const std::string_view name = word.substr(0, equals);
    const auto refusal = equals == std::string_view::npos ? csv::NamedBoxes::Refusal::kNotABox
                                                          : boxes.Give(name, word.substr(equals + 1));
    if (refusal == csv::NamedBoxes::Refusal::kNotABox) {
      const std::string message = i18n::Message(
          QT_TRANSLATE_NOOP("draftcalc", "\"%1\" is not of the form BOX=TEXT with BOX one of x1 .. s3"), {word});
      std::fprintf(errors, "draftcalc-cli: calc: %s\n", message.c_str());
      return std::nullopt;
    }
    if (refusal == csv::NamedBoxes::Refusal::kGivenTwice) {
      const std::string message = i18n::Message(QT_TRANSLATE_NOOP("draftcalc", "input box %1 is given twice"),
                                                {csv::BoxNameText(*csv::ParseBoxName(name))});
      std::fprintf(errors, "draftcalc-cli: calc: %s\n", message.c_str());
      return std::nullopt;
    }
    if (!strict) continue;
    if (const auto problem = csv::NotReadWhole(*csv::ParseBoxName(name), word.substr(equals + 1))) {
      std::fprintf(errors, "draftcalc-cli: calc: %s\n", problem->c_str());
      return std::nullopt;
    }
  }
  return boxes.Texts();
}

// "X      10", or the label alone when there is no text.
void PrintLine(std::FILE* output, const char* label, const std::string& text) {
  if (text.empty()) {
    std::fprintf(output, "%s\n", label);
  } else {
    std::fprintf(output, "%-6s %s\n", label, text.c_str());
  }
}

void PrintCaptions(std::FILE* output, const ResultCaptions& captions) {
  constexpr std::array<const char*, 5> kLabels = {"X", "Y", "A", "R", "Remark"};
  const auto inOrder = csv::CaptionsInColumnOrder(captions);
  for (size_t i = 0; i < kLabels.size(); ++i) PrintLine(output, kLabels[i], *inOrder[i]);
}

// "Candidate 2 of 4", its fields as --all writes them, labelled; a line
// "T1     x y" per touching point it has.
void PrintCandidate(std::FILE* output, const candidates::Candidate& candidate, size_t count) {
  const char* note = candidate.isAnswer                                                 ? " (the answer)"
                     : candidate.construction != candidates::Construction::kCalculation ? " (construction only)"
                     : candidate.reachable                                              ? ""
                                           : " (not reachable with these rows)";
  std::fprintf(output, "\nCandidate %d of %zu%s\n", candidate.number, count, note);
  constexpr std::array<const char*, 5> kLabels = {"X", "Y", "A", "R", "Set"};
  const candidates::CandidateFields fields = candidates::FieldsOf(candidate);
  for (size_t i = 0; i < kLabels.size(); ++i) PrintLine(output, kLabels[i], fields[i + 1]);
  constexpr std::array<const char*, candidates::kMaxTouches> kTouchLabels = {"T1", "T2", "T3"};
  for (size_t t = 0; t < candidate.touches.size() && t < kTouchLabels.size(); ++t) {
    const size_t x = candidates::kCandidateColumnsBeforeTouches + 2 * t;
    std::string point = fields[x];
    point += ' ';
    point += fields[x + 1];
    PrintLine(output, kTouchLabels[t], point);
  }
}

// "Why    centres 20 apart ..." and "Fix    r2=15"; the labels alone when
// there is an answer.
void PrintExplanation(std::FILE* output, const InputTexts& texts, const CalcState& state,
                      const std::vector<candidates::Candidate>& found, i18n::Language language) {
  const explain::Explanation explanation =
      state.captions.ansRem.empty() ? explain::Explanation{} : explain::Explain(texts, state, found, language);
  PrintLine(output, "Why", explanation.why);
  PrintLine(output, "Fix", explain::FixAsBoxWords(explanation));
}

}  // namespace

int RunCalcCommand(std::span<const std::string_view> words, const RecordOptions& options, const DrawingFiles& files,
                   std::FILE* output, std::FILE* errors) {
  const std::optional<InputTexts> texts = TextsOf(words, options.strict, errors);
  if (!texts) return kExitBadInput;
  CalcState state;
  RunCalculation(state, *texts);
  const ResultCaptions& captions = state.captions;
  PrintCaptions(output, captions);

  std::vector<candidates::Candidate> found;
  // The drawings take the answer's exact figure from its candidate.
  if (options.explain || options.allCandidates || files.Any()) found = candidates::FindCandidates(*texts);
  if (options.explain) PrintExplanation(output, *texts, state, found, options.language);
  if (options.allCandidates) {
    if (found.empty()) std::fprintf(output, "\nNo candidates\n");
    for (const candidates::Candidate& candidate : found) PrintCandidate(output, candidate, found.size());
  }
  if (files.Any() && !WriteDrawingFiles(files, *texts, captions, found, options.allCandidates, errors))
    return kExitIoError;
  return kExitOk;
}

}  // namespace draftcalc::cli
