#include "app/host_view_settings.h"

#include <initializer_list>
#include <string_view>

namespace quillet {
namespace {

using platform::TRegistryKey;

std::optional<std::int32_t> Integer(const TRegistryKey& key, std::string_view name) {
  if (!key.ValueExists(name)) return std::nullopt;
  return key.ReadInteger(name);
}

void ReadSettings(const TRegistryKey& key, HostViewSettings& out) {
  if (auto value = Integer(key, "FontCharSet")) out.fontCharset = *value;
  if (key.ValueExists("FontFace")) out.fontName = key.ReadString("FontFace");
  if (auto value = Integer(key, "FontHeight")) out.fontHeight = *value;
  if (auto value = Integer(key, "ShowCtrl")) out.controlMarks = *value != 0;
  if (auto value = Integer(key, "UnderLine")) out.underline = *value != 0;
  if (auto value = Integer(key, "LineSpacing")) out.lineSpacing = *value;
}

void ReadColors(const TRegistryKey& key, HostViewSettings& out) {
  if (auto value = Integer(key, "CRColor")) out.markColor = *value;
  if (auto value = Integer(key, "UlinColor")) out.underlineColor = *value;
  if (auto back = Integer(key, "BackColor")) {
    out.color = *back;
    for (HostSlot slot : {HostSlot::kAnk, HostSlot::kComment, HostSlot::kDBCS, HostSlot::kInt, HostSlot::kMail,
                          HostSlot::kReserve, HostSlot::kStr, HostSlot::kSymbol, HostSlot::kUrl}) {
      out.Slot(slot).bkColor = *back;
    }
    out.Slot(HostSlot::kSelect).color = *back;
    out.Slot(HostSlot::kMail).plainStyle = true;
    out.Slot(HostSlot::kUrl).plainStyle = true;
  }
  if (auto text = Integer(key, "TextColor")) {
    out.fontColor = *text;
    for (HostSlot slot : {HostSlot::kAnk, HostSlot::kDBCS, HostSlot::kInt, HostSlot::kStr, HostSlot::kSymbol}) {
      out.Slot(slot).color = *text;
    }
    out.Slot(HostSlot::kSelect).bkColor = *text;
  }
  if (auto value = Integer(key, "CiteColor")) out.Slot(HostSlot::kComment).color = *value;
  if (auto value = Integer(key, "URLColor")) out.Slot(HostSlot::kMail).color = *value;
  if (auto value = Integer(key, "ReserveColor")) out.Slot(HostSlot::kReserve).color = *value;
  if (auto value = Integer(key, "URLColor")) out.Slot(HostSlot::kUrl).color = *value;
}

}  // namespace

void ReadHostViewSettings(const platform::TRegistry& registry, HostViewSettings& out) {
  if (auto key = registry.OpenKeyReadOnly("Software\\Tallowsoft\\CV2\\Settings")) ReadSettings(*key, out);
  if (auto key = registry.OpenKeyReadOnly("Software\\Tallowsoft\\CV2\\Colors")) ReadColors(*key, out);
}

}  // namespace quillet
