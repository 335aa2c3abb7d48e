#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/bulk_memory.h"
#include "platform/errors.h"

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

std::string ReadFile(const std::string& path, bool stopAtNul) {
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
  // with a NUL) never needs it. The rest is read straight into the text, without a second copy.
  std::string data;
  char buffer[65536];
  size_t filled = 0;  // bytes of `data` read so far
  for (;;) {
    const bool direct = filled < data.size();
    char* into = direct ? data.data() + filled : buffer;
    const size_t room = direct ? data.size() - filled : sizeof buffer;
    ssize_t n = read(fd.Get(), into, room);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw EFOpenError(path);
    }
    if (n == 0) break;
    size_t count = static_cast<size_t>(n);
    const void* nul = stopAtNul ? std::memchr(into, '\0', count) : nullptr;
    if (nul) count = static_cast<size_t>(static_cast<const char*>(nul) - into);
    // The file may have grown since fstat.
    if (filled + count > kMaxFileSize) throw EFOpenError(path);
    if (!direct) {
      data.resize(filled);
      data.append(buffer, count);
      if (!nul && data.size() < static_cast<size_t>(st.st_size)) {
        data.reserve(static_cast<size_t>(st.st_size));
        PopulateForWrite(data.data(), data.capacity());
        data.resize(static_cast<size_t>(st.st_size));
      }
    }
    filled += count;
    if (nul) break;
  }
  data.resize(filled);
  return data;
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

std::string ReadFileBytes(const std::string& path) { return ReadFile(path, false); }

std::string ReadTextBytes(const std::string& path) { return ReadFile(path, true); }

}  // namespace platform
