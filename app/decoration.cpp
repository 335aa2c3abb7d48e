#include "app/decoration.h"

#include <algorithm>

#include "fountain/editor_colors.h"
#include "platform/line_breaks.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace quillet {
namespace {

// CP932 bytes: ">", "|", "＞", "》", "｜".
const std::vector<std::string_view> kQuoteMarkers = {">", "|", "\x81\x84", "\x81\x74",
                                                     "\x81\x62"};
const std::vector<std::string_view> kHeaderNames = {
    "From:", "To:", "Received:", "Subject:", "Cc:", "Bcc:", "Sender:", "Date:", "Content-Type:",
    "Content-Transfer-Encoding:", "Content-Length:", "Message-Id:", "Reply-To:", "In-Reply-To:",
    "References:", "Return-Path:", "X-Mailer:", "X-ML-Name:"};

}  // namespace

bool TDecorationList::Add(std::string_view Text, TDecorationKind Kind) {
  auto at = std::lower_bound(entries_.begin(), entries_.end(), Text,
                             [](const Entry& e, std::string_view s) {
                               return platform::CompareText(e.Text, s) < 0;
                             });
  if (at != entries_.end() && platform::CompareText(at->Text, Text) == 0) return false;
  entries_.insert(at, Entry{std::string(Text), Kind});
  return true;
}

int TDecorationList::Load(const std::string& path, const std::vector<std::string_view>& builtIn,
                          TDecorationKind Kind) {
  if (!platform::FileExists(path)) {
    for (std::string_view text : builtIn) Add(text, Kind);
    return static_cast<int>(builtIn.size());
  }
  const std::string bytes = platform::ReadFileBytes(path);
  int count = 0;
  platform::ForEachLine(bytes, [&](std::string_view line) {
    if (line.empty()) return;
    Add(line, Kind);
    ++count;
  });
  return count;
}

void TDecorationList::LoadQuoteMarkers(const std::string& path) {
  quoteMarkerCount_ = Load(path, kQuoteMarkers, TDecorationKind::QuoteMarker);
}

void TDecorationList::LoadHeaderNames(const std::string& path) {
  Load(path, kHeaderNames, TDecorationKind::HeaderName);
}

void DrawDecoration(editor::TEditor& view, const TDecorationList& list,
                    const platform::ByteString& LineStr, int X, int Y, int Index,
                    const platform::TRect& ARect, bool Selected) {
  const std::string_view line = LineStr.view();
  const size_t rowLength = std::min(line.size(), view.ScreenStrings().Get(Index).size());
  platform::TRect clip = ARect;
  bool clipped = false;
  const fountain::TEditorColors& colors = view.View().Colors();
  for (const TDecorationList::Entry& entry : list.Entries()) {
    if (!line.starts_with(entry.Text)) continue;
    // A name cut by the wrap shows only its part on this row.
    if (!clipped) {
      clip.Right = std::min(clip.Right, X + view.RowEndCol(Index) * view.ColWidth());
      clipped = true;
    }
    if (Selected) {
      const platform::TColor fore = colors.Select().Color();
      view.DrawTextRect(clip, X, Y, entry.Text, fore == platform::clNone ? view.Color() : fore,
                        colors.Select().Style());
    } else if (entry.Kind == TDecorationKind::QuoteMarker) {
      view.DrawTextRect(clip, X, Y, line.substr(0, rowLength), colors.Comment().Color(),
                        colors.Comment().Style());
    } else {
      view.DrawTextRect(clip, X, Y, entry.Text, colors.Reserve().Color(),
                        colors.Reserve().Style());
    }
  }
}

}  // namespace quillet
