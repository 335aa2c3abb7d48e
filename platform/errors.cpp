#include "platform/errors.h"

#include "platform/cp932.h"

namespace platform {
namespace {

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3
               : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

}  // namespace

std::string FormatMessage(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string out;
  auto arg = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && arg != args.end()) {
      out.append(*arg++);
      ++i;
    } else {
      out.push_back(format[i]);
    }
  }
  return out;
}

std::string DisplayPath(std::string_view path) {
  return IsValidUtf8(path) ? std::string(path) : cp932::ToUtf8(path);
}

EFOpenError::EFOpenError(std::string_view path)
    : Exception(FormatMessage("ファイル %s は開けません", {DisplayPath(path)})) {}

EConvertError EConvertError::NotAnInteger(std::string_view cp932Text) {
  return EConvertError(FormatMessage("'%s' は整数ではありません", {cp932::ToUtf8(cp932Text)}));
}

EConvertError EConvertError::CannotAssign(std::string_view sourceClass, std::string_view destClass) {
  return EConvertError(FormatMessage("%s を %s に代入することはできません", {sourceClass, destClass}));
}

EListError::EListError() : Exception("リストのインデックスが範囲を超えています") {}

EReadError::EReadError() : Exception("ストリームの読み込みエラー") {}

EOutOfMemory::EOutOfMemory() : Exception("メモリが不足しています") {}

EIniFileException::EIniFileException(std::string_view path)
    : Exception(FormatMessage("%s に書き込めません", {DisplayPath(path)})) {}

ERegistryException::ERegistryException(std::string_view cp932ValueName)
    : Exception(FormatMessage("'%s' のデータ型が不正です", {cp932::ToUtf8(cp932ValueName)})) {}

}  // namespace platform
