#include "platform/qt/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/cp932.h"

namespace platform::qt {

QString BoxMimeType() {
  return QString::fromLatin1(kBoxClipboardFormat.data(), static_cast<int>(kBoxClipboardFormat.size()));
}

void QtClipboard::SetText(std::string_view cp932, bool box) {
  auto mime = std::make_unique<QMimeData>();
  const std::string utf8 = cp932::ToUtf8(cp932);
  mime->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  if (box) {
    // Exactly the bytes, with the terminating NUL a reader of the format expects.
    QByteArray bytes(cp932.data(), static_cast<qsizetype>(cp932.size()));
    bytes.append('\0');
    mime->setData(BoxMimeType(), bytes);
  }
  QGuiApplication::clipboard()->setMimeData(mime.release());
}

std::optional<TClipboard::Content> QtClipboard::Text() const {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime == nullptr || !mime->hasText()) return std::nullopt;
  const QByteArray utf8 = mime->text().toUtf8();
  Content content;
  content.Text = cp932::FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
  content.Box = mime->hasFormat(BoxMimeType());
  return content;
}

}  // namespace platform::qt
