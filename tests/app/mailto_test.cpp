#include "app/mailto.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace quillet {
namespace {

using platform::cp932::FromUtf8;

HeaderValues Headers(std::string from, std::string replyTo, std::string subject,
                     std::string messageId, std::string inReplyTo) {
  HeaderValues h;
  h.From = std::move(from);
  h.ReplyTo = std::move(replyTo);
  h.Subject = std::move(subject);
  h.MessageId = std::move(messageId);
  h.InReplyTo = std::move(inReplyTo);
  return h;
}

// A reply's headers (From, Reply-To, Subject, Message-Id, In-Reply-To) and its URL.
struct ReplyCase {
  std::string from, replyTo, subject, messageId, inReplyTo, url;
};

void ExpectReplies(std::initializer_list<ReplyCase> cases) {
  for (const ReplyCase& c : cases) {
    EXPECT_EQ(MailtoUrl(Headers(c.from, c.replyTo, c.subject, c.messageId, c.inReplyTo),
                        MailtoCommand::Reply),
              c.url);
  }
}

TEST(Mailto, RepliesCarryAddressSubjectAndThreadFields) {
  const std::string from = FromUtf8("山田 太郎 <taro@example.jp>");
  const std::string subject = FromUtf8("会議の件 (再送)");
  ExpectReplies({
      {"a", "", "[list:12] Hello", "m1", "",
       "mailto:a?Subject=Re:Hello&In-Reply-To=m1&References=m1"},
      {"a", "", "[list:12] Hello", "m1", "m0",
       "mailto:a?Subject=Re:Hello&In-Reply-To=m1&References=m0%20m1"},
      {"a", "r", "x", "m1", "", "mailto:r?Subject=Re:x&In-Reply-To=m1&References=m1"},
      {"", "", "", "", "", "mailto:?Subject=Re:&In-Reply-To=&References="},
      // Display names, angle brackets, spaces and double-byte text go in as they are.
      {from, "", subject, "<m1@h>", "<m0@h>",
       "mailto:" + from + "?Subject=Re:" + subject +
           "&In-Reply-To=<m1@h>&References=<m0@h>%20<m1@h>"},
  });
}

TEST(Mailto, WritingToTheSenderAndNewMessages) {
  const HeaderValues h = Headers("Taro <t@example.jp>", "list@example.jp", "x", "m1", "m0");
  EXPECT_EQ(MailtoUrl(h, MailtoCommand::ReplyToSender), "mailto:Taro <t@example.jp>");
  EXPECT_EQ(MailtoUrl(h, MailtoCommand::NewMessage), "mailto:");
  EXPECT_EQ(MailtoAddressUrl("u@h.jp"), "mailto:u@h.jp");
  EXPECT_EQ(MailtoAddressUrl(""), "mailto:");
}

TEST(Mailto, ReplySubjects) {
  const std::string zo = "\x83\x5D";  // a double-byte character whose trail byte is "]"
  const std::string so = "\x83\x5C";  // and one whose trail byte is a backslash
  struct Case {
    std::string subject, reply;
  } cases[] = {
      {"Hello", "Re:Hello"},
      {"", "Re:"},
      {"Re: x", "Re: x"},
      {"Re:x", "Re:x"},
      {"RE: x", "Re:RE: x"},
      {"re: x", "Re:re: x"},
      {"Re x", "Re:Re x"},
      {"Re", "Re:Re"},
      {"[list] Re: x", "Re: x"},
      {"[list:12] Hello", "Re:Hello"},
      {"[t]x", "Re:x"},
      {"[t]  x", "Re: x"},  // one space dropped only
      {"[t]", "Re:"},
      {"[]", "Re:"},
      {"[a] [b] x", "Re:[b] x"},
      {"[a]b] x", "Re:b] x"},
      {"[no end", "Re:[no end"},
      {" [t] x", "Re: [t] x"},
      {"x [t] y", "Re:x [t] y"},
      {"[" + zo + "] x", "Re:x"},
      {"[" + zo + " x", "Re:[" + zo + " x"},
      {"[" + so + "] " + so, "Re:" + so},
      {"[\x83", "Re:[\x83"},  // a lead byte cut off at the end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplySubject(c.subject), c.reply) << c.subject;
  }
}

TEST(Mailto, BytesThatWouldChangeTheUrlAreEncoded) {
  EXPECT_EQ(MailtoAddressUrl("u@h.jp?attach=/home/u/.ssh/id_rsa"),
            "mailto:u@h.jp%3Fattach=/home/u/.ssh/id_rsa");
  EXPECT_EQ(MailtoAddressUrl("a&b#c%41@h"), "mailto:a%26b%23c%2541@h");
  EXPECT_EQ(MailtoUrl(Headers("a@h?bcc=eve@x", "", "", "", ""), MailtoCommand::ReplyToSender),
            "mailto:a@h%3Fbcc=eve@x");
  ExpectReplies({
      {"a?cc=eve@x&bcc=eve@x", "", "x&attach=/etc/passwd", "m#1", "m&0",
       "mailto:a%3Fcc=eve@x%26bcc=eve@x?Subject=Re:x%26attach=/etc/passwd"
       "&In-Reply-To=m%231&References=m%260%20m%231"},
      // Reply-To is an address like From.
      {"a", "r?bcc=e", "s", "m", "", "mailto:r%3Fbcc=e?Subject=Re:s&In-Reply-To=m&References=m"},
      // A "?" after the address is part of a value; "%" is always encoded, "=" never.
      {"a", "", "100% sure? =yes", "m%20", "",
       "mailto:a?Subject=Re:100%25 sure? =yes&In-Reply-To=m%2520&References=m%2520"},
      // The list tag and "Re:" are judged on the subject as written.
      {"a", "", "[&] Re:#", "m", "", "mailto:a?Subject=Re:%23&In-Reply-To=m&References=m"},
  });
}

}  // namespace
}  // namespace quillet
