// The byte search: a scan of 64 places at a time proposes the places where the pattern's first
// and last bytes fit, and a place counts only where the character search would match too: the
// whole pattern, on a character start, with the trail bytes of double-byte characters as they
// are, and by the whole-word rules.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "textstore/case_fold.h"
#include "textstore/search_detail.h"
#include "textstore/width_fold.h"

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

// Nothing where bytes alone cannot decide: a lone lead byte at the pattern's end, which matches
// no text character, and, with case folded, a double-byte capital, which matches its small
// letter too.
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

// Sixteen text bytes in one vector register, with the compiler's portable vector type.
using Block = unsigned char __attribute__((vector_size(16)));
using Lanes = signed char __attribute__((vector_size(16)));  // a comparison: 0 or all ones
constexpr std::ptrdiff_t kBlock = sizeof(Block);
// Places tested at a time: one bit each in a 64-bit word.
constexpr std::ptrdiff_t kPlaces = 64;

Block LoadBlock(const char* bytes) {
  Block block;
  std::memcpy(&block, bytes, sizeof block);
  return block;
}

Block Broadcast(unsigned char byte) {
  return Block{} + byte;
}

bool IsZero(Lanes lanes) {
  std::uint64_t halves[2];
  std::memcpy(halves, &lanes, sizeof halves);
  return (halves[0] | halves[1]) == 0;
}

// Bit k set where lane k of a comparison result is all ones.
std::uint64_t LaneBits(Lanes lanes) {
  static_assert(std::endian::native == std::endian::little, "lane 0 is the low byte");
  std::uint64_t halves[2];
  std::memcpy(halves, &lanes, sizeof halves);
  // The multiplication gathers the top bit of each byte into the top byte.
  auto gather = [](std::uint64_t half) {
    return (half & 0x8080808080808080u) * 0x0002040810204081u >> 56;
  };
  return gather(halves[0]) | gather(halves[1]) << 8;
}

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

  // Bit k for place first + k, k < count (at most kPlaces): the pattern's first and last bytes
  // fit there, as folded by fold_.
  std::uint64_t Candidates(std::ptrdiff_t first, std::ptrdiff_t count) const;
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
  // Clearing bit 5 puts each small ASCII letter on its capital: the scan keeps every place the
  // case table would match, and some more, which MatchesAt turns down.
  unsigned char fold_;
  unsigned char firstByte_;  // folded
  unsigned char lastByte_;   // folded
};

ByteSearch::ByteSearch(std::string_view text, Pattern pattern, const ByteTable& letters,
                       TSearchOptions options, const ByteSet& wordDelimiters)
    : text_(text),
      pattern_(std::move(pattern)),
      letters_(letters),
      starts_(text),
      delimiters_(wordDelimiters),
      forward_(options & soForward),
      wholeWord_(options & soWholeWord),
      fold_(options & soMatchCase ? 0xFF : 0xDF),
      firstByte_(static_cast<unsigned char>(pattern_.Bytes.front() & fold_)),
      lastByte_(static_cast<unsigned char>(pattern_.Bytes.back() & fold_)) {
  delimiters_.set(kUnderscore);
}

bool ByteSearch::Find(TSearchPosition& position) {
  const std::ptrdiff_t m = Length();
  // The nearest place and the number of places, counted as the character search counts them;
  // a place on a trail byte is passed over by MatchesAt.
  std::ptrdiff_t at = forward_ ? position.Start + position.Length : position.Start - m;
  std::ptrdiff_t places = forward_ ? Size() - m - at + 1 : at + 1;
  while (places > 0) {
    const std::ptrdiff_t count = std::min(places, kPlaces);
    const std::ptrdiff_t first = forward_ ? at : at - count + 1;
    // Nearest first: from the low bit forward, from the high bit backward.
    for (std::uint64_t bits = Candidates(first, count); bits != 0;) {
      const int k = forward_ ? std::countr_zero(bits) : std::bit_width(bits) - 1;
      bits &= ~(std::uint64_t{1} << k);
      if (MatchesAt(first + k)) {
        position = {first + k, m};
        return true;
      }
    }
    at += forward_ ? count : -count;
    places -= count;
  }
  return false;
}

