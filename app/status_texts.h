#pragma once
// The texts of the main window's status panels (UTF-8), shared with the scripted driver.

#include <string>

#include "editor/editor.h"

namespace quillet {

// The caret's logical line and byte within it, both from 1 and at least five digits:
// "00003行 : 00001桁"; a column outside the text counts as byte 0.
std::string CaretPositionText(const editor::TEditor& view);

// The size of the selection in bytes: "選択文字列のサイズ： 10bytes".
std::string SelectionSizeText(int length);

}  // namespace quillet
