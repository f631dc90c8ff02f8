#pragma once

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
};

}  // namespace draftcalc::cli
