#include "platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "platform/ascii.h"

namespace platform::cp932 {
namespace {

// One converter per direction, opened on first use and reset before each conversion.
// Everything runs on the GUI thread, so sharing them is safe.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; where iconv refuses, `replacement` is written and `skip` bytes of
  // input are dropped, so nothing after the refused character is lost.
  template <class Skip>
  std::string Convert(std::string_view in, std::string_view replacement, Skip skip) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 16);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) {
        // EILSEQ (invalid byte) or EINVAL (character cut off at the end).
        out.append(replacement);
        size_t n = std::max<size_t>(1, std::min(srcLeft, skip(std::string_view(src, srcLeft))));
        src += n;
        srcLeft -= n;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte(c)) {
      ++i;  // keep the trail byte as it is
    } else {
      out[i] = static_cast<char>(AsciiUpper(c));
    }
  }
  return out;
}

std::string ToUtf8(std::string_view text) {
  static Converter converter("UTF-8", "CP932");
  return converter.Convert(text, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
}

std::string FromUtf8(std::string_view utf8) {
  static Converter converter("CP932", "UTF-8");
  // One '?' per refused character: skip its continuation bytes too, but never past one
  // that is missing, so a broken sequence does not swallow the text after it.
  return converter.Convert(utf8, "?", [](std::string_view rest) {
    size_t n = 1;
    while (n < rest.size() && n < 4 && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
    return n;
  });
}

}  // namespace platform::cp932
