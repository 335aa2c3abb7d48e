// The text view painting on the real Qt window and canvas (offscreen): a full screen of 60
// rows by 200 columns of Japanese and ASCII text with URLs, mail addresses, tabs and
// quotations, with and without the main window's kind of row decoration, and a scroll by one
// row (the shift plus the exposed row).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>
#include <string>

#include "editor/editor.h"
#include "platform/component.h"
#include "platform/cp932.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/fonts.h"

namespace {

using editor::TEditor;

constexpr int kScreenRows = 60;
constexpr int kScreenCols = 200;
constexpr int kTextRows = 400;

// Row i: a quotation every fourth row, a header-like name every seventh, then pieces in turn
// up to 200 bytes, never ending inside a double-byte character.
std::string Text() {
  const char* pieces[] = {"日本語の文章を表示します。", "http://www.example.co.jp/news/2024/index.html",
                          " taro.yamada@example.ne.jp ", "ＡＢＣ全角英字とｶﾀｶﾅ、",
                          "\tplain ASCII words, ", "「かぎかっこ」の中の漢字と仮名。"};
  std::string text;
  for (int row = 0; row < kTextRows; ++row) {
    std::string line = row % 4 == 0 ? "> " : row % 7 == 0 ? "From: " : "";
    for (int piece = row; line.size() < kScreenCols; ++piece) {
      line += platform::cp932::FromUtf8(pieces[piece % 6]);
    }
    size_t end = 0;
    while (end < kScreenCols) {
      end += platform::cp932::IsLeadByte(static_cast<unsigned char>(line[end])) ? 2 : 1;
    }
    line.resize(end > kScreenCols ? end - 2 : end);
    text += line + "\r\n";
  }
  return text;
}

// Draws quotations over their row in the comment colour and header names in the reserved-word
// colour, as the main window's decoration does.
class Decoration : public platform::TObject {
 public:
  explicit Decoration(TEditor& view) : view_(view) {}
  void DrawLine(platform::TObject*, const platform::ByteString& line, int x, int y, int index,
                const platform::TRect& rect, bool selected) {
    const std::string_view text = line.view();
    if (text.starts_with(">")) {
      const size_t length = view_.ScreenStrings().Get(index).size();
      view_.DrawTextRect(rect, x, y, text.substr(0, length),
                         selected ? platform::clWhite : platform::clTeal, {});
    } else if (text.starts_with("From:")) {
      view_.DrawTextRect(rect, x, y, "From:", selected ? platform::clWhite : platform::clMaroon, {});
    }
  }

 private:
  TEditor& view_;
};

// The view set up as the viewer sets it, on a window just large enough for the screen.
struct Screen {
  Screen() {
    view->SetScrollBars(editor::ssVertical);
    view->SetReadOnly(true);
    view->View().SetUrl(true);
    view->View().SetMail(true);
    view->View().Colors().Url().SetColor(platform::clBlue);
    view->View().Colors().Mail().SetColor(platform::clBlue);
    view->Marks().EofMark().SetVisible(true);
    view->Marks().RetMark().SetVisible(true);
    view->Marks().Underline().SetVisible(true);
    view->Lines().SetTextStr(Text());
    view->SetWindow(&window);
    window.resize(view->TextLeft() + kScreenCols * view->ColWidth() + window.ScrollBarExtent() +
                      view->ColWidth(),
                  view->TextTop() + kScreenRows * view->RowHeight() + 5);
    window.show();  // a hidden widget hears of its size only when shown
    window.Update();
  }
  ~Screen() { view->SetWindow(nullptr); }

  platform::qt::EditorWindowWidget window;
  std::unique_ptr<TEditor> view = platform::NewComponent<TEditor>(nullptr);
};

void PaintFullScreen(benchmark::State& state, bool decorated) {
  Screen screen;
  Decoration decoration(*screen.view);
  if (decorated) screen.view->OnDrawLine = {&decoration, &Decoration::DrawLine};
  if (screen.view->VisibleRowCount() < kScreenRows ||
      screen.view->VisibleColCount() < kScreenCols) {
    state.SkipWithError("the window does not show 60 rows by 200 columns");
    return;
  }
  for (auto _ : state) {
    screen.window.InvalidateAll();
    screen.window.Update();
  }
  state.counters["rows"] = screen.view->VisibleRowCount();
  state.counters["cols"] = screen.view->VisibleColCount();
}

void BM_PaintFullScreen(benchmark::State& state) { PaintFullScreen(state, false); }
void BM_PaintFullScreenDecorated(benchmark::State& state) { PaintFullScreen(state, true); }

// One row down, then one row up: each a shift of the window's pixels and one exposed row.
void BM_ScrollOneRow(benchmark::State& state) {
  Screen screen;
  Decoration decoration(*screen.view);
  screen.view->OnDrawLine = {&decoration, &Decoration::DrawLine};
  int step = 1;
  for (auto _ : state) {
    screen.view->SetTopRow(screen.view->TopRow() + step);
    step = -step;
  }
}

BENCHMARK(BM_PaintFullScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFullScreenDecorated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  platform::qt::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
