// Row-state propagation: what each row's stored state makes of the row when it is scanned on
// its own, for tokens cut by the wrap, brackets, comments and strings over several rows.
#include <gtest/gtest.h>

#include "fountain/editor_fountain.h"
#include "tests/fountain/test_fountain.h"
#include "tests/fountain/token_support.h"

namespace fountain {
namespace {

using testing::J;
using testing::Tok;
using textstore::rkLineEnd;
using textstore::rkTextEnd;
using textstore::rkWrapped;
using Rows = std::vector<std::pair<std::string, textstore::TRowKind>>;

class ParseRow : public ::testing::Test {
 protected:
  ParseRow() {
    fountain->SetMail(true);
    fountain->SetUrl(true);
  }
  // Lays out the rows and computes every row's start state.
  void Layout(const Rows& rows) {
    testing::SetRows(list, rows);
    states = testing::RowStates(*fountain, list);
  }
  std::vector<Tok> Row(int index) { return testing::RowTokens(*fountain, list, index, states[index]); }

  std::unique_ptr<TEditorFountain> fountain = platform::NewComponent<TEditorFountain>(nullptr);
  textstore::TEditorStringList list;
  std::vector<textstore::TRowAttributeData> states;
};

TEST_F(ParseRow, UrlCutByTheWrapIsCarriedWithItsRemainder) {
  Layout({{"see http://exam", rkWrapped}, {"ple.com/x ok", rkLineEnd}, {"next", rkTextEnd}});
  EXPECT_EQ(states[1].PendingKind, toUrl);
  EXPECT_EQ(states[1].RemainLen, 9);
  EXPECT_EQ(Row(0), (std::vector<Tok>{{toAnk, "see"}, {toUrl, "http://example.com/x"}}));
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toUrl, "ple.com/x"}, {toAnk, "ok"}}));
  EXPECT_EQ(states[2].PendingKind, 0);
}

TEST_F(ParseRow, TokenFillingTheNextWrappedRowRunsOn) {
  Layout({{"http://aa", rkWrapped}, {"bbbbbb", rkWrapped}, {"cc.jp x", rkLineEnd}});
  EXPECT_EQ(states[1].PendingKind, toUrl);
  EXPECT_EQ(states[1].RemainLen, 0);  // scans on: the URL may go on further
  EXPECT_EQ(states[2].PendingKind, toUrl);
  EXPECT_EQ(states[2].RemainLen, 5);
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toUrl, "bbbbbbcc.jp"}}));  // whole, as painted
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toUrl, "cc.jp"}, {toAnk, "x"}}));
}

TEST_F(ParseRow, ReservedWordCutByTheWrapIsCarriedAsReserved) {
  fountain->ReserveWordList().Add("Subject");
  Layout({{"x Sub", rkWrapped}, {"ject: hi", rkLineEnd}});
  EXPECT_EQ(states[1].PendingKind, toReserve);
  EXPECT_EQ(states[1].RemainLen, 4);
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toReserve, "ject"}, {toSymbol, ":"}, {toAnk, "hi"}}));
  auto parser = fountain->CreateParser();
  std::string row1(list.Get(1).view());
  parser->NewData(row1, states[1]);
  parser->NextToken();
  EXPECT_EQ(parser->TokenToFountainColor(), &fountain->Colors().Reserve());
}

TEST_F(ParseRow, DoubleByteRunsOverSeveralRows) {
  Layout({{J("あいう"), rkWrapped}, {J("ーえお"), rkWrapped}, {J("か。"), rkLineEnd}});
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toHiragana, J("ーえおか")}}));
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toHiragana, J("か")}, {toDbcsSymbol, J("。")}}));
}

TEST_F(ParseRow, BracketsStayOpenOverRowsAndLines) {
  testing::AddBracket(*fountain, "<<", ">>");
  Layout({{"a <<bc", rkWrapped}, {"de", rkLineEnd}, {"fg>> h", rkLineEnd}, {"i", rkTextEnd}});
  EXPECT_EQ(states[1].BracketIndex, 0);
  EXPECT_EQ(states[2].BracketIndex, 0);
  EXPECT_EQ(states[3].BracketIndex, -1);
  EXPECT_EQ(Row(0), (std::vector<Tok>{{toAnk, "a"}, {toBracket, "<<bcde"}}));
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toBracket, "de"}}));
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toBracket, "fg>>"}, {toAnk, "h"}}));
  EXPECT_EQ(Row(3), (std::vector<Tok>{{toAnk, "i"}}));
}

TEST_F(ParseRow, RightBracketCutByTheWrapIsBracketOnBothRows) {
  testing::AddBracket(*fountain, "<<", ">>");
  Layout({{"a <<bc>", rkWrapped}, {">d", rkLineEnd}});
  EXPECT_EQ(states[1].BracketIndex, 0);
  EXPECT_EQ(states[1].PendingKind, toBracket);
  EXPECT_EQ(states[1].RemainLen, 1);
  EXPECT_EQ(Row(0), (std::vector<Tok>{{toAnk, "a"}, {toBracket, "<<bc>>"}}));
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toBracket, ">"}, {toAnk, "d"}}));

  // Wholly in the next row, the right bracket is found there by scanning.
  Layout({{"<<abc", rkWrapped}, {">>x", rkLineEnd}});
  EXPECT_EQ(states[1].BracketIndex, 0);
  EXPECT_EQ(states[1].PendingKind, 0);
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toBracket, ">>"}, {toAnk, "x"}}));
}

