#pragma once
// The host mail client's look applied to the text view over what the settings file gave.

#include "editor/editor.h"
#include "platform/registry.h"

namespace quillet {

// Reads the host's font, marks, line spacing and colours from `registry` and sets them on
// `view`, each option object hearing of its changes once. A value of the wrong type throws
// ERegistryException after what was read before it has been applied.
void ImportHostViewSettings(const platform::TRegistry& registry, editor::TEditor& view);

}  // namespace quillet
