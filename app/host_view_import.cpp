#include "app/host_view_import.h"

#include <algorithm>
#include <exception>
#include <initializer_list>

#include "app/host_view_settings.h"
#include "platform/errors.h"

namespace quillet {
namespace {

// Slot for slot with HostSlot.
std::array<fountain::TFountainColor*, kHostSlotCount> Slots(fountain::TEditorColors& c) {
  return {&c.Ank(), &c.Comment(), &c.DBCS(),   &c.Int(),    &c.Mail(),
          &c.Reserve(), &c.Select(), &c.Str(), &c.Symbol(), &c.Url()};
}

// Holds back an object's notices while `set` runs, only when there is something to set: the
// object reports once at the end whether anything changed or not.
template <class Set>
void Batched(platform::TNotifyPersistent& object, bool any, Set set) {
  if (!any) return;
  object.BeginUpdate();
  set();
  object.EndUpdate();
}

void Apply(const HostViewSettings& host, editor::TEditor& view) {
  platform::TFont& font = view.Font();
  Batched(font, host.fontCharset || host.fontName || host.fontHeight || host.fontColor, [&] {
    if (host.fontCharset) font.SetCharset(*host.fontCharset);
    if (host.fontName) font.SetName(*host.fontName);
    if (host.fontHeight) font.SetHeight(*host.fontHeight);
    if (host.fontColor) font.SetColor(*host.fontColor);
  });
  editor::TEditorMarks& marks = view.Marks();
  Batched(marks, host.controlMarks || host.markColor || host.underline || host.underlineColor, [&] {
    for (auto* mark : {&marks.EofMark(), &marks.RetMark()}) {
      if (host.controlMarks) mark->SetVisible(*host.controlMarks);
      if (host.markColor) mark->SetColor(*host.markColor);
    }
    if (host.underline) marks.Underline().SetVisible(*host.underline);
    if (host.underlineColor) marks.Underline().SetColor(*host.underlineColor);
  });
  if (host.lineSpacing) view.Margin().SetLine(*host.lineSpacing);
  if (host.color) view.SetColor(*host.color);
  const bool anySlot = std::any_of(host.slots.begin(), host.slots.end(), [](const HostSlotColors& each) {
    return each.bkColor || each.color || each.plainStyle;
  });
  Batched(view.View(), anySlot, [&] {
    const auto slots = Slots(view.View().Colors());
    for (std::size_t i = 0; i < kHostSlotCount; ++i) {
      const HostSlotColors& each = host.slots[i];
      if (each.bkColor) slots[i]->SetBkColor(*each.bkColor);
      if (each.color) slots[i]->SetColor(*each.color);
      if (each.plainStyle) slots[i]->SetStyle({});
    }
  });
}

}  // namespace

void ImportHostViewSettings(const platform::TRegistry& registry, editor::TEditor& view) {
  HostViewSettings host;
  std::exception_ptr failure;
  try {
    ReadHostViewSettings(registry, host);
  } catch (const platform::ERegistryException&) {
    failure = std::current_exception();
  }
  Apply(host, view);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace quillet
