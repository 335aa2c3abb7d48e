// Tokenising a large Shift_JIS message with the text view's fountain: every logical line to
// its tokens (hit testing), the same with the colour set of each token (painting), and the
// row-state pass over rows wrapped at 80 bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "fountain/editor_fountain.h"
#include "fountain/fountain_parser.h"
#include "platform/cp932.h"
#include "textstore/row_attributes.h"

namespace {

using platform::cp932::FromUtf8;

// A generated mail body: Japanese prose with punctuation and brackets, ASCII prose, quoted
// lines, URLs and addresses, base64 lines, and now and then a paragraph of several thousand
// bytes on one line. The same seed gives the same text.
std::vector<std::string> MailLines(size_t bytes) {
  const std::vector<std::string> japanese = {
      FromUtf8("本日は晴天なり。"),
      FromUtf8("ご確認のほど、よろしくお願いいたします。"),
      FromUtf8("「会議資料（第２版）」を添付します。"),
      FromUtf8("【重要】システムメンテナンスのお知らせ"),
      FromUtf8("価格は１２，８００円（税込）です。"),
      FromUtf8("ﾊﾝｶｸｶﾀｶﾅのﾃﾞｰﾀも混ざります｡"),
      FromUtf8("詳しくは、担当の山田までお問い合わせください。"),
      FromUtf8("カタカナのテキスト、ひらがなのぶんしょう。"),
  };
  const std::vector<std::string> ascii = {
      "The quick brown fox jumps over the lazy dog, 42 times.",
      "Please find the revised schedule (v1.5e3 draft) attached;",
      "see section 3.14 for details - thanks!",
  };
  const std::vector<std::string> links = {
      "https://www.example.co.jp/path/to/page?id=123&lang=ja#top",
      "http://example.com/download/file_v2.zip.",
      "taro.yamada@example.co.jp",
      "<support@mail.example.ne.jp>",
      "www.example.org/news/2024/05/",
  };
  const char* base64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::mt19937 random(20240501);
  auto pick = [&](const std::vector<std::string>& from) -> const std::string& {
    return from[random() % from.size()];
  };
  std::vector<std::string> lines;
  size_t total = 0;
  while (total < bytes) {
    std::string line;
    switch (random() % 10) {
      case 0:  // quoted
        line = "> " + pick(japanese) + pick(ascii);
        break;
      case 1:
      case 2:  // base64
        for (int i = 0; i < 76; ++i) line += base64[random() % 64];
        break;
      case 3:  // links in prose
        line = pick(japanese) + " " + pick(links) + " " + pick(ascii);
        break;
      case 4:
        line = pick(ascii) + " " + pick(ascii);
        break;
      case 5:
        if (random() % 20 == 0) {  // a long paragraph on one line
          while (line.size() < 3000 + random() % 4000) line += pick(japanese) + pick(links);
        }
        break;
      default:
        line = pick(japanese) + pick(japanese) + pick(japanese);
    }
    total += line.size() + 2;
    lines.push_back(std::move(line));
  }
  return lines;
}

const std::vector<std::string>& Corpus() {
  static const std::vector<std::string> lines = MailLines(8u << 20);
  return lines;
}

size_t CorpusBytes() {
  size_t bytes = 0;
  for (const std::string& line : Corpus()) bytes += line.size() + 2;
  return bytes;
}

// The viewer's fountain: addresses and URLs on, nothing else.
std::unique_ptr<fountain::TEditorFountain> ViewerFountain() {
  auto f = platform::NewComponent<fountain::TEditorFountain>(nullptr);
  f->SetMail(true);
  f->SetUrl(true);
  return f;
}

void BM_Tokenize(benchmark::State& state) {
  auto f = ViewerFountain();
  auto parser = f->CreateParser();
  const bool colours = state.range(0) != 0;
  const textstore::TRowAttributeData start;
  for (auto _ : state) {
    size_t tokens = 0;
    for (const std::string& line : Corpus()) {
      parser->NewData(line, start);
      while (parser->NextToken() != fountain::toEof) {
        if (colours) benchmark::DoNotOptimize(parser->TokenToFountainColor());
        ++tokens;
      }
    }
    benchmark::DoNotOptimize(tokens);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * CorpusBytes()));
}
BENCHMARK(BM_Tokenize)->ArgName("colours")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Rows of at most 80 bytes, cut at character boundaries.
void WrapInto(textstore::TRowAttributeStringList& list) {
  for (const std::string& line : Corpus()) {
    size_t start = 0;
    do {
      size_t end = start;
      while (end < line.size() && end - start < 80) {
        end += platform::cp932::IsLeadByte(static_cast<unsigned char>(line[end])) ? 2 : 1;
      }
      end = std::min(end, line.size());
      int row = list.Add(line.substr(start, end - start));
      list.SetRowKind(row, end < line.size() ? textstore::rkWrapped : textstore::rkLineEnd);
      start = end;
    } while (start < line.size());
  }
}

void BM_RowStates(benchmark::State& state) {
  auto f = ViewerFountain();
  auto parser = f->CreateParser();
  textstore::TEditorStringList list;
  WrapInto(list);
  for (auto _ : state) {
    textstore::TRowAttributeData data;
    for (int i = 0; i < list.Count(); ++i) {
      data.RowKind = list.RowKind(i);
      parser->ParseRow(i, list, data);
      data.PrevRowKind = list.RowKind(i);
    }
    benchmark::DoNotOptimize(data.PendingKind);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * CorpusBytes()));
  state.counters["rows"] = list.Count();
}
BENCHMARK(BM_RowStates)->Unit(benchmark::kMillisecond);

// One long line that is a single run of mail bytes with many tokens and no address: each
// token start could walk to the end of the run.
void BM_LongMailRun(benchmark::State& state) {
  std::string line;
  while (line.size() < static_cast<size_t>(state.range(0))) line += "path/to/file.name;";
  auto f = ViewerFountain();
  auto parser = f->CreateParser();
  for (auto _ : state) {
    parser->NewData(line, {});
    while (parser->NextToken() != fountain::toEof) {
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_LongMailRun)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
