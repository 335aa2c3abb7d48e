#include "tools/dump/dump.h"

#include <charconv>
#include <new>
#include <optional>

#include "app/message.h"
#include "platform/errors.h"
#include "tools/dump/layout.h"
#include "tools/dump/report.h"
#include "tools/dump/screen_rows.h"

namespace dump {
namespace {

constexpr char kUsage[] =
    "usage: quillet-dump [--mode body|header|source] [--json] [--tokens]\n"
    "                    [--rows WIDTH [--no-follow-ret] [--no-punctuation] [--no-leading]\n"
    "                                  [--no-word-break]]\n"
    "                    [--screen [--wrap WIDTH]] [--] MESSAGE-FILE...\n"
    "       quillet-dump --help\n"
    "Loads the message as Quillet does (all file arguments joined with single spaces form the\n"
    "path) and prints the nine header values, the header-bar labels, the priority stamp (body\n"
    "mode), the window caption and the text of the view mode. --json prints byte strings as\n"
    "hexadecimal.\n"
    "--tokens adds the tokens of every line of the view text as the view colours them;\n"
    "--rows adds the screen rows of every line wrapped at WIDTH columns with the viewer's\n"
    "line-breaking rules, each of which the --no- switches turns off.\n"
    "--screen loads the view text into the view's screen rows (word wrap off, or on at\n"
    "--wrap WIDTH) and prints every row: logical line, kind, marks, stored scan state and the\n"
    "tokens painted from that state, with the logical line and row counts.\n"
    "WIDTH is a number from 20 to 250, the widths the viewer wraps at; --rows and --wrap\n"
    "together must ask for the same one. Arguments after -- are all file names.\n"
    "Exit status: 0 after the report, 1 when the message cannot be loaded, 2 for a usage error.\n";

constexpr int kMinWidth = 20;
constexpr int kMaxWidth = 250;

struct Options {
  quillet::ViewMode mode = quillet::ViewMode::Body;
  std::optional<std::string> modeName;
  bool json = false;
  bool tokens = false;
  bool rows = false;
  bool screen = false;
  bool screenWrap = false;
  std::optional<std::string> widthOption;  // the first of --rows and --wrap, for messages
  textstore::TWrapSettings wrap = ViewerWrapSettings();
  std::vector<std::string> args{"quillet"};

  // The viewer turns all four rules on.
  static textstore::TWrapSettings ViewerWrapSettings() {
    textstore::TWrapSettings s;
    s.FollowRetMark = s.FollowPunctuation = s.Leading = s.WordBreak = true;
    return s;
  }
};

// A command line that cannot be run: the reason, shown above the usage.
struct UsageError {
  std::string reason;
};

struct HelpRequest {};

// Takes the width after `option` and checks it against any width given before.
void TakeWidth(Options& options, const std::string& option, const std::string& value) {
  int width = 0;
  auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), width);
  if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
    // from_chars also refuses a sign, blanks and numbers too long for an int.
    bool digits = !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
    throw UsageError{digits ? option + ": width " + value + " is outside " +
                                  std::to_string(kMinWidth) + "-" + std::to_string(kMaxWidth)
                            : option + ": '" + value + "' is not a width"};
  }
  if (width < kMinWidth || width > kMaxWidth) {
    throw UsageError{option + ": width " + value + " is outside " + std::to_string(kMinWidth) +
                     "-" + std::to_string(kMaxWidth)};
  }
  if (options.widthOption && options.wrap.WrapByte != width) {
    throw UsageError{*options.widthOption + " " + std::to_string(options.wrap.WrapByte) + " and " +
                     option + " " + value + " ask for two widths"};
  }
  options.widthOption = option;
  options.wrap.WrapByte = width;
}

void TakeMode(Options& options, const std::string& value) {
  static const std::pair<const char*, quillet::ViewMode> kModes[] = {
      {"body", quillet::ViewMode::Body},
      {"header", quillet::ViewMode::Header},
      {"source", quillet::ViewMode::Source},
  };
  if (options.modeName && *options.modeName != value) {
    throw UsageError{"--mode " + *options.modeName + " and --mode " + value + " conflict"};
  }
  for (auto [name, mode] : kModes) {
    if (value == name) {
      options.mode = mode;
      options.modeName = value;
      return;
    }
  }
  throw UsageError{"--mode: '" + value + "' is not body, header or source"};
}

