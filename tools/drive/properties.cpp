#include "tools/drive/properties.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/cp932.h"

namespace drive {
namespace {

using editor::TEditor;

struct Property {
  std::string_view name;
  std::string values;  // for the help
  std::function<Setting(std::string_view value)> parse;
};

template <class F>
Property Int(std::string_view name, F set) {
  return {name, "N", [set](std::string_view value) -> Setting {
            const int n = ParseInt(value);
            return [set, n](TEditor& view) { set(view, n); };
          }};
}

template <class F>
Property Bool(std::string_view name, F set) {
  return {name, "0|1", [set](std::string_view value) -> Setting {
            const bool on = ParseBool(value);
            return [set, on](TEditor& view) { set(view, on); };
          }};
}

template <class E, class F>
Property Enum(std::string_view name, std::vector<std::pair<std::string_view, E>> names, F set) {
  std::string values;
  for (const auto& entry : names) values += (values.empty() ? "" : "|") + std::string(entry.first);
  return {name, values, [set, names, values](std::string_view value) -> Setting {
            for (const auto& [text, e] : names) {
              if (text == value) return [set, e = e](TEditor& view) { set(view, e); };
            }
            throw BadValue{"'" + std::string(value) + "' is not one of " + values};
          }};
}

template <class F>
Property Text(std::string_view name, F set) {
  return {name, "TEXT", [set](std::string_view value) -> Setting {
            return [set, text = ScriptText(value)](TEditor& view) { set(view, text); };
          }};
}

// "bold,italic": a comma-separated set, empty for none.
Property FontStyle() {
  return {"Font.Style", "[bold][,italic][,underline][,strikeout]",
          [](std::string_view value) -> Setting {
            static const std::pair<std::string_view, platform::TFontStyle> kStyles[] = {
                {"bold", platform::fsBold},
                {"italic", platform::fsItalic},
                {"underline", platform::fsUnderline},
                {"strikeout", platform::fsStrikeOut}};
            platform::TFontStyles styles;
            while (!value.empty()) {
              const size_t comma = std::min(value.find(','), value.size());
              const std::string_view word = value.substr(0, comma);
              auto found = std::find_if(std::begin(kStyles), std::end(kStyles),
                                        [&](const auto& s) { return s.first == word; });
              if (found == std::end(kStyles)) {
                throw BadValue{"'" + std::string(word) + "' is no font style"};
              }
              styles.Include(found->second);
              value.remove_prefix(std::min(value.size(), comma + 1));
            }
            return [styles](TEditor& view) { view.Font().SetStyle(styles); };
          }};
}

template <class Mark>
Property MarkVisible(std::string_view name, Mark mark) {
  return Bool(name, [mark](TEditor& v, bool on) { (v.Marks().*mark)().SetVisible(on); });
}

const std::vector<Property>& Properties() {
  using namespace editor;
  using MarkOf = TEditorMark& (TEditorMarks::*)();
  static const std::vector<Property> kProperties = {
      Text("Font.Name", [](TEditor& v, const std::string& s) { v.Font().SetName(s); }),
      Int("Font.Size", [](TEditor& v, int n) { v.Font().SetSize(n); }),
      Int("Font.Height", [](TEditor& v, int n) { v.Font().SetHeight(n); }),
      Int("Font.Charset", [](TEditor& v, int n) { v.Font().SetCharset(n); }),
      FontStyle(),
      Int("Color", [](TEditor& v, int n) { v.SetColor(n); }),
      Int("Margin.Left", [](TEditor& v, int n) { v.Margin().SetLeft(n); }),
      Int("Margin.Top", [](TEditor& v, int n) { v.Margin().SetTop(n); }),
      Int("Margin.Line", [](TEditor& v, int n) { v.Margin().SetLine(n); }),
      Int("Margin.Character", [](TEditor& v, int n) { v.Margin().SetCharacter(n); }),
      Int("Caret.TabSpaceCount", [](TEditor& v, int n) { v.Caret().SetTabSpaceCount(n); }),
      Enum<TEditorCaretStyle>("Caret.Style", {{"csDefault", csDefault}, {"csBrief", csBrief}},
                              [](TEditor& v, TEditorCaretStyle s) { v.Caret().SetStyle(s); }),
      Bool("Caret.FreeCaret", [](TEditor& v, bool b) { v.Caret().SetFreeCaret(b); }),
      Bool("Caret.FreeRow", [](TEditor& v, bool b) { v.Caret().SetFreeRow(b); }),
      Bool("Caret.InTab", [](TEditor& v, bool b) { v.Caret().SetInTab(b); }),
      Bool("Caret.KeepCaret", [](TEditor& v, bool b) { v.Caret().SetKeepCaret(b); }),
      Bool("Caret.LockScroll", [](TEditor& v, bool b) { v.Caret().SetLockScroll(b); }),
      Bool("Caret.NextLine", [](TEditor& v, bool b) { v.Caret().SetNextLine(b); }),
      Bool("Leftbar.Visible", [](TEditor& v, bool b) { v.Leftbar().SetVisible(b); }),
      Int("Leftbar.Column", [](TEditor& v, int n) { v.Leftbar().SetColumn(n); }),
      Bool("Leftbar.ShowNumber", [](TEditor& v, bool b) { v.Leftbar().SetShowNumber(b); }),
      Enum<TEditorShowNumberMode>(
          "Leftbar.ShowNumberMode", {{"nmRow", nmRow}, {"nmLine", nmLine}},
          [](TEditor& v, TEditorShowNumberMode m) { v.Leftbar().SetShowNumberMode(m); }),
      Bool("Leftbar.ZeroBase", [](TEditor& v, bool b) { v.Leftbar().SetZeroBase(b); }),
      Bool("Leftbar.Edge", [](TEditor& v, bool b) { v.Leftbar().SetEdge(b); }),
      Int("Leftbar.LeftMargin", [](TEditor& v, int n) { v.Leftbar().SetLeftMargin(n); }),
      Int("Leftbar.RightMargin", [](TEditor& v, int n) { v.Leftbar().SetRightMargin(n); }),
      Bool("Ruler.Visible", [](TEditor& v, bool b) { v.Ruler().SetVisible(b); }),
      Bool("Ruler.Edge", [](TEditor& v, bool b) { v.Ruler().SetEdge(b); }),
      Int("Ruler.GaugeRange", [](TEditor& v, int n) { v.Ruler().SetGaugeRange(n); }),
      Bool("Imagebar.Visible", [](TEditor& v, bool b) { v.Imagebar().SetVisible(b); }),
      Int("Imagebar.DigitWidth", [](TEditor& v, int n) { v.Imagebar().SetDigitWidth(n); }),
      Int("Imagebar.LeftMargin", [](TEditor& v, int n) { v.Imagebar().SetLeftMargin(n); }),
      Int("Imagebar.MarkWidth", [](TEditor& v, int n) { v.Imagebar().SetMarkWidth(n); }),
      Int("Imagebar.RightMargin", [](TEditor& v, int n) { v.Imagebar().SetRightMargin(n); }),
      MarkVisible("Marks.EofMark.Visible", static_cast<MarkOf>(&TEditorMarks::EofMark)),
      MarkVisible("Marks.RetMark.Visible", static_cast<MarkOf>(&TEditorMarks::RetMark)),
      MarkVisible("Marks.WrapMark.Visible", static_cast<MarkOf>(&TEditorMarks::WrapMark)),
      MarkVisible("Marks.HideMark.Visible", static_cast<MarkOf>(&TEditorMarks::HideMark)),
      MarkVisible("Marks.Underline.Visible", static_cast<MarkOf>(&TEditorMarks::Underline)),
      Bool("WordWrap", [](TEditor& v, bool b) { v.SetWordWrap(b); }),
      Int("WrapOption.WrapByte", [](TEditor& v, int n) { v.WrapOption().SetWrapByte(n); }),
      Bool("WrapOption.WordBreak", [](TEditor& v, bool b) { v.WrapOption().SetWordBreak(b); }),
      Bool("WrapOption.Leading", [](TEditor& v, bool b) { v.WrapOption().SetLeading(b); }),
      Bool("WrapOption.FollowPunctuation",
           [](TEditor& v, bool b) { v.WrapOption().SetFollowPunctuation(b); }),
      Bool("WrapOption.FollowRetMark",
           [](TEditor& v, bool b) { v.WrapOption().SetFollowRetMark(b); }),
      Enum<TScrollStyle>("ScrollBars",
                         {{"ssNone", ssNone},
                          {"ssHorizontal", ssHorizontal},
                          {"ssVertical", ssVertical},
                          {"ssBoth", ssBoth}},
                         [](TEditor& v, TScrollStyle s) { v.SetScrollBars(s); }),
      Bool("ReadOnly", [](TEditor& v, bool b) { v.SetReadOnly(b); }),
      Enum<TBorderStyle>("BorderStyle", {{"bsNone", bsNone}, {"bsSingle", bsSingle}},
                         [](TEditor& v, TBorderStyle s) { v.SetBorderStyle(s); }),
      Enum<TEditorHitStyle>("HitStyle",
                            {{"hsSelect", hsSelect}, {"hsDraw", hsDraw}, {"hsCaret", hsCaret}},
                            [](TEditor& v, TEditorHitStyle s) { v.SetHitStyle(s); }),
      Int("UndoListMax", [](TEditor& v, int n) { v.SetUndoListMax(n); }),
      Int("Speed.PageVerticalRange", [](TEditor& v, int n) { v.Speed().SetPageVerticalRange(n); }),
      Int("Speed.PageVerticalRangeAc",
          [](TEditor& v, int n) { v.Speed().SetPageVerticalRangeAc(n); }),
      Int("Speed.CaretVerticalAc", [](TEditor& v, int n) { v.Speed().SetCaretVerticalAc(n); }),
      Bool("View.Url", [](TEditor& v, bool b) { v.View().SetUrl(b); }),
      Bool("View.Mail", [](TEditor& v, bool b) { v.View().SetMail(b); }),
      Bool("View.ControlCode", [](TEditor& v, bool b) { v.View().SetControlCode(b); }),
      // The state a repeating key leaves; the page keys scroll by the Ac speeds while it holds.
      Bool("KeyRepeat", [](TEditor& v, bool b) { v.SetKeyRepeat(b); }),
  };
  return kProperties;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

int ParseInt(std::string_view word) {
  std::string_view digits = word;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits.remove_prefix(2);
  }
  long long value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      digits.front() == '-' || digits.front() == '+') {
    throw BadValue{"'" + std::string(word) + "' is not an integer"};
  }
  if (negative) value = -value;
  // Hexadecimal reaches the whole 32 bits, so that colours such as 0x80000005 can be written.
  if (value < INT32_MIN || value > (base == 16 ? 0xFFFFFFFFLL : INT32_MAX)) {
    throw BadValue{"'" + std::string(word) + "' is out of range"};
  }
  return static_cast<int>(static_cast<std::uint32_t>(value));
}

bool ParseBool(std::string_view word) {
  std::string lower(word);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "1" || lower == "true") return true;
  if (lower == "0" || lower == "false") return false;
  throw BadValue{"'" + std::string(word) + "' is not 0, 1, true or false"};
}

