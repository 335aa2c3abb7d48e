#include "tests/fuzz/fuzz_message.h"

#include <cstdlib>
#include <string_view>

#include "app/message.h"
#include "platform/errors.h"

namespace quillet::fuzz {

void LoadMessageBytes(const std::uint8_t* data, std::size_t size) {
  MessageSource source(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string_view text = source.Text().view();
  // What every load must keep true, whatever the bytes.
  if (text.find('\0') != std::string_view::npos) std::abort();
  if (!text.empty() && !text.ends_with("\r\n")) std::abort();
  for (size_t i = 0; i < text.size(); ++i) {
    bool cr = text[i] == '\r', lf = text[i] == '\n';
    if ((cr && (i + 1 == text.size() || text[i + 1] != '\n')) || (lf && (i == 0 || text[i - 1] != '\r'))) {
      std::abort();  // a line end that is not CR LF
    }
  }
  std::string_view header = source.HeaderPart();
  std::string_view body = source.ViewText(ViewMode::Body);
  if (source.Separator() != 0 && header.size() + 3 + body.size() != text.size()) std::abort();
  HeaderValues values = ExtractHeaders(header);
  if (values.XPriority.size() > 1) std::abort();
  HeaderBarLabels(values);
  try {
    StampIndex(values);
  } catch (const platform::EConvertError&) {
  }
}

}  // namespace quillet::fuzz
