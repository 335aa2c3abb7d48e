// The byte search: a Horspool scan proposes the places where the pattern's bytes fit, and a
// place counts only where the character search would match too: on a character start, with
// the trail bytes of double-byte characters as they are, and by the whole-word rules.
#include <array>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "textstore/case_fold.h"
#include "textstore/search_detail.h"

namespace textstore::detail {
namespace {

using ByteTable = std::array<unsigned char, 256>;

constexpr TSearchOptions kCharacterOptions = soIgnoreWidth | soAcrossLineBreaks | soIgnoreBlanks;
constexpr unsigned char kUnderscore = 0x5F;

constexpr ByteTable kSameBytes = [] {
  ByteTable table{};
  for (size_t b = 0; b < table.size(); ++b) table[b] = static_cast<unsigned char>(b);
  return table;
}();

bool IsLead(char byte) {
  return platform::cp932::IsLeadByte(static_cast<unsigned char>(byte));
}

// The pattern as the text is compared with it: letters folded as the search folds single
// bytes, and the places of trail bytes, which must match as they are.
struct Pattern {
  std::string Bytes;
  std::vector<bool> Trail;
};

std::optional<Pattern> Prepare(std::string_view pattern, const ByteTable& letters, bool matchCase) {
  Pattern prepared;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const auto byte = static_cast<unsigned char>(pattern[i]);
    if (!IsLead(pattern[i])) {
      prepared.Bytes += static_cast<char>(letters[byte]);
      prepared.Trail.push_back(false);
      continue;
    }
    if (i + 1 == pattern.size()) return std::nullopt;
    const auto code =
        static_cast<std::uint16_t>(byte << 8 | static_cast<unsigned char>(pattern[i + 1]));
    if (!matchCase && SmallLetterOf(code) != code) return std::nullopt;
    prepared.Bytes += pattern.substr(i, 2);
    prepared.Trail.insert(prepared.Trail.end(), {false, true});
    ++i;
  }
  return prepared;
}

// Which bytes start a character, told by looking back instead of walking from the text start.
// The byte after one that is no lead-byte value starts a character (it follows a single-byte
// character or a trail byte), so a byte starts one when an even number of lead-byte values
// lie between the two. The last run of lead-byte values looked at is kept: asked in order,
// either way, each byte is looked at about once.
class CharStarts {
 public:
  explicit CharStarts(std::string_view text) : text_(text) {}

  // `at` is at most the text size; the size itself counts when the last character is whole.
  bool Starts(size_t at) {
    if (at > end_) {
      const size_t from = RunStart(at, end_);
      if (from > end_) base_ = from;  // else the run goes on from base_
      end_ = at;
    } else if (at < base_) {
      base_ = RunStart(at, 0);
      end_ = at;
    }
    return (at - base_) % 2 == 0;
  }

 private:
  // Start of the run of lead-byte values that ends before `at`, going back no further than
  // `floor`.
  size_t RunStart(size_t at, size_t floor) const {
    while (at > floor && IsLead(text_[at - 1])) --at;
    return at;
  }

  std::string_view text_;
  size_t base_ = 0;  // starts a character
  size_t end_ = 0;   // every byte from base_ up to here is a lead-byte value
};

class ByteSearch {
 public:
  ByteSearch(std::string_view text, Pattern pattern, const ByteTable& letters,
             TSearchOptions options, const ByteSet& wordDelimiters);

  bool Find(TSearchPosition& position);

 private:
  unsigned char At(std::ptrdiff_t i) const { return static_cast<unsigned char>(text_[Index(i)]); }
  static size_t Index(std::ptrdiff_t i) { return static_cast<size_t>(i); }
  std::ptrdiff_t Size() const { return static_cast<std::ptrdiff_t>(text_.size()); }
  std::ptrdiff_t Length() const { return static_cast<std::ptrdiff_t>(pattern_.Bytes.size()); }

