#include "app/status_texts.h"

#include <cstdio>

namespace quillet {

std::string CaretPositionText(const editor::TEditor& view) {
  const int line = view.ScreenStrings().RowToLine(view.Row()) + 1;
  const int byte = view.ColToChar(view.Row(), view.Col()) + 1;
  char text[64];
  std::snprintf(text, sizeof text, "%.5d行 : %.5d桁", line, byte);
  return text;
}

std::string SelectionSizeText(int length) {
  return "選択文字列のサイズ： " + std::to_string(length) + "bytes";
}

}  // namespace quillet
