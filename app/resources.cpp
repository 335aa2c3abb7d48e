#include "app/resources.h"

static void InitResources() { Q_INIT_RESOURCE(quillet); }

namespace quillet::resources {
namespace {

// The resource file lives in a static library, so it must be registered before first use.
void EnsureRegistered() {
  static const bool registered = (InitResources(), true);
  (void)registered;
}

// Where the tip of the index finger is in cs_point.xpm.
constexpr int kPointHotX = 10;
constexpr int kPointHotY = 1;

QString Path(const char* name) {
  EnsureRegistered();
  return QStringLiteral(":/") + QLatin1String(name);
}

}  // namespace

QPixmap Stamp(int index) {
  return QPixmap(Path("stamp") + QString::number(index) + QStringLiteral(".xpm"));
}

QCursor PointCursor() {
  // The image's own hotspot is the tip of the index finger.
  QPixmap image(Path("cs_point.xpm"));
  return QCursor(image, kPointHotX, kPointHotY);
}

QIcon ApplicationIcon() {
  QIcon icon(Path("quillet.xpm"));
  icon.addFile(Path("quillet16.xpm"));
  return icon;
}

QPixmap Banner() { return QPixmap(Path("banner.xpm")); }

QImage ToolbarStrip() { return QImage(Path("toolbar.xpm")); }

}  // namespace quillet::resources
