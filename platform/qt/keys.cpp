#include "platform/qt/keys.h"

#include <Qt>
#include <utility>

#include "platform/input_events.h"

namespace platform::qt {
namespace {

// Letters, digits and function keys are ranges and not listed. The main Qt key of a virtual
// key comes first.
constexpr std::pair<int, int> kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},        {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},           {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},          {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},       {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},           {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},           {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},         {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},             {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},                 {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},             {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},         {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},        {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},       {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},           {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},     {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},    {Qt::Key_Apostrophe, VK_OEM_7},
};

// Qt numbers letters and digits as their ASCII upper-case codes, as the virtual keys do.
bool LetterOrDigit(int key) {
  return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

}  // namespace

int VirtualKey(int qtKey) {
  if (LetterOrDigit(qtKey)) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
  for (auto [qt, virtualKey] : kKeys) {
    if (qt == qtKey) return virtualKey;
  }
  return 0;
}

int QtKey(int virtualKey) {
  if (LetterOrDigit(virtualKey)) return virtualKey;
  if (virtualKey >= VK_F1 && virtualKey <= VK_F1 + 23) return Qt::Key_F1 + (virtualKey - VK_F1);
  for (auto [qt, each] : kKeys) {
    if (each == virtualKey) return qt;
  }
  return 0;
}

}  // namespace platform::qt
