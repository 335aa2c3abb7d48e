#include "editor/editor_bars.h"

#include <algorithm>

namespace editor {

namespace {

int LimitPixels(int Value) {
  return std::clamp(Value, 0, 100);
}

// Stores Value when it differs; true when it did.
template <typename V>
bool Replace(V& Field, V Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

}  // namespace

// TEditorRuler

template <typename V>
void TEditorRuler::Store(V& Field, V Value) {
  if (Replace(Field, Value)) Changed();
}

void TEditorRuler::SetBkColor(platform::TColor Value) {
  Store(bkColor_, Value);
}

void TEditorRuler::SetColor(platform::TColor Value) {
  Store(color_, Value);
}

void TEditorRuler::SetEdge(bool Value) {
  Store(edge_, Value);
}

void TEditorRuler::SetGaugeRange(int Value) {
  Value = std::clamp(Value, 8, 10);
  Store(gaugeRange_, Value - Value % 2);
}

void TEditorRuler::SetMarkColor(platform::TColor Value) {
  Store(markColor_, Value);
}

void TEditorRuler::SetVisible(bool Value) {
  Store(visible_, Value);
}

void TEditorRuler::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorRuler*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  bkColor_ = source->bkColor_;
  color_ = source->color_;
  edge_ = source->edge_;
  gaugeRange_ = source->gaugeRange_;
  markColor_ = source->markColor_;
  visible_ = source->visible_;
  Changed();
}

// TEditorLeftbar

template <typename V>
void TEditorLeftbar::Store(V& Field, V Value) {
  if (Replace(Field, Value)) Changed();
}

void TEditorLeftbar::SetBkColor(platform::TColor Value) {
  Store(bkColor_, Value);
}

void TEditorLeftbar::SetColor(platform::TColor Value) {
  Store(color_, Value);
}

void TEditorLeftbar::SetColumn(int Value) {
  Store(column_, std::clamp(Value, 1, 8));
}

void TEditorLeftbar::SetEdge(bool Value) {
  Store(edge_, Value);
}

void TEditorLeftbar::SetLeftMargin(int Value) {
  Store(leftMargin_, LimitPixels(Value));
}

void TEditorLeftbar::SetRightMargin(int Value) {
  Store(rightMargin_, LimitPixels(Value));
}

void TEditorLeftbar::SetShowNumber(bool Value) {
  Store(showNumber_, Value);
}

void TEditorLeftbar::SetShowNumberMode(TEditorShowNumberMode Value) {
  Store(showNumberMode_, Value);
}

void TEditorLeftbar::SetVisible(bool Value) {
  Store(visible_, Value);
}

void TEditorLeftbar::SetZeroBase(bool Value) {
  Store(zeroBase_, Value);
}

void TEditorLeftbar::SetZeroLead(bool Value) {
  Store(zeroLead_, Value);
}

void TEditorLeftbar::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorLeftbar*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  bkColor_ = source->bkColor_;
  color_ = source->color_;
  column_ = source->column_;
  edge_ = source->edge_;
  leftMargin_ = source->leftMargin_;
  rightMargin_ = source->rightMargin_;
  showNumber_ = source->showNumber_;
  showNumberMode_ = source->showNumberMode_;
  visible_ = source->visible_;
  zeroBase_ = source->zeroBase_;
  zeroLead_ = source->zeroLead_;
  Changed();
}

// TEditorImagebar

template <typename V>
void TEditorImagebar::Store(V& Field, V Value) {
  if (Replace(Field, Value)) Changed();
}

void TEditorImagebar::SetDigitWidth(int Value) {
  Store(digitWidth_, LimitPixels(Value));
}

void TEditorImagebar::SetLeftMargin(int Value) {
  Store(leftMargin_, LimitPixels(Value));
}

void TEditorImagebar::SetMarkWidth(int Value) {
  Store(markWidth_, LimitPixels(Value));
}

void TEditorImagebar::SetRightMargin(int Value) {
  Store(rightMargin_, LimitPixels(Value));
}

void TEditorImagebar::SetVisible(bool Value) {
  Store(visible_, Value);
}

void TEditorImagebar::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorImagebar*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  digitWidth_ = source->digitWidth_;
  leftMargin_ = source->leftMargin_;
  markWidth_ = source->markWidth_;
  rightMargin_ = source->rightMargin_;
  visible_ = source->visible_;
  Changed();
}

}  // namespace editor
