#pragma once
// Our own small form stream, for the properties an object stores itself (DefineProperties).
//
// Format: a sequence of properties. A property is its name (one length byte, then the bytes)
// followed by its value. A list is the byte 'L', its items, then the byte '.'; a string item is
// the byte 'S', its length as four bytes little-endian, then the bytes.

#include <functional>
#include <string>
#include <string_view>

#include "platform/persistent.h"

namespace platform {

class TReader;
class TWriter;

class TFiler {
 public:
  virtual ~TFiler() = default;

  // One property of the object's own. A reader calls ReadData when the stream holds Name
  // next; a writer writes Name and calls WriteData when HasData.
  virtual void DefineProperty(std::string_view Name, const std::function<void(TReader&)>& ReadData,
                              const std::function<void(TWriter&)>& WriteData, bool HasData) = 0;

  // The same object on the form this one inherits from, or nullptr: a writer stores only what
  // differs from it.
  const TPersistent* Ancestor() const { return ancestor_; }

 protected:
  explicit TFiler(const TPersistent* Ancestor) : ancestor_(Ancestor) {}

 private:
  const TPersistent* ancestor_;
};

class TWriter final : public TFiler {
 public:
  explicit TWriter(const TPersistent* Ancestor = nullptr) : TFiler(Ancestor) {}

  // Names are at most 255 bytes.
  void DefineProperty(std::string_view Name, const std::function<void(TReader&)>& ReadData,
                      const std::function<void(TWriter&)>& WriteData, bool HasData) override;
  void WriteListBegin() { bytes_ += 'L'; }
  void WriteListEnd() { bytes_ += '.'; }
  void WriteString(std::string_view Value);

  // What has been written.
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Every read of something the stream does not hold where it is read raises EReadError.
class TReader final : public TFiler {
 public:
  // The bytes must outlive the reader.
  explicit TReader(std::string_view Bytes) : TFiler(nullptr), bytes_(Bytes) {}

  void DefineProperty(std::string_view Name, const std::function<void(TReader&)>& ReadData,
                      const std::function<void(TWriter&)>& WriteData, bool HasData) override;
  void ReadListBegin() { Expect('L'); }
  // True when the list's end comes next.
  bool EndOfList() const;
  void ReadListEnd() { Expect('.'); }
  std::string ReadString();

  // Every byte has been read.
  bool AtEnd() const { return position_ == bytes_.size(); }

 private:
  void Expect(char Tag);
  std::string_view Take(size_t Size);

  std::string_view bytes_;
  size_t position_ = 0;
};

}  // namespace platform