TEST_F(ParseRow, TokenStartingInTheNextRowLeavesItToThatRow) {
  testing::AddBracket(*fountain, "<<", ">>");
  Layout({{"ab", rkWrapped}, {"<<cd", rkLineEnd}, {"ef", rkLineEnd}});
  EXPECT_EQ(states[1].BracketIndex, -1);
  EXPECT_EQ(states[2].BracketIndex, 0);
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toBracket, "<<cd"}}));
}

TEST_F(ParseRow, CommentsRunOverWrappedRowsToTheLineEnd) {
  fountain->SetCommenter("//");
  Layout({{"a // comm", rkWrapped},
          {"ent (goes", rkWrapped},
          {"on", rkLineEnd},
          {"next", rkTextEnd}});
  EXPECT_EQ(states[1].PendingKind, toComment);
  EXPECT_EQ(states[2].PendingKind, toComment);
  EXPECT_EQ(states[3].PendingKind, 0);
  EXPECT_EQ(Row(0), (std::vector<Tok>{{toAnk, "a"}, {toComment, "// comment (goes"}}));
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toComment, "ent (goeson"}}));
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toComment, "on"}}));
  EXPECT_EQ(Row(3), (std::vector<Tok>{{toAnk, "next"}}));
}

TEST_F(ParseRow, StringsScanOnInTheNextRowButNotTheNextLine) {
  fountain->SetQuotation("\"");
  Layout({{"say \"hel", rkWrapped}, {"lo\" ok \"open", rkLineEnd}, {"b\"", rkTextEnd}});
  EXPECT_EQ(states[1].PendingKind, toQuotation);
  EXPECT_EQ(states[1].RemainLen, 0);
  EXPECT_EQ(Row(1), (std::vector<Tok>{{toQuotation, "lo\""}, {toAnk, "ok"}, {toQuotation, "\"open"}}));
  EXPECT_EQ(states[2].PendingKind, 0);
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toAnk, "b"}, {toQuotation, "\""}}));
}

TEST_F(ParseRow, BlankRowsPassTheStateOnWithinTheirLine) {
  testing::AddBracket(*fountain, "<<", ">>");
  fountain->SetQuotation("\"");
  Layout({{"x <<a", rkLineEnd}, {"", rkLineEnd}, {"   ", rkLineEnd}, {"b>>", rkTextEnd}});
  EXPECT_EQ(states[3].BracketIndex, 0);
  EXPECT_EQ(Row(3), (std::vector<Tok>{{toBracket, "b>>"}}));

  // A string cut at the wrap before a row of spaces ends with its line.
  Layout({{"x \"abc", rkWrapped}, {"   ", rkLineEnd}, {"def\"", rkTextEnd}});
  EXPECT_EQ(states[1].PendingKind, toQuotation);
  EXPECT_EQ(states[2].PendingKind, 0);
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toAnk, "def"}, {toQuotation, "\""}}));

  // Inside a wrapped line a blank row keeps the carried kind for the row after it.
  Layout({{"x \"abc", rkWrapped}, {"  ", rkWrapped}, {"de\" f", rkLineEnd}});
  EXPECT_EQ(states[2].PendingKind, toQuotation);
  EXPECT_EQ(Row(2), (std::vector<Tok>{{toQuotation, "de\""}, {toAnk, "f"}}));
}

// A parser that counts its tokens in Reserved1 and marks rows in Reserved3.
class TCountingParser : public testing::TQuoteParser {
 public:
  using TQuoteParser::TQuoteParser;
  std::uint8_t NextToken() override {
    std::uint8_t kind = TQuoteParser::NextToken();
    if (kind != toEof) SetReserved1(Reserved1() + 1);
    SetReserved3(7);
    return kind;
  }
};
class TCountingFountain : public TFountain {
 public:
  using TFountain::TFountain;

 protected:
  TFountainParserClass GetParserClass() const override { return ParserClass<TCountingParser>; }
};

TEST(ParseRowCarry, DescendantStateIsHandedOnPerRow) {
  auto fountain = platform::NewComponent<TCountingFountain>(nullptr);
  textstore::TEditorStringList list;
  testing::SetRows(list, {{"a b c", rkLineEnd}, {"d ef", rkWrapped}, {"gh i", rkLineEnd}, {"j", rkTextEnd}});
  auto states = testing::RowStates(*fountain, list);
  EXPECT_EQ(states[1].Reserved1, 3);
  EXPECT_EQ(states[1].Reserved3, 7);
  // "efgh" crosses the wrap: its count is handed on with it.
  EXPECT_EQ(states[2].Reserved1, 5);
  EXPECT_EQ(states[2].PendingKind, toAnk);
  EXPECT_EQ(states[2].RemainLen, 2);
  EXPECT_EQ(states[3].Reserved1, 7);
}

}  // namespace
}  // namespace fountain
