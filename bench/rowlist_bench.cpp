// Row store operations on a text of a million rows: every insertion or deletion moves the
// records after it, an exchange swaps two, and a token scan reads and writes row state.
#include <benchmark/benchmark.h>

#include <string>

#include "textstore/row_attributes.h"

namespace {

constexpr int kRows = 1'000'000;

// Shown in the run's context header: the record every row costs.
const bool kRowSizeShown =
    (benchmark::AddCustomContext("sizeof(TheStringItem)",
                                 std::to_string(sizeof(textstore::TheStringItem))),
     true);

void Fill(textstore::TEditorStringList& list, int rows) {
  list.BeginUpdate();
  list.SetCapacity(rows);
  for (int i = list.Count(); i < rows; ++i) list.Add("\x82\xB1\x82\xEA\x82\xCD a row of text");
  list.EndUpdate();
}

void BM_AppendRows(benchmark::State& state) {
  for (auto _ : state) {
    textstore::TEditorStringList list;
    for (int i = 0; i < kRows; ++i) list.Add("a row of text");
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_AppendRows)->Unit(benchmark::kMillisecond);

// Insertion at a fraction of the list (0 front, 50 middle, 100 end).
void BM_InsertRow(benchmark::State& state) {
  textstore::TEditorStringList list;
  Fill(list, kRows);
  const long percent = state.range(0);
  for (auto _ : state) list.Insert(static_cast<int>(list.Count() * percent / 100), "inserted");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_InsertRow)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_DeleteRow(benchmark::State& state) {
  textstore::TEditorStringList list;
  Fill(list, kRows);
  const long percent = state.range(0);
  for (auto _ : state) {
    if (list.Count() < kRows / 2) {
      state.PauseTiming();
      Fill(list, kRows);
      state.ResumeTiming();
    }
    list.Delete(static_cast<int>((list.Count() - 1) * percent / 100));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DeleteRow)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_ExchangeRows(benchmark::State& state) {
  textstore::TEditorStringList list;
  Fill(list, kRows);
  unsigned seed = 1;
  for (auto _ : state) {
    seed = seed * 1103515245u + 12345u;
    list.Exchange(static_cast<int>(seed % kRows), static_cast<int>((seed >> 11) % kRows));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExchangeRows);

// What a full token scan does to each row: read the kind, store a state, read it back.
void BM_ScanRowState(benchmark::State& state) {
  textstore::TEditorStringList list;
  Fill(list, kRows);
  for (auto _ : state) {
    long sum = 0;
    for (int i = 0; i < kRows; ++i) {
      list.SetPrevRowKind(i, list.RowKind(i));
      list.SetBracketIndex(i, i & 7);
      list.SetRemainLen(i, i);
      sum += list.BracketIndex(i) + list.PendingKind(i);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ScanRowState)->Unit(benchmark::kMillisecond);

}  // namespace
