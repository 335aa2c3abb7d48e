#pragma once
// The Windows font names the program is designed with do not exist on Linux. One table maps
// each to installed Japanese fonts, in order of preference.

namespace platform::qt {

// Registers the substitutes with Qt's font matching; call once after the application starts.
void InstallFontSubstitutions();

}  // namespace platform::qt
