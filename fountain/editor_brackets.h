#pragma once
// The editor fountain's bracket list: one value set on all pairs at once.

#include "fountain/fountain_brackets.h"

namespace fountain {

class TEditorBracketCollection : public TFountainBracketCollection {
 public:
  using TFountainBracketCollection::TFountainBracketCollection;

  // Each sets that value of every item's colour; listeners hear one change.
  virtual void SetBkColor(platform::TColor Value);
  virtual void SetColor(platform::TColor Value);
  virtual void SetStyle(platform::TFontStyles Value);

 private:
  template <typename V>
  void SetAll(void (TFountainColor::*Setter)(V), V Value);
};

}  // namespace fountain
