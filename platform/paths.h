#pragma once
// File names as the operating system's bytes: never decoded except for display.

#include <string>
#include <string_view>

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

// Reads a whole file as bytes; throws EFOpenError when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

}  // namespace platform
