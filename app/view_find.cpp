#include "app/view_find.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace quillet {
namespace {

int LineEndBytes(const rows::TEditorScreenStrings& rows, int row) {
  return rows.RowKind(row) == textstore::rkLineEnd ? 2 : 0;
}

// The drawn style, so that a hit is not taken for a selection; switching clears what is shown.
void UseDrawnHits(editor::TEditor& view) {
  if (view.HitStyle() != editor::hsDraw) view.SetHitStyle(editor::hsDraw);
}

}  // namespace

textstore::TSearchOptions SearchOptionsOf(FindOptions options, bool forward) {
  textstore::TSearchOptions bits = forward ? textstore::soForward : 0;
  if (options.MatchCase) bits |= textstore::soMatchCase;
  if (options.IgnoreWidth) bits |= textstore::soIgnoreWidth;
  return bits;
}

FindOutcome FindStep(editor::TEditor& view, std::string_view pattern, FindOptions options,
                     bool forward) {
  if (pattern.empty() || view.RowCount() == 0) return FindOutcome::NotFound;
  const textstore::TSearchOptions bits = SearchOptionsOf(options, forward);
  UseDrawnHits(view);
  if (view.Search(pattern, bits)) return FindOutcome::Found;
  const int row = view.Row();
  const int col = view.Col();
  view.ClearSelection();
  const int last = view.RowCount() - 1;
  if (forward) {
    view.SetRowCol(0, 0);
  } else {
    view.SetRowCol(last, view.RowEndCol(last));
  }
  if (view.Search(pattern, bits)) return FindOutcome::Wrapped;
  view.SetRowCol(row, col);
  return FindOutcome::NotFound;
}

FindOutcome FindFromHere(editor::TEditor& view, std::string_view pattern, FindOptions options) {
  if (view.SelState() == editor::ssSelected || view.SelState() == editor::ssHit) {
    const editor::TEditor::TColSelection from = view.ColSelection();
    view.ClearSelection();
    view.SetRowCol(from.StartRow, from.StartCol);
  }
  return FindStep(view, pattern, options, true);
}

int ZoomedPoints(int points, int steps) {
  static constexpr int kSizes[] = {6,  7,  8,  9,  10, 11, 12, 14, 16, 18, 20,
                                   22, 24, 26, 28, 32, 36, 40, 48, 56, 64, 72};
  constexpr int kRungs = static_cast<int>(std::size(kSizes));
  // The first rung at or above the size.
  int rung = static_cast<int>(std::lower_bound(std::begin(kSizes), std::end(kSizes), points) -
                              std::begin(kSizes));
  if (steps > 0 && rung < kRungs && kSizes[rung] == points) ++rung;
  if (steps > 0) {
    rung += steps - 1;
  } else if (steps < 0) {
    rung += steps;
  } else {
    return std::clamp(points, kSizes[0], kSizes[kRungs - 1]);
  }
  return kSizes[std::clamp(rung, 0, kRungs - 1)];
}

void EndFind(editor::TEditor& view, editor::TEditorHitStyle windowStyle) {
  if (view.HitStyle() == windowStyle) return;
  const bool kept = (view.SelState() == editor::ssHit || view.SelState() == editor::ssSelected) &&
                    view.SelectionMode() == 0;
  const editor::TEditor::TColSelection from = view.ColSelection();
  const editor::TEditor::TByteSelection bytes = view.ByteSelection();
  int length = bytes.EndByte + 1 - bytes.StartByte;
  const rows::TEditorScreenStrings& rows = view.ScreenStrings();
  for (int r = bytes.StartRow; r < bytes.EndRow; ++r) {
    length += static_cast<int>(rows.Get(r).size()) + LineEndBytes(rows, r);
  }
  view.SetHitStyle(windowStyle);
  if (!kept || length <= 0) return;
  view.SetRowCol(from.StartRow, from.StartCol);
  view.SetSelLength(length);
}

HitCounter::HitCounter(editor::TEditor& view) : view_(view) {
  view_.ScreenStrings().SetOnChanging({this, &HitCounter::RowsChanging});
}

HitCounter::~HitCounter() { view_.ScreenStrings().SetOnChanging({}); }

void HitCounter::Start(std::string pattern, FindOptions options) {
  pattern_ = std::move(pattern);
  options_ = SearchOptionsOf(options, true);
  slices_.clear();
  count_ = 0;
  nextRow_ = pattern_.empty() ? view_.RowCount() : 0;
}

void HitCounter::RowsChanging(platform::TObject*) {
  Start(std::move(pattern_), {(options_ & textstore::soMatchCase) != 0,
                              (options_ & textstore::soIgnoreWidth) != 0});
  if (OnRestart) OnRestart();
}

// A slice this big costs well under a millisecond to count again for a hit's number.
constexpr std::size_t kSliceBytes = 256 * 1024;

bool HitCounter::Step(std::size_t bytes) {
  for (std::size_t done = 0; !Done() && done < bytes;) {
    int end = nextRow_;
    const std::string text = Gather(nextRow_, kSliceBytes, end);
    slices_.push_back({nextRow_, count_});
    count_ += CountIn(text, SIZE_MAX);
    done += text.size();
    nextRow_ = end;
  }
  return Done();
}

std::optional<std::size_t> HitCounter::Ordinal(int row, int byte) const {
  if (row < 0 || row >= nextRow_ || slices_.empty()) return std::nullopt;
  const auto slice = std::prev(std::upper_bound(
      slices_.begin(), slices_.end(), row,
      [](int r, const Slice& s) { return r < s.FirstRow; }));
  const rows::TEditorScreenStrings& rows = view_.ScreenStrings();
  int end = slice->FirstRow;
  const std::string text = Gather(slice->FirstRow, kSliceBytes, end);
  std::size_t offset = static_cast<std::size_t>(std::max(0, byte));
  for (int r = slice->FirstRow; r < row; ++r) offset += rows.Get(r).size() + LineEndBytes(rows, r);
  return slice->HitsBefore + CountIn(text, offset) + 1;
}

std::string HitCounter::Gather(int first, std::size_t bytes, int& end) const {
  const rows::TEditorScreenStrings& rows = view_.ScreenStrings();
  const int count = rows.Count();
  std::string text;
  text.reserve(bytes + 4096);
  int r = first;
  for (; r < count; ++r) {
    text.append(rows.Get(r).view());
    const textstore::TRowKind kind = rows.RowKind(r);
    if (kind == textstore::rkLineEnd) text.append("\r\n");
    if (text.size() >= bytes && kind != textstore::rkWrapped) {
      ++r;
      break;
    }
  }
  end = r;
  return text;
}

std::size_t HitCounter::CountIn(std::string_view text, std::size_t limit) const {
  return textstore::CountMatches(text, pattern_, options_, view_.WordDelimiters(), limit);
}

}  // namespace quillet
