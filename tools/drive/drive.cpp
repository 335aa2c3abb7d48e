#include "tools/drive/drive.h"

#include <exception>
#include <memory>
#include <new>
#include <optional>

#include <QCoreApplication>
#include <QEvent>

#include "app/message.h"
#include "app/settings_location.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "tools/drive/properties.h"
#include "tools/drive/script.h"
#include "tools/drive/session.h"
#include "tools/drive/state_json.h"
#include "tools/drive/window_mode.h"

namespace drive {
namespace {

constexpr char kUsage[] =
    "usage: quillet-drive [--bare] [--size WxH] [--keywords DIR]\n"
    "                     [--script FILE | --do STEP]... [--png FILE]\n"
    "                     (MESSAGE-FILE... | --text TEXT)\n"
    "       quillet-drive --window [--settings FILE] [--script FILE | --do STEP]...\n"
    "                     [--png FILE] MESSAGE-FILE...\n"
    "       quillet-drive --help\n"
    "Loads the message's body as Quillet shows it (all file arguments joined with single\n"
    "spaces form the path) into the text view on its window, offscreen unless\n"
    "QT_QPA_PLATFORM names a platform, runs the steps in order and prints one JSON object: the\n"
    "view's state first and after each step. The view is set up as the viewer sets up its text\n"
    "view, or with --bare as the control comes. --size is the window's outer size (default\n"
    "640x480). --keywords names the folder of the keyword files Quote.kwd and Header.kwd\n"
    "(default: the viewer's own). --text loads TEXT (UTF-8, with \\n \\r \\t \\\\ escapes)\n"
    "instead of a file.\n"
    "--png saves the view's pixels after the last step.\n"
    "--window runs the viewer's whole main window instead, its start-up reading the settings\n"
    "FILE (default: the settings file the viewer would use for this program), and adds\n"
    "\"window\" to each state: caption, wrap mode, frame, bars, status panels, actions, tool\n"
    "bar image size, the view's effective options and resolved colours, and the errors\n"
    "reported so far (shown in no box). The settings decide the size; resize sizes the window.\n"
    "Exit status: 0 after the report, 1 when the message, a script or a step fails, 2 for a\n"
    "usage error or a bad step.\n";

struct UsageError {
  std::string reason;
};

struct HelpRequest {};

struct Options {
  SessionOptions session;
  std::vector<Step> steps;
  std::optional<std::string> text;  // --text, already CP932
  std::optional<std::string> png;
  std::vector<std::string> args{"quillet"};  // the message path's arguments
  bool window = false;
  std::optional<std::string> settings;
};

// Every argument that begins with '-' is an option, up to "--"; none becomes part of the path.
// Script files are read here, so that every step is checked before any runs.
Options Parse(const std::vector<std::string>& args) {
  Options options;
  bool optionsEnd = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnd || arg.empty() || arg[0] != '-') {
      options.args.push_back(arg);
      continue;
    }
    auto value = [&]() -> const std::string& {
      if (i + 1 == args.size()) throw UsageError{arg + " needs a value"};
      return args[++i];
    };
    try {
      if (arg == "--") {
        optionsEnd = true;
      } else if (arg == "--help") {
        throw HelpRequest{};
      } else if (arg == "--bare") {
        options.session.bare = true;
      } else if (arg == "--window") {
        options.window = true;
      } else if (arg == "--settings") {
        options.settings = value();
      } else if (arg == "--keywords") {
        options.session.keywordFolder = value();
        if (!options.session.keywordFolder.ends_with('/')) options.session.keywordFolder += '/';
      } else if (arg == "--size") {
        ParseSize(value(), options.session.width, options.session.height);
      } else if (arg == "--do") {
        options.steps.push_back(ParseStep(value()));
      } else if (arg == "--script") {
        const std::string& file = value();
        for (Step& step : ParseScript(platform::ReadTextBytes(file), file)) {
          options.steps.push_back(std::move(step));
        }
      } else if (arg == "--text") {
        if (options.text) throw UsageError{"--text given twice"};
        options.text = ScriptText(value());
      } else if (arg == "--png") {
        options.png = value();
      } else {
        throw UsageError{"unknown option " + arg};
      }
    } catch (const BadValue& bad) {
      throw UsageError{arg + ": " + bad.reason};
    }
  }
  const bool hasPath = options.args.size() > 1;
  if (options.text && hasPath) throw UsageError{"--text and a message file exclude each other"};
  if (!options.text && !hasPath) throw UsageError{"no message file"};
  if (options.settings && !options.window) throw UsageError{"--settings goes with --window"};
  if (options.window && (options.text || options.session.bare)) {
    throw UsageError{"--window takes a message file and no --text or --bare"};
  }
  return options;
}

