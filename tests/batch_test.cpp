// The batch run in process: every record accounted for, the same output
// whatever the number of jobs, streaming, and read and write failures.
#include "cli/batch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "csv/byte_source.h"
#include "csv/csv_reader.h"

namespace draftcalc::cli {
namespace {

struct BatchRun {
  int status;
  std::string out, err;
};

BatchRun RunOn(csv::ByteSource& input, const BatchOptions& options, std::FILE* output = nullptr) {
  char *out = nullptr, *err = nullptr;
  size_t outSize = 0, errSize = 0;
  std::FILE* outStream = output != nullptr ? output : open_memstream(&out, &outSize);
  std::FILE* errStream = open_memstream(&err, &errSize);
  const int status = RunBatch(input, outStream, errStream, "in", options);
  if (output == nullptr) std::fclose(outStream);
  std::fclose(errStream);
  BatchRun run{status, out != nullptr ? std::string(out, outSize) : "", std::string(err, errSize)};
  std::free(out);
  std::free(err);
  return run;
}

BatchRun RunOn(const std::string& text, const BatchOptions& options) {
  csv::MemorySource input(text);
  return RunOn(input, options);
}

std::vector<std::vector<std::string>> Records(const std::string& csvText) {
  csv::MemorySource source(csvText);
  csv::CsvReader reader(source);
  std::vector<std::vector<std::string>> records;
  while (reader.Next() == csv::CsvReader::Status::kRecord) {
    records.emplace_back();
    for (size_t i = 0; i < reader.Record().FieldCount(); ++i) records.back().emplace_back(reader.Record().Field(i));
  }
  return records;
}

// An input made of records whose fate is known by construction: good ones
// (some quoted across line ends), ones of the wrong width, with text after a
// closing quote, or too long, separated by LF, CRLF or CR and empty lines.
struct GeneratedInput {
  std::string text;
  std::vector<std::vector<std::string>> good;  // the fields of each good record
  std::string messages;                        // what must be reported, in order
};

constexpr size_t kGeneratedLimit = 200;

GeneratedInput Generate(unsigned seed, int records) {
  std::mt19937 random(seed);
  const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const std::vector<std::string> lineEnds = {"\n", "\r\n", "\r"};
  GeneratedInput input{"name,x1,y1,d1,x2,y2,d2\n", {}, {}};
  long line = 2;
  for (int i = 0; i < records; ++i) {
    const std::string number = std::to_string(pick(2000) - 1000) + "." + std::to_string(pick(100));
    std::vector<std::string> fields = {"r" + std::to_string(i), number, "0", "8", "3", "-4.5", "8"};
    std::string text = fields[0] + "," + number + ",0,8,3,-4.5,8";
    long lineEndsInside = 0;
    switch (pick(6)) {
      case 0:  // quoted, with a comma, a doubled quote and every kind of line end
        fields[0] = "a,\"b\r\nc\rd\ne";
        text = "\"a,\"\"b\r\nc\rd\ne\"" + text.substr(text.find(','));
        lineEndsInside = 3;
        break;
      case 1:
        text += ",extra";
        input.messages += "in:" + std::to_string(line) + ": record has 8 fields, the header has 7\n";
        fields.clear();
        break;
      case 2:  // text after a closing quote, then a quoted field across a line end
        text = "\"n\"x,\"\n\"" + text.substr(text.find(','));
        lineEndsInside = 1;
        input.messages += "in:" + std::to_string(line) + ": unexpected text after a closing quote\n";
        fields.clear();
        break;
      case 3:
        text = "\"" + std::string(kGeneratedLimit, 'w') + "\r\n\"" + text.substr(text.find(','));
        lineEndsInside = 1;
        input.messages += "in:" + std::to_string(line) + ": record longer than 200 bytes\n";
        fields.clear();
        break;
      default:
        break;
    }
    if (!fields.empty()) input.good.push_back(fields);
    input.text += text;
    line += lineEndsInside;
    if (i + 1 < records || pick(2) == 0) {
      input.text += lineEnds[static_cast<size_t>(pick(3))];
      ++line;
      for (int empty = pick(3) == 0 ? pick(3) : 0; empty > 0; --empty, ++line) input.text += "\r\n";
    }
  }
  return input;
}

// Hands the bytes over a few at a time, as a pipe may.
class PieceSource : public csv::ByteSource {
 public:
  PieceSource(std::string_view bytes, size_t piece) : bytes_(bytes), piece_(piece) {}
  csv::ReadResult Read(char* buffer, size_t size) override {
    const size_t n = std::min({size, piece_, bytes_.size()});
    std::copy_n(bytes_.data(), n, buffer);
    bytes_.remove_prefix(n);
    return {n, 0};
  }
  size_t Left() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
  size_t piece_;
};

TEST(Batch, EveryRecordGivesOneOutputRecordOrOneMessage) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const GeneratedInput input = Generate(seed, 300);
    for (const BatchOptions& options :
         {BatchOptions{1, kGeneratedLimit, false, 1 << 16, {}}, BatchOptions{3, kGeneratedLimit, false, 700, {}}}) {
      for (size_t piece : {size_t{1} << 20, size_t{5}}) {
        PieceSource source(input.text, piece);
        const BatchRun run = RunOn(source, options);
        const std::string context = "seed " + std::to_string(seed) + ", jobs " + std::to_string(options.jobs) +
                                    ", reads of " + std::to_string(piece);
        EXPECT_EQ(run.status, input.messages.empty() ? kExitOk : kExitBadInput) << context;
        EXPECT_EQ(run.err, input.messages) << context;
        const auto written = Records(run.out);
        ASSERT_EQ(written.size(), input.good.size() + 1) << context;
        for (size_t i = 0; i < input.good.size(); ++i) {
          ASSERT_EQ(written[i + 1].size(), 12u) << context;
          EXPECT_EQ(std::vector<std::string>(written[i + 1].begin(), written[i + 1].begin() + 7), input.good[i])
              << context << ", record " << i;
        }
      }
    }
  }
}

