#include "python/result_dicts.h"

#include <array>
#include <string>
#include <string_view>

#include "candidates/candidate_fields.h"

namespace py = pybind11;

namespace draftcalc::python {
namespace {

// Names as interned str objects.
template <size_t N>
std::array<PyObject*, N> Interned(const std::array<std::string_view, N>& names) {
  std::array<PyObject*, N> keys{};
  for (size_t i = 0; i < N; ++i) {
    keys[i] = PyUnicode_InternFromString(std::string(names[i]).c_str());
    if (keys[i] == nullptr) throw py::error_already_set();
  }
  return keys;
}

// The keys, made once and kept for the life of the process: every result
// dict shares them.
const std::array<PyObject*, kCaptionNames.size()>& AnswerKeyObjects() {
  static const auto keys = Interned(kCaptionNames);
  return keys;
}

// The --all columns before the touching points, then "touch": the touching
// points as (x, y) pairs of floats rather than six texts.
constexpr size_t kTextKeyCount = candidates::kCandidateColumnsBeforeTouches;
constexpr std::array<std::string_view, kTextKeyCount + 1> kCandidateKeys = [] {
  std::array<std::string_view, kTextKeyCount + 1> keys{};
  for (size_t i = 0; i < kTextKeyCount; ++i) keys[i] = candidates::kCandidateColumns[i];
  keys[kTextKeyCount] = "touch";
  return keys;
}();

const std::array<PyObject*, kCandidateKeys.size()>& CandidateKeyObjects() {
  static const auto keys = Interned(kCandidateKeys);
  return keys;
}

py::list TouchList(const std::vector<geometry::Point>& touches) {
  py::list points(touches.size());
  for (size_t i = 0; i < touches.size(); ++i) points[i] = py::make_tuple(touches[i].x, touches[i].y);
  return points;
}

// Sets dict[key] to the text, decoded from UTF-8 (the remarks are Japanese).
void SetText(py::dict& dict, PyObject* key, const std::string& text) {
  const py::object value = py::reinterpret_steal<py::object>(
      PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), nullptr));
  if (!value || PyDict_SetItem(dict.ptr(), key, value.ptr()) != 0) throw py::error_already_set();
}

template <size_t N>
py::tuple KeyTuple(const std::array<PyObject*, N>& keys) {
  py::tuple tuple(N);
  for (size_t i = 0; i < N; ++i) tuple[i] = py::reinterpret_borrow<py::object>(keys[i]);
  return tuple;
}

}  // namespace

py::dict AnswerDict(const ResultCaptions& captions) {
  const auto& keys = AnswerKeyObjects();
  py::dict answer;
  for (size_t i = 0; i < kCaptionFields.size(); ++i) SetText(answer, keys[i], captions.*kCaptionFields[i]);
  return answer;
}

py::list CandidateDicts(const std::vector<candidates::Candidate>& found) {
  const auto& keys = CandidateKeyObjects();
  py::list dicts(found.size());
  for (size_t c = 0; c < found.size(); ++c) {
    const candidates::CandidateFields fields = candidates::FieldsOf(found[c]);
    py::dict dict;
    for (size_t i = 0; i < kTextKeyCount; ++i) SetText(dict, keys[i], fields[i]);
    if (PyDict_SetItem(dict.ptr(), keys[kTextKeyCount], TouchList(found[c].touches).ptr()) != 0)
      throw py::error_already_set();
    dicts[c] = std::move(dict);
  }
  return dicts;
}

py::tuple AnswerKeys() { return KeyTuple(AnswerKeyObjects()); }
py::tuple CandidateKeys() { return KeyTuple(CandidateKeyObjects()); }

}  // namespace draftcalc::python
