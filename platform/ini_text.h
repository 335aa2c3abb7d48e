#pragma once
// The private-profile (INI) format on a file's bytes, without the file system: finding one value
// and setting one value. All names and values are CP932 bytes.
//
// How the bytes are read:
// - Lines end at CR LF, CR or LF; the last line may have no line break.
// - A line whose first byte after blanks (spaces and tabs) is '[' starts a section. Its name
//   runs to the first ']' that is no second byte of a double-byte character, or to the line's
//   end, and is trimmed of blanks; whatever follows the ']' is ignored.
// - A line whose first byte after blanks is ';' is a comment. Any other line with an '=' holds
//   a key: the bytes before the first '=' are the key, those after it the value, both trimmed of
//   blanks. A value of two bytes or more that begins and ends with the same quote (" or ') loses
//   those two quotes. Lines without an '=' and keys before the first section belong to nothing.
// - Section and key names match without regard to the case of ASCII letters; the second byte of
//   a double-byte character is never folded. The first matching section is the only one
//   searched, and in it the first matching key counts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

// The longest value a read returns, in bytes.
inline constexpr std::size_t kMaxValueSize = 2047;

// The value of `key` in `section`, cut to kMaxValueSize bytes (one byte less when the cut
// would split a double-byte character), or nothing when the file has no such key.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// The file's bytes after `key` in `section` is set to `value`. Every byte outside the change
// stays as it was:
// - an existing key keeps its line; only the value's bytes (its quotes included) are replaced,
//   so the key as written, the blanks around the '=' and after the value, and the line break
//   stay;
// - a missing key becomes a new line right after the section's last key line (after its
//   header line when it has no keys), so comments and blank lines that close the section stay
//   below it;
// - a missing section is appended at the end with the key, after a line break when the file
//   does not end in one.
// New line breaks are those of the file's first line: CR LF when it has none.
// The value is written in double quotes when it would otherwise lose bytes on reading (blanks
// at its ends, or matching quotes around it), so whatever is written reads back the same.
// Gives nothing, and changes nothing, when the names or the value cannot be read back as
// written: a line break anywhere, a section name with ']' or blanks at its ends or a lone
// first byte of a double-byte character at its end, a key with '=' or blanks at its ends or
// beginning with '[' or ';'.
std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value);

}  // namespace platform::ini
