#pragma once

#include "i18n/translation.h"

namespace draftcalc::cli {

// What each record's output holds besides its five captions, and which
// records are refused.
struct RecordOptions {
  // --all: the six candidate columns, one output record per candidate.
  bool allCandidates = false;
  // --explain: ansWhy and ansFix after the answer columns.
  bool explain = false;
  // --strict: a record with a box text not read whole is reported and skipped.
  bool strict = false;
  // --lang en|ja: the language of ansWhy (ansRem stays as the calculation
  // writes it); the environment's locale when not given.
  i18n::Language language = i18n::LanguageOfEnvironment();
};

}  // namespace draftcalc::cli
