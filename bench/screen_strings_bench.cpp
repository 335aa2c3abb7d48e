// The screen-row list on a 64 MB Shift_JIS mail with the viewer's wrap options: the whole text
// set and wrapped at 80 columns, the same file loaded, a change of the wrap width, word wrap
// off and on, and the look-ups a caret move makes. coreutils' fold -w 80 and wc -l run on the
// same file in the same run as a speed reference. Peak memory is measured in a child process
// per step (this program run with --peak STEP), so that no other step's memory counts.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "bench/mail_sample.h"
#include "platform/paths.h"
#include "tests/rows/fake_editor_host.h"
#include "rows/editor_strings.h"

namespace {

using rows::TEditorStrings;
using rows::testing::FakeEditorHost;

const char* const kMailFile = "/tmp/quillet-bench-mail.txt";

// The sample written to kMailFile once per run.
const std::string& Mail() {
  static const std::string text = [] {
    std::string mail = bench::MailSample(bench::kLargeMailBytes);
    std::ofstream(kMailFile, std::ios::binary) << mail;
    return mail;
  }();
  return text;
}

// A view as the viewer sets it up: wrap at 80 with all four line-breaking switches, the state
// of the rows computed near the view only.
class Viewer {
 public:
  Viewer() {
    host.screenRows = 67;
    host.initBracketsFull = false;
    host.fountain->SetUrl(true);
    host.fountain->SetMail(true);
    textstore::TEditorWrapOption& option = host.ScreenStrings().WrapOption();
    option.SetFollowRetMark(true);
    option.SetFollowPunctuation(true);
    option.SetLeading(true);
    option.SetWordBreak(true);
    option.SetWrapByte(80);
    host.ScreenStrings().SetWordWrap(true);
  }
  rows::TEditorScreenStrings& Rows() { return host.ScreenStrings(); }

  FakeEditorHost host;
  TEditorStrings lines{host};
};

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

void Rows(benchmark::State& state, int rows) {
  state.counters["rows"] = rows;
  state.counters["bytes"] = static_cast<double>(Mail().size());
}

// A coreutils command on the sample, timed from here.
void BM_Coreutils(benchmark::State& state, const char* command) {
  const std::string line = std::string(command) + " " + kMailFile + " > /dev/null";
  Mail();
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    if (std::system(line.c_str()) != 0) state.SkipWithError("the command failed");
    state.SetIterationTime(Seconds(start));
  }
  Rows(state, 0);
}
BENCHMARK_CAPTURE(BM_Coreutils, fold80, "fold -w 80")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Coreutils, wc_l, "wc -l")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Lines.Text := the whole message, with its layout and the scan near the view. Emptying the
// rows of the last round is not timed.
void BM_SetTextStr(benchmark::State& state) {
  Viewer viewer;
  for (auto _ : state) {
    viewer.lines.SetTextStr(Mail());
    state.PauseTiming();
    Rows(state, viewer.Rows().Count());
    viewer.lines.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SetTextStr)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state) {
  Viewer viewer;
  Mail();
  for (auto _ : state) {
    viewer.lines.LoadFromFile(kMailFile);
    state.PauseTiming();
    Rows(state, viewer.Rows().Count());
    viewer.lines.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadFromFile)->Iterations(3)->Unit(benchmark::kMillisecond);

// A window-width resize: the wrap width goes from 80 to 79 and back, one re-wrap per round.
void BM_WrapByteChange(benchmark::State& state) {
  Viewer viewer;
  viewer.lines.SetTextStr(Mail());
  int width = 80;
  double seconds = 0;
  for (auto _ : state) {
    width = width == 80 ? 79 : 80;
    auto start = std::chrono::steady_clock::now();
    viewer.Rows().WrapOption().SetWrapByte(width);
    state.SetIterationTime(Seconds(start));
    seconds += Seconds(start);
  }
  const int rows = viewer.Rows().Count();
  Rows(state, rows);
  state.counters["s_per_million_rows"] =
      seconds / static_cast<double>(state.iterations()) / (rows / 1e6);
}
BENCHMARK(BM_WrapByteChange)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

// Word wrap switched off (arg 0) or on (arg 1); the other switch is not timed.
void BM_WordWrapSwitch(benchmark::State& state) {
  Viewer viewer;
  viewer.lines.SetTextStr(Mail());
  const bool on = state.range(0) != 0;
  for (auto _ : state) {
    state.PauseTiming();
    viewer.Rows().SetWordWrap(!on);
    state.ResumeTiming();
    viewer.Rows().SetWordWrap(on);
  }
  Rows(state, viewer.Rows().Count());
}
BENCHMARK(BM_WordWrapSwitch)
    ->ArgName("on")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// What a caret move asks: the caret's logical line for the status bar, the rows of that line
// and the line's text. Arg 1: the first look-up after a change, which maps the lines anew.
void BM_CaretLookups(benchmark::State& state) {
  Viewer viewer;
  viewer.lines.SetTextStr(Mail());
  rows::TEditorScreenStrings& rows = viewer.Rows();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> anyRow(0, rows.Count() - 1);
  const bool afterChange = state.range(0) != 0;
  for (auto _ : state) {
    if (afterChange) {
      state.PauseTiming();
      rows.ReplaceRows(0, 0, "x");
      state.ResumeTiming();
    }
    const int row = anyRow(random);
    const int line = rows.RowToLine(row);
    benchmark::DoNotOptimize(rows.LineStartRow(row));
    benchmark::DoNotOptimize(rows.FirstRowOfLine(line));
    benchmark::DoNotOptimize(viewer.lines.Get(line));
  }
  Rows(state, rows.Count());
}
BENCHMARK(BM_CaretLookups)->ArgName("after_change")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Peak memory of one step, from a child process: in MB and as a multiple of the file size.
void BM_PeakMemory(benchmark::State& state, const char* step) {
  Mail();
  const std::string self = platform::ExePath();
  for (auto _ : state) {
    const std::string command = self + " --peak " + step;
    FILE* child = popen(command.c_str(), "r");
    long before = 0;
    long peak = 0;
    if (child == nullptr || std::fscanf(child, "%ld %ld", &before, &peak) != 2) {
      state.SkipWithError("the child gave no figure");
    }
    if (child != nullptr) pclose(child);
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024;
    state.counters["input_MB"] = static_cast<double>(before) / 1024;
    state.counters["x_file"] =
        static_cast<double>(peak) * 1024 / static_cast<double>(Mail().size());
    state.counters["rows_x_file"] =
        static_cast<double>(peak - before) * 1024 / static_cast<double>(Mail().size());
  }
}
BENCHMARK_CAPTURE(BM_PeakMemory, settext, "settext")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PeakMemory, load, "load")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PeakMemory, rewrap, "rewrap")->Iterations(1)->Unit(benchmark::kMillisecond);

// VmHWM of this process in kB.
long PeakKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 20, '\n');
  }
  return 0;
}

// The child: one step, then "peak-before-the-step peak-after" in kB.
int RunPeak(const std::string& step) {
  Viewer viewer;
  std::string text;
  if (step == "settext") text = platform::ReadFileBytes(kMailFile);
  const long before = PeakKb();
  if (step == "settext") {
    viewer.lines.SetTextStr(text);
  } else {
    viewer.lines.LoadFromFile(kMailFile);
    if (step == "rewrap") viewer.Rows().WrapOption().SetWrapByte(79);
  }
  std::printf("%ld %ld\n", before, PeakKb());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--peak") return RunPeak(argv[2]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
