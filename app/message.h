#pragma once
// The stored message as the viewer sees it: source text, header/body split, the nine header
// values, the header-bar texts, the priority stamp and the text of each view mode.
// Everything is CP932 bytes; nothing is decoded.

#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_string.h"

namespace quillet {

enum class ViewMode { Body = 0, Header = 1, Source = 2 };

// The header values the window keeps from the last load; all empty when absent.
struct HeaderValues {
  std::string Date;
  std::string From;
  std::string To;
  std::string ReplyTo;
  std::string Subject;
  std::string XPriority;  // at most one byte
  std::string XMSMailPriority;
  std::string MessageId;
  std::string InReplyTo;
};

// The four header-bar label texts (CP932).
struct HeaderBarTexts {
  std::string From;
  std::string To;
  std::string Subject;
  std::string Date;
};

// Message text with normalised line ends and the position of the header/body separator.
class MessageSource {
 public:
  // From the raw file bytes: a NUL ends the text, and every line (the last one too) ends in
  // CR LF whatever it ended in before (CR LF, CR or LF).
  explicit MessageSource(std::string_view fileBytes);

  // The size of the text made from `fileBytes`, known before any of it is built.
  static size_t TextSize(std::string_view fileBytes);

  // Its bytes may be shared by the rows of the view.
  const platform::ByteString& Text() const { return text_; }

  // 1-based position of the first CR LF CR LF, 0 when there is none.
  size_t Separator() const { return separator_; }

  // The header lines up to and including the separator's first CR ("" without a separator).
  std::string_view HeaderPart() const;

  // What the view shows in `mode`. Body mode of a message without an empty line shows the
  // whole text: with no separator nothing counts as header, so all of it is body.
  std::string_view ViewText(ViewMode mode) const;

 private:
  friend MessageSource ReadMessage(const std::string& path);
  MessageSource(std::string_view fileBytes, size_t textSize);
  // Takes `text` as it is: it already is what normalising would make.
  struct Normal {};
  MessageSource(Normal, platform::ByteString&& text);
  void FindSeparator();

  platform::ByteString text_;
  size_t separator_;
};

// Reads the file at `path` (the operating system's bytes) up to its first NUL. Throws
// EFOpenError when it cannot be read (see platform::ReadTextBytes) or when its text, with every
// line end made CR LF, would hold more than platform::kMaxFileSize bytes.
MessageSource ReadMessage(const std::string& path);

// The nine values from a header part: first bytes matched case-insensitively by ASCII rules
// (the colon included), one space after the colon skipped, the last occurrence winning,
// X-Priority cut to one byte, continuation lines ignored.
HeaderValues ExtractHeaders(std::string_view headerPart);

HeaderBarTexts HeaderBarLabels(const HeaderValues& values);

// Index into the five priority stamps, from X-Priority when present (digit d gives d - 1, so
// "0" and "6"-"9" fall outside 0..4 and show no stamp), else from X-MSMail-Priority ("High" 1,
// "Low" 4, anything else 2). Throws EConvertError when X-Priority is no decimal digit.
int StampIndex(const HeaderValues& values);
inline constexpr int kStampCount = 5;
inline constexpr int kNormalStamp = 2;

// The window caption for a subject: subject + " - Quillet".
std::string CaptionFor(std::string_view subject);

// The message path: arguments 1..N joined with single spaces. Empty when argument 1 is absent
// or empty, which means the viewer refuses to run.
std::string JoinArguments(const std::vector<std::string>& args);

// One load as the window performs it, up to the point where it can fail to open the file.
// The text of the requested mode is read from the source, so a large message is not copied
// once more before the view takes it.
struct LoadedMessage {
  HeaderValues headers;
  MessageSource source;
  ViewMode mode;
  std::string_view Text() const { return source.ViewText(mode); }
  // The bytes Text() lies in.
  const platform::ByteString& Whole() const { return source.Text(); }
};
LoadedMessage LoadMessage(const std::string& path, ViewMode mode);

}  // namespace quillet
