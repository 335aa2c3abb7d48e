#include "app/message.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/cp932.h"
#include "platform/errors.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

using platform::cp932::FromUtf8;
using namespace std::string_view_literals;

TEST(MessageSource, EveryLineEndBecomesCrLf) {
  EXPECT_EQ(MessageSource("a\nb\rc\r\nd").Text(), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(MessageSource("a\r\n").Text(), "a\r\n");
  EXPECT_EQ(MessageSource("a\r").Text(), "a\r\n");
  EXPECT_EQ(MessageSource("\n\n").Text(), "\r\n\r\n");
  EXPECT_EQ(MessageSource("\r\r\n").Text(), "\r\n\r\n");  // CR, then CR LF: two lines
  EXPECT_EQ(MessageSource("").Text(), "");
}

TEST(MessageSource, NulEndsTheText) {
  EXPECT_EQ(MessageSource(std::string("ab\0cd\r\n", 7)).Text(), "ab\r\n");
  EXPECT_EQ(MessageSource(std::string("\0x", 2)).Text(), "");
}

TEST(MessageSource, TextSizeIsKnownBeforeTheText) {
  for (std::string_view bytes :
       {""sv, "a"sv, "\r"sv, "\n"sv, "\r\n"sv, "\r\r\n\n"sv, "a\rb\nc\r\nd"sv, "ab\0\r\r\r"sv,
        "\0\n"sv}) {
    EXPECT_EQ(MessageSource::TextSize(bytes), MessageSource(bytes).Text().size()) << bytes;
  }
  EXPECT_EQ(MessageSource::TextSize(std::string(1000, '\r')), 2000u);
}

TEST(MessageSource, LfOnlyFileMatchesTheCrLfFile) {
  MessageSource lf("From: a\nSubject: Hi\n\nBody\n");
  MessageSource crlf("From: a\r\nSubject: Hi\r\n\r\nBody\r\n");
  EXPECT_EQ(lf.Text(), crlf.Text());
  EXPECT_EQ(lf.Separator(), crlf.Separator());
}

TEST(MessageSource, ViewModes) {
  MessageSource m("From: a\r\nSubject: Hi\r\n\r\nBody\r\n");
  EXPECT_EQ(m.Separator(), 21u);
  EXPECT_EQ(m.ViewText(ViewMode::Body), "Body\r\n");
  EXPECT_EQ(m.ViewText(ViewMode::Header), "From: a\r\nSubject: Hi\r");
  EXPECT_EQ(m.ViewText(ViewMode::Source), "From: a\r\nSubject: Hi\r\n\r\nBody\r\n");
  HeaderValues h = ExtractHeaders(m.HeaderPart());
  EXPECT_EQ(h.From, "a");
  EXPECT_EQ(h.Subject, "Hi");
}

TEST(MessageSource, SeparatorAtTheEndOrMissing) {
  MessageSource blankLast("From: a\r\n\r\n");
  EXPECT_EQ(blankLast.ViewText(ViewMode::Body), "");
  EXPECT_EQ(blankLast.ViewText(ViewMode::Header), "From: a\r");

  MessageSource noBlank("From: a\r\nhello");
  EXPECT_EQ(noBlank.Separator(), 0u);
  EXPECT_EQ(noBlank.HeaderPart(), "");
  EXPECT_EQ(noBlank.ViewText(ViewMode::Header), "");
  EXPECT_EQ(noBlank.ViewText(ViewMode::Body), "From: a\r\nhello\r\n");
  EXPECT_EQ(ExtractHeaders(noBlank.HeaderPart()).From, "");

  // An empty first line: the separator is the first line break and its follower.
  MessageSource emptyFirst("\r\n\r\nx");
  EXPECT_EQ(emptyFirst.Separator(), 1u);
  EXPECT_EQ(emptyFirst.ViewText(ViewMode::Header), "\r");
  EXPECT_EQ(emptyFirst.ViewText(ViewMode::Body), "x\r\n");
}

TEST(ExtractHeaders, NamesMatchCaseInsensitivelyWithTheirColon) {
  HeaderValues h = ExtractHeaders(
      "subject:x\r\nFROM: a@b\r\nSubject :no\r\nSubjects:no\r\nto:  two spaces\r\n"
      "Reply-to:\tr\r\nmessage-ID: <m1>\r\nIn-Reply-To: <m0>\r\nDATE: d\r");
  EXPECT_EQ(h.Subject, "x");
  EXPECT_EQ(h.From, "a@b");
  EXPECT_EQ(h.To, " two spaces");
  EXPECT_EQ(h.ReplyTo, "\tr");
  EXPECT_EQ(h.MessageId, "<m1>");
  EXPECT_EQ(h.InReplyTo, "<m0>");
  EXPECT_EQ(h.Date, "d");
}

TEST(ExtractHeaders, LastOccurrenceWinsAndFoldedValuesKeepTheirFirstLine) {
  HeaderValues h = ExtractHeaders(
      "Subject: first\r\nSubject: =?ISO-2022-JP?B?GyRC?=\r\n second part\r\n\tTo: fake\r");
  EXPECT_EQ(h.Subject, "=?ISO-2022-JP?B?GyRC?=");
  EXPECT_EQ(h.To, "");
  // Japanese bytes are kept as they are, even a trail byte equal to ':' or a letter.
  std::string subject = FromUtf8("件名：ソ表");
  EXPECT_EQ(ExtractHeaders("Subject: " + subject + "\r").Subject, subject);
  // Every value is cleared before extraction: an empty value stays empty.
  EXPECT_EQ(ExtractHeaders("From:\r").From, "");
}

TEST(StampIndex, FromXPriorityThenXMSMailPriority) {
  auto stamp = [](const std::string& header) {
    return StampIndex(ExtractHeaders(header));
  };
  EXPECT_EQ(stamp("X-Priority: 3 (Normal)\r"), 2);
  EXPECT_EQ(ExtractHeaders("X-Priority: 3 (Normal)\r").XPriority, "3");
  EXPECT_EQ(stamp("X-Priority: 1\r"), 0);
  EXPECT_EQ(stamp("X-Priority: 5\r\nX-MSMail-Priority: High\r"), 4);  // X-Priority decides
  EXPECT_EQ(stamp("X-Priority: 0\r"), -1);                             // no stamp
  EXPECT_EQ(stamp("X-Priority: 9\r"), 8);                              // no stamp
  EXPECT_EQ(stamp("X-Priority:\r\nX-MSMail-Priority: Low\r"), 4);      // empty X-Priority
  EXPECT_EQ(stamp("X-MSMail-Priority: High\r"), 1);
  EXPECT_EQ(stamp("X-MSMail-Priority: low\r"), 2);
  EXPECT_EQ(stamp("X-MSMail-Priority: Low \r"), 2);
  EXPECT_EQ(stamp("From: a\r"), kNormalStamp);
}

TEST(StampIndex, NonDigitXPriorityIsAConversionError) {
  for (const char* header : {"X-Priority: x\r", "X-Priority:  3\r", "X-Priority: +\r"}) {
    HeaderValues h = ExtractHeaders(header);
    EXPECT_THROW(StampIndex(h), platform::EConvertError) << header;
  }
  try {
    StampIndex(ExtractHeaders("X-Priority: High\r"));
  } catch (const platform::EConvertError& e) {
    EXPECT_STREQ(e.what(), "'H' は整数ではありません");
  }
}

TEST(HeaderBar, LabelsAndCaption) {
  HeaderValues h;
  h.From = "a";
  h.Subject = "Hello";
  HeaderBarTexts t = HeaderBarLabels(h);
  EXPECT_EQ(platform::cp932::ToUtf8(t.From), "差出人：  a");
  EXPECT_EQ(platform::cp932::ToUtf8(t.To), "宛先：  ");
  EXPECT_EQ(platform::cp932::ToUtf8(t.Subject), "件名：  Hello");
  EXPECT_EQ(platform::cp932::ToUtf8(t.Date), "日時：  ");
  EXPECT_EQ(CaptionFor("Hello"), "Hello - Quillet");
  EXPECT_EQ(CaptionFor(""), " - Quillet");
}

TEST(JoinArguments, JoinsWithSingleSpacesOrRefuses) {
  EXPECT_EQ(JoinArguments({"quillet", "x", "y z", "w"}), "x y z w");
  EXPECT_EQ(JoinArguments({"quillet", "D:\\Mail", "Box\\1.eml"}), "D:\\Mail Box\\1.eml");
  EXPECT_EQ(JoinArguments({"quillet", "a", ""}), "a ");
  EXPECT_EQ(JoinArguments({"quillet"}), "");
  EXPECT_EQ(JoinArguments({"quillet", "", "b"}), "");  // an empty first argument refuses
}

TEST(LoadMessage, ReadsFromDiskEachTimeAndReportsUnopenableFiles) {
  testsupport::ScratchDir dir;
  std::string name = dir.Write("m.eml", "Subject: one\n\nbody\n");
  EXPECT_EQ(LoadMessage(name, ViewMode::Body).Text(), "body\r\n");
  dir.Write("m.eml", "Subject: two\n\nnew body\n");
  LoadedMessage m = LoadMessage(name, ViewMode::Source);
  EXPECT_EQ(m.headers.Subject, "two");
  EXPECT_EQ(m.Text(), "Subject: two\r\n\r\nnew body\r\n");
  unlink(name.c_str());
  EXPECT_THROW(LoadMessage(name, ViewMode::Body), platform::EFOpenError);
}

}  // namespace
}  // namespace quillet
