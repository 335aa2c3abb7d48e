#pragma once
// The options program's command line. Without --set or --save it opens the dialog; with them it
// changes the settings file without any window, for scripts and tests:
//
//   Quillcfg.exe [--settings FILE] [--set SECTION/KEY=VALUE]... [--save]
//
// --settings names the file to edit instead of the viewer's own. Each --set changes one key the
// dialog edits (VALUE in UTF-8, checked and written as the dialog writes it); --save writes all
// of them in one write, and without it the changes are only printed, one "SECTION/KEY=VALUE" a
// line, as they would be written.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quillcfg {

struct CommandLine {
  std::string settingsFile;  // empty: the viewer's settings file
  struct Assignment {
    std::string section;
    std::string key;
    std::string value;  // as given, UTF-8
  };
  std::vector<Assignment> assignments;
  bool save = false;
  bool help = false;

  // Whether the program runs without its window.
  bool Scripted() const { return save || !assignments.empty(); }
};

// Throws std::invalid_argument with a one-line reason for an argument it does not know.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text, for --help and after a usage error.
std::string_view Usage();

// The settings file the viewer beside this program reads: "quillet.ini" in its settings folder.
std::string ViewerSettingsFile();

// Runs the scripted mode on `file`. Exit status: 0 done, 1 a write refused, 2 a key or value
// the dialog would not accept (nothing is written then). Reasons go to `err`.
int RunScripted(const CommandLine& line, const std::string& file, std::ostream& out,
                std::ostream& err);

}  // namespace quillcfg
