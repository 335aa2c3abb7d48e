// Double-byte text utilities on large Shift_JIS texts: column maps of every line (what the
// wrap routine and the caret build per row), and the text search over one 64 MB buffer.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/cp932.h"
#include "textstore/column_map.h"
#include "textstore/search.h"
#include "textstore/split_lines.h"

namespace {

using namespace textstore;

// Mail-like lines: kanji and kana, ASCII words, half-width katakana with voiced marks, tabs.
const std::string& LargeText(size_t bytes) {
  static std::string text;
  if (text.size() < bytes) {
    const std::vector<std::string> lines = {
        platform::cp932::FromUtf8("本日の会議は午後三時からです。資料は添付の通りです。"),
        platform::cp932::FromUtf8("> 引用された行\tタブの後に続く文章、そして english words"),
        platform::cp932::FromUtf8("ﾊﾝｶｸｶﾀｶﾅのﾃﾞｰﾀもｶﾞｷﾞｸﾞｹﾞｺﾞと混ざります。 http://example.jp/"),
        std::string("plain ASCII text of a longer line, with some_identifiers and 12345 numbers "
                    "that goes on past the wrap width of eighty columns"),
        platform::cp932::FromUtf8("全角スペース　と　ＡＢＣ　ａｂｃ　を含む行"),
        std::string(),
    };
    text.clear();
    text.reserve(bytes + 256);
    for (size_t i = 0; text.size() < bytes; ++i) {
      text += lines[i % lines.size()];
      text += "\r\n";
    }
  }
  return text;
}

constexpr size_t kMapText = 16u << 20;
constexpr size_t kSearchText = 64u << 20;

void BM_ColumnMaps(benchmark::State& state) {
  const std::vector<std::string> lines = SplitLines(LargeText(kMapText).substr(0, kMapText));
  ColumnRules rules;
  rules.WordWrap = state.range(0) != 0;
  size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size();
  for (auto _ : state) {
    size_t columns = 0;
    for (const std::string& line : lines) columns += ColumnMap(line, rules).size();
    benchmark::DoNotOptimize(columns);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ColumnMaps)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ColumnWidths(benchmark::State& state) {
  const std::vector<std::string> lines = SplitLines(LargeText(kMapText).substr(0, kMapText));
  ColumnRules rules;
  rules.WordWrap = true;
  for (auto _ : state) {
    std::ptrdiff_t columns = 0;
    for (const std::string& line : lines) columns += ColumnWidth(line, rules);
    benchmark::DoNotOptimize(columns);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kMapText));
}
BENCHMARK(BM_ColumnWidths)->Unit(benchmark::kMillisecond);

void BM_SplitLines(benchmark::State& state) {
  std::string_view text = std::string_view(LargeText(kSearchText)).substr(0, kSearchText);
  for (auto _ : state) benchmark::DoNotOptimize(SplitLines(text).size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond);

// Forward over the whole buffer to the one match at its end.
void BM_SearchForward(benchmark::State& state) {
  const TSearchOptions options = static_cast<TSearchOptions>(soForward | state.range(0));
  std::string text = LargeText(kSearchText).substr(0, kSearchText);
  const std::string pattern = platform::cp932::FromUtf8("見つける語");
  text += pattern;
  const ByteSet delimiters = DefaultWordDelimiters();
  for (auto _ : state) {
    TSearchPosition position;
    if (!SearchText(text, position, pattern, options, delimiters)) state.SkipWithError("missed");
    benchmark::DoNotOptimize(position);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SearchForward)
    ->ArgName("options")
    ->Arg(0)
    ->Arg(soIgnoreWidth)
    ->Unit(benchmark::kMillisecond);

}  // namespace