std::string Run(const Options& options) {
  std::unique_ptr<MainWindowRun> main;
  std::unique_ptr<Session> own;
  const std::string settings = options.settings.value_or(quillet::SettingsFilePath());
  if (options.window) {
    main = std::make_unique<MainWindowRun>(options.args, settings);
  } else {
    const std::string text =
        options.text ? *options.text
                     : std::string(quillet::LoadMessage(quillet::JoinArguments(options.args),
                                                        quillet::ViewMode::Body)
                                       .Text());
    own = std::make_unique<Session>(options.session, text);
  }
  Session& session = main ? main->ViewSession() : *own;
  auto state = [&](std::string_view step) {
    JsonObject viewState = ViewState(session, step);
    if (main) viewState.Obj("window", main->State());
    return viewState;
  };
  std::string states = state("").Text();
  for (const Step& step : options.steps) {
    JsonObject answer;
    try {
      step.run(session, answer);
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception& error) {
      throw std::runtime_error("step '" + step.text + "': " + error.what());
    }
    // Bars shown or hidden by a step are laid out as the event loop would before the next paint,
    // so the state shows what a person would see; timers still wait for `settle`.
    if (main) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    states += ",\n" + state(step.text).Merge(answer).Text();
  }
  if (options.png) session.SavePng(*options.png);
  JsonObject head;
  head.Bool("bare", options.session.bare)
      .Obj("size",
           JsonObject().Int("width", options.session.width).Int("height", options.session.height));
  if (!options.text)
    head.Str("message", platform::DisplayPath(quillet::JoinArguments(options.args)));
  if (main) head.Str("settings", platform::DisplayPath(settings));
  if (!options.session.bare) {
    const quillet::TDecorationList& decorations =
        main ? main->Decorations() : session.Decorations();
    head.Obj("decoration", JsonObject()
                               .Int("entries", static_cast<long long>(decorations.Entries().size()))
                               .Int("quoteMarkers", decorations.QuoteMarkerCount()));
  }
  std::string json = head.Text();
  json.pop_back();
  return json + ",\n\"states\":[\n" + states + "\n]}\n";
}

}  // namespace

int RunDrive(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  try {
    options = Parse(args);
  } catch (const HelpRequest&) {
    out << kUsage << "Steps:\n" << StepHelp();
    return 0;
  } catch (const UsageError& usage) {
    err << "quillet-drive: " << usage.reason << "\n" << kUsage;
    return 2;
  } catch (const StepError& step) {
    err << "quillet-drive: " << step.message << "\n" << kUsage;
    return 2;
  } catch (const std::bad_alloc&) {
    err << platform::EOutOfMemory().what() << "\n";
    return 1;
  } catch (const std::exception& error) {
    err << error.what() << "\n";  // a script file that cannot be read
    return 1;
  }
  try {
    out << Run(options) << std::flush;
    return 0;
  } catch (const std::bad_alloc&) {
    err << platform::EOutOfMemory().what() << "\n";
  } catch (const std::exception& error) {
    err << error.what() << "\n";
  }
  return 1;
}

}  // namespace drive
