// quillet-dump: loads a message as the viewer does and prints what the viewer would show.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/message.h"
#include "platform/errors.h"
#include "tools/dump/layout.h"
#include "tools/dump/report.h"
#include "tools/dump/screen_rows.h"

namespace {

constexpr char kUsage[] =
    "usage: quillet-dump [--mode body|header|source] [--json] [--tokens]\n"
    "                       [--rows WIDTH [--no-follow-ret] [--no-punctuation] [--no-leading]\n"
    "                                     [--no-word-break]]\n"
    "                       [--screen [--wrap WIDTH]] MESSAGE-FILE...\n"
    "Loads the message as Quillet does (all file arguments joined with single spaces form the\n"
    "path) and prints the nine header values, the header-bar labels, the priority stamp, the\n"
    "window caption and the text of the view mode. --json prints byte strings as hexadecimal.\n"
    "--tokens adds the tokens of every line of the view text as the view colours them;\n"
    "--rows adds the screen rows of every line wrapped at WIDTH columns (20-250) with the\n"
    "viewer's line-breaking rules, each of which the --no- switches turns off.\n"
    "--screen loads the view text into the view's screen rows (word wrap off, or on at\n"
    "--wrap WIDTH) and prints every row: logical line, kind, marks, stored scan state and the\n"
    "tokens painted from that state, with the logical line and row counts.\n";

struct Options {
  quillet::ViewMode mode = quillet::ViewMode::Body;
  bool json = false;
  bool tokens = false;
  bool rows = false;
  bool screen = false;
  bool screenWrap = false;
  textstore::TWrapSettings wrap = ViewerWrapSettings();
  std::vector<std::string> args{"quillet"};

  // The viewer turns all four rules on.
  static textstore::TWrapSettings ViewerWrapSettings() {
    textstore::TWrapSettings s;
    s.FollowRetMark = s.FollowPunctuation = s.Leading = s.WordBreak = true;
    return s;
  }
};

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--tokens") {
      options.tokens = true;
    } else if (arg == "--rows" && i + 1 < argc) {
      options.rows = true;
      options.wrap.WrapByte = std::atoi(argv[++i]);
    } else if (arg == "--screen") {
      options.screen = true;
    } else if (arg == "--wrap" && i + 1 < argc) {
      options.screenWrap = true;
      options.wrap.WrapByte = std::atoi(argv[++i]);
    } else if (arg == "--no-follow-ret") {
      options.wrap.FollowRetMark = false;
    } else if (arg == "--no-punctuation") {
      options.wrap.FollowPunctuation = false;
    } else if (arg == "--no-leading") {
      options.wrap.Leading = false;
    } else if (arg == "--no-word-break") {
      options.wrap.WordBreak = false;
    } else if (arg == "--mode" && i + 1 < argc) {
      std::string mode = argv[++i];
      if (mode == "body") {
        options.mode = quillet::ViewMode::Body;
      } else if (mode == "header") {
        options.mode = quillet::ViewMode::Header;
      } else if (mode == "source") {
        options.mode = quillet::ViewMode::Source;
      } else {
        return false;
      }
    } else if (arg == "--help" || arg == "-h") {
      return false;
    } else {
      options.args.push_back(arg);
    }
  }
  return !quillet::JoinArguments(options.args).empty();
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

void AddStamp(dump::Report& report, const quillet::HeaderValues& headers) {
  report.BeginObject("stamp");
  try {
    int index = quillet::StampIndex(headers);
    report.Number("index", index);
    report.Text("shown", index >= 0 && index < quillet::kStampCount ? "yes" : "no image");
  } catch (const platform::Exception& e) {
    report.Text("error", e.what());
  }
  report.End();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  std::string path = quillet::JoinArguments(options.args);
  quillet::LoadedMessage message;
  try {
    message = quillet::LoadMessage(path, options.mode);
  } catch (const platform::Exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  const quillet::HeaderValues& h = message.headers;
  dump::Report report;
  report.Text("mode", ModeName(options.mode));
  report.BeginObject("headers");
  for (auto [name, value] : {std::pair{"Date", &h.Date}, std::pair{"From", &h.From},
                             std::pair{"To", &h.To}, std::pair{"Reply-To", &h.ReplyTo},
                             std::pair{"Subject", &h.Subject}, std::pair{"X-Priority", &h.XPriority},
                             std::pair{"X-MSMail-Priority", &h.XMSMailPriority},
                             std::pair{"Message-Id", &h.MessageId},
                             std::pair{"In-Reply-To", &h.InReplyTo}}) {
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
  AddStamp(report, h);
  report.Bytes("caption", quillet::CaptionFor(h.Subject));
  report.Bytes("text", message.text);
  if (options.tokens) dump::AddTokens(report, message.text);
  if (options.rows) dump::AddRows(report, message.text, options.wrap);
  if (options.screen) {
    dump::AddScreenRows(report, message.text,
                           options.screenWrap ? std::optional(options.wrap) : std::nullopt);
  }
  if (options.json) {
    report.PrintJson(std::cout);
  } else {
    report.PrintReadable(std::cout);
  }
  return 0;
}
