#include "platform/registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/errors.h"
#include "tests/support/scratch_dir.h"

namespace platform {
namespace {

const std::string kFixtures = QUILLET_REGISTRY_FIXTURES;
const std::string kMsGothic = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック

TRegistryKey Open(const std::string& fixture, std::string_view key) {
  auto opened = TRegistry::FromFile(kFixtures + "/" + fixture).OpenKeyReadOnly(key);
  if (!opened) throw std::runtime_error("no key " + std::string(key) + " in " + fixture);
  return *opened;
}

// The key "K" of a Wine file holding `lines`.
std::optional<TRegistryKey> WineKey(const std::string& lines) {
  testsupport::ScratchDir dir;
  const std::string file = dir.Write("user.reg", "WINE REGISTRY Version 2\n[K] 1\n" + lines);
  return TRegistry::FromFile(file).OpenKeyReadOnly("K");
}

void ExpectTypeError(const TRegistryKey& key, std::string_view name, const char* read) {
  SCOPED_TRACE(std::string(read) + " " + std::string(name));
  try {
    if (std::string_view(read) == "integer") key.ReadInteger(name);
    if (std::string_view(read) == "string") key.ReadString(name);
    if (std::string_view(read) == "binary") key.ReadBinaryData(name);
    ADD_FAILURE() << "read";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.what(), "'" + std::string(name) + "' のデータ型が不正です");
  }
}

TEST(Registry, WineUserRegHoldsTheHostClientValues) {
  const TRegistryKey settings = Open("user.reg", "Software\\Tallowsoft\\CV2\\Settings");
  EXPECT_EQ(settings.ReadInteger("FontCharSet"), 128);
  EXPECT_EQ(settings.ReadString("FontFace"), kMsGothic);
  EXPECT_EQ(settings.ReadInteger("FontHeight"), -13);
  EXPECT_EQ(settings.ReadInteger("ShowCtrl"), 1);
  EXPECT_EQ(settings.ReadInteger("UnderLine"), 0);
  EXPECT_FALSE(settings.ValueExists("Wallpaper"));
  EXPECT_EQ(settings.ReadString(""), "default");
  const TRegistryKey colors = Open("user.reg", "Software\\Tallowsoft\\CV2\\Colors");
  EXPECT_EQ(colors.ReadInteger("BackColor"), 0x00F0FBFF);
  EXPECT_EQ(colors.ReadInteger("URLColor"), 0x00FF0000);
  EXPECT_FALSE(colors.ValueExists("FontFace"));
}

TEST(Registry, WineEscapesContinuationsAndOtherTypes) {
  const TRegistryKey key = Open("user.reg", "Software\\Tallowsoft\\CV2\\Settings");
  // \t, \", \\, octal 101, four hexadecimal digits at most, \x then a non-digit, \[ and \].
  EXPECT_EQ(key.ReadString("Escapes"), "tab\there \"quoted\" back\\slash A\x83\x41" "BAg[]");
  EXPECT_EQ(key.ReadString("Path"), "%USERPROFILE%\\Mail");  // expandable, not expanded
  EXPECT_EQ(key.ReadString("Expand"), "%A%");
  std::string signature;
  for (char c = 1; c <= 0x19; ++c) signature.push_back(c);
  EXPECT_EQ(key.ReadBinaryData("Signature"), signature);
  EXPECT_EQ(key.ReadBinaryData("Stamp"), std::string("\x01\0\0\0\0\0\0\0", 8));
  EXPECT_EQ(key.ReadBinaryData("List"), std::string("o\0n\0e\0\0\0t\0w\0o\0\0\0\0\0", 18));
  EXPECT_EQ(Open("user.reg", "Software\\Tallowsoft\\CV2\\Key]With\\Bracket").ReadInteger("Here"), 1);
}

TEST(Registry, Regedit4IsTheCodePagesText) {
  const TRegistryKey key = Open("regedit4.reg", "Software\\Tallowsoft\\CV2\\Settings");
  EXPECT_EQ(key.ReadString("FontFace"), kMsGothic);  // not the other root's value
  EXPECT_EQ(key.ReadInteger("FontHeight"), -12);
  EXPECT_EQ(key.ReadInteger("ShowCtrl"), 0);
  EXPECT_EQ(key.ReadString("Note"), "C:\\Mail\\\"box\"");
  EXPECT_EQ(key.ReadString("Expand"), "%A%");     // the code page's bytes
  EXPECT_EQ(key.ReadString("Kana"), "\x83\x53");  // ゴ
  EXPECT_FALSE(key.ValueExists("Removed"));
  EXPECT_EQ(key.ReadInteger("\x95\x5C\x8E\xA6"), 1);  // 表示: a trail byte 0x5C is no escape
  EXPECT_FALSE(TRegistry::FromFile(kFixtures + "/regedit4.reg").OpenKeyReadOnly("Software\\Tallowsoft\\CV2\\Old"));
  const TRegistryKey colors = Open("regedit4.reg", "SOFTWARE\\tallowsoft\\Cv2\\colors");
  EXPECT_EQ(colors.ReadInteger("urlcolor"), 0x00FF0000);
  EXPECT_EQ(colors.ReadBinaryData("Blob"), std::string("\0\1\2\3\4", 5));
}

TEST(Registry, Version5IsUtf16WithAByteOrderMark) {
  const TRegistryKey key = Open("regedit5.reg", "\\Software\\Tallowsoft\\CV2\\Settings\\");
  EXPECT_EQ(key.ReadString("FontFace"), kMsGothic);
  EXPECT_EQ(key.ReadInteger("LineSpacing"), 100);
  EXPECT_EQ(key.ReadString("Expand"), "%A%");
  EXPECT_EQ(key.ReadBinaryData("Multi"), std::string("a\0\0\0b\0\0\0\0\0", 10));
  EXPECT_EQ(key.ReadString("Text"), "line\nbreak");
  EXPECT_EQ(key.ReadString("Emoji"), "?");  // CP932 has no such character
  EXPECT_EQ(key.ReadString(""), "Default value");
  EXPECT_EQ(Open("regedit5.reg", "Software\\Tallowsoft\\CV2\\Colors").ReadInteger("TextColor"), 0x123456);
}

TEST(Registry, AValueOfAnotherTypeOrNoneRaisesTheRegistryError) {
  const TRegistryKey key = Open("user.reg", "Software\\Tallowsoft\\CV2\\Settings");
  ExpectTypeError(key, "FontFace", "integer");
  ExpectTypeError(key, "Path", "integer");
  ExpectTypeError(key, "Signature", "integer");
  ExpectTypeError(key, "FontHeight", "string");
  ExpectTypeError(key, "List", "string");
  ExpectTypeError(key, "FontFace", "binary");
  ExpectTypeError(key, "FontHeight", "binary");
  ExpectTypeError(key, "Missing", "integer");
  ExpectTypeError(key, "Missing", "binary");
  // A dword written as hex(4) with the wrong length.
  ExpectTypeError(*WineKey("\"Short\"=hex(4):01,02\n"), "Short", "integer");
  EXPECT_EQ(WineKey("\"Four\"=hex(4):01,02,00,80\n")->ReadInteger("Four"), static_cast<std::int32_t>(0x80000201));
  try {
    Open("regedit4.reg", "Software\\Tallowsoft\\CV2\\Settings").ReadString("\x95\x5C\x8E\xA6");
    ADD_FAILURE();
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "'表示' のデータ型が不正です");
  }
}

