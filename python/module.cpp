// draftcalc._draftcalc: the calculation engine and the candidate search for
// Python. The package draftcalc (draftcalc/__init__.py) re-exports it.
#include <pybind11/pybind11.h>

#include <string>
#include <string_view>
#include <vector>

#include "candidates/candidate.h"
#include "csv/box_columns.h"
#include "csv/input_set.h"
#include "csv/named_boxes.h"
#include "engine/calculation.h"
#include "examples/catalogue_examples.h"
#include "packaging/version.h"
#include "python/answer.h"
#include "python/box_mapping.h"
#include "python/calculation_stream.h"
#include "python/frame_functions.h"
#include "python/number_results.h"
#include "python/result_dicts.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

py::dict Calculate(py::handle mapping, bool explain, bool strict, const std::string& lang) {
  const i18n::Language language = LanguageArgument(lang);
  csv::NamedBoxes boxes;
  std::vector<py::object> keepAlive;
  ReadBoxes(mapping, boxes, keepAlive);
  CalcState state;
  return Answer(boxes.Texts(), state, {explain, strict, language});
}

py::object CalculateNumbers(py::handle mapping, bool explain, bool strict, const std::string& lang) {
  const i18n::Language language = LanguageArgument(lang);
  csv::NamedBoxes boxes;
  std::vector<py::object> keepAlive;
  ReadBoxes(mapping, boxes, keepAlive);
  CalcState state;
  return AnswerNumbers(boxes.Texts(), state, {explain, strict, language});
}

// The texts copied out of the Python objects, so that the search can run
// without the GIL while other threads change or drop them.
csv::BoxTexts CopiesOf(const InputTexts& texts) {
  csv::BoxTexts copies;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      const csv::BoxName box{row, static_cast<Column>(column)};
      copies[csv::BoxIndex(box)] = texts(row, box.column);
    }
  }
  return copies;
}

// The candidates of the boxes a mapping gives, found without the GIL.
std::vector<candidates::Candidate> FoundFor(py::handle mapping) {
  csv::NamedBoxes boxes;
  std::vector<py::object> keepAlive;
  ReadBoxes(mapping, boxes, keepAlive);
  const csv::BoxTexts copies = CopiesOf(boxes.Texts());
  py::gil_scoped_release released;
  return candidates::FindCandidates(csv::ViewsOf(copies));
}

py::list Candidates(py::handle mapping) { return CandidateDicts(FoundFor(mapping)); }
py::list CandidatesNumbers(py::handle mapping) { return CandidateNumbersOf(FoundFor(mapping)); }

py::tuple BoxNames() {
  const std::vector<std::string_view> columns = csv::InputSetColumns();
  py::tuple names(csv::kBoxCount);
  for (size_t i = 0; i < csv::kBoxCount; ++i) names[i] = py::str(std::string(columns[i]));
  return names;
}

// {"1.1 angle of two points": {"x1": "0", ...}, ...}: all 24 boxes of each.
py::dict Examples() {
  py::dict examples;
  for (const examples::CatalogueEntry& entry : examples::kCatalogue) {
    py::dict boxes;
    for (int row = 0; row < kRowCount; ++row) {
      for (int column = 0; column < kColumnCount; ++column) {
        boxes[py::str(csv::BoxNameText({row, static_cast<Column>(column)}))] =
            py::str(std::string(entry.Texts()(row, static_cast<Column>(column))));
      }
    }
    examples[py::str(std::string(entry.name))] = std::move(boxes);
  }
  return examples;
}

constexpr const char* kModuleDoc = R"(The draftcalc calculation engine.)";

constexpr const char* kCalculateDoc = R"(calculate(boxes, *, explain=False, strict=False, lang="en") -> dict[str, str]

The five captions of one calculation, as the window shows them after
Calculate and draftcalc-cli writes them: "ansX", "ansY", "ansA", "ansR" (a
number text or "") and "ansRem" (the remark: "", or a short Japanese message
when there is no answer).

