// Writes the C++ source that puts the program's version block into its version section.
//   quillet_version_gen OUTPUT NAME=VALUE...
// Each value (UTF-8 here) becomes a CP932 string of the one translation: Japanese (0x0411),
// code page 932 (0x03A4).
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"
#include "platform/version_info.h"

namespace {

constexpr unsigned kJapanese = 0x0411;
constexpr unsigned kCodePage = 932;

std::string Source(const std::string& block) {
  std::string out =
      "// Written by quillet_version_gen at build time: the version block (platform/version_info.h).\n"
      "[[gnu::used, gnu::section(\"" + std::string(platform::kVersionSection) +
      "\")]] static const unsigned char kVersionBlock[] = {";
  char byte[16];
  for (std::size_t i = 0; i < block.size(); ++i) {
    std::snprintf(byte, sizeof byte, "%s0x%02x", i % 16 == 0 ? "\n   " : " ",
                  static_cast<unsigned char>(block[i]));
    out += byte;
    out += ',';
  }
  return out + "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT NAME=VALUE...\n", argv[0]);
    return 2;
  }
  std::string translation;
  for (unsigned each : {kJapanese, kCodePage}) {
    translation.push_back(static_cast<char>(each & 0xFF));
    translation.push_back(static_cast<char>(each >> 8));
  }
  std::vector<platform::TVersionRecord> records = {{platform::kTranslationPath, translation}};
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos) {
      std::fprintf(stderr, "%s: no '=' in %s\n", argv[0], argv[i]);
      return 2;
    }
    records.emplace_back(platform::VersionStringPath(kJapanese, kCodePage, arg.substr(0, equals)),
                         platform::cp932::FromUtf8(arg.substr(equals + 1)));
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << Source(platform::EncodeVersionBlock(records));
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
