// Word wrap at 80 columns over a large generated Shift_JIS mail: the whole text cut into rows
// at once, and line by line as the whole-text re-wrap does it (count, then cut).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/mail_sample.h"
#include "textstore/row_attributes.h"
#include "textstore/split_lines.h"
#include "textstore/wrap.h"

namespace {

using namespace textstore;

const std::string& Mail() {
  static const std::string text = bench::MailSample(bench::kLargeMailBytes);
  return text;
}

TLineWrapper Wrapper(bool viewer) {
  TWrapSettings settings;
  settings.FollowRetMark = settings.FollowPunctuation = settings.Leading = settings.WordBreak =
      viewer;
  TLineWrapper wrapper;
  wrapper.SetOptions(settings);
  wrapper.SetWordWrap(true);
  return wrapper;
}

void Report(benchmark::State& state, size_t bytes, size_t rows) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["rows_per_s"] =
      benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

// One WrapLines call on the whole text into an empty list, as a load does it: splitting,
// cutting and making every row. Releasing the rows afterwards is not timed.
void BM_WrapWholeText(benchmark::State& state) {
  const std::string& text = Mail();
  TLineWrapper wrapper = Wrapper(state.range(0) != 0);
  size_t count = 0;
  for (auto _ : state) {
    auto rows = std::make_unique<TEditorStringList>();
    wrapper.WrapLines(text, *rows);
    count = static_cast<size_t>(rows->Count());
    state.PauseTiming();
    rows.reset();
    state.ResumeTiming();
  }
  Report(state, text.size(), count);
}
BENCHMARK(BM_WrapWholeText)->ArgName("viewer")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole-text re-wrap's way: lines narrower than W stay one row, the others are counted
// and then cut into a scratch list.
void BM_WrapLineByLine(benchmark::State& state) {
  const std::vector<std::string> lines = SplitLines(Mail());
  TLineWrapper wrapper = Wrapper(state.range(0) != 0);
  TEditorStringList rows;
  size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (const std::string& line : lines) {
      if (ColumnWidth(line, wrapper.Columns()) < wrapper.Options().WrapByte) {
        ++total;
        continue;
      }
      total += static_cast<size_t>(wrapper.CountRows(line));
      wrapper.WrapLines(line, rows);
    }
    benchmark::DoNotOptimize(total);
  }
  Report(state, Mail().size(), total);
}
BENCHMARK(BM_WrapLineByLine)->ArgName("viewer")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Counting alone, over every line.
void BM_CountRows(benchmark::State& state) {
  const std::vector<std::string> lines = SplitLines(Mail());
  TLineWrapper wrapper = Wrapper(true);
  size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (const std::string& line : lines) total += static_cast<size_t>(wrapper.CountRows(line));
    benchmark::DoNotOptimize(total);
  }
  Report(state, Mail().size(), total);
}
BENCHMARK(BM_CountRows)->Unit(benchmark::kMillisecond);

}  // namespace
