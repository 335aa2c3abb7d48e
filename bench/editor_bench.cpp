// The text view's refresh paths on a 1,000,000-row Shift_JIS mail: one-row scrolls with and
// without word wrap, a resize that changes the visible row count, and an edit's change refresh
// in the middle of the view. The view sits on a fake window whose canvas throws the drawing
// away, so that only the view's own work is timed, not the fake's call logs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "bench/grep_count.h"
#include "bench/mail_sample.h"
#include "editor/editor.h"
#include "platform/component.h"
#include "platform/input_events.h"
#include "textstore/search.h"
#include "tests/editor/fake_window.h"

namespace {

using editor::TEditor;

constexpr int kRows = 1'000'000;

// The shared mail generator's text cut to exactly kRows lines (no line break after the last).
const std::string& Mail() {
  static const std::string text = [] {
    // About 90 bytes a line: enough for kRows lines.
    std::string mail = bench::MailSample(size_t{100} * kRows);
    size_t at = 0;
    for (int line = 0; line < kRows - 1; ++line) at = mail.find("\r\n", at) + 2;
    mail.resize(mail.find("\r\n", at));
    return mail;
  }();
  return text;
}

// Counts what would be drawn and draws nothing.
class DiscardingCanvas : public platform::TCanvas {
 public:
  platform::TSize Size() const override { return {640, 600}; }
  void SetClip(const platform::TRect&) override {}
  void ResetClip() override {}
  void FillRect(const platform::TRect&, platform::TRgb) override {}
  void Line(platform::TPoint, platform::TPoint, platform::TRgb) override {}
  void SetPixel(platform::TPoint, platform::TRgb) override {}
  void DrawCells(platform::TPoint, std::string_view cp932, platform::TFontHandle, int,
                 platform::TRgb, const platform::TRgb*, const platform::TRect&) override {
    ++rows;
    bytes += cp932.size();
    benchmark::DoNotOptimize(cp932.data());
  }
  void CopyFrom(const platform::TBitmap&, const platform::TRect&, platform::TPoint) override {}

  long long rows = 0;
  long long bytes = 0;
};

// The fake window without its logs: painting goes to the discarding canvas, scrolls and fonts
// are not recorded, so that a long run costs the same per step as a short one.
class BenchWindow : public editor::testing::FakeWindow {
 public:
  using FakeWindow::FakeWindow;

  void Update() override {
    for (const platform::TRect& rect : invalid) {
      ++paints;
      if (Client() != nullptr) Client()->Paint(sink, rect);
    }
    invalid.clear();
  }
  void ScrollContents(int dx, int dy, const platform::TRect& area) override {
    ++shifts;
    platform::TRect band = area;
    if (dy > 0) band.Bottom = std::min(area.Bottom, area.Top + dy);
    if (dy < 0) band.Top = std::max(area.Top, area.Bottom + dy);
    if (dx > 0) band.Right = std::min(area.Right, area.Left + dx);
    if (dx < 0) band.Left = std::max(area.Left, area.Right + dx);
    if (!band.IsEmpty()) invalid.push_back(band);
  }
  platform::TFontHandle CreateFont(const platform::TFontSpec&) override { return {1}; }

  DiscardingCanvas sink;
  long long paints = 0;
  long long shifts = 0;
};

// A focused view on the 1 M-row text, 640 x 480, optionally wrapped at 80 columns.
struct View {
  explicit View(bool wrap) {
    editor->SetWindow(&window);
    window.SetFocus();
    if (wrap) {
      editor->WrapOption().SetWrapByte(80);
      editor->SetWordWrap(true);
    }
    editor->Lines().SetTextStr(Mail());
  }
  ~View() { editor->SetWindow(nullptr); }
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  BenchWindow window{platform::TSize{640, 480}};
  std::unique_ptr<TEditor> editor = platform::NewComponent<TEditor>(nullptr);
};

// Loading the text takes seconds: one view per layout for the whole run. Each benchmark puts
// it back into the state it needs.
View& SharedView(bool wrap) {
  static std::map<bool, std::unique_ptr<View>> views;
  std::unique_ptr<View>& view = views[wrap];
  if (view == nullptr) view = std::make_unique<View>(wrap);
  view->window.Resize({640, 480});
  return *view;
}

// Per-operation figures from the window's counters.
struct Tally {
  explicit Tally(const BenchWindow& window)
      : window_(window), rows_(window.sink.rows), paints_(window.paints) {}
  void Report(benchmark::State& state, const TEditor& editor) const {
    const double n = static_cast<double>(state.iterations());
    state.counters["rows_painted"] = static_cast<double>(window_.sink.rows - rows_) / n;
    state.counters["paints"] = static_cast<double>(window_.paints - paints_) / n;
    state.counters["row_count"] = editor.RowCount();
    state.counters["visible_rows"] = editor.VisibleRowCount();
  }

