// quillet-dump on inputs that once made it quadratic or held its whole report: readable output
// of a file of CR bytes (millions of empty lines), and the --screen report of one long line at
// the narrowest wrap, whose heap peak is shown beside the screen rows' own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "fountain/editor_fountain.h"
#include "platform/component.h"
#include "rows/editor_host.h"
#include "rows/screen_strings.h"
#include "tests/support/allocation_limit.h"
#include "textstore/wrap_option.h"
#include "tools/dump/dump.h"

namespace {

// The viewer's fountain, every row scanned at once, as quillet-dump --screen loads its rows.
class ViewerHost : public rows::TNullEditorHost {
 public:
  using TNullEditorHost::TNullEditorHost;
  bool Focused() const override { return true; }
  fountain::TFountain* ActiveFountain() const override { return fountain_.get(); }

 private:
  std::unique_ptr<fountain::TEditorFountain> fountain_ = [] {
    auto f = platform::NewComponent<fountain::TEditorFountain>(nullptr);
    f->SetUrl(true);
    f->SetMail(true);
    return f;
  }();
};

// The screen rows of `text` without the report, wrapped at `width` with the viewer's four
// line-breaking rules: the model's own memory, to weigh the report's against.
void LoadScreenModel(std::string_view text, int width) {
  std::shared_ptr<rows::TEditorScreenStrings> rows = rows::NewScreenStrings();
  ViewerHost host(rows);
  textstore::TEditorWrapOption& option = rows->WrapOption();
  option.SetFollowRetMark(true);
  option.SetFollowPunctuation(true);
  option.SetLeading(true);
  option.SetWordBreak(true);
  option.SetWrapByte(width);
  rows->SetWordWrap(true);
  rows->LoadText(text);
}

class NullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A message file for one benchmark, removed with it.
class TempMessage {
 public:
  explicit TempMessage(const std::string& bytes) : path_("/tmp/quillet-bench-XXXXXX") {
    int fd = mkstemp(path_.data());
    close(fd);
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TempMessage() { unlink(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

int Dump(const std::vector<std::string>& args) {
  NullBuffer null;
  std::ostream out(&null);
  std::ostringstream err;
  return dump::RunDump(args, out, err);
}

void BM_ReadableCrFile(benchmark::State& state) {
  const auto bytes = static_cast<size_t>(state.range(0));
  TempMessage message(std::string(bytes, '\r'));
  for (auto _ : state) benchmark::DoNotOptimize(Dump({"quillet-dump", message.Path()}));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadableCrFile)
    ->Arg(1000000)
    ->Arg(2000000)
    ->Arg(5000000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_ScreenReportOfOneLine(benchmark::State& state, const char* unit) {
  std::string line;
  while (line.size() < static_cast<size_t>(state.range(0))) line += unit;
  TempMessage message(line);
  size_t before = testsupport::heapLive;
  testsupport::ResetHeapPeak();
  LoadScreenModel(line + "\r\n", 20);
  const double model = static_cast<double>(testsupport::heapPeak - before);
  double report = 0;
  for (auto _ : state) {
    before = testsupport::heapLive;
    testsupport::ResetHeapPeak();
    benchmark::DoNotOptimize(Dump({"quillet-dump", "--screen", "--wrap", "20", message.Path()}));
    report = static_cast<double>(testsupport::heapPeak - before);
  }
  state.counters["model_MB"] = model / (1 << 20);
  state.counters["report_MB"] = report / (1 << 20);
  state.counters["ratio"] = report / model;
}
BENCHMARK_CAPTURE(BM_ScreenReportOfOneLine, words,
                  "words of mail text, http://example.jp/a and more ")
    ->Arg(10000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScreenReportOfOneLine, one_word, "x")
    ->Arg(10000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
