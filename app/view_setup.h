#pragma once
// How the viewer sets up its text view before any setting is read: the window's design values,
// the look the settings file gives when it sets nothing else, and wrap mode 0. The window and
// the scripted driver share it, so that the driver shows what the viewer shows.

#include "editor/editor.h"

namespace quillet {

void SetUpViewerTextView(editor::TEditor& view);

}  // namespace quillet