TEST(Registry, MalformedLinesAreSkippedAndTheRestIsRead) {
  const auto key = WineKey(
      "\"NoDigits\"=dword:\n"
      "\"NineDigits\"=dword:000000001\n"
      "\"NotHex\"=dword:0000000g\n"
      "\"Open\"=\"no closing quote\n"
      "\"Trailing\"=\"text\" junk\n"
      "\"BadHex\"=hex:1,,2\n"
      "\"BadType\"=hex(z):01\n"
      "\"Dash\"=-\n"
      "\"NoEquals\" dword:1\n"
      "garbage line\n"
      "  \"Indented\"  =  dword:0000002a  \r\n"
      "\"Upper\"=dword:A\n"
      "\"Empty\"=hex:\n"
      "\"Tail\"=hex:01,02,\n");
  ASSERT_TRUE(key);
  for (const char* name : {"NoDigits", "NineDigits", "NotHex", "Open", "Trailing", "BadHex", "BadType", "Dash",
                           "NoEquals"}) {
    EXPECT_FALSE(key->ValueExists(name)) << name;
  }
  EXPECT_EQ(key->ReadInteger("indented"), 42);
  EXPECT_EQ(key->ReadInteger("Upper"), 10);
  EXPECT_EQ(key->ReadBinaryData("Empty"), "");
  EXPECT_EQ(key->ReadBinaryData("Tail"), "\x01\x02");
}