boxes maps box names to texts: x1 y1 d1 a1 b1 c1 r1 s1 are the columns X, Y,
D, A, B, C, R, S of row 1, then x2 .. s2 and x3 .. s3, in either case. A box
not given keeps the window's start-up text: X and Y "0.000", D of row 3 "99",
every other box empty. A str is read as the window reads a typed box (its
longest leading number: "3,5" is 3, "" and "abc" are 0); an int or a float
stands for the text int and float write for it (repr: 0.1 is "0.1", 1e-7
is "1e-07", 10**20 is "100000000000000000000").

With explain=True the dict has two more keys: "why", the reason there is a
remark instead of an answer, in one sentence with the numbers that decide it
("the centres are 20 apart; radii 5 + 5 reach 10: 10 short"), and "fix", the
nearest input that gives an answer as box words ("r1=15"), the smallest
change of one box to the captions' four decimals; both "" for an answer,
"fix" "" when no one box edit gives one. lang="ja" gives "why" in Japanese
("中心間は 20。半径 5 + 5 で届くのは 10: 10 足りません"); the remark and the
fix are the same in both.

Raises TypeError when boxes is not a mapping, a name is not a str, or a text
is not a str, int or float (True and False are refused); ValueError when a
name is no box, a box is given twice ("x1" and "X1") or a float is infinite
or NaN or lang is neither "en" nor "ja", and with strict=True when a box
text is not read whole as a number
('r2 "8,5" is read as 8': text after the number, a decimal comma, a text
with no number, a number beyond the double range).)";

constexpr const char* kCandidatesDoc = R"(candidates(boxes) -> list[dict[str, str | list[tuple[float, float]]]]

Every answer of the construction the boxes ask for, in the candidates'
order, each as the fields draftcalc-cli --all writes: "cand" its number
("1" .. "n"); "candX", "candY" its point; "candA" its direction in degrees
in (-180, 180] where the calculation has an angle, else ""; "candR" its
radius where it is a circle, else ""; numbers as the shortest text that
reads back to the same double. "candSet" holds the box edits that make the
calculation show it ("r3=-10 s3=-1", a line walked the other way
"a1=225 b1=-5"): "" for the answer of the boxes as given, "-" when no edits
give it. "touch" lists where the answer touches the elements it was made
to touch, as (x, y) floats in full precision, in row order (draftcalc-cli's
candT1X .. candT3Y): a tangent line's touching points on its circles, an
answer circle's on each line, circle and tangent it touches; [] for
intersections, the angle of two points and the circle through three
points. An empty list when the construction has no candidates (where
draftcalc-cli writes one record with cand "0").

The boxes as for calculate, with the same errors. The search runs without
the GIL: other Python threads run meanwhile.)";

constexpr const char* kCalculateManyDoc =
    R"(calculate_many(records, *, explain=False, strict=False, lang="en") -> Calculations

calculate for each mapping of boxes that the iterable records yields, in
order, explain, strict and lang as there: the same answers as
map(calculate, records), one element table
serving all records. The iterator takes the next record only when asked
for its answer, so a stream of any length runs in constant memory.

A record that cannot be read raises as calculate would, its number (from 0)
in front of the message ("record 3: 'x4' is not an input box ..."); asked
again, the iterator goes on with the next record. TypeError at once when
records is not iterable.)";

constexpr const char* kCalculationsDoc = R"(The iterator calculate_many returns: one answer dict per record.)";

constexpr const char* kCalculateNumbersDoc =
    R"(calculate_numbers(boxes, *, explain=False, strict=False, lang="en") -> Numbers

calculate's answer as numbers: a Numbers named tuple (x, y, a, r, remark,
calculation, texts). x, y, a and r are the captions read as floats, the
same doubles float() reads from the texts calculate gives (53.1301 for
"53.1301"), None where the caption is empty; remark is the remark ("" for
an answer); calculation is the catalogue number of the calculation that
ran ("3.4"), "" when the D codes choose none; texts is the dict calculate
gives for the same boxes, to the character (with explain=True also "why"
and "fix").

