#include "app/host_view_settings.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace quillet {
namespace {

using platform::TColor;

// A Wine registry holding the two host keys with `settings` and `colors` as value lines; an
// empty text leaves that key out.
platform::TRegistry Host(const std::string& settings, const std::string& colors) {
  std::string text = "WINE REGISTRY Version 2\n";
  if (!settings.empty()) text += "[Software\\\\Tallowsoft\\\\CV2\\\\Settings] 1\n" + settings;
  if (!colors.empty()) text += "[Software\\\\Tallowsoft\\\\CV2\\\\Colors] 1\n" + colors;
  return platform::TRegistry(platform::registry::ParseFile(text));
}

constexpr char kAllColors[] =
    "\"CRColor\"=dword:00000001\n\"UlinColor\"=dword:00000002\n\"BackColor\"=dword:00000003\n"
    "\"TextColor\"=dword:00000004\n\"CiteColor\"=dword:00000005\n\"URLColor\"=dword:00000006\n"
    "\"ReserveColor\"=dword:00000007\n";

TEST(HostViewSettings, EveryValueReachesItsProperties) {
  HostViewSettings out;
  ReadHostViewSettings(Host("\"FontCharSet\"=dword:00000080\n\"FontFace\"=\"\\x30b4\"\n"
                            "\"FontHeight\"=dword:fffffff3\n\"ShowCtrl\"=dword:00000002\n"
                            "\"UnderLine\"=dword:00000000\n\"LineSpacing\"=dword:00000003\n",
                            kAllColors),
                       out);
  EXPECT_EQ(out.fontCharset, 128);
  EXPECT_EQ(out.fontName, "\x83\x53");
  EXPECT_EQ(out.fontHeight, -13);
  EXPECT_EQ(out.controlMarks, true);
  EXPECT_EQ(out.underline, false);
  EXPECT_EQ(out.lineSpacing, 3);
  EXPECT_EQ(out.markColor, 1);
  EXPECT_EQ(out.underlineColor, 2);
  EXPECT_EQ(out.color, 3);
  EXPECT_EQ(out.fontColor, 4);
  // slot: background, text colour, plain style
  const struct {
    HostSlot slot;
    std::optional<TColor> bkColor, color;
    bool plain;
  } expected[] = {
      {HostSlot::kAnk, 3, 4, false},     {HostSlot::kComment, 3, 5, false}, {HostSlot::kDBCS, 3, 4, false},
      {HostSlot::kInt, 3, 4, false},     {HostSlot::kMail, 3, 6, true},     {HostSlot::kReserve, 3, 7, false},
      {HostSlot::kSelect, 4, 3, false},  // inverse video
      {HostSlot::kStr, 3, 4, false},     {HostSlot::kSymbol, 3, 4, false},  {HostSlot::kUrl, 3, 6, true},
  };
  for (const auto& each : expected) {
    SCOPED_TRACE(static_cast<int>(each.slot));
    EXPECT_EQ(out.Slot(each.slot).bkColor, each.bkColor);
    EXPECT_EQ(out.Slot(each.slot).color, each.color);
    EXPECT_EQ(out.Slot(each.slot).plainStyle, each.plain);
  }
}

TEST(HostViewSettings, MissingKeysAndValuesLeaveTheirPropertiesAlone) {
  HostViewSettings out;
  out.fontName = "kept";
  ReadHostViewSettings(Host("", ""), out);
  EXPECT_EQ(out.fontName, "kept");
  EXPECT_FALSE(out.fontHeight);
  EXPECT_FALSE(out.color);

  HostViewSettings urlOnly;
  ReadHostViewSettings(Host("\"ShowCtrl\"=dword:00000000\n", "\"URLColor\"=dword:00ff0000\n"), urlOnly);
  EXPECT_EQ(urlOnly.controlMarks, false);
  EXPECT_FALSE(urlOnly.fontCharset);
  for (HostSlot slot : {HostSlot::kMail, HostSlot::kUrl}) {
    EXPECT_EQ(urlOnly.Slot(slot).color, 0xFF0000);
    EXPECT_FALSE(urlOnly.Slot(slot).bkColor);
    EXPECT_FALSE(urlOnly.Slot(slot).plainStyle);  // the underline from the settings file stays
  }
  EXPECT_FALSE(urlOnly.Slot(HostSlot::kSelect).color);

  HostViewSettings backOnly;
  ReadHostViewSettings(Host("", "\"BackColor\"=dword:00ffffff\n"), backOnly);
  EXPECT_TRUE(backOnly.Slot(HostSlot::kUrl).plainStyle);
  EXPECT_EQ(backOnly.Slot(HostSlot::kSelect).color, 0xFFFFFF);
  EXPECT_FALSE(backOnly.Slot(HostSlot::kSelect).bkColor);
  EXPECT_FALSE(backOnly.Slot(HostSlot::kUrl).color);
}

TEST(HostViewSettings, AWrongTypeStopsTheImportAtThatValue) {
  HostViewSettings out;
  try {
    ReadHostViewSettings(Host("", "\"CiteColor\"=dword:00000005\n\"URLColor\"=dword:00000006\n"
                                  "\"ReserveColor\"=\"red\"\n"),
                         out);
    ADD_FAILURE();
  } catch (const platform::ERegistryException& e) {
    EXPECT_STREQ(e.what(), "'ReserveColor' のデータ型が不正です");
  }
  EXPECT_EQ(out.Slot(HostSlot::kComment).color, 5);
  EXPECT_EQ(out.Slot(HostSlot::kMail).color, 6);
  EXPECT_FALSE(out.Slot(HostSlot::kUrl).color);  // read after ReserveColor

  HostViewSettings settings;
  EXPECT_THROW(ReadHostViewSettings(Host("\"FontCharSet\"=dword:00000080\n\"FontFace\"=dword:00000001\n"
                                         "\"FontHeight\"=dword:fffffff3\n",
                                         kAllColors),
                                    settings),
               platform::ERegistryException);
  EXPECT_EQ(settings.fontCharset, 128);
  EXPECT_FALSE(settings.fontHeight);
  EXPECT_FALSE(settings.color);  // the Colors key is never reached
}

}  // namespace
}  // namespace quillet
