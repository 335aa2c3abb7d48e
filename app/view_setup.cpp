#include "app/view_setup.h"

#include "app/view_settings.h"
#include "fountain/editor_colors.h"
#include "platform/colors.h"
#include "platform/font.h"

namespace quillet {

using namespace editor;

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
  fountain::TFountainColor& hit = view.View().Colors().Hit();
  hit.SetBkColor(platform::clNone);
  hit.SetColor(platform::clNone);
  hit.SetStyle({});

  // The settings file's defaults.
  ApplyTextViewDefaults(view);

  // Wrap mode 0: no wrapping, both scroll bars.
  view.SetScrollBars(ssBoth);
  view.SetWordWrap(false);
}

}  // namespace quillet