void ParseSize(std::string_view word, int& width, int& height) {
  const size_t x = word.find('x');
  if (x == std::string_view::npos) throw BadValue{"'" + std::string(word) + "' is not WxH"};
  try {
    width = ParseInt(word.substr(0, x));
    height = ParseInt(word.substr(x + 1));
  } catch (const BadValue&) {
    throw BadValue{"'" + std::string(word) + "' is not WxH"};
  }
  if (width < 1 || width > 10000 || height < 1 || height > 10000) {
    throw BadValue{"size " + std::string(word) + " is outside 1x1 ... 10000x10000"};
  }
}

std::string ScriptText(std::string_view utf8) {
  std::string text;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] != '\\' || i + 1 == utf8.size()) {
      text += utf8[i];
      continue;
    }
    switch (utf8[++i]) {
      case 'n':
        text += '\n';
        break;
      case 'r':
        text += '\r';
        break;
      case 't':
        text += '\t';
        break;
      case '\\':
        text += '\\';
        break;
      default:
        throw BadValue{"'\\" + std::string(1, utf8[i]) + "' is no escape (\\n \\r \\t \\\\)"};
    }
  }
  return platform::cp932::FromUtf8(text);
}

Setting ParseSetting(std::string_view assignment) {
  const size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) throw BadValue{"expected Name=Value"};
  const std::string_view name = Trim(assignment.substr(0, equals));
  const std::string_view value = Trim(assignment.substr(equals + 1));
  for (const Property& property : Properties()) {
    if (property.name != name) continue;
    try {
      return property.parse(value);
    } catch (const BadValue& bad) {
      throw BadValue{std::string(name) + ": " + bad.reason};
    }
  }
  throw BadValue{"'" + std::string(name) + "' is no property the driver sets"};
}

std::string SettingHelp() {
  std::string help;
  for (const Property& property : Properties()) {
    help += "    " + std::string(property.name) + "=" + property.values + "\n";
  }
  return help;
}

}  // namespace drive
