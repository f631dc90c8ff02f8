#include "web/text_exchange.h"

namespace draftcalc::web {

char* BoxTextsIn::Bytes(size_t size) {
  // Never empty, so that the address is never null.
  bytes_.resize(size + 1);
  return bytes_.data();
}

InputTexts BoxTextsIn::Texts() const {
  InputTexts texts;
  size_t start = 0;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      // JavaScript wrote the lengths; a wrong one must not read past the bytes.
      const size_t length = static_cast<size_t>(lengths_[row * kColumnCount + column]);
      const size_t end = start + length <= bytes_.size() ? start + length : start;
      texts(row, static_cast<Column>(column)) = std::string_view(bytes_.data() + start, end - start);
      start = end;
    }
  }
  return texts;
}

void TextsOut::Clear() {
  bytes_.clear();
  ends_.clear();
}

void TextsOut::Add(std::string_view text) {
  bytes_ += text;
  ends_.push_back(static_cast<int32_t>(bytes_.size()));
}

}  // namespace draftcalc::web
