#include "app/program_files.h"

#include "platform/paths.h"

namespace quillet {

std::string FindProgramFile(std::string_view exePath, std::string_view name) {
  const std::string folder = platform::ExtractFilePath(exePath);
  std::string beside = folder + std::string(name);
  if (platform::FileExists(beside)) return beside;
  std::string inData = folder + "../share/quillet/" + std::string(name);
  if (platform::FileExists(inData)) return inData;
  return beside;
}

}  // namespace quillet
