#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "platform/bulk_memory.h"
#include "platform/errors.h"
#include "platform/line_breaks.h"

namespace platform {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

// Reads [offset, offset + bytes) of the file into `into`; returns how many bytes there were
// (fewer at the end of a file that shrank), or -1 with errno set.
ssize_t ReadRange(int fd, char* into, size_t offset, size_t bytes) {
  size_t got = 0;
  while (got < bytes) {
    const ssize_t n = pread(fd, into + got, bytes - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

// From this size on, the second half of a file is read by a second thread. Writing fresh pages
// costs as much as the copy on some virtual machines, and two cores share it.
constexpr size_t kParallelRead = 8u << 20;
// A half is backed, read and searched for a NUL this much at a time, so that a text that ends
// early stops the reading soon and never backs the rest of its memory.
constexpr size_t kReadStep = 4u << 20;

// A text whose pieces passed CrLfBreaksOnly is in CR LF form when it is empty or ends in LF (a
// CR at its very end is a lone one).
bool CrLfLines(std::string_view text, bool piecesPassed) {
  return piecesPassed && (text.empty() || text.back() == '\n');
}

// One part of a large file, read by one thread.
struct Half {
  size_t offset = 0;
  size_t bytes = 0;
  size_t got = 0;
  int error = 0;  // errno of a failed read
  const char* nul = nullptr;
  bool crLf = true;  // no lone break in what was read (up to the NUL), its first seam aside

  // Stops early at a NUL of a text, at the end of a file that shrank, and once `stop` is set
  // (an earlier part found its NUL). `before` is the byte before the part, when it is known.
  void Read(int fd, char* text, bool isText, int before, const std::atomic<bool>* stop) noexcept {
    while (got < bytes && !(stop != nullptr && stop->load(std::memory_order_relaxed))) {
      char* into = text + offset + got;
      const size_t step = std::min(kReadStep, bytes - got);
      PopulateForWrite(into, step);
      const ssize_t n = ReadRange(fd, into, offset + got, step);
      if (n < 0) {
        error = errno;
        return;
      }
      got += static_cast<size_t>(n);
      if (!isText) {
        if (static_cast<size_t>(n) < step) return;
        continue;
      }
      nul = static_cast<const char*>(std::memchr(into, '\0', static_cast<size_t>(n)));
      // Judged while the piece is still in the cache: the message model needs no pass of its own.
      const size_t length = nul != nullptr ? static_cast<size_t>(nul - into) : static_cast<size_t>(n);
      const int previous = into == text + offset ? before : static_cast<unsigned char>(into[-1]);
      crLf = crLf && CrLfBreaksOnly(std::string_view(into, length), previous);
      if (nul != nullptr || static_cast<size_t>(n) < step) return;
    }
  }
};

TextRead ReadFile(const std::string& path, bool isText) {
  // Non-blocking, so that opening a FIFO returns at once; O_NOCTTY, so that a terminal named
  // by mistake does not become ours before it is refused.
  FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) throw EFOpenError(path);
  struct stat st;
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) {
    throw EFOpenError(path);
  }
  // The first piece goes through a small buffer; the whole file's memory is asked for only
  // when that piece holds no NUL, so a text that ends early (a large sparse file that begins
  // with a NUL) never needs it. The file is read as large as it was when it was opened.
  char buffer[65536];
  const ssize_t first = ReadRange(fd.Get(), buffer, 0, sizeof buffer);
  if (first < 0) throw EFOpenError(path);
  const size_t piece = static_cast<size_t>(first);
  const void* nul = isText ? std::memchr(buffer, '\0', piece) : nullptr;
  if (nul || piece < sizeof buffer || static_cast<size_t>(st.st_size) <= piece) {
    const size_t size = nul ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : piece;
    const std::string_view text(buffer, size);
    return {ByteString(text), isText && CrLfLines(text, CrLfBreaksOnly(text, '\0'))};
  }
  const size_t total = static_cast<size_t>(st.st_size);
  bool crLf = false;
  ByteString text = ByteString::Filled(total, [&](char* room) {
    std::memcpy(room, buffer, piece);
    Half front{piece, total - piece};
    Half back;
    if (front.bytes >= kParallelRead) {
      back.offset = piece + front.bytes / 2;
      back.bytes = total - back.offset;
      front.bytes -= back.bytes;
    }
    std::atomic<bool> stop = false;
    {
      std::optional<std::thread> helper;
      if (back.bytes > 0) {
        helper.emplace([&] { back.Read(fd.Get(), room, isText, kUnknownByte, &stop); });
      }
      front.Read(fd.Get(), room, isText, static_cast<unsigned char>(buffer[piece - 1]), nullptr);
      if (front.nul != nullptr) stop = true;
      if (helper) helper->join();
    }
    if (front.error != 0 || back.error != 0) throw EFOpenError(path);
    const std::string_view head(room, piece);
    crLf = isText && CrLfBreaksOnly(head, '\0') && front.crLf;
    auto ends = [&](size_t size) {
      crLf = CrLfLines(std::string_view(room, size), crLf);
      return size;
    };
    if (front.nul != nullptr) return ends(static_cast<size_t>(front.nul - room));
    // A file that shrank while it was read ends where the first part ran short.
    if (front.got < front.bytes) return ends(front.offset + front.got);
    if (back.bytes == 0) return ends(front.offset + front.got);
    // The seam between the parts, which neither thread could judge alone.
    const size_t seam = back.offset;
    crLf = crLf && back.crLf &&
           (back.got == 0 || back.nul == room + seam ||
            CrLfBreaksOnly(std::string_view(room + seam, 1), static_cast<unsigned char>(room[seam - 1])));
    if (back.nul != nullptr) return ends(static_cast<size_t>(back.nul - room));
    return ends(back.offset + back.got);
  });
  return {std::move(text), crLf};
}

}  // namespace

std::string ExePath() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::string ExtractFilePath(std::string_view path) {
  size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view path) {
  size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  size_t slash = path.rfind('/');
  size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  size_t dot = path.rfind('.');
  size_t stem = (dot == std::string_view::npos || dot < nameStart) ? path.size() : dot;
  std::string out(path.substr(0, stem));
  out.append(ext);
  return out;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string ReadFileBytes(const std::string& path) { return ReadFile(path, false).text.str(); }

ByteString ReadTextBytes(const std::string& path) { return ReadFile(path, true).text; }

TextRead ReadTextLines(const std::string& path) { return ReadFile(path, true); }

}  // namespace platform
