// The least work a batch run over CSV can do, for comparison with
// draftcalc-cli: reads CSV from standard input in large blocks, reads every
// field of every record as a number with std::from_chars, and writes each
// record followed by five numbers formatted with std::to_chars. No quoting,
// no calculation.
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool WriteAll(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Reads every field of one line as a number and appends the line and five numbers to `out`.
void ProcessLine(const char* begin, const char* end, std::string& out) {
  // The first five numbers of the record stand in for the five answers.
  std::array<double, 5> numbers{};
  size_t found = 0;
  for (const char* p = begin; p <= end;) {
    const char* comma = static_cast<const char*>(std::memchr(p, ',', static_cast<size_t>(end - p)));
    if (comma == nullptr) comma = end;
    double value = 0;
    if (std::from_chars(p, comma, value).ec == std::errc() && found < numbers.size()) numbers[found++] = value;
    p = comma + 1;
  }
  out.append(begin, end);
  std::array<char, 32> text{};
  for (double number : numbers) {
    out += ',';
    out.append(text.data(), std::to_chars(text.data(), text.data() + text.size(), number).ptr);
  }
  out += '\n';
}

}  // namespace

int main() {
  std::vector<char> buffer(1 << 18);
  size_t kept = 0;
  std::string out;
  for (;;) {
    const ssize_t n = read(STDIN_FILENO, buffer.data() + kept, buffer.size() - kept);
    if (n < 0) return 1;
    const size_t length = kept + static_cast<size_t>(n);
    const char* p = buffer.data();
    const char* const end = p + length;
    for (;;) {
      const char* newline = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
      if (newline == nullptr) break;
      ProcessLine(p, newline, out);
      p = newline + 1;
    }
    if (n == 0) {
      if (p != end) ProcessLine(p, end, out);
      return WriteAll(out) ? 0 : 1;
    }
    kept = static_cast<size_t>(end - p);
    std::memmove(buffer.data(), p, kept);
    if (out.size() >= (1 << 16)) {
      if (!WriteAll(out)) return 1;
      out.clear();
    }
  }
}
