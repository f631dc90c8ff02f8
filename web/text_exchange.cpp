#include "web/text_exchange.h"

namespace draftcalc::web {

char* BoxTextsIn::Bytes(int32_t size) {
  if (size < 0) return nullptr;
  size_ = static_cast<size_t>(size);
  // Never empty, so that the address is never null.
  bytes_.resize(size_ + 1);
  return bytes_.data();
}

std::optional<InputTexts> BoxTextsIn::Texts() const {
  InputTexts texts;
  size_t start = 0;
  for (int row = 0; row < kRowCount; ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      const int32_t length = lengths_[row * kColumnCount + column];
      // Compared as what is left, so that no sum can wrap round.
      if (length < 0 || static_cast<size_t>(length) > size_ - start) return std::nullopt;
      texts(row, static_cast<Column>(column)) = std::string_view(bytes_.data() + start, static_cast<size_t>(length));
      start += static_cast<size_t>(length);
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
