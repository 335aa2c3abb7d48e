#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/fuzz_help.h"
#include "tests/fuzz/fuzz_ini.h"
#include "tests/fuzz/fuzz_mailto.h"
#include "tests/fuzz/fuzz_message.h"
#include "tests/fuzz/fuzz_parser.h"
#include "tests/fuzz/fuzz_registry.h"
#include "tests/fuzz/fuzz_shortcut.h"
#include "tests/fuzz/fuzz_version.h"
#include "tests/fuzz/fuzz_wrap.h"

namespace {

// Inputs live in one folder per fuzz target, beside this file.
std::vector<std::filesystem::path> Inputs(const char* target) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(QUILLET_FUZZ_INPUTS) / target)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

// Feeds every saved input of `target` to `body`.
void Replay(const char* target, void (*body)(const std::uint8_t*, std::size_t)) {
  auto files = Inputs(target);
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(file.string());
    body(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
}

TEST(FuzzRegressions, MessageInputsLoadCleanly) {
  Replay("message", quillet::fuzz::LoadMessageBytes);
}

TEST(FuzzRegressions, ParserInputsScanCleanly) {
  Replay("parser", quillet::fuzz::ParseBytes);
}

TEST(FuzzRegressions, WrapInputsKeepTheLayoutRules) {
  Replay("wrap", quillet::fuzz::WrapBytes);
}

TEST(FuzzRegressions, IniInputsKeepEveryOtherByte) {
  Replay("ini", quillet::fuzz::IniBytes);
}

TEST(FuzzRegressions, MailtoInputsKeepTheirFields) {
  Replay("mailto", quillet::fuzz::MailtoBytes);
}

TEST(FuzzRegressions, ShortCutInputsReadAlikeInEveryForm) {
  Replay("shortcut", quillet::fuzz::ShortCutBytes);
}

TEST(FuzzRegressions, RegistryInputsOpenByTheirNames) {
  Replay("registry", quillet::fuzz::RegistryBytes);
}

TEST(FuzzRegressions, VersionInputsLookUpCleanly) {
  Replay("version", quillet::fuzz::VersionBytes);
}

TEST(FuzzRegressions, HelpInputsReadAlikeWrittenBack) {
  Replay("help", quillet::fuzz::HelpBytes);
}

}  // namespace
