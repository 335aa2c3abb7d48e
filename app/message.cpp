#include "app/message.h"

#include <algorithm>
#include <optional>

#include "app/message_prefetch.h"
#include "platform/ascii.h"
#include "platform/bulk_memory.h"
#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/line_breaks.h"
#include "platform/paths.h"
#include "platform/strconv.h"

namespace quillet {
namespace {

constexpr std::string_view kSeparator = "\r\n\r\n";

bool StartsWithAsciiNoCase(std::string_view line, std::string_view name) {
  if (line.size() < name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (platform::AsciiUpper(line[i]) != platform::AsciiUpper(name[i])) return false;
  }
  return true;
}

using platform::ForEachLine;

std::string_view BeforeNul(std::string_view bytes) {
  return bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
}

// The size of the text made from bytes that hold no NUL.
size_t NormalSize(std::string_view bytes) {
  size_t size = 0;
  ForEachLine(bytes, [&size](std::string_view line) { size += line.size() + 2; });
  return size;
}

}  // namespace

size_t MessageSource::TextSize(std::string_view fileBytes) { return NormalSize(BeforeNul(fileBytes)); }

MessageSource::MessageSource(std::string_view fileBytes)
    : MessageSource(fileBytes, TextSize(fileBytes)) {}

MessageSource::MessageSource(std::string_view fileBytes, size_t textSize) {
  fileBytes = BeforeNul(fileBytes);
  // Written once, in exactly the size needed: a file of lone CRs or LFs doubles.
  text_ = platform::ByteString::Filled(textSize, [fileBytes, textSize](char* room) {
    platform::PopulateForWrite(room, textSize);
    char* end = room;
    ForEachLine(fileBytes, [&end](std::string_view line) {
      end = std::copy(line.begin(), line.end(), end);
      *end++ = '\r';
      *end++ = '\n';
    });
    return static_cast<size_t>(end - room);
  });
  FindSeparator();
}

MessageSource::MessageSource(Normal, platform::ByteString&& text) : text_(std::move(text)) {
  FindSeparator();
}

void MessageSource::FindSeparator() {
  size_t found = text_.view().find(kSeparator);
  separator_ = found == std::string::npos ? 0 : found + 1;
}

std::string_view MessageSource::HeaderPart() const {
  return text_.view().substr(0, separator_);
}

std::string_view MessageSource::ViewText(ViewMode mode) const {
  std::string_view all = text_.view();
  switch (mode) {
    case ViewMode::Header:
      return HeaderPart();
    case ViewMode::Source:
      return all;
    case ViewMode::Body:
      break;
  }
  return separator_ == 0 ? all : all.substr(separator_ - 1 + kSeparator.size());
}

MessageSource ReadMessage(const std::string& path) {
  platform::TextRead read = platform::ReadTextLines(path);  // ends before any NUL
  // A text whose every line already ends in CR LF is its own normal form: no second copy.
  if (read.crLfLines) return MessageSource(MessageSource::Normal{}, std::move(read.text));
  // The text outgrows the file where lines end in a lone CR or LF.
  const size_t textSize = NormalSize(read.text);
  if (textSize > platform::kMaxFileSize) throw platform::EFOpenError(path);
  return MessageSource(read.text, textSize);
}

HeaderValues ExtractHeaders(std::string_view headerPart) {
  struct Field {
    std::string_view name;
    std::string HeaderValues::*value;
  };
  static constexpr Field kFields[] = {
      {"Date:", &HeaderValues::Date},
      {"From:", &HeaderValues::From},
      {"To:", &HeaderValues::To},
      {"Reply-To:", &HeaderValues::ReplyTo},
      {"Subject:", &HeaderValues::Subject},
      {"X-Priority:", &HeaderValues::XPriority},
      {"X-MSMail-Priority:", &HeaderValues::XMSMailPriority},
      {"Message-Id:", &HeaderValues::MessageId},
      {"In-Reply-To:", &HeaderValues::InReplyTo},
  };
  HeaderValues values;
  ForEachLine(headerPart, [&values](std::string_view line) {
    for (const Field& field : kFields) {
      if (!StartsWithAsciiNoCase(line, field.name)) continue;
      std::string_view rest = line.substr(field.name.size());
      if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
      if (field.value == &HeaderValues::XPriority) rest = rest.substr(0, 1);
      values.*field.value = std::string(rest);
      break;
    }
  });
  return values;
}

HeaderBarTexts HeaderBarLabels(const HeaderValues& values) {
  static const std::string kFrom = platform::cp932::FromUtf8("差出人：  ");
  static const std::string kTo = platform::cp932::FromUtf8("宛先：  ");
  static const std::string kSubject = platform::cp932::FromUtf8("件名：  ");
  static const std::string kDate = platform::cp932::FromUtf8("日時：  ");
  return {kFrom + values.From, kTo + values.To, kSubject + values.Subject, kDate + values.Date};
}

int StampIndex(const HeaderValues& values) {
  if (!values.XPriority.empty()) return platform::StrToInt(values.XPriority) - 1;
  if (values.XMSMailPriority == "High") return 1;
  if (values.XMSMailPriority == "Low") return 4;
  return kNormalStamp;
}

std::string CaptionFor(std::string_view subject) {
  std::string caption(subject);
  caption.append(" - Quillet");
  return caption;
}

std::string JoinArguments(const std::vector<std::string>& args) {
  if (args.size() < 2 || args[1].empty()) return {};
  std::string path = args[1];
  for (size_t i = 2; i < args.size(); ++i) {
    path.push_back(' ');
    path.append(args[i]);
  }
  return path;
}

LoadedMessage LoadMessage(const std::string& path, ViewMode mode) {
  std::optional<MessageSource> prefetched = TakePrefetchedMessage(path);
  MessageSource source = prefetched ? std::move(*prefetched) : ReadMessage(path);
  HeaderValues headers = ExtractHeaders(source.HeaderPart());
  return {std::move(headers), std::move(source), mode};
}

}  // namespace quillet
