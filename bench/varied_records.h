#pragma once

#include <array>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "core/input_texts.h"
#include "examples/catalogue_examples.h"

namespace draftcalc::bench {

// Writes a CSV file of `records` calculations for the batch benchmarks: the
// header x1 .. s3, then the catalogue's calculations in turn, each with its
// numbers moved randomly (fixed seed) so that the number reading and writing
// see varied digits, as in real work, rather than a dozen texts repeated.
// Type codes, sides and the value row's intersection/touching choice stay.
class VariedRecords {
 public:
  explicit VariedRecords(unsigned seed = 20260101u) : random_(seed) {}

  std::string Header() const {
    std::string line;
    for (int row = 1; row <= kRowCount; ++row) {
      for (char letter : kColumnLetters) {
        if (!line.empty()) line += ',';
        line += static_cast<char>(letter - 'A' + 'a');
        line += static_cast<char>('0' + row);
      }
    }
    return line;
  }

  // One record of entry `index` of the catalogue (no line end).
  std::string Record(size_t index) {
    const auto& entry = examples::kCatalogue[index % examples::kCatalogue.size()];
    std::string line;
    for (int row = 0; row < kRowCount; ++row) {
      const bool valueRow = entry.rows[static_cast<size_t>(row)][colD] == "5";
      for (int column = 0; column < kColumnCount; ++column) {
        if (row + column > 0) line += ',';
        line += Vary(entry.rows[static_cast<size_t>(row)][static_cast<size_t>(column)], static_cast<Column>(column),
                     valueRow);
      }
    }
    return line;
  }

  bool WriteFile(const char* path, long records) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "%s\n", Header().c_str());
    for (long i = 0; i < records; ++i) std::fprintf(file, "%s\n", Record(static_cast<size_t>(i)).c_str());
    return std::fclose(file) == 0;
  }

 private:
  // A decimal with 0 to 4 places.
  std::string Decimal(double value) {
    std::array<char, 64> text{};
    const int places = std::uniform_int_distribution<int>(0, 4)(random_);
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, places);
    return {text.data(), end.ptr};
  }

  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

  std::string Vary(std::string_view text, Column column, bool valueRow) {
    if (text.empty() || column == colD || column == colS) return std::string(text);
    if (valueRow) {
      if (column != colC) return std::string(text);
      const double c = std::stod(std::string(text));
      // |C| <= 0.01 asks for the intersection of the circles; keep that choice.
      if (std::abs(c) <= 0.01) return Uniform(0, 1) < 0.5 ? "0.001" : "-0.001";
      return Decimal(c * Uniform(0.5, 1.5));
    }
    const double value = std::stod(std::string(text));
    switch (column) {
      case colX:
      case colY:
        return Decimal(value + Uniform(-3, 3));
      case colA:
        return Decimal(value + Uniform(-15, 15));
      case colB:
        return Decimal(value + Uniform(-1, 1));
      case colR:
        return Decimal(value * Uniform(0.8, 1.2));
      default:
        return std::string(text);
    }
  }

  std::mt19937_64 random_;
};

}  // namespace draftcalc::bench
