// quillet-dump's memory: running out of it, and how much the screen report holds.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/allocation_limit.h"
#include "tests/support/scratch_dir.h"
#include "tools/dump/dump.h"

namespace dump {
namespace {

// Counts what is written and keeps none of it.
class CountingBuffer : public std::streambuf {
 public:
  size_t count = 0;

 protected:
  int_type overflow(int_type c) override { return ++count, c; }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<size_t>(n);
    return n;
  }
};

TEST(DumpMemory, TheScreenReportIsWrittenAsItIsMade) {
  testsupport::ScratchDir dir;
  std::string line;
  while (line.size() < (512 << 10)) line += "words of mail text, http://example.jp/a and more ";
  std::string path = dir.Write("line.eml", line);
  CountingBuffer written;
  std::ostream out(&written);
  std::ostringstream err;
  const size_t before = testsupport::heapLive;
  testsupport::ResetHeapPeak();
  EXPECT_EQ(RunDump({"quillet-dump", "--screen", "--wrap", "20", path}, out, err), 0);
  // Held whole, the report needed more than it wrote; written as it is made, the screen rows
  // are about all there is.
  EXPECT_LT(testsupport::heapPeak - before, written.count);
}

TEST(DumpOutOfMemory, IsReportedInJapaneseWithStatusOne) {
  testsupport::ScratchDir dir;
  std::string path = dir.Write("large.eml", std::string(1 << 20, 'x'));
  std::ostringstream out, err;
  testsupport::FailLargeAllocations fail(256 << 10);  // reading the file needs 1 MiB at once
  EXPECT_EQ(RunDump({"quillet-dump", path}, out, err), 1);
  EXPECT_EQ(err.str(), "メモリが不足しています\n");
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace dump
