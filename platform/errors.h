#pragma once
// The platform's failures. Each is an exception whose what() is the finished Japanese message
// in UTF-8, ready for the application's error box. Callers pass the raw bytes they have; each
// constructor says how it decodes them for display.

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be opened. `path` is the operating system's bytes.
class EFOpenError : public Exception {
 public:
  explicit EFOpenError(std::string_view path);
};

// A failed conversion: text that is no integer, or an assignment between unrelated types.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  static EConvertError NotAnInteger(std::string_view cp932Text);
  static EConvertError CannotAssign(std::string_view sourceClass, std::string_view destClass);
};

// An index outside a list.
class EListError : public Exception {
 public:
  EListError();
};

// Bytes that could not be read: a failed file read, or a stream that ends early or holds what
// its reader does not expect.
class EReadError : public Exception {
 public:
  EReadError();
};

// Memory that could not be had. The standard library says std::bad_alloc; every place that
// reports errors shows this instead, so the user reads what happened in the program's language.
class EOutOfMemory : public Exception {
 public:
  EOutOfMemory();
};

// A settings write the system refused. `path` is the operating system's bytes.
class EIniFileException : public Exception {
 public:
  explicit EIniFileException(std::string_view path);
};

// A registry value of the wrong type. `valueName` is CP932.
class ERegistryException : public Exception {
 public:
  explicit ERegistryException(std::string_view cp932ValueName);
};

// Replaces each "%s" of `format` by the next argument, in order; a "%s" without an argument
// is left as it is.
std::string FormatMessage(std::string_view format, std::initializer_list<std::string_view> args);

// A path's bytes as UTF-8 for a message: kept when they are valid UTF-8 (the usual Linux file
// name), otherwise read as CP932 (names made by the host client under Wine).
std::string DisplayPath(std::string_view path);

}  // namespace platform
