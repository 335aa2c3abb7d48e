#include "textstore/column_cursor.h"

#include <gtest/gtest.h>

#include <string>

#include "textstore/column_map.h"

namespace textstore {
namespace {

// "ア", a tab from column 3 to the stop at 4, "b": map "45231".
constexpr std::string_view kText = "\x83\x41\tb";

std::string MapOf(std::string_view text) {
  ColumnRules rules;
  rules.TabWidth = 4;
  return ColumnMap(text, rules);
}

// Position, class, byte count and the current character, e.g. "4 3 3 [\t]".
std::string State(const TEditorAttributeArray& cursor) {
  return std::to_string(cursor.Position()) + ' ' + cursor.Class() + ' ' +
         std::to_string(cursor.ByteCount()) + " [" + cursor.CurrentChar() + ']';
}

TEST(ColumnCursor, StepsOverCharactersAndTabFill) {
  ASSERT_EQ(MapOf(kText), "45231");
  TEditorAttributeArray cursor(kText, MapOf(kText));
  EXPECT_EQ(cursor.Length(), 5);
  const std::string walk[] = {"1 4 1 [\x83\x41]", "2 5 2 [\x83\x41]", "3 2 3 [\t]",
                              "4 3 3 [\t]",       "5 1 4 [b]",        "6 0 5 []"};
  for (const std::string& state : walk) {
    EXPECT_EQ(State(cursor), state);
    cursor.Next();
  }
  EXPECT_EQ(State(cursor), walk[5]);  // Next stays on the end marker
  for (int i = 4; i >= 0; --i) {
    cursor.Prev();
    EXPECT_EQ(State(cursor), walk[i]);  // back from a fill column the tab keeps its count
  }
  cursor.Prev();
  EXPECT_EQ(State(cursor), walk[0]);
}

TEST(ColumnCursor, PrevCharGoesToTheLastColumnOfThePreviousCharacter) {
  TEditorAttributeArray cursor("a\x83\x41\x83\x41", "14545");
  cursor.MoveTo(5);
  cursor.PrevChar();
  EXPECT_EQ(State(cursor), "3 5 3 [\x83\x41]");
  cursor.PrevChar();
  EXPECT_EQ(State(cursor), "1 1 1 [a]");
}

TEST(ColumnCursor, MoveToStopsAtTheEndsAndNextCharDoesNotMove) {
  TEditorAttributeArray cursor(kText, MapOf(kText));
  cursor.MoveTo(4);
  EXPECT_EQ(cursor.NextChar(), "b");
  EXPECT_EQ(State(cursor), "4 3 3 [\t]");
  cursor.MoveTo(99);
  EXPECT_EQ(cursor.NextChar(), "");
  EXPECT_EQ(State(cursor), "6 0 5 []");  // asking at the end must not step back
  cursor.MoveTo(-3);
  EXPECT_EQ(cursor.Position(), 1);
  EXPECT_EQ(cursor.NextChar(), "\x83\x41");
}

TEST(ColumnCursor, LoneLeadByteAndResetStayInsideTheText) {
  std::string text = "a\x82";
  TEditorAttributeArray cursor(text, MapOf(text));
  EXPECT_EQ(cursor.NextChar(), "\x82");
  cursor.MoveTo(3);
  EXPECT_EQ(State(cursor), "3 5 3 [\x82]");
  cursor.Reset("", "");
  EXPECT_EQ(State(cursor), "1 0 1 []");
  EXPECT_EQ(cursor.Length(), 0);
}

}  // namespace
}  // namespace textstore