TEST(Batch, WritesTheSameWhateverTheNumberOfJobs) {
  const GeneratedInput input = Generate(99, 2000);
  const BatchRun one = RunOn(input.text, {1, kGeneratedLimit, false, 1 << 16, {}});
  for (unsigned jobs : {2u, 4u}) {
    for (size_t batchBytes : {size_t{1}, size_t{333}, size_t{1} << 16}) {
      const BatchRun many = RunOn(input.text, {jobs, kGeneratedLimit, false, batchBytes, {}});
      EXPECT_EQ(many.status, one.status);
      EXPECT_EQ(many.out, one.out) << jobs << " jobs, batches of " << batchBytes;
      EXPECT_EQ(many.err, one.err) << jobs << " jobs, batches of " << batchBytes;
    }
  }
}

// Input arriving through a pipe: before each read after the first, the
// answers of the records read so far must have reached the output. The
// output is a pipe too, read here while the run goes on.
class CheckingPipeSource : public csv::ByteSource {
 public:
  // `linesDue[i]`: output lines due before read i + 1.
  CheckingPipeSource(std::vector<std::string> pieces, std::vector<int> linesDue, int answers)
      : pieces_(std::move(pieces)), linesDue_(std::move(linesDue)), answers_(answers) {}

  csv::ReadResult Read(char* buffer, size_t size) override {
    if (next_ > 0) linesSeen_.push_back(WaitForLines(linesDue_[next_ - 1]));
    if (next_ == pieces_.size()) return {0, 0};
    const std::string& piece = pieces_[next_++];
    const size_t n = std::min(size, piece.size());
    std::copy_n(piece.data(), n, buffer);
    return {n, 0};
  }

  const std::vector<int>& LinesSeen() const { return linesSeen_; }

 private:
  // Reads the output until it holds `lines` lines, for at most a few seconds.
  int WaitForLines(int lines) {
    while (std::count(output_.begin(), output_.end(), '\n') < lines) {
      pollfd ready{answers_, POLLIN, 0};
      char chunk[4096];
      if (poll(&ready, 1, 5000) <= 0) break;
      const ssize_t n = read(answers_, chunk, sizeof chunk);
      if (n <= 0) break;
      output_.append(chunk, static_cast<size_t>(n));
    }
    return static_cast<int>(std::count(output_.begin(), output_.end(), '\n'));
  }

  std::vector<std::string> pieces_;
  std::vector<int> linesDue_;
  int answers_;
  size_t next_ = 0;
  std::string output_;
  std::vector<int> linesSeen_;
};

