#pragma once
// The current user's registry keys as a file holds them, read without the registry itself.
// Three forms are understood, told apart by the first line:
//
// - Wine's own user.reg, "WINE REGISTRY Version 2": ASCII text (UTF-8 past it). Key lines
//   "[Software\\Vendor] 1700000000" name a key relative to HKEY_CURRENT_USER, whatever follows
//   the ']' ignored; names and strings use Wine's escapes: \\ \" \[ \] (any other character
//   after '\' is itself), \a \b \e \f \n \r \t \v, up to three octal digits, and \x with up
//   to four hexadecimal digits giving one UTF-16 unit. Lines starting with '#' (#time=,
//   #arch=...) or ';' are skipped.
// - A registry export "REGEDIT4": the system code page's text (CP932).
// - A registry export "Windows Registry Editor Version 5.00": UTF-16LE after the byte-order
//   mark FF FE (CP932 without one). Export key lines are "[HKEY_CURRENT_USER\Software\Vendor]",
//   running to the line's last ']'; keys under other roots are skipped, and "[-...]" deletes
//   nothing here but skips its values. Strings escape only \\ \" \n \r (any other character
//   after '\' is itself). Lines starting with ';' or '#' are comments.
//
// Values, in all three: `"Name"=` or `@=` (the default value) followed by
//   "text"                       a string (REG_SZ)
//   str:"text", str(2):"text", str(7):"text"   (Wine) a string, an expandable string, a list
//   dword:0000002a               a 32-bit integer: one to eight hexadecimal digits
//   hex:01,02,ff                 binary bytes
//   hex(N):01,02                 bytes of type N (hexadecimal): hex(2) an expandable string,
//                                hex(7) a list; strings in these are UTF-16LE, except in
//                                REGEDIT4, where they are the code page's bytes
//   -                            (exports) deletes the value: it is not there
// A line ending with '\' goes on on the next line, whose leading blanks are dropped: that is
// how long hexadecimal data is written. A key or value met twice adds to / replaces the first.
// Lines are ended by LF or CR LF. Lines that fit none of this are skipped, as the system's own
// readers do; a file of no known form holds no key. Key paths and value names compare without
// regard to the case of ASCII letters.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace platform::registry {

// Value types, numbered as the system numbers them.
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kMultiString = 7;

struct Value {
  std::uint32_t type = 0;
  // As the system holds it: the string kinds in UTF-16LE with their closing NUL unit, a
  // dword in four little-endian bytes.
  std::string data;
};

// Value name (folded by FoldName) to value.
using Values = std::map<std::string, Value>;
// Key path below HKEY_CURRENT_USER (folded by FoldKeyPath) to its values.
using Keys = std::map<std::string, Values>;

// The form names are compared in: UTF-8 with ASCII letters upper-cased.
std::string FoldName(std::string_view utf8);
// As FoldName, with the path's leading and trailing '\' dropped.
std::string FoldKeyPath(std::string_view utf8);

Keys ParseFile(std::string_view bytes);

}  // namespace platform::registry
