// Random edits through the edit primitive with word wrap on: the text read back follows the
// same edits made to a plain byte string, every line keeps the rows a fresh layout gives it,
// undoing every edit brings back the first text and rows, and a re-wrap lays out as an edit.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/rows/fake_editor_host.h"
#include "rows/editor_strings.h"
#include "rows/screen_strings.h"

namespace rows {
namespace {

using testing::Dump;
using testing::FakeEditorHost;

class TextMaker {
 public:
  explicit TextMaker(unsigned seed) : random_(seed) {}

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // Words, blanks, tabs, double-byte characters (kinsoku ones among them), half-width kana,
  // long unbroken runs and line breaks of every kind.
  std::string Text(int pieces) {
    static const char* const kPieces[] = {"word",
                                          "x_1",
                                          ",",
                                          ".",
                                          "(",
                                          ")",
                                          " ",
                                          " ",
                                          "\t",
                                          "\x88\x9f",
                                          "\x82\xa0\x82\xa2",
                                          "\x81\x41",
                                          "\x81\x42",
                                          "\x81\x75",
                                          "\x81\x76",
                                          "\x81\x69",
                                          "\xb1\xb2",
                                          "\x88",
                                          "\r\n",
                                          "\n",
                                          "\r"};
    std::string text;
    for (int i = 0; i < pieces; ++i) {
      if (Pick(25) == 0) {
        text += std::string(static_cast<size_t>(30 + Pick(200)), static_cast<char>('a' + Pick(26)));
      } else {
        text += kPieces[Pick(static_cast<int>(std::size(kPieces)))];
      }
    }
    return text;
  }

 private:
  std::mt19937 random_;
};

// CR LF, CR and LF each as CR LF.
std::string Normalized(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Byte offset of the start of Row in the text of Rows.
size_t Offset(const TEditorScreenStrings& Rows, int Row) {
  size_t offset = 0;
  for (int r = 0; r < Row; ++r)
    offset += Rows.Get(r).size() + (Rows.RowKind(r) == textstore::rkLineEnd ? 2 : 0);
  return offset;
}

// The rows a fresh layout of the text gives.
std::string FreshLayout(TEditorScreenStrings& Rows, const std::string& Text) {
  if (Text.empty()) return "";
  textstore::TEditorStringList fresh;
  Rows.WrapLines(Text, fresh);
  if (Text.back() != '\n') fresh.SetRowKind(fresh.Count() - 1, textstore::rkTextEnd);
  return Dump(fresh);
}

TEST(ScreenStringsProperty, EditsMatchAByteStringAndUndoRestoresEverything) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    SCOPED_TRACE(seed);
    TextMaker maker(seed);
    FakeEditorHost host;
    TEditorScreenStrings& rows = host.ScreenStrings();
    TEditorStrings lines(host);
    textstore::TEditorWrapOption& option = rows.WrapOption();
    option.SetWrapByte(20 + maker.Pick(61));
    option.SetFollowRetMark(maker.Pick(2));
    option.SetFollowPunctuation(maker.Pick(2));
    option.SetLeading(maker.Pick(2));
    option.SetWordBreak(maker.Pick(2));
    rows.SetWordWrap(true);

    std::string model = Normalized(maker.Text(maker.Pick(120)));
    lines.SetTextStr(model);
    const std::string firstRows = Dump(rows);
    const std::string firstText = lines.GetTextStr();
    ASSERT_EQ(firstText, model);

    for (int edit = 0; edit < 30; ++edit) {
      const int count = rows.Count();
      const int row = maker.Pick(count + 1);
      const int n = maker.Pick(2) ? 0 : maker.Pick(std::min(count - row, 4) + 1);
      const std::string text = maker.Pick(4) == 0 ? "" : maker.Text(1 + maker.Pick(8));
      if (n == 0 && text.empty()) continue;
      const size_t from = Offset(rows, row);
      model = Normalized(model.replace(from, Offset(rows, row + n) - from, text));
      host.changes.clear();
      rows.ReplaceRows(row, n, text);
      ASSERT_EQ(host.changes.size(), 1u) << row << " " << n;
      ASSERT_EQ(lines.GetTextStr(), model) << "edit " << edit << " at " << row << " " << n;
      ASSERT_EQ(Dump(rows), FreshLayout(rows, model));
      for (int line = 0; line < lines.GetCount(); ++line) {
        const int first = rows.FirstRowOfLine(line);
        ASSERT_EQ(rows.CountRows(lines.Get(line)), rows.LineEndRow(first) - first + 1) << line;
      }
    }
    const std::string lastText = lines.GetTextStr();

    while (rows.UndoObj().CanUndo()) rows.Undo();
    EXPECT_EQ(Dump(rows), firstRows);
    EXPECT_EQ(lines.GetTextStr(), firstText);
    while (rows.UndoObj().CanRedo()) rows.Redo();
    EXPECT_EQ(lines.GetTextStr(), lastText);

    // The whole-text layouts agree with the edits' layout.
    option.SetWrapByte(20 + maker.Pick(61));
    EXPECT_EQ(Dump(rows), FreshLayout(rows, lastText));
    rows.SetWordWrap(false);
    rows.SetWordWrap(true);
    EXPECT_EQ(Dump(rows), FreshLayout(rows, lastText));
  }
}

}  // namespace
}  // namespace rows
