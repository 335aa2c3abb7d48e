// The find bar on the 64 MB benchmark mail: a step from the start to a hit near the end (the
// view's search, as F3 runs it), counting every hit of that pattern as the bar does, and `grep -c`
// on the same bytes in a file for comparison. Arg 1 folds width, which takes the character search.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/view_find.h"
#include "bench/grep_count.h"
#include "bench/mail_sample.h"
#include "editor/editor.h"
#include "platform/component.h"

namespace {

const std::string& Mail() {
  static const std::string mail = bench::MailSample(bench::kLargeMailBytes);
  return mail;
}

editor::TEditor& View() {
  static const std::unique_ptr<editor::TEditor> view = [] {
    auto made = platform::NewComponent<editor::TEditor>(nullptr);
    made->Lines().SetTextStr(Mail());
    return made;
  }();
  return *view;
}

// The first words of the text's last line that holds some: only there, near the end.
const std::string& NearEnd() {
  static const std::string pattern = [] {
    const std::string& mail = Mail();
    size_t end = mail.size();
    for (;;) {
      const size_t start = mail.rfind("\r\n", end - 1);
      const std::string line = mail.substr(start + 2, end - start - 2);
      if (line.size() >= 24 && mail.find(line.substr(0, 24)) == start + 2) return line.substr(0, 24);
      end = start;
    }
  }();
  return pattern;
}

quillet::FindOptions Options(const benchmark::State& state) { return {false, state.range(0) == 1}; }

void BM_FindNearEnd(benchmark::State& state) {
  editor::TEditor& view = View();
  for (auto _ : state) {
    state.PauseTiming();
    view.ClearSelection();
    view.SetRowCol(0, 0);
    state.ResumeTiming();
    if (quillet::FindStep(view, NearEnd(), Options(state), true) != quillet::FindOutcome::Found) {
      state.SkipWithError("missed");
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Mail().size()));
  state.counters["hit_row"] = view.Row();
}
BENCHMARK(BM_FindNearEnd)->ArgName("width")->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_CountHits(benchmark::State& state) {
  quillet::HitCounter counter(View());
  for (auto _ : state) {
    counter.Start(NearEnd(), Options(state));
    counter.Step(SIZE_MAX);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Mail().size()));
  state.counters["hits"] = static_cast<double>(counter.Count());
}
BENCHMARK(BM_CountHits)->ArgName("width")->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_GrepCount(benchmark::State& state) {
  static const std::string file = [] {
    const std::string name =
        (std::filesystem::temp_directory_path() / "quillet-bench-find-64m.eml").string();
    std::ofstream(name, std::ios::binary) << Mail();
    return name;
  }();
  for (auto _ : state) bench::RunGrepCount(NearEnd(), file);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Mail().size()));
}
BENCHMARK(BM_GrepCount)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
