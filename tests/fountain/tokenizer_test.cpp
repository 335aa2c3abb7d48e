// The base tokeniser: every kind, numbers, double-byte runs, brackets, quotes, reserved words
// and the continuation of a kind carried from the previous row.
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/fountain/test_fountain.h"
#include "tests/fountain/token_support.h"

namespace fountain {
namespace {

using testing::J;
using testing::Scan;
using testing::Tok;

class Tokenizer : public ::testing::Test {
 protected:
  std::unique_ptr<testing::TQuoteFountain> fountain =
      platform::NewComponent<testing::TQuoteFountain>(nullptr);
  std::unique_ptr<TFountainParser> parser = fountain->CreateParser();

  std::vector<Tok> Tokens(const std::string& text, const textstore::TRowAttributeData& state = {}) {
    return Scan(*parser, text, state);
  }
};

TEST_F(Tokenizer, AsciiKindsBlanksAndTabs) {
  EXPECT_EQ(Tokens("foo_1 ;\x01\t\t42\x7f\x80\xa0\xfd\xff"),
            (std::vector<Tok>{{toAnk, "foo_1"}, {toSymbol, ";"}, {toTab, "\t"}, {toTab, "\t"},
                              {toInteger, "42"}, {toSymbol, "\x7f"}, {toSymbol, "\x80"},
                              {toSymbol, "\xa0"}, {toSymbol, "\xfd"}, {toSymbol, "\xff"}}));
  // Line breaks are blanks between tokens; a NUL ends the text.
  EXPECT_EQ(Tokens("ab\r\ncd\rx\ny"),
            (std::vector<Tok>{{toAnk, "ab"}, {toAnk, "cd"}, {toAnk, "x"}, {toAnk, "y"}}));
  EXPECT_EQ(Tokens(std::string("ab\0cd", 5)), (std::vector<Tok>{{toAnk, "ab"}}));
  EXPECT_TRUE(Tokens("   ").empty());
  EXPECT_TRUE(Tokens("").empty());
}

TEST_F(Tokenizer, NumbersWithPointsAndExponents) {
  struct Case {
    const char* text;
    std::vector<Tok> tokens;
  } cases[] = {
      {"12.", {{toFloat, "12"}, {toSymbol, "."}}},
      {"1.5e+3", {{toFloat, "1.5e+3"}}},
      {"1.e5", {{toFloat, "1.e5"}}},
      {"2.5E-07x", {{toFloat, "2.5E-07"}, {toAnk, "x"}}},
      {"12e", {{toFloat, "12e"}}},
      {"12else", {{toFloat, "12e"}, {toAnk, "lse"}}},
      {"1e-", {{toFloat, "1e-"}}},
      {"3.14.15", {{toFloat, "3.14"}, {toSymbol, "."}, {toInteger, "15"}}},
      {"0x1F", {{toInteger, "0"}, {toAnk, "x1F"}}},
      {"007_a", {{toInteger, "007"}, {toAnk, "_a"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

TEST_F(Tokenizer, DoubleByteRuns) {
  EXPECT_EQ(Tokens(J("１２，３")), (std::vector<Tok>{{toDbcsDigit, J("１２，３")}}));
  EXPECT_EQ(Tokens(J("ひらがなー")), (std::vector<Tok>{{toHiragana, J("ひらがなー")}}));
  EXPECT_EQ(Tokens(J("カタカナ")), (std::vector<Tok>{{toKatakana, J("カタカナ")}}));
  EXPECT_EQ(Tokens(J("ｶﾅ｡")), (std::vector<Tok>{{toKana, J("ｶﾅ")}, {toKanaSymbol, J("｡")}}));
  EXPECT_EQ(Tokens(J("日本語のテキスト、ＡＢｃ１２。亜")),
            (std::vector<Tok>{{toKanji, J("日本語")},
                              {toHiragana, J("の")},
                              {toKatakana, J("テキスト")},
                              {toDbcsSymbol, J("、")},
                              {toDbcsAlpha, J("ＡＢｃ")},
                              {toDbcsDigit, J("１２")},
                              {toDbcsSymbol, J("。")},
                              {toKanji, J("亜")}}));
  // Greek (lead 0x83), Cyrillic (0x84) and box drawing (0x84) are symbols, one at a time.
  EXPECT_EQ(Tokens(J("ΑΒЖ─")), (std::vector<Tok>{{toDbcsSymbol, J("Α")},
                                                    {toDbcsSymbol, J("Β")},
                                                    {toDbcsSymbol, J("Ж")},
                                                    {toDbcsSymbol, J("─")}}));
  // A kanji whose second byte is an ASCII letter stays whole.
  EXPECT_EQ(Tokens(J("院a")), (std::vector<Tok>{{toKanji, J("院")}, {toAnk, "a"}}));
}

TEST_F(Tokenizer, BrokenDoubleByteCharactersNeitherSplitNorSwallow) {
  // A lead byte at the end of the text is one byte; nothing past the end is read.
  EXPECT_EQ(Tokens("\x81"), (std::vector<Tok>{{toDbcsSymbol, "\x81"}}));
  EXPECT_EQ(Tokens("\x84"), (std::vector<Tok>{{toDbcsSymbol, "\x84"}}));
  EXPECT_EQ(Tokens("\x82"), (std::vector<Tok>{{toDbcsSymbol, "\x82"}}));
  EXPECT_EQ(Tokens("\x88"), (std::vector<Tok>{{toKanji, "\x88"}}));
  EXPECT_EQ(Tokens("a\x81\r\nb"), (std::vector<Tok>{{toAnk, "a"}, {toDbcsSymbol, "\x81"}, {toAnk, "b"}}));
  // A byte that cannot be a second byte is not taken as one.
  EXPECT_EQ(Tokens("\x82 a"), (std::vector<Tok>{{toDbcsSymbol, "\x82"}, {toAnk, "a"}}));
  // A pair of no known kind is one character: the next one is not misread.
  EXPECT_EQ(Tokens("\x83\xf5\x82\xa0"),
            (std::vector<Tok>{{toDbcsSymbol, "\x83\xf5"}, {toHiragana, "\x82\xa0"}}));
}

TEST_F(Tokenizer, BracketsMatchByteExactAndFirstPairWins) {
  testing::AddBracket(*fountain, "(", ")");
  testing::AddBracket(*fountain, "((", "))");
  testing::AddBracket(*fountain, "{", "|");
  testing::AddBracket(*fountain, "<", "");  // can never close: not a bracket
  EXPECT_EQ(Tokens("a (b c) d"),
            (std::vector<Tok>{{toAnk, "a"}, {toBracket, "(b c)"}, {toAnk, "d"}}));
  EXPECT_EQ(Tokens("((x))"), (std::vector<Tok>{{toBracket, "((x)"}, {toSymbol, ")"}}));
  // The right bracket is found only at character boundaries ("－" ends in the byte "|").
  EXPECT_EQ(Tokens(J("{－|x")), (std::vector<Tok>{{toBracket, J("{－|")}, {toAnk, "x"}}));
  EXPECT_EQ(Tokens("<a>"), (std::vector<Tok>{{toSymbol, "<"}, {toAnk, "a"}, {toSymbol, ">"}}));

  Tokens("x {open");
  EXPECT_EQ(parser->BracketIndex(), 2);  // still open at the end
  EXPECT_EQ(parser->DrawBracketIndex(), 2);

  textstore::TRowAttributeData inside;
  inside.BracketIndex = 0;  // the row starts inside "(" … ")"
  EXPECT_EQ(Tokens("rest) z", inside), (std::vector<Tok>{{toBracket, "rest)"}, {toAnk, "z"}}));
  textstore::TRowAttributeData off;
  off.BracketIndex = -2;
  EXPECT_EQ(Tokens("(a)", off),
            (std::vector<Tok>{{toSymbol, "("}, {toAnk, "a"}, {toSymbol, ")"}}));
  textstore::TRowAttributeData gone;
  gone.BracketIndex = 9;  // a stale index: no such pair any more
  EXPECT_TRUE(Tokens("text", gone).empty());
}

TEST_F(Tokenizer, QuotesWithDoubledQuotes) {
  EXPECT_EQ(Tokens("'it''s' x \"a\"\"b\"\"\"y"),
            (std::vector<Tok>{{toSingleQuote, "'it''s'"},
                              {toAnk, "x"},
                              {toDoubleQuote, "\"a\"\"b\"\"\""},
                              {toAnk, "y"}}));
  EXPECT_EQ(Tokens("'open\r\nnext"), (std::vector<Tok>{{toSingleQuote, "'open"}, {toAnk, "next"}}));
  // Inside a string a double-byte character is stepped over whole.
  EXPECT_EQ(Tokens("\"" + J("ソ") + "\"z"), (std::vector<Tok>{{toDoubleQuote, "\"" + J("ソ") + "\""}, {toAnk, "z"}}));

  textstore::TRowAttributeData carried;  // a string that began on the previous row
  carried.PendingKind = toSingleQuote;
  EXPECT_EQ(Tokens("ing' done 'x'", carried),
            (std::vector<Tok>{{toSingleQuote, "ing'"}, {toAnk, "done"}, {toSingleQuote, "'x'"}}));
}

TEST_F(Tokenizer, CarriedKindsApplyToTheFirstTokenOnly) {
  textstore::TRowAttributeData remainder;
  remainder.PendingKind = toUrl;
  remainder.RemainLen = 4;
  EXPECT_EQ(Tokens("a.jp/ x", remainder),
            (std::vector<Tok>{{toUrl, "a.jp"}, {toSymbol, "/"}, {toAnk, "x"}}));
  // A carried length beyond the text stops at its end.
  remainder.RemainLen = 200;
  EXPECT_EQ(Tokens("abc", remainder), (std::vector<Tok>{{toUrl, "abc"}}));

  textstore::TRowAttributeData comment;
  comment.PendingKind = toComment;
  EXPECT_EQ(Tokens("rest (of) it\r\nnext", comment),
            (std::vector<Tok>{{toComment, "rest (of) it"}, {toAnk, "next"}}));

  textstore::TRowAttributeData word;  // a reserved word cut by the wrap, scanned on
  word.PendingKind = toReserve;
  EXPECT_EQ(Tokens("ject: x", word),
            (std::vector<Tok>{{toReserve, "ject"}, {toSymbol, ":"}, {toAnk, "x"}}));
}

TEST_F(Tokenizer, ReservedWordsOfAnyKindOutsideBracketsAndContinuations) {
  testing::AddBracket(*fountain, "[", "]");
  fountain->ReserveWordList().Add("Subject");
  fountain->ReserveWordList().Add("42");
  std::string words = "subject SUBJECTS 42 [Subject]";
  parser->NewData(words, {});
  std::vector<std::pair<std::string, bool>> seen;
  while (parser->NextToken() != toEof) seen.emplace_back(parser->TokenString(), parser->IsReserveWord());
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, bool>>{
                      {"subject", true}, {"SUBJECTS", false}, {"42", true}, {"[Subject]", false}}));

  textstore::TRowAttributeData carried;
  carried.PendingKind = toAnk;
  std::string text = "Subject";
  parser->NewData(text, carried);
  parser->NextToken();
  EXPECT_FALSE(parser->IsReserveWord());  // the end of a word begun on the previous row
}

TEST(FountainParser, NeedsAFountain) {
  try {
    NewParser<testing::TQuoteParser>(nullptr);
    FAIL();
  } catch (const platform::Exception& e) {
    EXPECT_STREQ(e.what(), "TFountainParser.Create need instance of TFountain");
  }
}

}  // namespace
}  // namespace fountain