The boxes, options and errors as for calculate.)";

constexpr const char* kCandidatesNumbersDoc = R"(candidates_numbers(boxes) -> list[CandidateNumbers]

candidates as numbers: one CandidateNumbers named tuple per candidate, in
the same order (number, x, y, a, r, edits, touch, calculation, texts).
number is cand as an int; x, y, a, r are candX, candY, candA, candR read as
floats (the same doubles: those texts are the shortest that read back to
them), a and r None where the field is empty; edits is candSet; touch the
touching points as (x, y) floats; calculation the catalogue number of the
calculation that gives the candidate ("3.1"); texts the dict candidates
gives. An empty list when there are none.

The boxes and errors as for candidates; the search runs without the GIL.)";

constexpr const char* kCalculateManyNumbersDoc =
    R"(calculate_many_numbers(records, *, explain=False, strict=False, lang="en") -> NumberCalculations

calculate_many giving each answer as calculate_numbers gives it: a Numbers
per record, in order, lazily, with the same errors.)";

constexpr const char* kNumberCalculationsDoc =
    R"(The iterator calculate_many_numbers returns: one Numbers per record.)";

}  // namespace
}  // namespace draftcalc::python

PYBIND11_MODULE(_draftcalc, module) {
  using namespace draftcalc::python;
  py::options options;
  options.disable_function_signatures();  // each docstring starts with its own, in the stub's types

  module.doc() = kModuleDoc;
  module.def("calculate", &Calculate, py::arg("boxes"), py::kw_only(), py::arg("explain") = false,
             py::arg("strict") = false, py::arg("lang") = "en", kCalculateDoc);
  module.def("candidates", &Candidates, py::arg("boxes"), kCandidatesDoc);

  py::class_<CalculationStream>(module, "Calculations", kCalculationsDoc)
      .def("__iter__", [](py::object self) { return self; })
      .def("__next__", &CalculationStream::Next);
  module.def("calculate_numbers", &CalculateNumbers, py::arg("boxes"), py::kw_only(), py::arg("explain") = false,
             py::arg("strict") = false, py::arg("lang") = "en", kCalculateNumbersDoc);
  module.def("candidates_numbers", &CandidatesNumbers, py::arg("boxes"), kCandidatesNumbersDoc);
  py::class_<NumbersStream>(module, "NumberCalculations", kNumberCalculationsDoc)
      .def("__iter__", [](py::object self) { return self; })
      .def("__next__", [](NumbersStream& stream) { return stream.Next(); });
  module.def(
      "calculate_many_numbers",
      [](py::handle records, bool explain, bool strict, const std::string& lang) {
        const auto language = LanguageArgument(lang);
        return NumbersStream(py::iter(records), {explain, strict, language});
      },
      py::arg("records"), py::kw_only(), py::arg("explain") = false, py::arg("strict") = false, py::arg("lang") = "en",
      kCalculateManyNumbersDoc);
  module.def(
      "calculate_many",
      [](py::handle records, bool explain, bool strict, const std::string& lang) {
        const auto language = LanguageArgument(lang);
        return CalculationStream(py::iter(records), {explain, strict, language});
      },
      py::arg("records"), py::kw_only(), py::arg("explain") = false, py::arg("strict") = false, py::arg("lang") = "en",
      kCalculateManyDoc);

  module.attr("ANSWER_KEYS") = AnswerKeys();
  module.attr("CANDIDATE_KEYS") = CandidateKeys();
  module.attr("EXPLANATION_KEYS") = py::make_tuple("why", "fix");
  module.attr("BOX_NAMES") = BoxNames();
  module.attr("EXAMPLES") = Examples();
  module.attr("__version__") = std::string(draftcalc::kVersion);
  DefineFrameFunctions(module);
}
