// Word wrap at 80 columns over a large generated Shift_JIS mail: the whole text cut into rows
// at once, and line by line as the whole-text re-wrap does it (count, then cut).
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "textstore/row_attributes.h"
#include "textstore/split_lines.h"
#include "textstore/wrap.h"

namespace {

using namespace textstore;

// About 64 MB and 730,000 lines of mail: Japanese prose with punctuation and brackets, both
// hard-wrapped and as long paragraph lines (some of several thousand bytes), ASCII prose,
// quotations, header-like address lines, URLs, base64 and empty lines.
class MailMaker {
 public:
  std::string Text(size_t bytes) {
    std::string text;
    text.reserve(bytes + 10000);
    while (text.size() < bytes) {
      switch (Pick(21)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
          text += Japanese(30 + Pick(47));
          break;
        case 6:
        case 7:
          text += Japanese(Pick(40) == 0 ? 2000 + Pick(6000) : 100 + Pick(400));
          break;
        case 8:
        case 9:
        case 10:
          text += Ascii(20 + Pick(57));
          break;
        case 11:
          text += Ascii(100 + Pick(200));
          break;
        case 12:
        case 13:
          text += (Pick(2) ? "> " : "> > ") + (Pick(2) ? Japanese(20 + Pick(50)) : Ascii(60));
          break;
        case 14:
          text += Url();
          break;
        case 15:
          text += Cp932("差出人: 山田 太郎 <taro.yamada") + std::to_string(Pick(1000)) +
                  "@example.co.jp>";
          break;
        case 16:
        case 17:
          text += Base64();
          break;
        default:
          break;  // an empty line
      }
      text += "\r\n";
    }
    return text;
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  static std::string Cp932(std::string_view utf8) { return platform::cp932::FromUtf8(utf8); }

  std::string Japanese(size_t bytes) {
    static const std::vector<std::string> words = [] {
      std::vector<std::string> list;
      for (const char* w :
           {"会議",     "資料", "確認", "お願い", "いたします", "本日",   "午後",       "について",
            "の",       "は",   "を",   "に",     "が",         "で",     "ございます", "メール",
            "サーバー", "送信", "ｶﾀｶﾅ", "ﾃﾞｰﾀ",   "2024年",     "Quillet"}) {
        list.push_back(Cp932(w));
      }
      return list;
    }();
    static const std::vector<std::string> marks = [] {
      std::vector<std::string> list;
      for (const char* m : {"、", "。", "「", "」", "（", "）", "・", "！", "？", "ー"}) {
        list.push_back(Cp932(m));
      }
      return list;
    }();
    std::string line;
    while (line.size() < bytes) {
      line += words[Pick(words.size())];
      if (Pick(4) == 0) line += marks[Pick(marks.size())];
    }
    return line;
  }

  std::string Ascii(size_t bytes) {
    static const char* const words[] = {"the",         "message", "is",      "attached", "please",
                                        "see",         "below,",  "thanks.", "regards",  "meeting",
                                        "at",          "3pm",     "(see",    "notes)",   "and",
                                        "server_name", "of",      "a"};
    std::string line;
    while (line.size() < bytes) {
      if (!line.empty()) line += ' ';
      line += words[Pick(std::size(words))];
    }
    return line;
  }

  std::string Url() {
    std::string url = "https://www.example.co.jp/";
    for (size_t n = Pick(Pick(10) == 0 ? 200 : 60); n > 0; --n)
      url += "abcdefgh/?=&_-123"[Pick(17)];
    return url;
  }

  std::string Base64() {
    static const std::string alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string line;
    for (int i = 0; i < 76; ++i) line += alphabet[Pick(alphabet.size())];
    return line;
  }

  std::mt19937 random_{2024};
};

constexpr size_t kMailBytes = 64u << 20;

const std::string& Mail() {
  static const std::string text = MailMaker().Text(kMailBytes);
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
