#pragma once
// The clipboard as the text view uses it: CP932 text, and for box selections the same bytes
// under the private format "TEditor Box Type" so that a box paste can recognise them.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The name of the private clipboard format of box selections.
inline constexpr std::string_view kBoxClipboardFormat = "TEditor Box Type";

class TClipboard {
 public:
  virtual ~TClipboard() = default;
  // Replaces the clipboard's contents with `cp932` as text (converted to Unicode at the
  // boundary; an invalid byte becomes U+FFFD), and with `box` set also puts the same bytes
  // and a terminating NUL under the box format, in one change.
  virtual void SetText(std::string_view cp932, bool box) = 0;
  // The clipboard's text as CP932 (characters without a CP932 form become '?'), and whether
  // it carries the box format; nothing when it holds no text.
  struct Content {
    std::string Text;
    bool Box = false;
  };
  virtual std::optional<Content> Text() const = 0;
};

}  // namespace platform
