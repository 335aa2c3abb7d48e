#pragma once
// File names as the operating system's bytes: never decoded except for display.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/byte_string.h"

namespace platform {

// The running executable's full path (from /proc/self/exe).
std::string ExePath();

// The folder part of `path`, with its trailing '/' ("" when there is none).
std::string ExtractFilePath(std::string_view path);

// The part of `path` after its last '/'.
std::string ExtractFileName(std::string_view path);

// `path` with the extension of its file name (from its last '.') replaced by `ext`, or with
// `ext` appended when the file name has none: quillet -> quillet.ini, a.b/c -> a.b/c.hlp.
std::string ChangeFileExt(std::string_view path, std::string_view ext);

// True when `path` names an existing file (not a folder).
bool FileExists(const std::string& path);

// The largest file that is read: the text model counts offsets in 32-bit signed integers.
inline constexpr std::size_t kMaxFileSize = 0x7FFFFFFF;

// Reads a whole file as bytes. Only a regular file is read: it is opened without blocking and
// its type is checked on the open descriptor, so a FIFO without a writer never hangs the reader
// and a device never floods it. Throws EFOpenError when the file cannot be opened or read, is
// no regular file, or holds more than kMaxFileSize bytes.
std::string ReadFileBytes(const std::string& path);

// As ReadFileBytes, but a text ends at its first NUL byte: what follows is dropped, and never
// read when the NUL comes early. A large file is read by two threads.
ByteString ReadTextBytes(const std::string& path);

// What ReadTextLines read: the text, and whether every line of it ends in CR LF (no lone CR or
// LF, and the text empty or ending in a break), judged while it was read.
struct TextRead {
  ByteString text;
  bool crLfLines = false;
};

// As ReadTextBytes, judging the text's line breaks on the way.
TextRead ReadTextLines(const std::string& path);

}  // namespace platform
