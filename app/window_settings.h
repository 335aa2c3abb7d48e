#pragma once
// The window's part of the settings file: the bars, the window's size and position at start-up
// and at close, and the tool bar images. Plain C++: the window applies what these read.

#include <optional>
#include <string>

#include "platform/ini_file.h"

namespace quillet {

// [Bar]: which bars are shown.
struct BarSettings {
  bool toolbar = true;
  bool headerBar = true;
  bool statusBar = true;
};
BarSettings ReadBarSettings(const platform::TIniReader& ini);

struct WindowSize {
  int width = 0;
  int height = 0;
};
struct WindowPoint {
  int left = 0;
  int top = 0;
};

// Where and how large the window starts: nothing where the system (the window manager)
// decides, which for the size means the design size.
struct WindowPlacement {
  std::optional<WindowSize> outerSize;
  bool maximized = false;
  std::optional<WindowPoint> position;
};
// [Window] SizOption, then PosOption with their keys. The default sizes are half of `screen`.
WindowPlacement ReadWindowPlacement(const platform::TIniReader& ini, WindowSize screen);

// The window as it closes: its outer frame.
struct WindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool maximized = false;
  // False where the window system does not tell a window its place (Wayland): Left and Top
  // keep the values they had.
  bool positionKnown = true;
};
// Writes what position mode 1 and size mode 1 keep; throws EIniFileException when a write is
// refused (the writes before it are done).
void SaveWindowGeometry(platform::TIniFile& ini, const WindowGeometry& geometry);

// [ToolBar]: the images' size and where the strip comes from.
struct ToolbarImages {
  int size = 16;          // 1 ... 256; any other value reads as the default
  bool builtIn = true;    // the program's own strip
  std::string file;       // otherwise this file; empty when it does not exist
};
// Image is looked for beside the settings file, then beside the executable.
ToolbarImages ReadToolbarImages(const platform::TIniReader& ini);

}  // namespace quillet