// Every argument that begins with '-' is an option, up to "--"; none becomes part of the path.
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
    if (arg == "--") {
      optionsEnd = true;
    } else if (arg == "--help" || arg == "-h") {
      throw HelpRequest{};
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--tokens") {
      options.tokens = true;
    } else if (arg == "--rows") {
      options.rows = true;
      TakeWidth(options, arg, value());
    } else if (arg == "--screen") {
      options.screen = true;
    } else if (arg == "--wrap") {
      options.screenWrap = true;
      TakeWidth(options, arg, value());
    } else if (arg == "--no-follow-ret") {
      options.wrap.FollowRetMark = false;
    } else if (arg == "--no-punctuation") {
      options.wrap.FollowPunctuation = false;
    } else if (arg == "--no-leading") {
      options.wrap.Leading = false;
    } else if (arg == "--no-word-break") {
      options.wrap.WordBreak = false;
    } else if (arg == "--mode") {
      TakeMode(options, value());
    } else {
      throw UsageError{"unknown option '" + arg + "'"};
    }
  }
  if (options.screenWrap && !options.screen) throw UsageError{"--wrap applies to --screen only"};
  if (quillet::JoinArguments(options.args).empty()) throw UsageError{"no message file given"};
  return options;
}

const char* ModeName(quillet::ViewMode mode) {
  switch (mode) {
    case quillet::ViewMode::Header:
      return "header";
    case quillet::ViewMode::Source:
      return "source";
    case quillet::ViewMode::Body:
      break;
  }
  return "body";
}

// The viewer sets the stamp in body mode only, and shows no image when X-Priority does not
// convert; its error box then shows the conversion error, printed here instead.
void AddStamp(Report& report, const quillet::HeaderValues& headers) {
  report.BeginObject("stamp");
  try {
    int index = quillet::StampIndex(headers);
    report.Number("index", index);
    report.Text("shown", index >= 0 && index < quillet::kStampCount ? "yes" : "no image");
  } catch (const platform::EConvertError& e) {
    report.Text("error", e.what());
    report.Text("shown", "no image");
  }
  report.End();
}

void WriteReport(const Options& options, const quillet::LoadedMessage& message, std::ostream& out) {
  const quillet::HeaderValues& h = message.headers;
  Report report(out, options.json ? Report::Format::Json : Report::Format::Readable);
  report.Text("mode", ModeName(options.mode));
  report.BeginObject("headers");
  for (auto [name, value] :
       {std::pair{"Date", &h.Date}, std::pair{"From", &h.From}, std::pair{"To", &h.To},
        std::pair{"Reply-To", &h.ReplyTo}, std::pair{"Subject", &h.Subject},
        std::pair{"X-Priority", &h.XPriority}, std::pair{"X-MSMail-Priority", &h.XMSMailPriority},
        std::pair{"Message-Id", &h.MessageId}, std::pair{"In-Reply-To", &h.InReplyTo}}) {
    report.Bytes(name, *value);
  }
  report.End();
  quillet::HeaderBarTexts labels = quillet::HeaderBarLabels(h);
  report.BeginObject("labels");
  report.Bytes("lblFrom", labels.From);
  report.Bytes("lblTo", labels.To);
  report.Bytes("lblSubject", labels.Subject);
  report.Bytes("lblDate", labels.Date);
  report.End();
  if (options.mode == quillet::ViewMode::Body) AddStamp(report, h);
  report.Bytes("caption", quillet::CaptionFor(h.Subject));
  report.Bytes("text", message.Text());
  if (options.tokens) AddTokens(report, message.Text());
  if (options.rows) AddRows(report, message.Text(), options.wrap);
  if (options.screen) {
    AddScreenRows(report, message.Text(),
                  options.screenWrap ? std::optional(options.wrap) : std::nullopt);
  }
  report.Finish();
}

}  // namespace

int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  try {
    options = Parse(args);
  } catch (const HelpRequest&) {
    out << kUsage;
    return 0;
  } catch (const UsageError& e) {
    err << "quillet-dump: " << e.reason << "\n" << kUsage;
    return 2;
  }
  // Errors are reported as the viewer's error box reports them, running out of memory included.
  try {
    quillet::LoadedMessage message =
        quillet::LoadMessage(quillet::JoinArguments(options.args), options.mode);
    WriteReport(options, message, out);
  } catch (const std::bad_alloc&) {
    out.flush();
    err << platform::EOutOfMemory().what() << "\n";
    return 1;
  } catch (const platform::Exception& e) {
    out.flush();
    err << e.what() << "\n";
    return 1;
  }
  out.flush();
  return 0;
}

}  // namespace dump
