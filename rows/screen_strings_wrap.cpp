// Whole-text layout: loading a text or a file into rows, the re-wrap of every line at the wrap
// width and the join of every line into one row; each leaves every row unscanned. A large text
// is laid out a chunk of lines at a time into a list sized once from an estimate, so that no
// list of the whole text's rows is made twice.
#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "platform/update_guard.h"
#include "textstore/column_map.h"
#include "rows/line_file.h"
#include "rows/screen_strings.h"
#include "textstore/split_lines.h"

namespace rows {
namespace {

// Lines are laid out in chunks of about this many bytes.
constexpr size_t kChunkBytes = 256 * 1024;
// From this size on, a loaded text's second half is laid out on a second core.
constexpr size_t kParallelBytes = 4u << 20;

// Where the chunk of whole lines that starts at `start` ends: after the first line break at or
// past start + bytes, or at the end of the text.
size_t ChunkEnd(std::string_view Text, size_t start, size_t bytes) {
  size_t end = Text.find_first_of("\r\n", std::min(start + bytes, Text.size()));
  if (end == std::string_view::npos) return Text.size();
  return end + (Text.substr(end, 2) == "\r\n" ? 2 : 1);
}

// The rows of a text laid out by a copy of the wrap routine on a thread of its own. Nothing of
// it is shared while it runs: its strings come from its own blocks and are handed over only
// after Join.
class BackgroundLayout {
 public:
  // With a whole, the rows share its bytes as the wrap routine allows.
  BackgroundLayout(const textstore::TLineWrapper& Wrapper, std::string_view Text,
                   const platform::ByteString* Whole)
      : wrapper_(Wrapper),
        slicer_(Whole ? std::make_unique<platform::ByteStringSlicer>(*Whole, Text.size()) : nullptr),
        thread_([this, Text] { Run(Text); }) {}
  BackgroundLayout(const BackgroundLayout&) = delete;
  BackgroundLayout& operator=(const BackgroundLayout&) = delete;
  ~BackgroundLayout() {
    if (thread_.joinable()) thread_.join();
  }
  // Waits for the rows; rethrows what the layout threw.
  textstore::TEditorStringList& Join() {
    thread_.join();
    if (error_) std::rethrow_exception(error_);
    return rows_;
  }

 private:
  void Run(std::string_view Text) noexcept {
    try {
      platform::ByteStringArena arena;
      wrapper_.WrapLines(Text, rows_, slicer_.get());
    } catch (...) {
      error_ = std::current_exception();
    }
  }

  textstore::TLineWrapper wrapper_;
  // Made and dropped on the calling thread, used on the layout's.
  std::unique_ptr<platform::ByteStringSlicer> slicer_;
  textstore::TEditorStringList rows_;
  std::exception_ptr error_;
  std::thread thread_;  // last: it starts once everything it uses exists
};

// Keeps a list's OnChange off for a scope.
class ChangeEventOff {
 public:
  explicit ChangeEventOff(textstore::TheStringList& list) : list_(list), saved_(list.OnChange()) {
    list_.SetOnChange({});
  }
  ChangeEventOff(const ChangeEventOff&) = delete;
  ChangeEventOff& operator=(const ChangeEventOff&) = delete;
  ~ChangeEventOff() { list_.SetOnChange(saved_); }

 private:
  textstore::TheStringList& list_;
  platform::TNotifyEvent saved_;
};

// ColumnWidth(Line) < Width, mostly without walking the line: without a tab every byte is one
// column, except that a lone lead byte at the end takes two.
bool NarrowerThan(std::string_view Line, int Width, const textstore::ColumnRules& Rules) {
  if (std::memchr(Line.data(), '\t', Line.size()) == nullptr) {
    if (Line.size() + 1 < static_cast<size_t>(Width)) return true;
    if (Line.size() >= static_cast<size_t>(Width)) return false;
  }
  return textstore::ColumnWidth(Line, Rules) < Width;
}

// About how many rows lines make, a little more rather than less: a wrapped row holds close
// to W bytes. Tabs and long unbroken words can make more; the list then grows.
class RowEstimate {
 public:
  RowEstimate(bool Wrap, int Width) : width_(Wrap ? static_cast<size_t>(Width) : 0) {}
  void Add(size_t LineBytes) {
    rows_ += width_ == 0 || LineBytes < width_ ? 1 : LineBytes / (width_ - width_ / 8) + 1;
  }
  int Rows() const { return static_cast<int>(std::min<size_t>(rows_, INT32_MAX)); }

