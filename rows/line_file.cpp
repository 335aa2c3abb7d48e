#include "rows/line_file.h"

#include "platform/errors.h"
#include "textstore/split_lines.h"

namespace rows {
namespace {

constexpr char kEndOfText = '\x1a';

}  // namespace

TLineFile::TLineFile(const std::string& FileName) : file_(std::fopen(FileName.c_str(), "rb")) {
  if (file_ == nullptr) throw platform::EFOpenError(FileName);
}

TLineFile::~TLineFile() {
  std::fclose(file_);
}

std::string_view TLineFile::NextBlock() {
  const size_t size = std::fread(block_.data(), 1, block_.size(), file_);
  if (size < block_.size() && std::ferror(file_)) throw platform::EReadError();
  return {block_.data(), size};
}

void TLineFile::ForEachLine(const std::function<void(std::string_view, bool)>& OnLine) {
  std::rewind(file_);
  std::string joined;  // the start of a line that the block end cut
  bool open = false;   // a line has begun and not ended
  bool afterCr = false;
  for (std::string_view block = NextBlock(); !block.empty(); block = NextBlock()) {
    // The LF of a CR LF that the block boundary split belongs to the line before.
    if (afterCr && block.front() == '\n') block.remove_prefix(1);
    const size_t end = block.find(kEndOfText);
    const std::string_view text = block.substr(0, end);
    textstore::LineReader lines(text);
    for (std::string_view line; lines.Next(line);) {
      if (line.data() + line.size() == text.data() + text.size()) {
        // No line break after it in this block.
        joined.append(line);
        open = true;
      } else if (open) {
        joined.append(line);
        OnLine(joined, true);
        joined.clear();
        open = false;
      } else {
        OnLine(line, true);
      }
    }
    if (end != std::string_view::npos) break;
    afterCr = !block.empty() && block.back() == '\r';
  }
  if (open) OnLine(joined, false);
}

}  // namespace rows
