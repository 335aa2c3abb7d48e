#include "app/window_settings.h"

#include "app/settings_location.h"
#include "platform/paths.h"

namespace quillet {
namespace {

constexpr char kWindow[] = "Window";

// Where the position comes from when PosOption has no meaning and SizOption was 0.
constexpr WindowPoint kDesignPosition{317, 120};

constexpr int kMaxImageSize = 256;

}  // namespace

BarSettings ReadBarSettings(const platform::TIniReader& ini) {
  return {ini.ReadBool("Bar", "Toolbar", true), ini.ReadBool("Bar", "HeaderBar", true),
          ini.ReadBool("Bar", "StatusBar", true)};
}

WindowPlacement ReadWindowPlacement(const platform::TIniReader& ini, WindowSize screen) {
  WindowPlacement placement;
  const int halfWidth = screen.width / 2;
  const int halfHeight = screen.height / 2;
  const int sizeMode = ini.ReadInteger(kWindow, "SizOption", 1);
  if (sizeMode == 1) {
    placement.outerSize = WindowSize{ini.ReadInteger(kWindow, "Width", halfWidth),
                                     ini.ReadInteger(kWindow, "Height", halfHeight)};
    placement.maximized = ini.ReadBool(kWindow, "WindowStyle", false);
  } else if (sizeMode == 2) {
    placement.outerSize = WindowSize{ini.ReadInteger(kWindow, "UserWidth", halfWidth),
                                     ini.ReadInteger(kWindow, "UserHeight", halfHeight)};
  }
  const int positionMode = ini.ReadInteger(kWindow, "PosOption", 0);
  if (positionMode == 1) {
    placement.position =
        WindowPoint{ini.ReadInteger(kWindow, "Left", 0), ini.ReadInteger(kWindow, "Top", 0)};
  } else if (positionMode == 2) {
    placement.position = WindowPoint{ini.ReadInteger(kWindow, "UserLeft", 0),
                                     ini.ReadInteger(kWindow, "UserTop", 0)};
  } else if (positionMode != 0 && sizeMode == 0) {
    placement.position = kDesignPosition;
  }
  return placement;
}

void SaveWindowGeometry(platform::TIniFile& ini, const WindowGeometry& geometry) {
  if (ini.ReadInteger(kWindow, "PosOption", 0) == 1) {
    ini.WriteBool(kWindow, "WindowStyle", geometry.maximized);
    if (!geometry.maximized && geometry.positionKnown) {
      ini.WriteInteger(kWindow, "Left", geometry.left);
      ini.WriteInteger(kWindow, "Top", geometry.top);
    }
  }
  if (ini.ReadInteger(kWindow, "SizOption", 1) == 1) {
    ini.WriteBool(kWindow, "WindowStyle", geometry.maximized);
    if (!geometry.maximized) {
      ini.WriteInteger(kWindow, "Width", geometry.width);
      ini.WriteInteger(kWindow, "Height", geometry.height);
    }
  }
}

ToolbarImages ReadToolbarImages(const platform::TIniReader& ini) {
  ToolbarImages images;
  const int size = ini.ReadInteger("ToolBar", "Size", images.size);
  if (size >= 1 && size <= kMaxImageSize) images.size = size;
  const std::string image = ini.ReadString("ToolBar", "Image", "none");
  if (platform::ExtractFileName(image) != "none") {
    images.builtIn = false;
    const std::string file = FindBesideSettings(image);
    if (platform::FileExists(file)) images.file = file;
  }
  return images;
}

}  // namespace quillet
