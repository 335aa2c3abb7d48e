#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/fuzz_message.h"

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

TEST(FuzzRegressions, MessageInputsLoadCleanly) {
  auto files = Inputs("message");
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(file.string());
    quillet::fuzz::LoadMessageBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    bytes.size());
  }
}

}  // namespace