TEST(Registry, KeysAndValuesMetTwiceAddUp) {
  testsupport::ScratchDir dir;
  const std::string file = dir.Write("a.reg",
                                     "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:1\n\"y\"=dword:2\n"
                                     "[HKEY_CURRENT_USER\\B]\n\"z\"=dword:3\n"
                                     "[HKEY_CURRENT_USER\\a]\n\"X\"=dword:4\n"
                                     "[HKEY_CURRENT_USER\\Broken\n\"w\"=dword:5\n");
  const auto key = TRegistry::FromFile(file).OpenKeyReadOnly("A");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadInteger("x"), 4);
  EXPECT_EQ(key->ReadInteger("y"), 2);
  EXPECT_FALSE(key->ValueExists("w"));  // a broken key line ends the key before it
  EXPECT_FALSE(key->ValueExists("z"));
}

TEST(Registry, NoFileOrAnUnknownFormHoldsNoKey) {
  testsupport::ScratchDir dir;
  for (const std::string& file :
       {dir.Path() + "/missing.reg", dir.Path(), std::string(),
        dir.Write("ini.reg", "[Software\\Tallowsoft\\CV2\\Settings]\nFontCharSet=128\n"),
        dir.Write("wine1.reg", "WINE REGISTRY Version 1\n[Software\\\\Tallowsoft\\\\CV2\\\\Settings] 1\n")}) {
    EXPECT_FALSE(TRegistry::FromFile(file).OpenKeyReadOnly("Software\\Tallowsoft\\CV2\\Settings")) << file;
  }
}

// Sets an environment variable for one scope and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Registry, TheCurrentUsersFileComesFromTheEnvironment) {
  {
    ScopedEnv file("QUILLET_REGISTRY_FILE", "/x/mine.reg");
    ScopedEnv prefix("WINEPREFIX", "/p");
    EXPECT_EQ(TRegistry::CurrentUserFile(), "/x/mine.reg");
  }
  {
    ScopedEnv file("QUILLET_REGISTRY_FILE", "");
    ScopedEnv prefix("WINEPREFIX", "/p");
    EXPECT_EQ(TRegistry::CurrentUserFile(), "/p/user.reg");
  }
  {
    ScopedEnv file("QUILLET_REGISTRY_FILE", nullptr);
    ScopedEnv prefix("WINEPREFIX", nullptr);
    ScopedEnv home("HOME", "/home/u");
    EXPECT_EQ(TRegistry::CurrentUserFile(), "/home/u/.wine/user.reg");
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(TRegistry::CurrentUserFile(), "");
  }
  ScopedEnv file("QUILLET_REGISTRY_FILE", (kFixtures + "/user.reg").c_str());
  EXPECT_TRUE(TRegistry::CurrentUser().OpenKeyReadOnly("Software\\Tallowsoft\\CV2\\Colors"));
}

}  // namespace
}  // namespace platform
