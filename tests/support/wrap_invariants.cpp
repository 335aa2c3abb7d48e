#include "tests/support/wrap_invariants.h"

#include <algorithm>
#include <numeric>

#include "textstore/column_map.h"
#include "textstore/dbcs_string.h"

namespace testsupport {
namespace {

using namespace textstore;

// One character of a row with the columns it covers (1-based, from the row's start).
struct Char {
  std::string_view Bytes;
  std::ptrdiff_t FirstColumn;
  std::ptrdiff_t LastColumn;
};

std::vector<Char> CharsOf(std::string_view row, const ColumnRules& rules) {
  std::vector<Char> chars;
  std::ptrdiff_t column = 0;
  for (size_t i = 0; i < row.size();) {
    std::string_view bytes = row.substr(i, CharSize(row, i));
    std::ptrdiff_t width = bytes[0] == '\t' ? TabColumns(column, rules) : CharSize(row, i);
    chars.push_back({bytes, column + 1, column + width});
    column += width;
    i += bytes.size();
  }
  return chars;
}

bool IsWordChar(std::string_view ch, const ColumnRules& rules) {
  return ch.size() == 1 && !platform::cp932::IsLeadByte(static_cast<unsigned char>(ch[0])) &&
         !rules.Delimiters[static_cast<unsigned char>(ch[0])];
}

std::string Where(size_t row, std::string_view what) {
  return "row " + std::to_string(row) + ": " + std::string(what);
}

// A row may go past W only with characters that hang, each of which began at W + 2 at the
// latest: so by three columns at most (a single-byte and then a double-byte punctuation
// character), unless a hung tab takes its fill along.
std::string WidthViolation(const TLineWrapper& wrapper, size_t index, std::string_view row) {
  const TWrapSettings& options = wrapper.Options();
  const std::ptrdiff_t width = options.WrapByte;
  for (const Char& ch : CharsOf(row, wrapper.Columns())) {
    if (ch.LastColumn <= width) continue;
    if (!options.FollowPunctuation || ch.FirstColumn > width + 2) {
      return Where(index, "longer than the rules allow");
    }
    if (!IncludesChar(ch.Bytes, options.PunctuationStr)) {
      return Where(index, "goes past the wrap width with a character that may not hang");
    }
  }
  return {};
}

// Where the end of a row cut off `rest` may fall, and what may stand on either side of it.
std::string CutViolation(const TLineWrapper& wrapper, size_t index, std::string_view row,
                         std::string_view rest) {
  const TWrapSettings& options = wrapper.Options();
  const ColumnRules& rules = wrapper.Columns();
  const std::ptrdiff_t width = options.WrapByte;
  const Char last = CharsOf(row, rules).back();
  const std::string_view next =
      row.size() < rest.size() ? rest.substr(row.size(), CharSize(rest, row.size())) : "";
  if (last.LastColumn < width / 3) return Where(index, "shorter than W div 3");

  // Every rule that moves a cut back stops at a character boundary, so a word character on
  // both sides of the cut is a forced split at W div 3 (the line-breaking rules may move it).
  bool hung = options.FollowPunctuation && IncludesChar(last.Bytes, options.PunctuationStr);
  if (options.WordBreak && !options.Leading && !hung && IsWordChar(last.Bytes, rules) &&
      IsWordChar(next, rules) && last.LastColumn != width / 3) {
    return Where(index, "splits a word away from W div 3");
  }

  // The line-breaking rules hold when something followed the row within its map; a cut on a
  // tab's fill column is not looked at (the cursor's next character is the tab itself).
  const auto mapped = static_cast<std::ptrdiff_t>(ColumnMap(rest, rules).size());
  if (options.Leading && last.LastColumn < mapped && last.Bytes != "\t") {
    const std::ptrdiff_t limit = width / 5 * 4;
    if (IncludesChar(last.Bytes, options.LeadStr) && last.FirstColumn > limit) {
      return Where(index, "ends with an opening character");
    }
    if (IncludesChar(next, options.FollowStr) && last.FirstColumn > limit) {
      return Where(index, "leaves a closing character to begin the next row");
    }
  }
  return {};
}

}  // namespace

WrappedLine WrapLine(TLineWrapper& wrapper, std::string_view line) {
  TEditorStringList list;
  wrapper.WrapLines(line, list);
  WrappedLine result;
  for (int i = 0; i < list.Count(); ++i) {
    result.Rows.push_back(list.Get(i).str());
    result.Kinds.push_back(list.RowKind(i));
  }
  return result;
}

std::string WrapViolation(TLineWrapper& wrapper, std::string_view line) {
  const WrappedLine layout = WrapLine(wrapper, line);
  const std::vector<std::string>& rows = layout.Rows;
  const TWrapSettings& options = wrapper.Options();
  if (int count = wrapper.CountRows(line); count != static_cast<int>(rows.size())) {
    return "CountRows gives " + std::to_string(count) + ", WrapLines made " +
           std::to_string(rows.size()) + " rows";
  }
  if (std::accumulate(rows.begin(), rows.end(), std::string()) != line) {
    return "the rows do not give back the line";
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    if (layout.Kinds[i] != (i + 1 == rows.size() ? rkLineEnd : rkWrapped)) {
      return Where(i, "wrong kind");
    }
  }
  if (!wrapper.WordWrap() || ColumnWidth(line, wrapper.Columns()) < options.WrapByte) {
    return rows.size() == 1 ? std::string() : "a line that needs no cut was cut";
  }

  std::vector<bool> boundary(line.size() + 2);  // a lone lead byte at the end ends past it
  for (size_t i = 0; i < line.size(); i += CharSize(line, i)) boundary[i] = true;
  boundary[line.size()] = true;
  size_t offset = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (std::string violation = WidthViolation(wrapper, i, rows[i]); !violation.empty()) {
      return violation;
    }
    if (i + 1 == rows.size()) break;
    const std::string_view rest = line.substr(offset);
    if (rows[i].empty()) return Where(i, "empty before the last row");
    offset += rows[i].size();
    if (!boundary[offset]) return Where(i, "cuts a double-byte character");
    if (std::string violation = CutViolation(wrapper, i, rows[i], rest); !violation.empty()) {
      return violation;
    }
    // The rest of the line is cut as if it were a line of its own. Its first cut looks at
    // W + 3 columns at most, which its first W + 5 whole characters cover.
    if (offset < line.size()) {
      size_t end = offset;
      for (int n = 0; n < options.WrapByte + 5 && end < line.size(); ++n) {
        end += CharSize(line, end);
      }
      WrappedLine tail = WrapLine(wrapper, line.substr(offset, end - offset));
      if (end < line.size()
              ? tail.Rows[0] != rows[i + 1]
              : !std::equal(tail.Rows.begin(), tail.Rows.end(), rows.begin() + i + 1, rows.end())) {
        return Where(i, "the rest after it is cut differently on its own");
      }
    }
  }
  // The last row is what fitted, or (the line end following on it) the last cut.
  const std::string& last = rows.back();
  if (last.empty()
          ? options.FollowRetMark
          : ColumnWidth(last, wrapper.Columns()) >= options.WrapByte && !options.FollowRetMark) {
    return "the line end is on the wrong row";
  }
  return {};
}

}  // namespace testsupport
