#pragma once
// Reading the lines of a text file a block at a time, without holding the whole file.

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace rows {

// CR, LF and CR LF each end a line, also when a CR ends one block of 8192 bytes and its LF
// starts the next; a byte 0x1A ends the text; zero bytes are ordinary bytes.
class TLineFile {
 public:
  // Raises EFOpenError when the file cannot be opened.
  explicit TLineFile(const std::string& FileName);
  TLineFile(const TLineFile&) = delete;
  TLineFile& operator=(const TLineFile&) = delete;
  ~TLineFile();

  // Reads the file from its start and hands every line to OnLine(line, ended), joined when
  // block ends cut it; `ended` is false only for a last line without a line break. The view
  // lasts until OnLine returns. Raises EReadError when the file cannot be read.
  void ForEachLine(const std::function<void(std::string_view Line, bool Ended)>& OnLine);

 private:
  // The next block; empty at the end of the file.
  std::string_view NextBlock();

  std::FILE* file_;
  std::array<char, 8192> block_;
};

}  // namespace rows
