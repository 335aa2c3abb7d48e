#pragma once
// The bars around the text: the ruler above it, the line-number bar and the image bar left of
// it. Every setter reports a change when the stored value differs; the limited ones limit
// first and compare the limited value.

#include <cstdint>

#include "platform/colors.h"
#include "platform/notify_persistent.h"

namespace editor {

// What the line-number bar counts: screen rows, or logical lines.
enum TEditorShowNumberMode : std::uint8_t { nmRow, nmLine };

class TEditorRuler : public platform::TNotifyPersistent {
 public:
  platform::TColor BkColor() const { return bkColor_; }
  void SetBkColor(platform::TColor Value);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor Value);
  // A white and grey edge along the ruler's bottom (one pixel taller).
  bool Edge() const { return edge_; }
  void SetEdge(bool Value);
  // Columns between numbered gauge marks: 8 or 10. The setter limits to 8 … 10 and rounds
  // down to an even number.
  int GaugeRange() const { return gaugeRange_; }
  void SetGaugeRange(int Value);
  // Background of the number over the caret's column.
  platform::TColor MarkColor() const { return markColor_; }
  void SetMarkColor(platform::TColor Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);

  // From another ruler: every value as it is, then one change. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  template <typename V>
  void Store(V& Field, V Value);

  platform::TColor bkColor_ = platform::clSilver;
  platform::TColor color_ = platform::clBlack;
  bool edge_ = true;
  int gaugeRange_ = 10;
  platform::TColor markColor_ = platform::clBlack;
  bool visible_ = false;
};

class TEditorLeftbar : public platform::TNotifyPersistent {
 public:
  platform::TColor BkColor() const { return bkColor_; }
  void SetBkColor(platform::TColor Value);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor Value);
  // Fewest digits of the number field, which widens up to 8 as the text grows; limited to
  // 1 … 8.
  int Column() const { return column_; }
  void SetColumn(int Value);
  // A white and grey edge at the bar's right; without it the edge takes the bar's colours.
  bool Edge() const { return edge_; }
  void SetEdge(bool Value);
  // Pixels either side of the numbers; limited to 0 … 100.
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int Value);
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int Value);
  bool ShowNumber() const { return showNumber_; }
  void SetShowNumber(bool Value);
  TEditorShowNumberMode ShowNumberMode() const { return showNumberMode_; }
  void SetShowNumberMode(TEditorShowNumberMode Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  // Numbering starts at 0 instead of 1.
  bool ZeroBase() const { return zeroBase_; }
  void SetZeroBase(bool Value);
  // Numbers are padded with leading zeros instead of blanks.
  bool ZeroLead() const { return zeroLead_; }
  void SetZeroLead(bool Value);

  // From another bar: every value as it is, then one change. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  template <typename V>
  void Store(V& Field, V Value);

  platform::TColor bkColor_ = platform::clSilver;
  platform::TColor color_ = platform::clBlack;
  int column_ = 4;
  bool edge_ = true;
  int leftMargin_ = 8;
  int rightMargin_ = 4;
  bool showNumber_ = true;
  TEditorShowNumberMode showNumberMode_ = nmRow;
  bool visible_ = false;
  bool zeroBase_ = false;
  bool zeroLead_ = false;
};

class TEditorImagebar : public platform::TNotifyPersistent {
 public:
  // The four widths, in pixels, are limited to 0 … 100.
  int DigitWidth() const { return digitWidth_; }
  void SetDigitWidth(int Value);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int Value);
  int MarkWidth() const { return markWidth_; }
  void SetMarkWidth(int Value);
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);

  // From another bar: every value as it is, then one change. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  template <typename V>
  void Store(V& Field, V Value);

  int digitWidth_ = 8;
  int leftMargin_ = 2;
  int markWidth_ = 0;
  int rightMargin_ = 2;
  bool visible_ = true;
};

}  // namespace editor
