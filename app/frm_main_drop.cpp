// A message file dropped onto the main window replaces the message shown.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <optional>

#include "app/frm_main.h"
#include "platform/qt/application.h"

namespace quillet {
namespace {

// The path of the one local file a drag carries; nothing for several, remote or no URLs.
std::optional<std::string> DraggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  // The name's bytes as the file system holds them.
  const QByteArray path = QFile::encodeName(urls.front().toLocalFile());
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  platform::qt::Guard([event] {
    if (DraggedFile(event->mimeData())) event->acceptProposedAction();
  });
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
  platform::qt::Guard([event] {
    if (DraggedFile(event->mimeData())) event->acceptProposedAction();
  });
}

void TfrmMain::dropEvent(QDropEvent* event) {
  platform::qt::Guard([this, event] {
    std::optional<std::string> path = DraggedFile(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    OpenMessage(*path);
  });
}

// Read first, so that a file that cannot be read leaves path, headers and text as they were.
// The message's priority is checked last, as at start-up: a bad one is reported with the new
// message already shown.
void TfrmMain::OpenMessage(const std::string& path) {
  LoadedMessage message = LoadMessage(path, viewMode_);
  messagePath_ = path;
  ShowLoaded(std::move(message), true);
}

}  // namespace quillet