 private:
  size_t width_;
  size_t rows_ = 0;
};

}  // namespace

void TEditorScreenStrings::SyncLayout() {
  wrapper_.SetWordWrap(wordWrap_ && !OwnerLoading());
  if (const TEditorHost* owner = Owner()) {
    wrapper_.SetTabWidth(owner->TabSpaceCount());
    wrapper_.SetDelimiters(owner->WordDelimiters());
  }
}

void TEditorScreenStrings::WrapLines(std::string_view Text, textstore::TRowAttributeStringList& Rows) {
  SyncLayout();
  wrapper_.WrapLines(Text, Rows);
}

int TEditorScreenStrings::EstimateRows(std::string_view Text) const {
  // Without word wrap a line is a row: counting line feeds is enough, and fast.
  if (!wrapper_.WordWrap()) return static_cast<int>(std::min<size_t>(textstore::LfLineCount(Text), INT32_MAX));
  RowEstimate estimate(true, wrapper_.Options().WrapByte);
  textstore::LineReader lines(Text);
  for (std::string_view line; lines.Next(line);) estimate.Add(line.size());
  return estimate.Rows();
}

int TEditorScreenStrings::CountRows(std::string_view Line) {
  SyncLayout();
  return wrapper_.CountRows(Line);
}

void TEditorScreenStrings::LoadText(std::string_view Text) { LoadText({}, Text); }

void TEditorScreenStrings::LoadText(const platform::ByteString& Whole, std::string_view Text) {
  // Every row is made anew: their strings (or slices) come from large blocks.
  platform::ByteStringArena arena;
  const platform::ByteString* whole = Whole.empty() ? nullptr : &Whole;
  platform::UpdateGuard<TEditorScreenStrings> bracket(*this);
  Clear();
  if (!Text.empty()) {
    SyncLayout();
    // A large text's second half is laid out by the plain wrap routine on another core while
    // this thread lays out the first; the caller sees one finished layout either way.
    const size_t split = Text.size() >= kParallelBytes ? ChunkEnd(Text, 0, Text.size() / 2)
                                                       : Text.size();
    std::optional<BackgroundLayout> tail;
    if (split < Text.size()) tail.emplace(wrapper_, Text.substr(split), whole);
    SetCapacity(EstimateRows(Text));
    std::unique_ptr<platform::ByteStringSlicer> slicer;
    if (whole) slicer = std::make_unique<platform::ByteStringSlicer>(Whole, split);
    wrapper_.AppendLines(Text.substr(0, split), *this, slicer.get());
    if (tail) MoveRowsFrom(tail->Join());
    if (Text.back() != '\n' && Text.back() != '\r') SetRowKind(Count() - 1, textstore::rkTextEnd);
  }
  ScanFromTop();
}

void TEditorScreenStrings::LoadFromFile(const std::string& FileName) {
  // Every row is made anew: their strings come from large blocks.
  platform::ByteStringArena arena;
  platform::UpdateGuard<TEditorScreenStrings> bracket(*this);
  Clear();
  TLineFile file(FileName);
  SyncLayout();
  RowEstimate estimate(wrapper_.WordWrap(), wrapper_.Options().WrapByte);
  file.ForEachLine([&](std::string_view line, bool) { estimate.Add(line.size()); });
  SetCapacity(estimate.Rows());

  std::string chunk;
  bool ended = true;
  file.ForEachLine([&](std::string_view line, bool lineEnded) {
    chunk.append(line);
    if (lineEnded) chunk.append("\r\n");
    ended = lineEnded;
    if (chunk.size() >= kChunkBytes) {
      wrapper_.AppendLines(chunk, *this);
      chunk.clear();
    }
  });
  if (!chunk.empty()) wrapper_.AppendLines(chunk, *this);
  if (!ended) SetRowKind(Count() - 1, textstore::rkTextEnd);
  ScanFromTop();
}

void TEditorScreenStrings::WrapAll() {
  // Every row is made anew: their strings come from large blocks.
  platform::ByteStringArena arena;
  const int count = Count();
  if (count == 0 || OwnerLoading()) return;
  ClearSelections();
  ChangeEventOff eventOff(*this);
  platform::UpdateGuard<TEditorScreenStrings> bracket(*this);
  SyncLayout();
  const int width = wrapper_.Options().WrapByte;
  const textstore::TRowKind lastKind = RowKind(count - 1);

  // The new rows, in a list sized from the old lines' lengths.
  struct NewRow {
    platform::ByteString Text;
    textstore::TRowKind Kind;
    textstore::TRowMarks Marks;
  };
  std::vector<NewRow> rows;
  {
    RowEstimate estimate(true, width);
    for (int first = 0; first < count;) {
      const int last = LineEndRow(first);
      size_t bytes = 0;
      for (int r = first; r <= last; ++r) bytes += Get(r).size();
      estimate.Add(bytes);
      first = last + 1;
    }
    rows.reserve(static_cast<size_t>(estimate.Rows()));
  }

  // Each line in turn. A line that stays one row keeps its text; the old text of the others
  // goes as soon as they are laid out.
  textstore::TEditorStringList cut;
  std::string joined;
  for (int first = 0; first < count;) {
    const int last = LineEndRow(first);
    platform::ByteString line = Get(first);
    if (last > first) {
      joined.assign(line.view());
      for (int r = first + 1; r <= last; ++r) joined.append(Get(r).view());
      line = platform::ByteString(joined);
    }
    if (NarrowerThan(line, width, wrapper_.Columns())) {
      textstore::TRowMarks marks = 0;
      for (int r = first; r <= last; ++r) marks |= RowMarks(r);
      rows.push_back({std::move(line), textstore::rkLineEnd, marks});
      if (last == first) {
        first = last + 1;
        continue;
      }
    } else {
      // Row k keeps the marks of old row k; those of old rows beyond the new ones go to the
      // line's last row.
      WrapLines(line, cut);
      const size_t at = rows.size();
      for (int k = 0; k < cut.Count(); ++k) rows.push_back({cut.Get(k), cut.RowKind(k), 0});
      for (int r = first; r <= last; ++r) {
        rows[at + static_cast<size_t>(std::min(r - first, cut.Count() - 1))].Marks |= RowMarks(r);
      }
    }
    for (int r = first; r <= last; ++r) Put(r, platform::ByteString());
    first = last + 1;
  }

  const int total = static_cast<int>(rows.size());
  if (total > count) {
    SetCapacity(total);
    for (int i = count; i < total; ++i) Add(platform::ByteString());
  }
  while (Count() > total) Delete(Count() - 1);
  // The rows are left unscanned.
  for (int i = 0; i < total; ++i) {
    NewRow& row = rows[static_cast<size_t>(i)];
    Put(i, std::move(row.Text));
    SetPackedState(i, StaleState(i == total - 1 ? lastKind : row.Kind));
    SetPackedExtra(i, 0);
    if (row.Marks != 0) SetRowMarks(i, row.Marks);
    SetRowTag(i, 0);
    if (!RowData(i).empty()) SetRowData(i, platform::ByteString());
  }
}

void TEditorScreenStrings::UnwrapAll() {
  // Every row is made anew: their strings come from large blocks.
  platform::ByteStringArena arena;
  const int count = Count();
  if (count == 0) return;
  ClearSelections();
  const textstore::TRowKind lastKind = RowKind(count - 1) == textstore::rkWrapped ? textstore::rkTextEnd : RowKind(count - 1);
  ChangeEventOff eventOff(*this);
  platform::UpdateGuard<TEditorScreenStrings> bracket(*this);
  int lines = 0;
  std::string joined;
  for (int first = 0; first < count; ++lines) {
    const int last = LineEndRow(first);
    textstore::TRowMarks marks = 0;
    for (int r = first; r <= last; ++r) marks |= RowMarks(r);
    if (last > first) {
      joined.clear();
      for (int r = first; r <= last; ++r) joined.append(Get(r).view());
      Put(lines, platform::ByteString(joined));
    } else if (lines != first) {
      Put(lines, Get(first));
    }
    SetPackedState(lines, StaleState(textstore::rkLineEnd));
    SetPackedExtra(lines, 0);
    if (marks != 0) SetRowMarks(lines, marks);
    if (!RowData(lines).empty()) SetRowData(lines, platform::ByteString());
    first = last + 1;
  }
  SetRowKind(lines - 1, lastKind);
  while (Count() > lines) Delete(Count() - 1);
}

}  // namespace rows
