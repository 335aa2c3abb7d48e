#include "options/command_line.h"

#include <exception>
#include <optional>
#include <stdexcept>

#include "app/settings_location.h"
#include "options/options_model.h"
#include "options/settings_keys.h"
#include "platform/cp932.h"

namespace quillcfg {
namespace {

CommandLine::Assignment SplitAssignment(std::string_view text) {
  const size_t equals = text.find('=');
  const size_t slash = text.substr(0, equals).rfind('/');
  if (equals == std::string_view::npos || slash == std::string_view::npos) {
    throw std::invalid_argument("--set needs SECTION/KEY=VALUE: " + std::string(text));
  }
  return {std::string(text.substr(0, slash)), std::string(text.substr(slash + 1, equals - slash - 1)),
          std::string(text.substr(equals + 1))};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasNext = i + 1 < args.size();
    if (arg == "--settings" && hasNext) {
      line.settingsFile = args[++i];
    } else if (arg == "--set" && hasNext) {
      line.assignments.push_back(SplitAssignment(args[++i]));
    } else if (arg == "--save") {
      line.save = true;
    } else if (arg == "--help") {
      line.help = true;
    } else {
      throw std::invalid_argument(arg == "--settings" || arg == "--set"
                                      ? "missing value after " + arg
                                      : "unknown argument: " + arg);
    }
  }
  return line;
}

std::string_view Usage() {
  return "usage: Quillcfg.exe [--settings FILE] [--set SECTION/KEY=VALUE]... [--save]\n"
         "Without --set or --save the options dialog opens.\n";
}

std::string ViewerSettingsFile() { return quillet::SettingsFolder() + "quillet.ini"; }

int RunScripted(const CommandLine& line, const std::string& file, std::ostream& out,
                std::ostream& err) {
  TOptionsModel model(file);
  for (const CommandLine::Assignment& each : line.assignments) {
    const SettingKey* key = FindSettingKey(each.section, each.key);
    if (key == nullptr) {
      err << "Quillcfg: no such setting: " << each.section << "/" << each.key << "\n";
      return 2;
    }
    const bool bytes = key->Kind == ValueKind::Text || key->Kind == ValueKind::ShortCut;
    const std::optional<std::string> value =
        NormalizedValue(key->Kind, bytes ? platform::cp932::FromUtf8(each.value) : each.value);
    if (!value) {
      err << "Quillcfg: not a value for " << key->Section << "/" << key->Key << ": " << each.value
          << "\n";
      return 2;
    }
    model.Set(key->Section, key->Key, *value);
  }
  if (!line.save) {
    for (const platform::TIniValue& change : model.Changes()) {
      out << change.Section << "/" << change.Key << "=" << platform::cp932::ToUtf8(change.Value)
          << "\n";
    }
    return 0;
  }
  try {
    model.Save();
  } catch (const std::exception& error) {
    err << "Quillcfg: " << error.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace quillcfg
