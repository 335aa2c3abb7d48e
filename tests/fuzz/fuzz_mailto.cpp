#include "tests/fuzz/fuzz_mailto.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/mailto.h"
#include "tests/fuzz/fuzz_input.h"

namespace quillet::fuzz {
namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "mailto: %s\n", what);
  std::abort();
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// `text` with every "%XX" made its byte again, as a mail program reads it.
std::string Decoded(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) Fail("a cut-off escape");
    const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
    if (high < 0 || low < 0) Fail("a \"%\" that starts no escape");
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

// The part of `text` up to `separator` (all of it when there is none), removed from `text`.
std::string_view Cut(std::string_view& text, char separator) {
  const size_t end = text.find(separator);
  const std::string_view part = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return part;
}

// The address `url` writes to, checked to hold no byte that would end or change it.
std::string_view AddressOf(std::string_view& url) {
  if (!url.starts_with("mailto:")) Fail("no scheme");
  url.remove_prefix(7);
  if (url.find('#') != std::string_view::npos) Fail("a fragment");
  const std::string_view address = Cut(url, '?');
  if (address.find('&') != std::string_view::npos) Fail("an \"&\" in the address");
  return address;
}

void ExpectField(std::string_view& query, std::string_view name, std::string_view value) {
  std::string_view field = Cut(query, '&');
  if (!field.starts_with(name)) Fail("a field out of place");
  field.remove_prefix(name.size());
  if (Decoded(field) != value) Fail("a field does not decode to its value");
}

}  // namespace

void MailtoBytes(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  HeaderValues h;
  h.From = NextPart(input);
  h.ReplyTo = NextPart(input);
  h.Subject = NextPart(input);
  h.MessageId = NextPart(input);
  h.InReplyTo = input;

  const std::string reply = MailtoUrl(h, MailtoCommand::Reply);
  std::string_view rest = reply;
  const std::string_view address = AddressOf(rest);
  if (Decoded(address) != (h.ReplyTo.empty() ? h.From : h.ReplyTo)) Fail("another address");
  const std::string subject = ReplySubject(h.Subject);
  if (!subject.starts_with("Re:")) Fail("a reply subject without \"Re:\"");
  ExpectField(rest, "Subject=", subject);
  ExpectField(rest, "In-Reply-To=", h.MessageId);
  ExpectField(rest,
              "References=", h.InReplyTo.empty() ? h.MessageId : h.InReplyTo + " " + h.MessageId);
  if (!rest.empty() || reply.ends_with('&')) Fail("a field too many");

  for (const std::string& value : {h.From, h.Subject}) {
    const std::string url = MailtoAddressUrl(value);
    std::string_view whole = url;
    if (Decoded(AddressOf(whole)) != value || !whole.empty() ||
        url.find('?') != std::string::npos) {
      Fail("an address URL that is more than its address");
    }
  }
  if (MailtoUrl(h, MailtoCommand::ReplyToSender) != MailtoAddressUrl(h.From)) {
    Fail("writing to the sender goes elsewhere");
  }
}

}  // namespace quillet::fuzz
