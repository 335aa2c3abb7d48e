#include "tools/drive/options_json.h"

#include <cstdio>
#include <utility>

#include "fountain/editor_colors.h"
#include "platform/font.h"
#include "platform/qt/editor_window_widget.h"

namespace drive {
namespace {

// "none" for a colour without a value of its own, which whoever draws replaces.
std::string Resolved(const platform::qt::EditorWindowWidget& window, platform::TColor color) {
  if (color == platform::clNone) return "none";
  const platform::TRgb rgb = window.ResolveColor(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.R, rgb.G, rgb.B);
  return text;
}

int StyleWeights(platform::TFontStyles style) {
  int weights = 0;
  for (auto [weight, each] : {std::pair{2, platform::fsBold}, std::pair{4, platform::fsItalic},
                              std::pair{8, platform::fsUnderline}, std::pair{16, platform::fsStrikeOut}}) {
    if (style.Contains(each)) weights += weight;
  }
  return weights;
}

JsonObject MarkState(const editor::TEditorMark& mark) {
  return JsonObject().Int("color", mark.Color()).Bool("visible", mark.Visible());
}

}  // namespace

JsonObject OptionsState(editor::TEditor& view) {
  const editor::TEditorCaret& caret = view.Caret();
  const platform::TFont& font = view.Font();
  const editor::TEditorMargin& margin = view.Margin();
  editor::TEditorMarks& marks = view.Marks();
  const textstore::TEditorWrapOption& wrap = view.WrapOption();
  return JsonObject()
      .Int("undoListMax", view.UndoListMax())
      .Bool("wordWrap", view.WordWrap())
      .Int("scrollBars", view.ScrollBars())
      .Bool("readOnly", view.ReadOnly())
      .Obj("caret", JsonObject()
                        .Bool("autoCursor", caret.AutoCursor())
                        .Bool("autoIndent", caret.AutoIndent())
                        .Bool("freeCaret", caret.FreeCaret())
                        .Bool("inTab", caret.InTab())
                        .Bool("keepCaret", caret.KeepCaret())
                        .Bool("lockScroll", caret.LockScroll())
                        .Bool("nextLine", caret.NextLine())
                        .Bool("prevSpaceIndent", caret.PrevSpaceIndent())
                        .Bool("rowSelect", caret.RowSelect())
                        .Int("selDragMode", caret.SelDragMode())
                        .Bool("selMove", caret.SelMove())
                        .Bool("softTab", caret.SoftTab())
                        .Int("style", caret.Style())
                        .Bool("tabIndent", caret.TabIndent())
                        .Int("tabSpaceCount", caret.TabSpaceCount()))
      .Obj("font", JsonObject()
                       .Str("nameHex", Hex(font.Name()))
                       .Int("size", font.Size())
                       .Int("height", font.Height())
                       .Int("charset", font.Charset())
                       .Int("style", StyleWeights(font.Style())))
      .Obj("margin", JsonObject()
                         .Int("character", margin.Character())
                         .Int("left", margin.Left())
                         .Int("line", margin.Line())
                         .Int("top", margin.Top()))
      .Obj("marks", JsonObject()
                        .Obj("eof", MarkState(marks.EofMark()))
                        .Obj("ret", MarkState(marks.RetMark()))
                        .Obj("wrap", MarkState(marks.WrapMark()))
                        .Obj("hide", MarkState(marks.HideMark()))
                        .Obj("underline", MarkState(marks.Underline())))
      .Obj("view", JsonObject()
                       .Bool("controlCode", view.View().ControlCode())
                       .Str("hexPrefixHex", Hex(view.View().HexPrefix().view()))
                       .Bool("mail", view.View().Mail())
                       .Bool("url", view.View().Url()))
      .Obj("wrapOption", JsonObject()
                             .Bool("followPunctuation", wrap.FollowPunctuation())
                             .Bool("followRetMark", wrap.FollowRetMark())
                             .Str("followStrHex", Hex(wrap.FollowStr().view()))
                             .Bool("leading", wrap.Leading())
                             .Str("leadStrHex", Hex(wrap.LeadStr().view()))
                             .Str("punctuationStrHex", Hex(wrap.PunctuationStr().view()))
                             .Bool("wordBreak", wrap.WordBreak())
                             .Int("wrapByte", wrap.WrapByte()));
}

JsonObject ColorsState(editor::TEditor& view, const platform::qt::EditorWindowWidget& window) {
  fountain::TEditorColors& c = view.View().Colors();
  const std::pair<const char*, const fountain::TFountainColor*> colorSets[] = {
      {"ank", &c.Ank()},         {"comment", &c.Comment()}, {"dbcs", &c.DBCS()},
      {"hit", &c.Hit()},         {"int", &c.Int()},         {"mail", &c.Mail()},
      {"reserve", &c.Reserve()}, {"select", &c.Select()},   {"str", &c.Str()},
      {"symbol", &c.Symbol()},   {"url", &c.Url()}};
  JsonObject colors;
  colors.Obj("view", JsonObject()
                         .Int("bk", view.Color())
                         .Str("bkRgb", Resolved(window, view.Color())));
  for (auto [name, slot] : colorSets) {
    colors.Obj(name, JsonObject()
                         .Int("bk", slot->BkColor())
                         .Int("fore", slot->Color())
                         .Str("bkRgb", Resolved(window, slot->BkColor()))
                         .Str("foreRgb", Resolved(window, slot->Color()))
                         .Int("style", StyleWeights(slot->Style())));
  }
  return colors;
}

}  // namespace drive
