#pragma once
// The "mailto:" URLs the viewer hands to the desktop: replies, writing to the sender, new
// messages and mail addresses opened from the text. Everything stays CP932 bytes.
//
// Values go in raw (spaces, double-byte text and angle brackets as they are), except for the
// bytes that would change the URL's structure: "%", "&" and "#" in every inserted value, and
// "?" in the address, are percent-encoded ("%25", "%26", "%23", "%3F"). Without that a crafted
// From, Subject or address in the text could add fields such as "attach=" or "bcc=" that
// mail programs honour. No trail byte of a double-byte character is one of these bytes, so
// the encoding never splits a character.

#include <string>
#include <string_view>

#include "app/message.h"

namespace quillet {

enum class MailtoCommand {
  Reply,          // to Reply-To, else From, with subject, In-Reply-To and References
  ReplyToSender,  // to From, nothing else
  NewMessage,     // "mailto:" alone
};

// The URL for `command` from the header values of the last load.
std::string MailtoUrl(const HeaderValues& headers, MailtoCommand command);

// "mailto:" followed by `address`, a mail address double-clicked in the text or a From value.
std::string MailtoAddressUrl(std::string_view address);

// The reply's subject: a leading "[...]" tag dropped (up to the first single-byte "]"), with
// one space after it, then "Re:" in front unless it begins with exactly "Re:".
std::string ReplySubject(std::string_view subject);

}  // namespace quillet
