// The editor fountain's recognisers: URLs, mail addresses, comments, quotations, character
// codes and hex numbers, their order, and the colour set of each kind.
#include "fountain/editor_parser.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "fountain/token_parser.h"
#include "tests/fountain/test_fountain.h"
#include "tests/fountain/token_support.h"

namespace fountain {
namespace {

using testing::J;
using testing::Tok;

class EditorParser : public ::testing::Test {
 protected:
  EditorParser() {
    fountain->SetMail(true);
    fountain->SetUrl(true);
  }
  std::vector<Tok> Tokens(const std::string& text) { return testing::Scan(*fountain, text); }

  std::unique_ptr<TEditorFountain> fountain = platform::NewComponent<TEditorFountain>(nullptr);
};

TEST_F(EditorParser, UrlsByOpenerAndTrailingPunctuation) {
  EXPECT_EQ(Tokens("see http://ex.com/a?b=1&c=2#top. next"),
            (std::vector<Tok>{{toAnk, "see"}, {toUrl, "http://ex.com/a?b=1&c=2#top."}, {toAnk, "next"}}));
  EXPECT_EQ(Tokens("(https://x.org/a), y"),
            (std::vector<Tok>{{toSymbol, "("}, {toUrl, "https://x.org/a"}, {toSymbol, ")"},
                              {toSymbol, ","}, {toAnk, "y"}}));
  EXPECT_EQ(Tokens("www.ex.jp ftp://f.jp"), (std::vector<Tok>{{toUrl, "www.ex.jp"}, {toUrl, "ftp://f.jp"}}));
  // After "http:" an at sign ends the URL.
  EXPECT_EQ(Tokens("http://u@h"),
            (std::vector<Tok>{{toUrl, "http://u"}, {toSymbol, "@"}, {toAnk, "h"}}));
  // Japanese text right after a URL is not part of it.
  EXPECT_EQ(Tokens("http://a.jp" + J("を参照")),
            (std::vector<Tok>{{toUrl, "http://a.jp"}, {toHiragana, J("を")}, {toKanji, J("参照")}}));
  // Not openers: capitals, ftp without a colon, other schemes, letters glued in front.
  for (const char* text : {"HTTP://a", "Www.a", "ftp.a", "file://a", "mailto:a", "xhttp://a"}) {
    for (const Tok& t : Tokens(text)) EXPECT_NE(t.Kind, toUrl) << text;
  }
}

TEST_F(EditorParser, UrlByteSet) {
  const std::set<unsigned char> in(
      {'#', '%', '&', '+', '-', '.', '/', ':', '=', '?', '_', '~'});
  for (int b = 1; b < 256; ++b) {
    bool alnum = std::isalnum(b) && b < 0x80;
    bool expected = alnum || in.count(static_cast<unsigned char>(b));
    std::string text = "http:" + std::string(1, static_cast<char>(b)) + "z";
    auto tokens = Tokens(text);
    ASSERT_FALSE(tokens.empty());
    EXPECT_EQ(tokens[0].Text == text, expected) << "byte " << b;
  }
}

TEST_F(EditorParser, MailAddresses) {
  EXPECT_EQ(Tokens("to foo.bar@ex.co.jp. ok"),
            (std::vector<Tok>{{toAnk, "to"}, {toMail, "foo.bar@ex.co.jp."}, {toAnk, "ok"}}));
  EXPECT_EQ(Tokens("<a@b.c>, d"),
            (std::vector<Tok>{{toSymbol, "<"}, {toMail, "a@b.c"}, {toSymbol, ">"}, {toSymbol, ","}, {toAnk, "d"}}));
  EXPECT_EQ(Tokens("mailto:u@h.jp"),
            (std::vector<Tok>{{toAnk, "mailto"}, {toSymbol, ":"}, {toMail, "u@h.jp"}}));
  // "+" is no mail byte: only the part after it is the address.
  EXPECT_EQ(Tokens("a+b@c.d"), (std::vector<Tok>{{toAnk, "a"}, {toSymbol, "+"}, {toMail, "b@c.d"}}));
  // No "." after the "@", or the "@" first: no address.
  EXPECT_EQ(Tokens("a@b x"), (std::vector<Tok>{{toAnk, "a"}, {toSymbol, "@"}, {toAnk, "b"}, {toAnk, "x"}}));
  EXPECT_EQ(Tokens("@a.b"),
            (std::vector<Tok>{{toSymbol, "@"}, {toAnk, "a"}, {toSymbol, "."}, {toAnk, "b"}}));
  // Japanese text around an address ends it; a kanji whose second byte is "@" stays whole.
  EXPECT_EQ(Tokens(J("連絡は") + "taro@ex.jp" + J("まで。院") + "u@h.jp" + J("院")),
            (std::vector<Tok>{{toKanji, J("連絡")}, {toHiragana, J("は")}, {toMail, "taro@ex.jp"},
                              {toHiragana, J("まで")}, {toDbcsSymbol, J("。")}, {toKanji, J("院")},
                              {toMail, "u@h.jp"}, {toKanji, J("院")}}));
  // Addresses are tried before URLs.
  EXPECT_EQ(Tokens("www.a@b.jp"), (std::vector<Tok>{{toMail, "www.a@b.jp"}}));
}

TEST_F(EditorParser, MailByteSet) {
  const std::set<unsigned char> in({'!', '$', '%', '&', '*', ',', '-', '.', '/', ';', '=', '?',
                                    '^', '_', '~'});
  for (int b = 1; b < 256; ++b) {
    if (b == '@') continue;
    bool alnum = std::isalnum(b) && b < 0x80;
    bool expected = alnum || in.count(static_cast<unsigned char>(b));
    std::string text = "a" + std::string(1, static_cast<char>(b)) + "b@c.d";
    auto tokens = Tokens(text);
    ASSERT_FALSE(tokens.empty());
    EXPECT_EQ(tokens[0].Kind == toMail && tokens[0].Text == text, expected) << "byte " << b;
  }
}

TEST_F(EditorParser, LongRunsOfMailBytes) {
  std::string run;
  for (int i = 0; i < 2000; ++i) run += "ab/";
  // No address in the run: every piece scans as usual, and the address after it is found.
  auto tokens = Tokens(run + " x@y.z");
  ASSERT_EQ(tokens.size(), 2u * 2000 + 1);
  EXPECT_EQ(tokens[1], (Tok{toSymbol, "/"}));
  EXPECT_EQ(tokens[3998], (Tok{toAnk, "ab"}));
  EXPECT_EQ(tokens.back(), (Tok{toMail, "x@y.z"}));
  // The same run glued to an address is one address.
  EXPECT_EQ(Tokens(run + "x@y.z"), (std::vector<Tok>{{toMail, run + "x@y.z"}}));
}

TEST_F(EditorParser, RecognisersCanBeSwitchedOff) {
  fountain->SetMail(false);
  fountain->SetUrl(false);
  EXPECT_EQ(Tokens("a@b.c http:"),
            (std::vector<Tok>{{toAnk, "a"}, {toSymbol, "@"}, {toAnk, "b"}, {toSymbol, "."},
                              {toAnk, "c"}, {toAnk, "http"}, {toSymbol, ":"}}));
}

TEST_F(EditorParser, CommentsQuotationsCodesAndHexInOrder) {
  fountain->SetCommenter("#");
  fountain->SetQuotation("\"");
  fountain->SetControlCode(true);
  fountain->SetHexPrefix("0x");
  EXPECT_EQ(Tokens("0x1F 0XaB 0xg \"a\"\"b\" \"c # d"),
            (std::vector<Tok>{{toHex, "0x1F"}, {toHex, "0XaB"}, {toHex, "0x"}, {toAnk, "g"},
                              {toQuotation, "\"a\"\"b\""}, {toQuotation, "\"c # d"}}));
  EXPECT_EQ(Tokens("x # #13"), (std::vector<Tok>{{toAnk, "x"}, {toComment, "# #13"}}));

  fountain->SetCommenter("//");
  EXPECT_EQ(Tokens("#13#$0A#$#x // c"),
            (std::vector<Tok>{{toCharCode, "#13"}, {toHexCharCode, "#$0A"}, {toHexCharCode, "#$"},
                              {toCharCode, "#"}, {toAnk, "x"}, {toComment, "// c"}}));
  fountain->SetControlCode(false);
  EXPECT_EQ(Tokens("#13"), (std::vector<Tok>{{toSymbol, "#"}, {toInteger, "13"}}));

  // A string carried from the previous row has no opening quote.
  auto parser = fountain->CreateParser();
  textstore::TRowAttributeData carried;
  carried.PendingKind = toQuotation;
  EXPECT_EQ(testing::Scan(*parser, std::string("ing\" \"x\""), carried),
            (std::vector<Tok>{{toQuotation, "ing\""}, {toQuotation, "\"x\""}}));
}

TEST_F(EditorParser, ColourSetsByKind) {
  testing::AddBracket(*fountain, "[", "]");
  testing::AddBracket(*fountain, "{", "}");
  fountain->SetCommenter("//");
  fountain->SetQuotation("'");
  fountain->SetControlCode(true);
  fountain->ReserveWordList().Add("From");
  TEditorColors& c = fountain->Colors();
  auto parser = fountain->CreateParser();
  std::string text = J("a 1 2.5 ; ア ｱ from [x] {from} 'q' #9 #$F a@b.c http://h\t// from");
  parser->NewData(text, {});
  std::vector<TFountainColor*> colors;
  while (parser->NextToken() != toEof) colors.push_back(parser->TokenToFountainColor());
  TFountainColor* tab = nullptr;
  EXPECT_EQ(colors, (std::vector<TFountainColor*>{
                        &c.Ank(), &c.Int(), &c.Int(), &c.Symbol(), &c.DBCS(), &c.DBCS(),
                        &c.Reserve(), &fountain->Brackets().Items(0).ItemColor(),
                        &fountain->Brackets().Items(1).ItemColor(), &c.Str(), &c.Str(), &c.Str(),
                        &c.Mail(), &c.Url(), tab, &c.Comment()}));
}

TEST(TokenParser, ScansWithoutAFountain) {
  auto parser = NewParser<TTokenParser>();
  textstore::TRowAttributeData off;
  off.BracketIndex = -2;
  EXPECT_EQ(testing::Scan(*parser, std::string("(a@b.c http:x)"), off),
            (std::vector<Tok>{{toSymbol, "("}, {toAnk, "a"}, {toSymbol, "@"}, {toAnk, "b"},
                              {toSymbol, "."}, {toAnk, "c"}, {toAnk, "http"}, {toSymbol, ":"},
                              {toAnk, "x"}, {toSymbol, ")"}}));
  EXPECT_EQ(parser->TokenToFountainColor(), nullptr);
  EXPECT_EQ(parser->Fountain(), nullptr);
}

}  // namespace
}  // namespace fountain
