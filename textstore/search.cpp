#include "textstore/search.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "textstore/case_fold.h"
#include "textstore/dbcs_string.h"
#include "textstore/search_detail.h"
#include "textstore/width_fold.h"

namespace textstore {
namespace {

enum ByteKind : std::uint8_t { kSingleByte, kFirstByte, kSecondByte };

constexpr unsigned char kCR = 0x0D;
constexpr unsigned char kLF = 0x0A;
constexpr unsigned char kTab = 0x09;
constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kUnderscore = 0x5F;
constexpr std::string_view kWideSpace = "\x81\x40";

// A character of the prepared pattern and the other text character it matches: its small
// letter when case is folded, else itself.
struct PatternChar {
  std::uint16_t Code;
  std::uint16_t Other;
};

// One search call: the prepared pattern and the byte kinds of the text, built once.
class Search {
 public:
  Search(std::string_view text, std::string_view pattern, TSearchOptions options,
         const ByteSet& wordDelimiters);

  bool Find(TSearchPosition& position) const;

 private:
  unsigned char At(std::ptrdiff_t i) const { return static_cast<unsigned char>(text_[Index(i)]); }
  static size_t Index(std::ptrdiff_t i) { return static_cast<size_t>(i); }
  std::ptrdiff_t Size() const { return static_cast<std::ptrdiff_t>(text_.size()); }

  bool FindForward(std::ptrdiff_t from, TSearchPosition& position) const;
  bool FindBackward(std::ptrdiff_t from, TSearchPosition& position) const;
  // Candidates never start on a second byte.
  std::ptrdiff_t StepForward(std::ptrdiff_t at) const;
  std::ptrdiff_t StepBackward(std::ptrdiff_t at) const;
  // Start of the character before `at`; a kana with the mark that folds into it is one
  // character when width is ignored.
  std::ptrdiff_t PreviousChar(std::ptrdiff_t at) const;
  bool IsWordStart(std::ptrdiff_t at) const;
  // Quick test whether the first pattern character can match at `at`.
  bool CanStart(std::ptrdiff_t at) const { return canStart_[At(at)]; }
  // Which first bytes of a text character can match the first pattern character.
  void PrepareCanStart();
  // Text bytes of a match at `at`, including skipped ones.
  std::optional<std::ptrdiff_t> MatchLength(std::ptrdiff_t at) const;
  // Text bytes that pattern character `c` matches at `at`; 0 for a mismatch.
  std::ptrdiff_t MatchChar(std::ptrdiff_t at, PatternChar c) const;
  // Bytes at `at` that may be skipped inside a match; 0 when none.
  std::ptrdiff_t Skippable(std::ptrdiff_t at) const;