  // The pattern matches at `at` as the character search would see it.
  bool MatchesAt(std::ptrdiff_t at);
  bool IsWordStart(std::ptrdiff_t at);

  std::string_view text_;
  Pattern pattern_;
  const ByteTable& letters_;
  CharStarts starts_;
  ByteSet delimiters_;
  bool forward_;
  bool wholeWord_;
  // How far the pattern moves on from a place, by the folded text byte under its key byte:
  // its last byte forward, its first backward.
  std::array<std::ptrdiff_t, 256> shift_;
};

ByteSearch::ByteSearch(std::string_view text, Pattern pattern, const ByteTable& letters,
                       TSearchOptions options, const ByteSet& wordDelimiters)
    : text_(text),
      pattern_(std::move(pattern)),
      letters_(letters),
      starts_(text),
      delimiters_(wordDelimiters),
      forward_(options & soForward),
      wholeWord_(options & soWholeWord) {
  delimiters_.set(kUnderscore);
  const std::ptrdiff_t m = Length();
  shift_.fill(m);
  // Nearer bytes of the pattern come last, so the shortest move wins. A trail byte is entered
  // folded: the scan folds every text byte alike and leaves exact comparison to MatchesAt.
  for (std::ptrdiff_t d = m - 1; d >= 1; --d) {
    const auto byte = static_cast<unsigned char>(pattern_.Bytes[Index(forward_ ? m - 1 - d : d)]);
    shift_[letters_[byte]] = d;
  }
}

bool ByteSearch::Find(TSearchPosition& position) {
  const std::ptrdiff_t m = Length();
  // The first place and the number of places, counted as the character search counts them;
  // a place on a trail byte is passed over by MatchesAt.
  std::ptrdiff_t at = forward_ ? position.Start + position.Length : position.Start - m;
  std::ptrdiff_t places = forward_ ? Size() - m - at + 1 : at + 1;
  const std::ptrdiff_t key = forward_ ? m - 1 : 0;
  const std::ptrdiff_t step = forward_ ? 1 : -1;
  const unsigned char keyByte = letters_[static_cast<unsigned char>(pattern_.Bytes[Index(key)])];
  while (places > 0) {
    const unsigned char byte = letters_[At(at + key)];
    if (byte == keyByte && MatchesAt(at)) {
      position = {at, m};
      return true;
    }
    at += step * shift_[byte];
    places -= shift_[byte];
  }
  return false;
}

bool ByteSearch::MatchesAt(std::ptrdiff_t at) {
  for (size_t i = 0; i < pattern_.Bytes.size(); ++i) {
    const unsigned char byte = At(at + static_cast<std::ptrdiff_t>(i));
    if (static_cast<char>(pattern_.Trail[i] ? byte : letters_[byte]) != pattern_.Bytes[i]) {
      return false;
    }
  }
  if (!starts_.Starts(Index(at))) return false;
  if (!wholeWord_) return true;
  // The end of the text counts as a delimiter.
  const std::ptrdiff_t end = at + Length();
  return IsWordStart(at) && (end == Size() || delimiters_[At(end)]);
}

bool ByteSearch::IsWordStart(std::ptrdiff_t at) {
  if (delimiters_[At(at)]) return false;
  // A trail byte is no delimiter, whatever its value.
  return at == 0 || (delimiters_[At(at - 1)] && starts_.Starts(Index(at - 1)));
}

}  // namespace

std::optional<bool> SearchBytes(std::string_view text, TSearchPosition& position,
                                std::string_view pattern, TSearchOptions options,
                                const ByteSet& wordDelimiters) {
  if (options & kCharacterOptions) return std::nullopt;
  const bool matchCase = options & soMatchCase;
  const ByteTable& letters = matchCase ? kSameBytes : UpperCaseTable();
  std::optional<Pattern> prepared = Prepare(pattern, letters, matchCase);
  if (!prepared) return std::nullopt;
  return ByteSearch(text, std::move(*prepared), letters, options, wordDelimiters).Find(position);
}

}  // namespace textstore::detail
