#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <utility>

#include "platform/errors.h"
#include "platform/ini_text.h"
#include "platform/paths.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// More links than this make a loop; opening the path then fails.
constexpr int kMaxLinks = 40;

// What follows the file's name in a temporary file's name, before mkstemp's six characters.
constexpr std::string_view kTempInfix = ".tmp-";
constexpr std::size_t kTempRandomSize = 6;

// The file that `path` names once symbolic links are followed; a link that points nowhere
// names the file it would point to.
std::string FollowLinks(const std::string& path) {
  fs::path file(path);
  std::error_code error;
  for (int hops = 0; hops < kMaxLinks && fs::is_symlink(fs::symlink_status(file, error)); ++hops) {
    const fs::path target = fs::read_symlink(file, error);
    if (error) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file.string();
}

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  // False when the system reports that data may not have reached the file.
  bool Close() {
    const bool closed = fd_ < 0 || close(fd_) == 0;
    fd_ = -1;
    return closed;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file held under an exclusive lock for one write. Every failure throws EIniFileException
// with the name the caller knows the file by.
class LockedFile {
 public:
  // `path` has its links followed already. A missing file is made, empty, to hold the lock.
  LockedFile(std::string path, std::string shownName)
      : path_(std::move(path)), shownName_(std::move(shownName)) {
    while (!TryLock()) {
    }
    if (!S_ISREG(held_.st_mode) || (held_.st_mode & 0222) == 0 ||
        access(path_.c_str(), W_OK) != 0) {
      Refuse();
    }
    RemoveStaleTemporaries();
  }
  // A file this write made and never filled is removed again.
  ~LockedFile() { Forget(); }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  std::string Read() {
    try {
      return ReadFileBytes(path_);
    } catch (const EFOpenError&) {
      Refuse();
    }
  }

  void Replace(std::string_view bytes) {
    std::string temp = path_ + std::string(kTempInfix) + std::string(kTempRandomSize, 'X');
    Descriptor out(mkostemp(temp.data(), O_CLOEXEC));
    if (out.Get() < 0) Refuse();
    if (!WriteAll(out.Get(), bytes) || fchmod(out.Get(), held_.st_mode & 07777) != 0 ||
        fsync(out.Get()) != 0 || !out.Close() || rename(temp.c_str(), path_.c_str()) != 0) {
      unlink(temp.c_str());
      Refuse();
    }
    made_ = false;
    // The rename itself reaches the disk with the folder.
    const fs::path folder = Folder();
    Descriptor folderFd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() >= 0) fsync(folderFd.Get());
  }

 private:
  // One attempt; false when the file was replaced or removed while this waited for the lock,
  // so that the lock held is always that of the file the path names.
  bool TryLock() {
    made_ = false;  // a file an earlier attempt made is no longer the one the path names
    fd_.Close();    // before open, so that closing cannot change the errno read below
    fd_.Reset(open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    bool made = false;
    if (fd_.Get() < 0 && errno == ENOENT) {
      fd_.Reset(open(path_.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
      if (fd_.Get() < 0 && errno == EEXIST) return false;
      made = true;
    }
    if (fd_.Get() < 0) Refuse();
    while (flock(fd_.Get(), LOCK_EX) != 0) {
      if (errno != EINTR) Refuse();
    }
    struct stat now;
    if (fstat(fd_.Get(), &held_) != 0 || stat(path_.c_str(), &now) != 0 ||
        now.st_dev != held_.st_dev || now.st_ino != held_.st_ino) {
      return false;
    }
    made_ = made;
    return true;
  }

  // Holding the lock, this is the only writer: any temporary file of the settings file is
  // left by a writer that was killed.
  void RemoveStaleTemporaries() const {
    const std::string prefix = fs::path(path_).filename().string() + std::string(kTempInfix);
    std::error_code error;
    for (fs::directory_iterator entry(Folder(), error), end; !error && entry != end;
         entry.increment(error)) {
      const std::string name = entry->path().filename().string();
      if (name.size() == prefix.size() + kTempRandomSize && name.starts_with(prefix)) {
        std::error_code ignored;
        fs::remove(entry->path(), ignored);
      }
    }
  }

  fs::path Folder() const {
    const fs::path folder = fs::path(path_).parent_path();
    return folder.empty() ? fs::path(".") : folder;
  }

  void Forget() {
    if (made_) unlink(path_.c_str());
    made_ = false;
  }

  [[noreturn]] void Refuse() {
    Forget();
    throw EIniFileException(shownName_);
  }

  std::string path_;
  std::string shownName_;
  Descriptor fd_;
  struct stat held_ {};
  bool made_ = false;  // this write made the file, and it is still empty
};

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::optional<std::string> TIniFile::FindString(std::string_view section,
                                                std::string_view key) const {
  std::string text;
  try {
    text = ReadFileBytes(fileName_);
  } catch (const EFOpenError&) {
  }
  const std::optional<std::string_view> value = ini::FindValue(text, section, key);
  if (!value) return std::nullopt;
  return std::string(*value);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const TIniValue one{std::string(section), std::string(key), std::string(value)};
  WriteStrings(std::span(&one, 1));
}

void TIniFile::WriteStrings(std::span<const TIniValue> values) {
  LockedFile file(FollowLinks(fileName_), fileName_);
  const std::string old = file.Read();
  std::string text = old;
  for (const TIniValue& each : values) {
    std::optional<std::string> updated = ini::SetValue(text, each.Section, each.Key, each.Value);
    if (!updated) throw EIniFileException(fileName_);
    text = std::move(*updated);
  }
  // An unchanged file that this write made (empty) is removed again by the lock's end.
  if (text != old) file.Replace(text);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace platform
