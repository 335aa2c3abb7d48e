#include "platform/qt/text.h"

#include "platform/cp932.h"
#include "platform/errors.h"

namespace platform::qt {

QString ToQString(std::string_view cp932) {
  std::string utf8 = cp932::ToUtf8(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  return cp932::FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString PathToQString(std::string_view path) {
  std::string utf8 = DisplayPath(path);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace platform::qt