TEST(Batch, FromAPipeWritesEachAnswerBeforeWaitingForMoreInput) {
  for (unsigned jobs : {1u, 2u}) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::FILE* output = fdopen(fds[1], "w");
    // The header with its first record, then one record per read, the last
    // cut in two: the header and the answers so far are due before each read.
    const std::vector<int> due = {2, 3, 3, 4};
    CheckingPipeSource source({"x2,y2\n1,1\n", "0,5\r\n", "3,", "4\n"}, due, fds[0]);
    const BatchRun run = RunOn(source, {jobs, 1 << 20, /*streaming=*/true, 1 << 16, {}}, output);
    std::fclose(output);
    close(fds[0]);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(source.LinesSeen(), due) << jobs << " jobs";
  }
}

// With --all a record's lines are its candidates': all of them are due
// before the next read.
TEST(Batch, FromAPipeWritesEveryCandidateBeforeWaitingForMoreInput) {
  for (unsigned jobs : {1u, 2u}) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::FILE* output = fdopen(fds[1], "w");
    // Four candidates, none, then one.
    const std::vector<int> due = {5, 6, 7};
    CheckingPipeSource source(
        {"d1,r1,s1,d2,c2,x3,d3,r3,s3\n0,10,1,5,-5,20,0,10,1\n", "2,,,1,,,99,,\n", "8,,,8,,,99,,\n"}, due, fds[0]);
    BatchOptions options{jobs, 1 << 20, /*streaming=*/true, 1 << 16, {}};
    options.record.allCandidates = true;
    const BatchRun run = RunOn(source, options, output);
    std::fclose(output);
    close(fds[0]);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(source.LinesSeen(), due) << jobs << " jobs";
  }
}

class FailingSource : public csv::ByteSource {
 public:
  explicit FailingSource(std::string_view before) : before_(before) {}
  csv::ReadResult Read(char* buffer, size_t size) override {
    if (before_.empty()) return {0, EIO};
    const size_t n = std::min(size, before_.size());
    std::copy_n(before_.data(), n, buffer);
    before_.remove_prefix(n);
    return {n, 0};
  }

 private:
  std::string_view before_;
};

TEST(Batch, AReadErrorIsReportedAfterTheRecordsBeforeIt) {
  for (unsigned jobs : {1u, 2u}) {
    FailingSource input("x2,y2\n1,1\n0,");
    const BatchRun run = RunOn(input, {jobs, 1 << 20, false, 1 << 16, {}});
    EXPECT_EQ(run.status, kExitIoError);
    EXPECT_EQ(run.out, "x2,y2,ansX,ansY,ansA,ansR,ansRem\n1,1,0,0,45,,\n");
    EXPECT_EQ(run.err, "in: cannot read: Input/output error\n");
  }
  FailingSource noHeader("");
  const BatchRun run = RunOn(noHeader, {1, 1 << 20, false, 1 << 16, {}});
  EXPECT_EQ(run.status, kExitIoError);
  EXPECT_EQ(run.err, "in: cannot read: Input/output error\n");
}

TEST(Batch, AFullDiskIsReportedAndStopsTheRun) {
  std::string big = "x2,y2\n";
  for (int i = 0; i < 200'000; ++i) big += "1," + std::to_string(i) + "\n";
  const std::string small = "x2,y2\n1,1\n";
  for (unsigned jobs : {1u, 2u}) {
    for (const std::string& text : {big, small}) {
      std::FILE* full = std::fopen("/dev/full", "w");
      ASSERT_NE(full, nullptr);
      PieceSource input(text, 1 << 16);
      const BatchRun run = RunOn(input, {jobs, 1 << 20, false, 1 << 16, {}}, full);
      std::fclose(full);
      EXPECT_EQ(run.status, kExitIoError) << jobs << " jobs, " << text.size() << " bytes";
      EXPECT_EQ(run.err, "draftcalc-cli: cannot write output: No space left on device\n");
      // A failed write ends the run; the rest of a large input is not read.
      if (text.size() == big.size()) {
        EXPECT_GT(input.Left(), big.size() / 2);
      }
    }
  }
}

}  // namespace
}  // namespace draftcalc::cli