  std::string_view text_;
  std::vector<std::uint8_t> kinds_;
  std::vector<PatternChar> pattern_;
  std::ptrdiff_t patternBytes_ = 0;  // of the prepared pattern
  std::array<bool, 256> canStart_{};
  const std::array<unsigned char, 256>& upper_ = UpperCaseTable();
  ByteSet delimiters_;
  bool forward_;
  bool matchCase_;
  bool wholeWord_;
  bool ignoreWidth_;
  bool acrossLineBreaks_;
  bool ignoreBlanks_;
};

Search::Search(std::string_view text, std::string_view pattern, TSearchOptions options,
               const ByteSet& wordDelimiters)
    : text_(text),
      kinds_(text.size(), kSingleByte),
      delimiters_(wordDelimiters),
      forward_(options & soForward),
      matchCase_(options & soMatchCase),
      wholeWord_(options & soWholeWord),
      ignoreWidth_(options & soIgnoreWidth),
      acrossLineBreaks_(options & soAcrossLineBreaks),
      ignoreBlanks_(options & soIgnoreBlanks) {
  delimiters_.set(kUnderscore);
  for (size_t i = 0; i < text.size(); i += CharSize(text, i)) {
    if (CharSize(text, i) == 2) {
      kinds_[i] = kFirstByte;
      if (i + 1 < text.size()) kinds_[i + 1] = kSecondByte;
    }
  }
  std::string prepared =
      matchCase_ ? std::string(pattern) : platform::cp932::AnsiUpperCase(pattern);
  if (ignoreWidth_) prepared = ToFullWidth(prepared);
  patternBytes_ = static_cast<std::ptrdiff_t>(prepared.size());
  for (size_t i = 0; i < prepared.size(); i += CharSize(prepared, i)) {
    auto lead = static_cast<unsigned char>(prepared[i]);
    bool twoBytes = CharSize(prepared, i) == 2 && i + 1 < prepared.size();
    auto code =
        twoBytes
            ? static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(prepared[i + 1]))
            : std::uint16_t{lead};
    pattern_.push_back({code, matchCase_ ? code : SmallLetterOf(code)});
  }
  PrepareCanStart();
}

void Search::PrepareCanStart() {
  const PatternChar first = pattern_.front();
  auto matches = [first](std::uint16_t code) { return code == first.Code || code == first.Other; };
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    if (platform::cp932::IsLeadByte(byte)) {
      canStart_[byte] = first.Code >> 8 == byte || first.Other >> 8 == byte;
    } else if (ignoreWidth_) {
      // Alone, or with each mark that may fold into it.
      for (unsigned char mark : {'\0', '\xDE', '\xDF'}) {
        const char both[] = {static_cast<char>(byte), static_cast<char>(mark)};
        canStart_[byte] = canStart_[byte] || matches(FoldToFullWidth({both, 2}, 0).Code);
      }
    } else {
      canStart_[byte] = (matchCase_ ? byte : upper_[byte]) == first.Code;
    }
  }
}

bool Search::Find(TSearchPosition& position) const {
  return forward_ ? FindForward(position.Start + position.Length, position)
                  : FindBackward(position.Start, position);
}

bool Search::FindForward(std::ptrdiff_t from, TSearchPosition& position) const {
  // Folded text can be as short as one byte per pattern character.
  const std::ptrdiff_t last =
      Size() - (ignoreWidth_ ? static_cast<std::ptrdiff_t>(pattern_.size()) : patternBytes_);
  std::ptrdiff_t at = from;
  if (at < Size() && kinds_[Index(at)] == kSecondByte) ++at;
  for (; at <= last; at = StepForward(at)) {
    while (at <= last && !(CanStart(at) && (!wholeWord_ || IsWordStart(at)))) {
      at = StepForward(at);
    }
    if (at > last) break;
    if (std::optional<std::ptrdiff_t> length = MatchLength(at)) {
      position = {at, *length};
      return true;
    }
  }
  return false;
}

bool Search::FindBackward(std::ptrdiff_t from, TSearchPosition& position) const {
  std::ptrdiff_t at = from;
  if (ignoreWidth_) {
    // One text character per pattern character, as folded text is compared.
    for (size_t n = 0; n < pattern_.size(); ++n) {
      if (at <= 0) return false;
      at = PreviousChar(at);
    }
  } else {
    at -= patternBytes_;
  }
  if (at >= 0 && kinds_[Index(at)] == kSecondByte) --at;
  for (; at >= 0; at = StepBackward(at)) {
    while (at >= 0 && !(CanStart(at) && (!wholeWord_ || IsWordStart(at)))) {
      at = StepBackward(at);
    }
    if (at < 0) break;
    if (std::optional<std::ptrdiff_t> length = MatchLength(at)) {
      position = {at, *length};
      return true;
    }
  }
  return false;
}

std::ptrdiff_t Search::StepForward(std::ptrdiff_t at) const {
  ++at;
  if (at < Size() && kinds_[Index(at)] == kSecondByte) ++at;
  return at;
}

std::ptrdiff_t Search::StepBackward(std::ptrdiff_t at) const {
  --at;
  if (at >= 0 && kinds_[Index(at)] == kSecondByte) --at;
  return at;
}

std::ptrdiff_t Search::PreviousChar(std::ptrdiff_t at) const {
  std::ptrdiff_t before = at - 1;
  if (kinds_[Index(before)] == kSecondByte) return before - 1;
  if (before >= 1 && kinds_[Index(before - 1)] == kSingleByte &&
      FoldToFullWidth(text_, Index(before - 1)).Size == 2) {
    return before - 1;
  }
  return before;
}

