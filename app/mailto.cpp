#include "app/mailto.h"

#include "platform/cp932.h"

namespace quillet {
namespace {

constexpr std::string_view kScheme = "mailto:";

// `value` with each byte of `special` percent-encoded.
std::string Escape(std::string_view value, std::string_view special) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (special.find(c) == std::string_view::npos) {
      out += c;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  }
  return out;
}

std::string EscapeField(std::string_view value) { return Escape(value, "%&#"); }
std::string EscapeAddress(std::string_view address) { return Escape(address, "%&#?"); }

// The position after the first "]" that is a character of its own, npos when there is none.
size_t AfterTagEnd(std::string_view subject) {
  for (size_t i = 0; i < subject.size(); ++i) {
    if (platform::cp932::IsLeadByte(static_cast<unsigned char>(subject[i]))) {
      ++i;  // its trail byte may be "]"
    } else if (subject[i] == ']') {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::string ReplySubject(std::string_view subject) {
  if (subject.starts_with('[')) {
    const size_t rest = AfterTagEnd(subject);
    if (rest != std::string_view::npos) {
      subject.remove_prefix(rest);
      if (subject.starts_with(' ')) subject.remove_prefix(1);
    }
  }
  std::string result = subject.starts_with("Re:") ? "" : "Re:";
  return result.append(subject);
}

std::string MailtoAddressUrl(std::string_view address) {
  return std::string(kScheme).append(EscapeAddress(address));
}

std::string MailtoUrl(const HeaderValues& headers, MailtoCommand command) {
  switch (command) {
    case MailtoCommand::NewMessage:
      return std::string(kScheme);
    case MailtoCommand::ReplyToSender:
      return MailtoAddressUrl(headers.From);
    case MailtoCommand::Reply:
      break;
  }
  const std::string& address = headers.ReplyTo.empty() ? headers.From : headers.ReplyTo;
  const std::string messageId = EscapeField(headers.MessageId);
  std::string references = messageId;
  if (!headers.InReplyTo.empty()) references = EscapeField(headers.InReplyTo) + "%20" + messageId;
  return MailtoAddressUrl(address) + "?Subject=" + EscapeField(ReplySubject(headers.Subject)) +
         "&In-Reply-To=" + messageId + "&References=" + references;
}

}  // namespace quillet
