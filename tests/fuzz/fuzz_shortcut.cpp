#include "tests/fuzz/fuzz_shortcut.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/shortcut_keys.h"
#include "app/shortcut_text.h"
#include "platform/ascii.h"

namespace quillet::fuzz {
namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "shortcut: %s\n", what);
  std::abort();
}

// `text` with its ASCII letters in one case.
std::string Folded(std::string_view text, bool upper) {
  std::string out(text);
  for (char& c : out) {
    c = upper ? platform::AsciiUpper(c)
              : (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return out;
}

// What `prefix` in front of `text` must give: `read` with one more modifier, or nothing.
void CheckPrefix(std::string_view text, const std::optional<ShortCut>& read,
                 std::string_view prefix, bool platform::TShiftState::*flag) {
  std::optional<ShortCut> want = read;
  if (want) want->Shift.*flag = true;
  if (TextToShortCut(std::string(prefix).append(text)) != want) Fail("a prefix changes the key");
}

}  // namespace

void ShortCutBytes(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<ShortCut> read = TextToShortCut(text);
  if (read) {
    if (read->Key <= 0 || read->Key > 0xFF) Fail("no virtual key");
    if (read->Shift.Left || read->Shift.Right || read->Shift.Middle) Fail("a mouse button");
  }
  if (TextToShortCut(Folded(text, true)) != read || TextToShortCut(Folded(text, false)) != read) {
    Fail("letter case matters");
  }
  CheckPrefix(text, read, "Shift+", &platform::TShiftState::Shift);
  CheckPrefix(text, read, "^", &platform::TShiftState::Ctrl);
  CheckPrefix(text, read, "cTRL+", &platform::TShiftState::Ctrl);
  CheckPrefix(text, read, "ALT+", &platform::TShiftState::Alt);

  const std::string twice[] = {std::string(text), std::string(text)};
  const auto assigned = AssignShortCuts(twice);
  if (assigned.size() != 2 || assigned[0] != read || assigned[1]) Fail("a key bound twice");
}

}  // namespace quillet::fuzz
