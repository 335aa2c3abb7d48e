#include "app/view_settings.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "fountain/editor_colors.h"
#include "platform/colors.h"
#include "platform/font.h"
#include "textstore/wrap.h"

namespace quillet {
namespace {

using namespace editor;
using platform::TColor;

// One value of the settings file, or its default when there is no file to read.
class Reader {
 public:
  explicit Reader(const platform::TIniReader* ini) : ini_(ini) {}
  void Section(std::string_view name) { section_ = name; }
  int Int(std::string_view key, int def) const {
    return ini_ != nullptr ? ini_->ReadInteger(section_, key, def) : def;
  }
  bool Bool(std::string_view key, bool def) const {
    return ini_ != nullptr ? ini_->ReadBool(section_, key, def) : def;
  }
  platform::ByteString Str(std::string_view key, std::string_view def) const {
    return platform::ByteString(ini_ != nullptr ? ini_->ReadString(section_, key, def)
                                                : std::string(def));
  }

 private:
  const platform::TIniReader* ini_;
  std::string_view section_;
};

struct ColorDefaults {
  std::string_view name;
  TColor back;
  TColor fore;
  int style;
};

// In the order the keys are read, slot for slot with Slots(). Hit has no keys.
constexpr ColorDefaults kColorDefaults[] = {
    {"Ank", platform::clWindow, platform::clWindowText, 0},
    {"Comment", platform::clWindow, platform::clTeal, 0},
    {"DBCS", platform::clWindow, platform::clWindowText, 0},
    {"Int", platform::clWindow, platform::clWindowText, 0},
    {"Mail", platform::clWindow, 0xC00000, 8},
    {"Reserve", platform::clWindow, platform::clMaroon, 0},
    {"Select", platform::clHighlight, platform::clHighlightText, 0},
    {"Str", platform::clWindow, platform::clWindowText, 0},
    {"Symbol", platform::clWindow, platform::clWindowText, 0},
    {"Url", platform::clWindow, 0xC00000, 8},
};

std::array<fountain::TFountainColor*, std::size(kColorDefaults)> Slots(fountain::TEditorColors& c) {
  return {&c.Ank(), &c.Comment(), &c.DBCS(),   &c.Int(),    &c.Mail(),
          &c.Reserve(), &c.Select(), &c.Str(), &c.Symbol(), &c.Url()};
}

constexpr char kFontName[] = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック

std::string Joined(std::string_view a, std::string_view b) { return std::string(a) + std::string(b); }

void ReadCaret(Reader& r, TEditorCaret& caret) {
  r.Section("Editor\\Caret");
  caret.SetAutoCursor(r.Bool("AutoCursor", true));
  caret.SetAutoIndent(r.Bool("AutoIndent", false));
  caret.SetFreeCaret(r.Bool("FreeCaret", false));
  caret.SetInTab(r.Bool("InTab", false));
  caret.SetKeepCaret(r.Bool("KeepCaret", true));
  caret.SetLockScroll(r.Bool("LockScroll", false));
  caret.SetNextLine(r.Bool("NextLine", true));
  caret.SetPrevSpaceIndent(r.Bool("PrevSpaceIndent", false));
  caret.SetRowSelect(r.Bool("RowSelect", true));
  // Only the values the two modes and styles have: any other is the first.
  caret.SetSelDragMode(r.Int("SelDragMode", 0) == 1 ? dmAutomatic : dmManual);
  caret.SetSelMove(r.Bool("SelMove", false));
  caret.SetSoftTab(r.Bool("SoftTab", false));
  caret.SetStyle(r.Int("Style", 0) == 1 ? csBrief : csDefault);
  caret.SetTabIndent(r.Bool("TabIndent", false));
  caret.SetTabSpaceCount(r.Int("TabSpaceCount", 8));
}

void ReadColors(Reader& r, fountain::TEditorColors& colors) {
  r.Section("Editor\\Colors");
  const auto slots = Slots(colors);
  for (size_t i = 0; i < slots.size(); ++i) {
    const ColorDefaults& each = kColorDefaults[i];
    slots[i]->SetBkColor(r.Int(Joined(each.name, "BkColor"), each.back));
    slots[i]->SetColor(r.Int(Joined(each.name, "Color"), each.fore));
    slots[i]->SetStyle(StyleFromSetting(r.Int(Joined(each.name, "Style"), each.style)));
  }
}

void ReadFont(Reader& r, platform::TFont& font) {
  r.Section("Editor\\Font");
  font.SetCharset(r.Int("Charset", platform::kShiftJisCharset));
  font.SetName(std::string(r.Str("Name", kFontName).view()));
  font.SetSize(r.Int("Size", 12));
}

void ReadMargin(Reader& r, TEditorMargin& margin) {
  r.Section("Editor\\Margin");
  margin.SetCharacter(r.Int("Character", 0));
  margin.SetLeft(r.Int("Left", 6));
  margin.SetLine(r.Int("Line", 1));
  margin.SetTop(r.Int("Top", 4));
}

void ReadMarks(Reader& r, TEditorMarks& marks) {
  r.Section("Editor\\Marks");
  marks.EofMark().SetColor(r.Int("EofMarkColor", 0xFF8000));
  marks.EofMark().SetVisible(r.Bool("EofMarkVisible", true));
  marks.RetMark().SetColor(r.Int("RetMarkColer", 0xFF8000));  // the key's own spelling
  marks.RetMark().SetVisible(r.Bool("RetMarkVisible", true));
  marks.Underline().SetColor(r.Int("UnderlineColor", 0xC00000));
  marks.Underline().SetVisible(r.Bool("UnderlineVisible", true));
}

void ReadView(Reader& r, TEditorViewInfo& view) {
  r.Section("Editor\\View");
  view.SetControlCode(r.Bool("ControlCode", false));
  view.SetHexPrefix(r.Str("HexPrefix", ""));
  view.SetMail(r.Bool("Mail", true));
  view.SetUrl(r.Bool("Url", true));
}

void ReadWrapOption(Reader& r, textstore::TEditorWrapOption& wrap) {
  r.Section("Editor\\WrapOption");
  wrap.SetFollowPunctuation(r.Bool("FollowPunctuation", true));
  wrap.SetFollowRetMark(r.Bool("FollowRetMark", true));
  wrap.SetFollowStr(r.Str("FollowStr", textstore::DefaultFollowStr().view()));
  wrap.SetLeading(r.Bool("Leading", true));
  wrap.SetLeadStr(r.Str("LeadStr", textstore::DefaultLeadStr().view()));
  wrap.SetPunctuationStr(r.Str("PunctuationStr", textstore::DefaultPunctuationStr().view()));
  wrap.SetWordBreak(r.Bool("WordBreak", true));
}

// Reads every key with the option objects' notices held back; each then reports once, also
// when a read fails.
void Apply(Reader r, TEditor& view) {
  const std::initializer_list<platform::TNotifyPersistent*> batched = {
      &view.Caret(), &view.View(), &view.Font(), &view.Margin(), &view.Marks(), &view.WrapOption()};
  for (platform::TNotifyPersistent* each : batched) each->BeginUpdate();
  try {
    r.Section("Editor");
    view.SetColor(r.Int("Color", platform::clWindow));
    view.SetUndoListMax(r.Int("UndoListMax", 64));
    ReadCaret(r, view.Caret());
    ReadColors(r, view.View().Colors());
    ReadFont(r, view.Font());
    ReadMargin(r, view.Margin());
    ReadMarks(r, view.Marks());
    ReadView(r, view.View());
    ReadWrapOption(r, view.WrapOption());
  } catch (...) {
    for (platform::TNotifyPersistent* each : batched) each->EndUpdate();
    throw;
  }
  for (platform::TNotifyPersistent* each : batched) each->EndUpdate();
}

}  // namespace

platform::TFontStyles StyleFromSetting(int value) {
  platform::TFontStyles styles;
  if (value % 2 != 0 || value <= 0 || value > 30) return styles;
  for (auto [weight, style] : {std::pair{16, platform::fsStrikeOut}, std::pair{8, platform::fsUnderline},
                               std::pair{4, platform::fsItalic}, std::pair{2, platform::fsBold}}) {
    if (value >= weight) {
      styles.Include(style);
      value -= weight;
    }
  }
  return styles;
}

void ApplyTextViewSettings(const platform::TIniReader& ini, TEditor& view) { Apply(Reader(&ini), view); }

void ApplyTextViewDefaults(TEditor& view) { Apply(Reader(nullptr), view); }

int ReadWrapMode(const platform::TIniReader& ini) {
  const int mode = ini.ReadInteger("Editor", "WordWrap", 0);
  return mode == 0 || mode == 1 ? mode : 2;
}

int ReadWrapByte(const platform::TIniReader& ini) {
  return ini.ReadInteger("Editor\\WrapOption", "WrapByte", 80);
}

}  // namespace quillet
