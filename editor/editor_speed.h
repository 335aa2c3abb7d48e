#pragma once
// How far the view scrolls per key while keys repeat, and how much of the text gets its token
// state at once. Plain values: the control reads them when scrolling, so nothing is reported.

#include <cstdint>

#include "platform/persistent.h"

namespace editor {

// A multiplier of scroll steps, 1 … 4.
using TEditorSpeedRange = int;
inline constexpr TEditorSpeedRange SpeedRangeMin = 1;
inline constexpr TEditorSpeedRange SpeedRangeMax = 4;

class TEditorSpeed : public platform::TPersistent {
 public:
  // The three ranges are kept inside 1 … 4: a value outside is limited silently.
  // Rows per vertical caret key while it repeats at the first or last visible row.
  TEditorSpeedRange CaretVerticalAc() const { return caretVerticalAc_; }
  void SetCaretVerticalAc(TEditorSpeedRange Value) { caretVerticalAc_ = Limit(Value); }
  // Scan every row's token state when the whole text is laid out, not just the rows near
  // the top of the view.
  bool InitBracketsFull() const { return initBracketsFull_; }
  void SetInitBracketsFull(bool Value) { initBracketsFull_ = Value; }
  // Half pages per Page Up or Page Down key; the Ac value applies while the key repeats.
  TEditorSpeedRange PageVerticalRange() const { return pageVerticalRange_; }
  void SetPageVerticalRange(TEditorSpeedRange Value) { pageVerticalRange_ = Limit(Value); }
  TEditorSpeedRange PageVerticalRangeAc() const { return pageVerticalRangeAc_; }
  void SetPageVerticalRangeAc(TEditorSpeedRange Value) { pageVerticalRangeAc_ = Limit(Value); }

  // From another speed object: the four values. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  static std::uint8_t Limit(TEditorSpeedRange Value);

  std::uint8_t caretVerticalAc_ = 2;
  bool initBracketsFull_ = false;
  std::uint8_t pageVerticalRange_ = 2;
  std::uint8_t pageVerticalRangeAc_ = 2;
};

}  // namespace editor
