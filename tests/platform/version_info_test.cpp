#include "platform/version_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/elf_section.h"
#include "platform/paths.h"
#include "tests/support/elf_image.h"
#include "tests/support/scratch_dir.h"

namespace platform {
namespace {

using testsupport::ElfImage;
using testsupport::kNoBits;

const std::string kTranslation("\x11\x04\xA4\x03", 4);
const std::string kStrings = "\\StringFileInfo\\041103a4\\";

std::string Block(const std::vector<TVersionRecord>& records) { return EncodeVersionBlock(records); }

std::string Lookup(const std::string& section, std::string_view name) {
  testsupport::ScratchDir dir;
  return FileVersionString(dir.Write("q", ElfImage({{".text", "code"}, {kVersionSection, section}}).Bytes()), name);
}

TEST(VersionInfo, TheFirstTranslationsStringsAreLookedUp) {
  const struct {
    const char* what;
    std::vector<TVersionRecord> records;
    std::string name, expected;
  } cases[] = {
      {"found", {{kTranslationPath, kTranslation}, {kStrings + "ProductVersion", "2.0.0"}}, "ProductVersion", "2.0.0"},
      {"missing string", {{kTranslationPath, kTranslation}, {kStrings + "ProductVersion", "2"}}, "Comments", ""},
      {"no translation", {{kStrings + "ProductVersion", "2.0.0"}}, "ProductVersion", "UnKnown"},
      {"no whole entry", {{kTranslationPath, "\x11\x04\xA4"}, {kStrings + "X", "x"}}, "X", "UnKnown"},
      {"other code page",
       {{kTranslationPath, std::string("\x11\x04\xB0\x04", 4)}, {kStrings + "X", "x"}}, "X", ""},
      {"first entry only",
       {{kTranslationPath, std::string("\x09\x04\xE4\x04", 4) + kTranslation},
        {kStrings + "X", "ja"}, {"\\StringFileInfo\\040904e4\\X", "en"}}, "X", "en"},
      {"case of path", {{"\\varfileinfo\\TRANSLATION", kTranslation}, {"\\STRINGFILEINFO\\041103A4\\x", "v"}}, "X", "v"},
      {"first record", {{kTranslationPath, kTranslation}, {kStrings + "X", "a"}, {kStrings + "X", "b"}}, "X", "a"},
      {"ends at NUL", {{kTranslationPath, kTranslation}, {kStrings + "X", std::string("ab\0c", 4)}}, "X", "ab"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(Lookup(Block(each.records), each.name), each.expected) << each.what;
    EXPECT_EQ(Lookup(Block(each.records) + std::string(13, '\0'), each.name), each.expected) << each.what;
  }
}

TEST(VersionInfo, WithoutABlockEveryStringIsEmpty) {
  testsupport::ScratchDir dir;
  const std::string good = Block({{kTranslationPath, kTranslation}, {kStrings + "X", "x"}});
  std::string longer = good;
  longer[8] = static_cast<char>(good.size() + 1);
  std::string unfilled = good;
  unfilled[8] = static_cast<char>(good.size() - 1);
  for (const std::string& file :
       {std::string(), dir.Path() + "/missing", dir.Path(), dir.Write("text", "not an executable"),
        dir.Write("none", ElfImage({{".text", "code"}}).Bytes()), dir.Write("magic", ElfImage({{kVersionSection, "QVERINFX" + good.substr(8)}}).Bytes()),
        dir.Write("longer", ElfImage({{kVersionSection, longer}}).Bytes()),
        dir.Write("unfilled", ElfImage({{kVersionSection, unfilled}}).Bytes()),
        dir.Write("nobits", ElfImage({{kVersionSection, good, kNoBits}}).Bytes())}) {
    EXPECT_EQ(FileVersionString(file, "X"), "") << file;
  }
  EXPECT_EQ(FileVersionString(dir.Write("good", ElfImage({{kVersionSection, good}}).Bytes()), "X"), "x");
}

TEST(ElfSection, BothWordSizesAndByteOrdersAreRead) {
  for (bool wide : {false, true}) {
    for (bool bigEndian : {false, true}) {
      const ElfImage image({{".a", "first"}, {".b", "second"}, {".a", "again"}}, wide, bigEndian);
      const ElfReadAt read = [&](std::uint64_t offset, std::uint64_t size) -> std::optional<std::string> {
        if (offset > image.Bytes().size() || size > image.Bytes().size() - offset) return std::nullopt;
        return image.Bytes().substr(offset, size);
      };
      EXPECT_EQ(FindElfSection(read, ".b"), "second");
      EXPECT_EQ(FindElfSection(read, ".a"), "first");
      EXPECT_EQ(FindElfSection(read, ".c"), std::nullopt);
      EXPECT_EQ(FindElfSection(read, ".shstrtab")->substr(0, 4), std::string("\0.a\0", 4));
    }
  }
}

TEST(ElfSection, DamagedTablesFindNothing) {
  testsupport::ScratchDir dir;
  const auto damaged = [&](auto patch) {
    ElfImage image({{".a", "x"}});
    patch(image);
    return ReadElfSection(dir.Write("elf", image.Bytes()), ".a");
  };
  EXPECT_EQ(damaged([](ElfImage&) {}), "x");
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(62, 9, 2); }));        // name table index past the count
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(58, 16, 2); }));       // headers too small
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(40, ~0ull, 8); }));    // headers past any file
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(e.SectionHeader(1) + 24, 1 << 20, 8); }));  // data past the end
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(e.SectionHeader(1) + 32, (1 << 20) + 1, 8); }));  // too large
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(e.SectionHeader(1), 1000, 4); }));  // name past the table
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(e.SectionHeader(2) + 32, 3, 8); }));  // last name cut off
  EXPECT_FALSE(damaged([](ElfImage& e) { e.Put(4, 3, 1); }));  // no such word size
}

TEST(VersionInfo, TheProgramsOwnBlockIsFound) {
  const std::string version = QUILLET_VERSION;
  for (const std::string& program : {ExePath(), std::string(QUILLET_EXECUTABLE)}) {
    if (program.empty()) continue;  // built without the viewer
    SCOPED_TRACE(program);
    EXPECT_EQ(FileVersionString(program, "FileDescription"), "Quillet for Corvid! ver.2");
    EXPECT_EQ(FileVersionString(program, "ProductVersion"), version);
    EXPECT_EQ(FileVersionString(program, "FileVersion"), version);
    EXPECT_EQ(FileVersionString(program, "CompanyName").substr(0, 8), "https://");
    EXPECT_EQ(FileVersionString(program, "Comments").substr(0, 7), "mailto:");
    EXPECT_EQ(FileVersionString(program, "LegalCopyright").substr(0, 9), "Copyright");
    EXPECT_EQ(FileVersionString(program, "Nothing"), "");
  }
}

}  // namespace
}  // namespace platform
