#include "tests/fuzz/fuzz_wrap.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/support/wrap_invariants.h"
#include "textstore/split_lines.h"
#include "textstore/wrap.h"

namespace quillet::fuzz {
namespace {

using namespace textstore;

[[noreturn]] void Fail(std::string_view what) {
  std::fprintf(stderr, "wrap: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

// Byte 0: switches (bit 0 FollowRetMark, 1 FollowPunctuation, 2 Leading, 3 WordBreak, 4 word
// wrap off, 5 own lists); byte 1: the wrap width, limited by the wrapper; byte 2: the tab
// width. With own lists, byte 3 gives the size of a pool that follows, cut into thirds for
// FollowStr, LeadStr and PunctuationStr. Missing bytes read as zero.
std::string_view Configure(std::string_view input, TLineWrapper& wrapper) {
  auto next = [&input]() -> unsigned char {
    if (input.empty()) return 0;
    unsigned char b = static_cast<unsigned char>(input[0]);
    input.remove_prefix(1);
    return b;
  };
  const unsigned char switches = next();
  TWrapSettings settings;
  settings.FollowRetMark = switches & 1;
  settings.FollowPunctuation = switches & 2;
  settings.Leading = switches & 4;
  settings.WordBreak = switches & 8;
  settings.WrapByte = next();
  wrapper.SetTabWidth(1 + next() % 16);
  wrapper.SetWordWrap(!(switches & 16));
  if (switches & 32) {
    std::string_view pool = input.substr(0, next());
    input.remove_prefix(pool.size());
    const size_t third = pool.size() / 3;
    settings.FollowStr = pool.substr(0, third);
    settings.LeadStr = pool.substr(third, third);
    settings.PunctuationStr = pool.substr(2 * third);
  }
  wrapper.SetOptions(settings);
  return input;
}

}  // namespace

void WrapBytes(const std::uint8_t* data, std::size_t size) {
  TLineWrapper wrapper;
  const std::string_view text =
      Configure(std::string_view(reinterpret_cast<const char*>(data), size), wrapper);

  TEditorStringList rows;
  wrapper.WrapLines(text, rows);
  if (text.empty()) {
    if (rows.Count() != 1 || !rows.Get(0).empty() || rows.RowKind(0) != rkLineEnd) {
      Fail("an empty text is not one empty row");
    }
    return;
  }
  // The whole text's rows are its lines' rows one after the other.
  int row = 0;
  LineReader lines(text);
  for (std::string_view line; lines.Next(line);) {
    if (std::string violation = testsupport::WrapViolation(wrapper, line); !violation.empty()) {
      Fail(violation);
    }
    const testsupport::WrappedLine own = testsupport::WrapLine(wrapper, line);
    for (size_t i = 0; i < own.Rows.size(); ++i, ++row) {
      if (row >= rows.Count() || rows.Get(row).view() != own.Rows[i] ||
          rows.RowKind(row) != own.Kinds[i]) {
        Fail("the text's rows differ from its lines' rows");
      }
    }
  }
  if (row != rows.Count()) Fail("the text has more rows than its lines");
}

}  // namespace quillet::fuzz
