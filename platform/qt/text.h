#pragma once
// Crossing between our CP932 byte strings and Qt's Unicode strings, for display only.

#include <QString>

#include <string>
#include <string_view>

namespace platform::qt {

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);  // to CP932

// A path's bytes for a message or a title (see platform::DisplayPath).
QString PathToQString(std::string_view path);

}  // namespace platform::qt