bool Search::IsWordStart(std::ptrdiff_t at) const {
  if (delimiters_[At(at)]) return false;
  // A trail byte is no delimiter, whatever its value.
  return at == 0 || (kinds_[Index(at - 1)] == kSingleByte && delimiters_[At(at - 1)]);
}

std::optional<std::ptrdiff_t> Search::MatchLength(std::ptrdiff_t at) const {
  std::ptrdiff_t t = at;
  for (size_t p = 0; p < pattern_.size();) {
    if (std::ptrdiff_t taken = MatchChar(t, pattern_[p])) {
      t += taken;
      ++p;
      continue;
    }
    std::ptrdiff_t skipped = p > 0 ? Skippable(t) : 0;
    if (skipped == 0) return std::nullopt;
    t += skipped;
  }
  // The end of the text counts as a delimiter.
  if (wholeWord_ && t < Size() && !delimiters_[At(t)]) return std::nullopt;
  return t - at;
}

std::ptrdiff_t Search::MatchChar(std::ptrdiff_t at, PatternChar c) const {
  if (at >= Size()) return 0;
  unsigned char b = At(at);
  if (kinds_[Index(at)] == kFirstByte) {
    if (at + 1 >= Size()) return 0;  // a lead byte cut off by the end matches nothing
    auto textCode = static_cast<std::uint16_t>(b << 8 | At(at + 1));
    return textCode == c.Code || textCode == c.Other ? 2 : 0;
  }
  if (ignoreWidth_) {
    FoldedChar folded = FoldToFullWidth(text_, Index(at));
    bool same = folded.Code == c.Code || folded.Code == c.Other;
    return same ? static_cast<std::ptrdiff_t>(folded.Size) : 0;
  }
  return (matchCase_ ? b : upper_[b]) == c.Code ? 1 : 0;
}

std::ptrdiff_t Search::Skippable(std::ptrdiff_t at) const {
  if (at >= Size()) return 0;
  unsigned char b = At(at);
  if (acrossLineBreaks_ && (b == kCR || b == kLF)) return 1;
  if (ignoreBlanks_) {
    if (b == kTab || b == kSpace) return 1;
    if (text_.substr(Index(at), 2) == kWideSpace) return 2;
  }
  return 0;
}

}  // namespace

bool SearchText(std::string_view text, TSearchPosition& position, std::string_view pattern,
                TSearchOptions options, const ByteSet& wordDelimiters) {
  if (text.empty() || pattern.empty()) return false;
  const auto size = static_cast<std::ptrdiff_t>(text.size());
  // Forward starts at Start + Length: compared as a difference, since the sum of two values
  // from the caller may not fit.
  if (position.Start < 0 || position.Start > size || position.Length < 0 ||
      position.Length > size - position.Start) {
    return false;
  }
  if (std::optional<bool> found =
          detail::SearchBytes(text, position, pattern, options, wordDelimiters)) {
    return *found;
  }
  return detail::SearchCharacters(text, position, pattern, options, wordDelimiters);
}

std::size_t CountMatches(std::string_view text, std::string_view pattern, TSearchOptions options,
                         const ByteSet& wordDelimiters, std::size_t limit) {
  if (text.empty() || pattern.empty()) return 0;
  options |= soForward;
  if (std::optional<std::size_t> count =
          detail::CountBytes(text, pattern, options, wordDelimiters, limit)) {
    return *count;
  }
  return detail::CountCharacters(text, pattern, options, wordDelimiters, limit);
}

namespace detail {

bool SearchCharacters(std::string_view text, TSearchPosition& position, std::string_view pattern,
                      TSearchOptions options, const ByteSet& wordDelimiters) {
  return Search(text, pattern, options, wordDelimiters).Find(position);
}

std::size_t CountCharacters(std::string_view text, std::string_view pattern,
                            TSearchOptions options, const ByteSet& wordDelimiters,
                            std::size_t limit) {
  const Search search(text, pattern, options, wordDelimiters);
  return CountFound(search, limit);
}

}  // namespace detail

}  // namespace textstore
