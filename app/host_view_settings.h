#pragma once
// The host mail client's look for the text view, from its per-user registry keys
// "Software\Tallowsoft\CV2\Settings" and "Software\Tallowsoft\CV2\Colors". Plain C++: the
// window applies the record over what the settings file gave, property by property; a
// property left empty here keeps its value.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "platform/colors.h"
#include "platform/registry.h"

namespace quillet {

// The colour slots the host's colours reach, in the order the view's colour sets list them.
enum class HostSlot { kAnk, kComment, kDBCS, kInt, kMail, kReserve, kSelect, kStr, kSymbol, kUrl };
inline constexpr std::size_t kHostSlotCount = 10;

struct HostSlotColors {
  std::optional<platform::TColor> bkColor;
  std::optional<platform::TColor> color;
  bool plainStyle = false;  // the slot's style becomes empty (no underline)
};

struct HostViewSettings {
  std::optional<int> fontCharset;            // Font.Charset
  std::optional<std::string> fontName;       // Font.Name, CP932
  std::optional<int> fontHeight;             // Font.Height
  std::optional<bool> controlMarks;          // Marks.EofMark.Visible and Marks.RetMark.Visible
  std::optional<bool> underline;             // Marks.Underline.Visible
  std::optional<int> lineSpacing;            // Margin.Line (the margin object limits it)
  std::optional<platform::TColor> markColor;       // Marks.EofMark.Color and Marks.RetMark.Color
  std::optional<platform::TColor> underlineColor;  // Marks.Underline.Color
  std::optional<platform::TColor> color;           // the view's Color and the base panel's
  std::optional<platform::TColor> fontColor;       // Font.Color
  std::array<HostSlotColors, kHostSlotCount> slots;

  HostSlotColors& Slot(HostSlot slot) { return slots[static_cast<std::size_t>(slot)]; }
  const HostSlotColors& Slot(HostSlot slot) const { return slots[static_cast<std::size_t>(slot)]; }
};

// Reads the host's values into `out` in the import's order, each tested for existence just
// before it is read; a missing key or value leaves its part of `out` as it was. With both
// BackColor and TextColor, the Select slot is the inverse of the text. A value of the wrong
// type throws ERegistryException; `out` then holds what was read before it, which the import
// applies all the same before it reports the error.
void ReadHostViewSettings(const platform::TRegistry& registry, HostViewSettings& out);

}  // namespace quillet