std::uint64_t ByteSearch::Candidates(std::ptrdiff_t first, std::ptrdiff_t count) const {
  const char* const near = text_.data() + first;
  const char* const far = near + Length() - 1;
  if (count == kPlaces) {
    const Block fold = Broadcast(fold_);
    std::array<Lanes, kPlaces / kBlock> fits;
    Lanes any{};
    for (size_t b = 0; b < fits.size(); ++b) {
      const std::ptrdiff_t offset = kBlock * static_cast<std::ptrdiff_t>(b);
      fits[b] = ((LoadBlock(near + offset) & fold) == Broadcast(firstByte_)) &
                ((LoadBlock(far + offset) & fold) == Broadcast(lastByte_));
      any |= fits[b];
    }
    // Most runs of places hold no candidate: one test for all of them.
    if (IsZero(any)) return 0;
    std::uint64_t bits = 0;
    for (size_t b = 0; b < fits.size(); ++b) bits |= LaneBits(fits[b]) << (kBlock * b);
    return bits;
  }
  std::uint64_t bits = 0;
  for (std::ptrdiff_t k = 0; k < count; ++k) {
    if ((near[k] & fold_) == firstByte_ && (far[k] & fold_) == lastByte_) {
      bits |= std::uint64_t{1} << k;
    }
  }
  return bits;
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

// Whether folding width can make any text match `pattern` that does not match it byte for
// byte: it can unless every character of the pattern is a double-byte one that no half-width
// character (with its voiced mark) folds into, such as kanji and hiragana.
bool WidthFoldingMatters(std::string_view pattern) {
  static const std::vector<bool> images = [] {
    std::vector<bool> codes(0x10000, false);
    for (int b = 0; b < 256; ++b) {
      if (IsLead(static_cast<char>(b))) continue;
      for (char mark : {'\0', '\xDE', '\xDF'}) {
        const char both[] = {static_cast<char>(b), mark};
        codes[FoldToFullWidth({both, 2}, 0).Code] = true;
      }
    }
    return codes;
  }();
  for (size_t i = 0; i < pattern.size(); i += 2) {
    if (!IsLead(pattern[i]) || i + 1 == pattern.size()) return true;
    const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(pattern[i]) << 8 |
                                                 static_cast<unsigned char>(pattern[i + 1]));
    if (images[code]) return true;
  }
  return false;
}

// The byte search for these options and this pattern, or nothing where it cannot decide.
std::optional<ByteSearch> MakeByteSearch(std::string_view text, std::string_view pattern,
                                         TSearchOptions options, const ByteSet& wordDelimiters) {
  // Backwards the folding search counts back by characters, which differs from counting back
  // by bytes when the search starts inside a character: that stays with it.
  if ((options & soIgnoreWidth) && (options & soForward) && !WidthFoldingMatters(pattern)) {
    options = static_cast<TSearchOptions>(options & ~soIgnoreWidth);
  }
  if (options & kCharacterOptions) return std::nullopt;
  const bool matchCase = options & soMatchCase;
  const ByteTable& letters = matchCase ? kSameBytes : UpperCaseTable();
  std::optional<Pattern> prepared = Prepare(pattern, letters, matchCase);
  if (!prepared) return std::nullopt;
  return std::optional<ByteSearch>(std::in_place, text, std::move(*prepared), letters, options,
                                   wordDelimiters);
}

}  // namespace

std::optional<bool> SearchBytes(std::string_view text, TSearchPosition& position,
                                std::string_view pattern, TSearchOptions options,
                                const ByteSet& wordDelimiters) {
  std::optional<ByteSearch> search = MakeByteSearch(text, pattern, options, wordDelimiters);
  if (!search) return std::nullopt;
  return search->Find(position);
}

std::optional<std::size_t> CountBytes(std::string_view text, std::string_view pattern,
                                      TSearchOptions options, const ByteSet& wordDelimiters,
                                      std::size_t limit) {
  std::optional<ByteSearch> search = MakeByteSearch(text, pattern, options, wordDelimiters);
  if (!search) return std::nullopt;
  return CountFound(*search, limit);
}

}  // namespace textstore::detail
