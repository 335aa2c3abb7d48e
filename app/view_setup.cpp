#include "app/view_setup.h"

#include "fountain/editor_colors.h"
#include "platform/colors.h"
#include "platform/font.h"

namespace quillet {
namespace {

using namespace editor;
using platform::TColor;

void SetColors(fountain::TFountainColor& slot, TColor back, TColor fore,
               platform::TFontStyles style = {}) {
  slot.SetBkColor(back);
  slot.SetColor(fore);
  slot.SetStyle(style);
}

}  // namespace

void SetUpViewerTextView(TEditor& view) {
  // The window's design values.
  view.SetReadOnly(true);
  view.SetHitStyle(hsSelect);
  view.SetBorderStyle(bsNone);
  view.SetWantReturns(true);
  view.SetWantTabs(true);
  TEditorCaret& caret = view.Caret();
  caret.SetBackSpaceUnIndent(true);
  caret.SetFreeRow(false);
  caret.SetTokenEndStop(false);
  view.Font().SetColor(platform::clNone);
  TEditorImagebar& imagebar = view.Imagebar();
  imagebar.SetDigitWidth(8);
  imagebar.SetLeftMargin(2);
  imagebar.SetMarkWidth(0);
  imagebar.SetRightMargin(2);
  imagebar.SetVisible(false);
  for (TEditorMark* mark : {&view.Marks().WrapMark(), &view.Marks().HideMark()}) {
    mark->SetColor(platform::clGray);
    mark->SetVisible(false);
  }
  TEditorLeftbar& leftbar = view.Leftbar();
  leftbar.SetBkColor(platform::clWhite);
  leftbar.SetColor(platform::clBlack);
  leftbar.SetColumn(4);
  leftbar.SetEdge(false);
  leftbar.SetLeftMargin(8);
  leftbar.SetRightMargin(4);
  leftbar.SetShowNumber(true);
  leftbar.SetShowNumberMode(nmRow);
  leftbar.SetVisible(false);
  leftbar.SetZeroBase(false);
  leftbar.SetZeroLead(false);
  TEditorRuler& ruler = view.Ruler();
  ruler.SetBkColor(platform::clWhite);
  ruler.SetColor(platform::clBlack);
  ruler.SetEdge(false);
  ruler.SetGaugeRange(10);
  ruler.SetMarkColor(platform::clBlack);
  ruler.SetVisible(false);
  TEditorSpeed& speed = view.Speed();
  speed.SetCaretVerticalAc(2);
  speed.SetInitBracketsFull(false);
  speed.SetPageVerticalRange(2);
  speed.SetPageVerticalRangeAc(2);
  SetColors(view.View().Colors().Hit(), platform::clNone, platform::clNone);

  // The settings file's defaults, section by section in the order they are read.
  view.SetColor(platform::clWindow);
  view.SetUndoListMax(64);

  caret.SetAutoCursor(true);
  caret.SetAutoIndent(false);
  caret.SetFreeCaret(false);
  caret.SetInTab(false);
  caret.SetKeepCaret(true);
  caret.SetLockScroll(false);
  caret.SetNextLine(true);
  caret.SetPrevSpaceIndent(false);
  caret.SetRowSelect(true);
  caret.SetSelDragMode(dmManual);
  caret.SetSelMove(false);
  caret.SetSoftTab(false);
  caret.SetStyle(csDefault);
  caret.SetTabIndent(false);
  caret.SetTabSpaceCount(8);

  fountain::TEditorColors& colors = view.View().Colors();
  const platform::TFontStyles underline{platform::fsUnderline};
  SetColors(colors.Ank(), platform::clWindow, platform::clWindowText);
  SetColors(colors.Comment(), platform::clWindow, platform::clTeal);
  SetColors(colors.DBCS(), platform::clWindow, platform::clWindowText);
  SetColors(colors.Int(), platform::clWindow, platform::clWindowText);
  SetColors(colors.Mail(), platform::clWindow, 0xC00000, underline);
  SetColors(colors.Reserve(), platform::clWindow, platform::clMaroon);
  SetColors(colors.Select(), platform::clHighlight, platform::clHighlightText);
  SetColors(colors.Str(), platform::clWindow, platform::clWindowText);
  SetColors(colors.Symbol(), platform::clWindow, platform::clWindowText);
  SetColors(colors.Url(), platform::clWindow, 0xC00000, underline);

  platform::TFont& font = view.Font();
  font.SetCharset(platform::kShiftJisCharset);
  font.SetName("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");  // ＭＳ ゴシック
  font.SetSize(12);

  TEditorMargin& margin = view.Margin();
  margin.SetCharacter(0);
  margin.SetLeft(6);
  margin.SetLine(1);
  margin.SetTop(4);

  TEditorMarks& marks = view.Marks();
  marks.EofMark().SetColor(0xFF8000);
  marks.EofMark().SetVisible(true);
  marks.RetMark().SetColor(0xFF8000);
  marks.RetMark().SetVisible(true);
  marks.Underline().SetColor(0xC00000);
  marks.Underline().SetVisible(true);

  view.View().SetControlCode(false);
  view.View().SetHexPrefix("");
  view.View().SetMail(true);
  view.View().SetUrl(true);

  textstore::TEditorWrapOption& wrap = view.WrapOption();
  wrap.SetFollowPunctuation(true);
  wrap.SetFollowRetMark(true);
  wrap.SetLeading(true);
  wrap.SetWordBreak(true);

  // Wrap mode 0: no wrapping, both scroll bars.
  view.SetScrollBars(ssBoth);
  view.SetWordWrap(false);
}

}  // namespace quillet
