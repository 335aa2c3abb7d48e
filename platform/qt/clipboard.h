#pragma once
// The system clipboard for the text view: CP932 text converted to Unicode at the boundary,
// and box selections also as their raw bytes under the "TEditor Box Type" MIME format.

#include <QString>

#include "platform/clipboard.h"

namespace platform::qt {

class QtClipboard final : public TClipboard {
 public:
  void SetText(std::string_view cp932, bool box) override;
  std::optional<Content> Text() const override;
};

// The MIME type of the box format: the format's own name.
QString BoxMimeType();

}  // namespace platform::qt
