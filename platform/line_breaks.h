#pragma once
// The one rule for cutting text into lines, used by every reader of text: CR, LF and CR LF each
// end one line, and a break at the very end starts no further line ("a\r\n" is one line,
// "a\r\n\r\n" two, "" none). Zero bytes are ordinary bytes.

#include <cstring>
#include <string_view>

namespace platform {

// Walks the lines of a text without copying them; the text must outlive the reader. The next
// CR and the next LF are each found with memchr and kept until passed, so a long line costs
// one vectorised search, not a test per byte.
class LineReader {
 public:
  explicit LineReader(std::string_view text)
      : p_(text.data()), end_(text.data() + text.size()), cr_(Find(p_, '\r')), lf_(Find(p_, '\n')) {}

  // Sets `line` to the next line and steps past its break; false after the last line.
  bool Next(std::string_view& line) {
    if (p_ >= end_) return false;
    const char* brk = cr_ < lf_ ? cr_ : lf_;
    line = std::string_view(p_, static_cast<size_t>(brk - p_));
    p_ = brk == end_ ? end_ : brk + ((*brk == '\r' && brk + 1 < end_ && brk[1] == '\n') ? 2 : 1);
    if (cr_ < p_) cr_ = Find(p_, '\r');
    if (lf_ < p_) lf_ = Find(p_, '\n');
    return true;
  }

 private:
  const char* Find(const char* from, char c) const {
    if (from >= end_) return end_;
    const void* hit = std::memchr(from, c, static_cast<size_t>(end_ - from));
    return hit != nullptr ? static_cast<const char*>(hit) : end_;
  }

  const char* p_;
  const char* end_;
  const char* cr_;
  const char* lf_;
};

// For a text read in pieces: true when no break inside `piece` is a lone CR or LF. `before` is
// the byte before the piece ('\0' at the start of a text, kUnknownByte when it is not known
// yet); a break at either edge of the piece that depends on an unknown byte counts as CR LF, so
// the caller judges that seam itself (by checking the seam's second byte with the first as
// `before`). A text is in CR LF form when all its pieces pass and it is empty or ends in LF.
inline constexpr int kUnknownByte = -1;
inline bool CrLfBreaksOnly(std::string_view piece, int before) {
  if (piece.empty()) return true;
  const char* start = piece.data();
  const char* end = start + piece.size();
  if (before == '\r' && *start != '\n') return false;
  for (const char* lf = start; (lf = static_cast<const char*>(std::memchr(lf, '\n', static_cast<size_t>(end - lf))));
       ++lf) {
    const int prev = lf == start ? before : static_cast<unsigned char>(lf[-1]);
    if (prev != '\r' && prev != kUnknownByte) return false;
  }
  for (const char* cr = start; (cr = static_cast<const char*>(std::memchr(cr, '\r', static_cast<size_t>(end - cr))));
       ++cr) {
    if (cr + 1 < end && cr[1] != '\n') return false;
  }
  return true;
}

// Calls f(line) for every line of `text`.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
  LineReader reader(text);
  for (std::string_view line; reader.Next(line);) f(line);
}

}  // namespace platform
