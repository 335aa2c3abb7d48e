// quillet-dump's memory: running out of it, and how much the screen report needs.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/allocation_limit.h"
#include "tests/support/scratch_dir.h"
#include "tests/tools/screen_model.h"
#include "tools/dump/dump.h"

namespace dump {
namespace {

// Counts what is written and keeps none of it.
class CountingBuffer : public std::streambuf {
 public:
  size_t Count() const { return count_; }

 protected:
  int_type overflow(int_type c) override {
    ++count_;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count_ += static_cast<size_t>(n);
    return n;
  }

 private:
  size_t count_ = 0;
};

// The heap the model of `text` needs at its peak while it is built and held.
size_t ModelPeak(std::string_view text, int width) {
  const size_t before = testsupport::heapLive;
  testsupport::ResetHeapPeak();
  testsupport::LoadScreenModel(text, width);
  return testsupport::heapPeak - before;
}

TEST(DumpMemory, TheScreenReportIsWrittenAsItIsMade) {
  testsupport::ScratchDir dir;
  std::string line;
  while (line.size() < (512 << 10)) line += "words of mail text, http://example.jp/a and more ";
  std::string path = dir.Write("line.eml", line);  // no empty line: all of it is the body
  const size_t model = ModelPeak(line + "\r\n", 20);

  CountingBuffer written;
  std::ostream out(&written);
  std::ostringstream err;
  const size_t before = testsupport::heapLive;
  testsupport::ResetHeapPeak();
  EXPECT_EQ(RunDump({"quillet-dump", "--screen", "--wrap", "20", path}, out, err), 0) << err.str();
  const size_t peak = testsupport::heapPeak - before;
  EXPECT_LE(peak, 2 * model) << "model " << model;
  EXPECT_GT(written.Count(), peak);  // more was written than was ever held
}

TEST(DumpOutOfMemory, IsReportedInJapaneseWithStatusOne) {
  testsupport::ScratchDir dir;
  std::string large = dir.Write("large.eml", "Subject: s\n\n" + std::string(4 << 20, 'x'));
  std::ostringstream out, err;
  int status;
  {
    testsupport::FailLargeAllocations fail(1 << 20);  // reading the file needs 4 MiB at once
    status = RunDump({"quillet-dump", large}, out, err);
  }
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err.str(), "メモリが不足しています\n");
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace dump