 private:
  const BenchWindow& window_;
  long long rows_;
  long long paints_;
};

// One SetTopRow(TopRow() + 1) per iteration: the pixel shift and the paint of the row it
// exposes. At the end of the text the view goes back to the top, untimed.
void BM_ScrollOneRow(benchmark::State& state) {
  View& view = SharedView(state.range(0) != 0);
  TEditor& editor = *view.editor;
  editor.SetTopRow(0);
  const int last = editor.RowCount() - editor.VisibleRowCount();
  const Tally tally(view.window);
  for (auto _ : state) {
    if (editor.TopRow() >= last) {
      state.PauseTiming();
      editor.SetTopRow(0);
      state.ResumeTiming();
    }
    editor.SetTopRow(editor.TopRow() + 1);
  }
  tally.Report(state, editor);
}
BENCHMARK(BM_ScrollOneRow)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The window alternates between 640 x 480 and 640 x 600: new metrics, scroll ranges and a
// full repaint each time. The view stands in the middle of the text.
void BM_Resize(benchmark::State& state) {
  View& view = SharedView(false);
  TEditor& editor = *view.editor;
  editor.SetTopRow(kRows / 2);
  const Tally tally(view.window);
  bool tall = false;
  for (auto _ : state) {
    tall = !tall;
    view.window.Resize({640, tall ? 600 : 480});
  }
  tally.Report(state, editor);
  view.window.Resize({640, 480});
}
BENCHMARK(BM_Resize)->Unit(benchmark::kMicrosecond);

// Lines().Put on the line in the middle of the view, the view in the middle of the text: the
// edit primitive, the rescan after it and the change refresh of the rows it touched. The
// first put there scans the rows down from the last scanned one (BM_FirstPutAfterJump), so it
// is made before the timing.
void BM_PutInView(benchmark::State& state) {
  const bool wrap = state.range(0) != 0;
  View& view = SharedView(wrap);
  TEditor& editor = *view.editor;
  editor.SetTopRow(editor.RowCount() / 2);
  const int row = editor.TopRow() + editor.VisibleRowCount() / 2;
  const int line = editor.ScreenStrings().RowToLine(row);
  editor.Lines().Put(line, "changed line");
  const Tally tally(view.window);
  for (auto _ : state) {
    editor.Lines().Put(line, "changed line");
  }
  tally.Report(state, editor);
  editor.EmptyUndoBuffer();
}
BENCHMARK(BM_PutInView)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The first edit after a jump from the top into the middle of the text, whose rows were never
// scanned: each iteration starts (untimed) from a text scanned near the top only, as after
// loading.
void BM_FirstPutAfterJump(benchmark::State& state) {
  View& view = SharedView(false);
  TEditor& editor = *view.editor;
  for (auto _ : state) {
    state.PauseTiming();
    editor.SetTopRow(0);
    editor.ScreenStrings().RescanAll();
    editor.SetTopRow(kRows / 2);
    const int line = editor.TopRow() + editor.VisibleRowCount() / 2;
    state.ResumeTiming();
    editor.Lines().Put(line, "changed line");
  }
  state.counters["row_count"] = editor.RowCount();
  editor.EmptyUndoBuffer();
}
BENCHMARK(BM_FirstPutAfterJump)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Select-all and the selected text of the whole 64 MB mail, as Ctrl+A and a copy need them.
// Reports the bytes of the text; its peak memory is the text once more.
void BM_SelectAllSelText(benchmark::State& state) {
  View& view = SharedView(false);
  size_t bytes = 0;
  for (auto _ : state) {
    view.editor->SelectAll();
    const std::string text = view.editor->SelText();
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
    state.PauseTiming();
    view.editor->ClearSelection();
    state.ResumeTiming();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SelectAllSelText)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The token under the pointer on a 10 MB body that is one logical line, wrapped at 80 columns:
// what every mouse move over the view asks. The view shows the middle of the line.
void BM_TokenUnderPointer(benchmark::State& state) {
  static const std::unique_ptr<View> view = [] {
    std::string line = bench::MailSample(10u << 20);
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    std::replace(line.begin(), line.end(), '\n', ' ');
    auto v = std::make_unique<View>(true);
    v->editor->Lines().SetTextStr(line);
    v->editor->SetTopRow(v->editor->RowCount() / 2);
    return v;
  }();
  TEditor& editor = *view->editor;
  int step = 0;
  for (auto _ : state) {
    const platform::TPoint at{editor.TextLeft() + (step * 7 % 80) * editor.ColWidth(),
                              editor.TextTop() + (step % 20) * editor.RowHeight()};
    benchmark::DoNotOptimize(editor.TokenFromPos(at));
    ++step;
  }
  state.counters["rows"] = editor.RowCount();
}
BENCHMARK(BM_TokenUnderPointer)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// Search through the whole mail (about 90 MB) for text that is not there, and for text in its
// last row; BM_GrepCount is `grep -c` on the same bytes in a file, for comparison. The view
// shows the last row once before the timing: the first jump to the end scans the rows' token
// states (BM_FirstPutAfterJump times that), which is not the search's cost.
void BM_Search(benchmark::State& state) {
  View& view = SharedView(false);
  TEditor& editor = *view.editor;
  const std::string last(editor.ScreenStrings().Get(editor.RowCount() - 1).view().substr(0, 12));
  const std::string pattern = state.range(0) == 0 ? std::string("QUILLET-NOT-THERE") : last;
  editor.SetRowCol(editor.RowCount() - 1, 0);
  for (auto _ : state) {
    state.PauseTiming();
    editor.ClearSelection();
    editor.SetRowCol(0, 0);
    state.ResumeTiming();
    benchmark::DoNotOptimize(editor.Search(pattern, textstore::soForward | textstore::soMatchCase));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Mail().size()));
  state.counters["caret_row"] = editor.Row();  // the hit's row; 0 when nothing was found
}
BENCHMARK(BM_Search)->ArgName("near_end")->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_GrepCount(benchmark::State& state) {
  static const std::string file = [] {
    const std::string name = (std::filesystem::temp_directory_path() / "quillet-bench-mail.eml").string();
    std::ofstream(name, std::ios::binary) << Mail();
    return name;
  }();
  for (auto _ : state) bench::RunGrepCount("QUILLET-NOT-THERE", file);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Mail().size()));
}
BENCHMARK(BM_GrepCount)->Iterations(3)->Unit(benchmark::kMillisecond);

// Key-repeat Down through 10,000 rows: each step moves the caret and, at the bottom of the
// view, scrolls one row.
void BM_KeyRepeatDown(benchmark::State& state) {
  View& view = SharedView(false);
  TEditor& editor = *view.editor;
  int steps = 0;
  for (auto _ : state) {
    if (steps % 10000 == 0) {
      state.PauseTiming();
      editor.ClearSelection();
      editor.SetRowCol(0, 0);
      editor.SetTopRow(0);
      state.ResumeTiming();
    }
    editor.KeyDown({platform::VK_DOWN, {}, steps % 10000 != 0});
    ++steps;
  }
  state.counters["row"] = editor.Row();
}
BENCHMARK(BM_KeyRepeatDown)->Iterations(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
