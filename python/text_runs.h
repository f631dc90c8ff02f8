#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace draftcalc::python {

// Texts one after another in one buffer: the cells of a box column, or the
// captions of a column of answers, for a run of rows.
class TextRun {
 public:
  void Clear() {
    bytes_.clear();
    ends_.clear();
  }
  void Add(std::string_view text) {
    bytes_.append(text);
    ends_.push_back(bytes_.size());
  }
  std::string_view operator[](size_t i) const {
    const size_t begin = i == 0 ? 0 : ends_[i - 1];
    return {bytes_.data() + begin, ends_[i] - begin};
  }
  size_t Size() const { return ends_.size(); }

 private:
  std::string bytes_;
  std::vector<size_t> ends_;
};

// The distinct texts of a column that holds few (the remarks), each
// numbered as it comes and made a str once; "" is number 0.
class DistinctTexts {
 public:
  // The text's number; needs no GIL.
  uint32_t NumberOf(std::string_view text) {
    if (text.empty()) return 0;
    for (uint32_t i = 1; i < texts_.size(); ++i)
      if (texts_[i] == text) return i;
    texts_.emplace_back(text);
    return static_cast<uint32_t>(texts_.size() - 1);
  }
  // The str of the text numbered `number` (with the GIL).
  pybind11::handle ObjectOf(uint32_t number) {
    while (objects_.size() <= number) objects_.push_back(pybind11::str(texts_[objects_.size()]));
    return objects_[number];
  }

 private:
  std::vector<std::string> texts_{""};
  std::vector<pybind11::object> objects_;
};

}  // namespace draftcalc::python
