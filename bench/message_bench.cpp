// Loading a large message: line-end normalisation, separator search and header extraction,
// which run again at every change of view mode.
#include <benchmark/benchmark.h>

#include <string>

#include "app/message.h"

namespace {

std::string LargeMessage(size_t bytes, const char* lineEnd) {
  std::string text = "From: a@example.jp\nSubject: test\nX-Priority: 3\n\n";
  const std::string line =
      "\x82\xB1\x82\xEA\x82\xCD\x96\x7B\x95\xB6\x82\xC5\x82\xB7\x81\x42 plain ASCII words too, "
      "and a URL http://example.jp/a?b=c";
  while (text.size() < bytes) {
    text += line;
    text += lineEnd;
  }
  return text;
}

void BM_MessageSource(benchmark::State& state, const char* lineEnd) {
  std::string file = LargeMessage(static_cast<size_t>(state.range(0)), lineEnd);
  for (auto _ : state) {
    quillet::MessageSource source(file);
    benchmark::DoNotOptimize(quillet::ExtractHeaders(source.HeaderPart()));
    benchmark::DoNotOptimize(source.ViewText(quillet::ViewMode::Body).size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK_CAPTURE(BM_MessageSource, crlf, "\r\n")->Arg(1 << 20)->Arg(64 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MessageSource, lf, "\n")->Arg(64 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
