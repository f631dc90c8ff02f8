#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/input_texts.h"

namespace draftcalc::web {

// The texts that cross between JavaScript and the module, as UTF-8 bytes in
// the module's memory, so that a call passes no more than two numbers.

// The 24 box texts, written by JavaScript one after another into the bytes,
// their lengths into `lengths` in box order (row by row, X to S).
class BoxTextsIn {
 public:
  // Room for `size` bytes of texts; the address stays valid until the next
  // call. A negative size is refused: null.
  char* Bytes(int32_t size);
  int32_t* Lengths() { return lengths_; }
  // Views into the bytes; valid until the next call of Bytes. Nothing when
  // the lengths do not lay the texts within the bytes (a negative one, or
  // more in all than there are): the functions are public, and a length
  // from elsewhere must not make one text read another's bytes or memory
  // beyond them.
  std::optional<InputTexts> Texts() const;

 private:
  std::vector<char> bytes_;
  size_t size_ = 0;  // the bytes of texts asked for
  int32_t lengths_[kRowCount * kColumnCount] = {};
};

// A list of texts for JavaScript to read: the bytes of all, one after
// another, and where each ends.
class TextsOut {
 public:
  void Clear();
  void Add(std::string_view text);

  const char* Bytes() const { return bytes_.data(); }
  const int32_t* Ends() const { return ends_.data(); }
  int32_t Count() const { return static_cast<int32_t>(ends_.size()); }

 private:
  std::string bytes_;
  std::vector<int32_t> ends_;
};

}  // namespace draftcalc::web
