#include "tools/drive/script.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeySequence>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "app/frm_main.h"
#include "editor/editor_messages.h"
#include "platform/cp932.h"
#include "platform/qt/key_press.h"
#include "textstore/search.h"
#include "tools/drive/properties.h"
#include "tools/drive/session.h"
#include "tools/drive/state_json.h"

namespace drive {
namespace {

using platform::TScrollAxis;
using Words = std::vector<std::string_view>;
using Action = std::function<void(Session&, JsonObject&)>;

bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

Words Split(std::string_view text) {
  Words words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsSpace(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// What follows the first `n` words and the blanks after them: text that may hold blanks.
std::string_view AfterWords(std::string_view text, size_t n) {
  size_t i = 0;
  for (size_t word = 0; word <= n; ++word) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (word == n) break;
    while (i < text.size() && !IsSpace(text[i])) ++i;
  }
  return text.substr(i);
}

void Expect(const Words& words, size_t count, std::string_view form) {
  if (words.size() != count) throw BadValue{"expected " + std::string(form)};
}

// --- Scrolling -------------------------------------------------------------------------------

constexpr std::pair<std::string_view, int> kScrollCodes[] = {{"lineup", platform::SB_LINEUP},
                                                             {"lineleft", platform::SB_LINEUP},
                                                             {"linedown", platform::SB_LINEDOWN},
                                                             {"lineright", platform::SB_LINEDOWN},
                                                             {"pageup", platform::SB_PAGEUP},
                                                             {"pageleft", platform::SB_PAGEUP},
                                                             {"pagedown", platform::SB_PAGEDOWN},
                                                             {"pageright", platform::SB_PAGEDOWN},
                                                             {"top", platform::SB_TOP},
                                                             {"left", platform::SB_TOP},
                                                             {"bottom", platform::SB_BOTTOM},
                                                             {"right", platform::SB_BOTTOM},
                                                             {"endscroll", platform::SB_ENDSCROLL}};

// A scroll-bar action as the window reports it: the code with the bar's position, or with
// the thumb's position while it is dragged (track) and where it is dropped (thumb).
Action ScrollBar(TScrollAxis axis, const Words& words) {
  if (words.size() == 2 && (words[0] == "thumb" || words[0] == "track")) {
    const int code = words[0] == "thumb" ? platform::SB_THUMBPOSITION : platform::SB_THUMBTRACK;
    const int pos = ParseInt(words[1]);
    return [=](Session& s, JsonObject&) { s.Editor().ScrollBarAction(axis, code, pos); };
  }
  if (words.size() == 1) {
    for (auto [name, code] : kScrollCodes) {
      if (words[0] != name) continue;
      return [axis, code = code](Session& s, JsonObject&) {
        s.Editor().ScrollBarAction(axis, code, s.Window().ScrollInfo(axis).Pos);
      };
    }
  }
  throw BadValue{
      "expected a scroll code (lineup, linedown, pageup, pagedown, top, bottom, "
      "endscroll or thumb N, track N)"};
}

// Direction of "down"/"up".
int Direction(const Words& words) {
  if (words.size() == 1 && words[0] == "down") return 1;
  if (words.size() == 1 && words[0] == "up") return -1;
  throw BadValue{"expected down or up"};
}

// A step of one integer argument calling `op` with it.
template <class Op>
std::function<Action(const Words&, std::string_view)> OneInt(Op op) {
  return [op](const Words& words, std::string_view) -> Action {
    Expect(words, 1, "one integer");
    const int n = ParseInt(words[0]);
    return [op, n](Session& s, JsonObject&) { op(s.Editor(), n); };
  };
}

// --- Edit-control messages -------------------------------------------------------------------

// How a message's arguments are given and its answer read.
enum class MsgKind {
  Plain,    // W and L as integers
  Packed,   // as Plain; the answer also as its low and high words
  GetSel,   // W and L point at the start and end the control writes
  GetLine,  // W: the row; L: a buffer whose first word holds its size
  GetText,  // W: the buffer size (default: the text length + 1); L: the buffer
  SetText,  // L: the rest of the step as text
};

struct Message {
  std::string_view name;
  unsigned number;
  MsgKind kind;
};

constexpr Message kMessages[] = {
    {"WM_SETTEXT", editor::WM_SETTEXT, MsgKind::SetText},
    {"WM_GETTEXT", editor::WM_GETTEXT, MsgKind::GetText},
    {"WM_GETTEXTLENGTH", editor::WM_GETTEXTLENGTH, MsgKind::Plain},
    {"WM_GETDLGCODE", editor::WM_GETDLGCODE, MsgKind::Plain},
    {"EM_GETSEL", editor::EM_GETSEL, MsgKind::GetSel},
    {"EM_SETSEL", editor::EM_SETSEL, MsgKind::Plain},
    {"EM_SCROLLCARET", editor::EM_SCROLLCARET, MsgKind::Plain},
    {"EM_GETMODIFY", editor::EM_GETMODIFY, MsgKind::Plain},
    {"EM_SETMODIFY", editor::EM_SETMODIFY, MsgKind::Plain},
    {"EM_GETLINECOUNT", editor::EM_GETLINECOUNT, MsgKind::Plain},
    {"EM_LINEINDEX", editor::EM_LINEINDEX, MsgKind::Plain},
    {"EM_LINELENGTH", editor::EM_LINELENGTH, MsgKind::Plain},
    {"EM_REPLACESEL", editor::EM_REPLACESEL, MsgKind::SetText},
    {"EM_GETLINE", editor::EM_GETLINE, MsgKind::GetLine},
    {"EM_CANUNDO", editor::EM_CANUNDO, MsgKind::Plain},
    {"EM_UNDO", editor::EM_UNDO, MsgKind::Plain},
    {"EM_LINEFROMCHAR", editor::EM_LINEFROMCHAR, MsgKind::Plain},
    {"EM_EMPTYUNDOBUFFER", editor::EM_EMPTYUNDOBUFFER, MsgKind::Plain},
    {"EM_GETFIRSTVISIBLELINE", editor::EM_GETFIRSTVISIBLELINE, MsgKind::Plain},
    {"EM_SETREADONLY", editor::EM_SETREADONLY, MsgKind::Plain},
    {"EM_POSFROMCHAR", editor::EM_POSFROMCHAR, MsgKind::Packed},
    {"EM_CHARFROMPOS", editor::EM_CHARFROMPOS, MsgKind::Packed},
    {"WM_HSCROLL", editor::WM_HSCROLL, MsgKind::Plain},
    {"WM_VSCROLL", editor::WM_VSCROLL, MsgKind::Plain},
    {"WM_CUT", editor::WM_CUT, MsgKind::Plain},
    {"WM_COPY", editor::WM_COPY, MsgKind::Plain},
    {"WM_PASTE", editor::WM_PASTE, MsgKind::Plain},
    {"WM_CLEAR", editor::WM_CLEAR, MsgKind::Plain},
};

// An argument: an integer, or a scroll code by its SB_ name.
long long MessageArgument(std::string_view word) {
  static constexpr std::pair<std::string_view, int> kCodes[] = {
      {"SB_LINEUP", platform::SB_LINEUP},
      {"SB_LINEDOWN", platform::SB_LINEDOWN},
      {"SB_PAGEUP", platform::SB_PAGEUP},
      {"SB_PAGEDOWN", platform::SB_PAGEDOWN},
      {"SB_TOP", platform::SB_TOP},
      {"SB_BOTTOM", platform::SB_BOTTOM},
      {"SB_ENDSCROLL", platform::SB_ENDSCROLL}};
  for (auto [name, code] : kCodes) {
    if (word == name) return code;
  }
  return ParseInt(word);
}

JsonObject Words16(JsonObject answer, std::intptr_t value) {
  return answer.Int("low", value & 0xFFFF).Int("high", (value >> 16) & 0xFFFF);
}

Action SendMessage(const Words& words, std::string_view rest) {
  if (words.empty()) throw BadValue{"expected a message name"};
  const auto* message = std::find_if(std::begin(kMessages), std::end(kMessages),
                                     [&](const Message& m) { return m.name == words[0]; });
  if (message == std::end(kMessages)) {
    throw BadValue{"'" + std::string(words[0]) + "' is no message the view answers"};
  }
  const std::string_view name = message->name;
  const unsigned number = message->number;
  if (message->kind == MsgKind::SetText) {
    const std::string text = ScriptText(AfterWords(rest, 1));
    const std::uintptr_t w = number == editor::EM_REPLACESEL ? 1 : 0;  // EM_REPLACESEL: can undo
    return [=](Session& s, JsonObject& answer) {
      const auto result =
          s.Editor().Perform(number, w, reinterpret_cast<std::intptr_t>(text.c_str()));
      answer.Obj("msg", JsonObject()
                            .Str("name", name)
                            .Int("wParam", static_cast<long long>(w))
                            .Int("result", result));
    };
  }
  if (words.size() > 3) throw BadValue{"expected NAME [W] [L]"};
  const bool hasW = words.size() > 1;
  const long long w = hasW ? MessageArgument(words[1]) : 0;
  const long long l = words.size() > 2 ? MessageArgument(words[2]) : 0;
  const MsgKind kind = message->kind;
  return [=](Session& s, JsonObject& answer) {
    editor::TEditor& view = s.Editor();
    JsonObject reply;
    reply.Str("name", name).Int("wParam", w);
    switch (kind) {
      case MsgKind::Plain:
      case MsgKind::Packed: {
        const auto result =
            view.Perform(number, static_cast<std::uintptr_t>(w), static_cast<std::intptr_t>(l));
        reply.Int("lParam", l).Int("result", result);
        if (kind == MsgKind::Packed) reply = Words16(reply, result);
        break;
      }
      case MsgKind::GetSel: {
        std::uint32_t start = 0, end = 0;
        const auto result = view.Perform(number, reinterpret_cast<std::uintptr_t>(&start),
                                         reinterpret_cast<std::intptr_t>(&end));
        reply = Words16(reply.Int("result", result), result).Int("start", start).Int("end", end);
        break;
      }
      case MsgKind::GetLine:
      case MsgKind::GetText: {
        std::size_t size = 0xFFFF;
        if (kind == MsgKind::GetText) {
          size = hasW ? static_cast<std::size_t>(std::max(0LL, w))
                      : static_cast<std::size_t>(view.Perform(editor::WM_GETTEXTLENGTH, 0, 0)) + 1;
        }
        std::vector<char> buffer(std::max<std::size_t>(size, 2));
        if (kind == MsgKind::GetLine) {
          const std::uint16_t capacity = 0xFFFF;
          std::memcpy(buffer.data(), &capacity, sizeof capacity);
        }
        const std::uintptr_t wParam =
            kind == MsgKind::GetLine ? static_cast<std::uintptr_t>(w) : size;
        const auto result =
            view.Perform(number, wParam, reinterpret_cast<std::intptr_t>(buffer.data()));
        const auto n = std::clamp<std::intptr_t>(result, 0, static_cast<std::intptr_t>(size));
        reply.Int("result", result)
            .Str("text", platform::cp932::ToUtf8({buffer.data(), static_cast<std::size_t>(n)}));
        break;
      }
      case MsgKind::SetText:
        break;  // handled above
    }
    answer.Obj("msg", reply);
  };
}

// --- Selection and the clipboard ------------------------------------------------------------

// A step without arguments calling `op`.
template <class Op>
std::function<Action(const Words&, std::string_view)> NoArgs(Op op) {
  return [op](const Words& words, std::string_view) -> Action {
    Expect(words, 0, "no arguments");
    return [op](Session& s, JsonObject&) { op(s.Editor()); };
  };
}

// From one place to another as Shift with the movement keys selects: anchored at the first,
// extended to the caret at the second.
Action Select(const Words& words, std::string_view) {
  Expect(words, 4, "ROW1 COL1 ROW2 COL2");
  const int row1 = ParseInt(words[0]), col1 = ParseInt(words[1]);
  const int row2 = ParseInt(words[2]), col2 = ParseInt(words[3]);
  return [=](Session& s, JsonObject&) {
    editor::TEditor& view = s.Editor();
    view.SetRowCol(row1, col1);
    view.StartSelection();
    view.SetRowCol(row2, col2);
    view.ExtendSelection();
  };
}

// Rows as a press in the left margin selects them, a drag to the second and the release.
Action SelectRows(const Words& words, std::string_view) {
  if (words.empty() || words.size() > 2) throw BadValue{"expected ROW [ROW2]"};
  const int row = ParseInt(words[0]);
  const bool drag = words.size() == 2;
  const int to = drag ? ParseInt(words[1]) : row;
  return [=](Session& s, JsonObject&) {
    editor::TEditor& view = s.Editor();
    view.SelectRow(row);
    if (drag) view.ExtendRowSelection(to);
    view.EndRowSelection();
  };
}

// "FILE [SECONDS]": the file name may hold blanks, so the seconds are the last word when it
// is a number and there is a word before it.
Action Hold(const Words& words, std::string_view rest) {
  if (words.empty()) throw BadValue{"expected FILE [SECONDS]"};
  int seconds = 30;
  std::string_view file = rest;
  if (words.size() > 1) {
    try {
      seconds = ParseInt(words.back());
      file = rest.substr(0, static_cast<size_t>(words.back().data() - rest.data()));
      while (!file.empty() && IsSpace(file.back())) file.remove_suffix(1);
    } catch (const BadValue&) {
      // Not a number: part of the name.
    }
  }
  if (seconds < 0 || seconds > 3600) throw BadValue{"seconds outside 0 ... 3600"};
  return [file = std::string(file), seconds](Session& s, JsonObject& answer) {
    const bool found = s.Hold(file, seconds);
    answer.Obj("hold", JsonObject().Str("file", file).Bool("found", found));
  };
}

// --- Keys and the mouse ----------------------------------------------------------------------

struct KeyName {
  std::string_view name;
  Qt::Key key;
  std::string_view text;  // what the key types, as the screen's key events carry it
};

constexpr KeyName kKeyNames[] = {
    {"Left", Qt::Key_Left, ""},         {"Right", Qt::Key_Right, ""},
    {"Up", Qt::Key_Up, ""},             {"Down", Qt::Key_Down, ""},
    {"Home", Qt::Key_Home, ""},         {"End", Qt::Key_End, ""},
    {"PageUp", Qt::Key_PageUp, ""},     {"PageDown", Qt::Key_PageDown, ""},
    {"Delete", Qt::Key_Delete, ""},     {"Backspace", Qt::Key_Backspace, "\b"},
    {"Tab", Qt::Key_Tab, "\t"},         {"Return", Qt::Key_Return, "\r"},
    {"Escape", Qt::Key_Escape, ""},     {"Space", Qt::Key_Space, " "},
};

constexpr std::pair<std::string_view, Qt::KeyboardModifier> kModifiers[] = {
    {"Shift", Qt::ShiftModifier}, {"Ctrl", Qt::ControlModifier}, {"Alt", Qt::AltModifier}};

Qt::Key ModifierKey(Qt::KeyboardModifier modifier) {
  switch (modifier) {
    case Qt::ShiftModifier: return Qt::Key_Shift;
    case Qt::ControlModifier: return Qt::Key_Control;
    default: return Qt::Key_Alt;
  }
}

Qt::KeyboardModifier ParseModifier(std::string_view word) {
  for (auto [name, modifier] : kModifiers) {
    if (word == name) return modifier;
  }
  throw BadValue{"'" + std::string(word) + "' is no modifier (Shift, Ctrl, Alt)"};
}

// "Shift+Ctrl+Down", "a", "7": the modifiers go down first, in order, and up last, as a
// keyboard sends them; presses after the first repeat.
Action KeyStep(const Words& words, std::string_view) {
  if (words.size() != 1 && !(words.size() == 3 && words[1] == "repeat")) {
    throw BadValue{"expected NAME[+MODIFIERS] [repeat N]"};
  }
  const int count = words.size() == 3 ? ParseInt(words[2]) : 1;
  if (count < 1 || count > 1000) throw BadValue{"repeat outside 1 ... 1000"};
  std::vector<Qt::KeyboardModifier> modifiers;
  std::string_view request = words[0];
  for (size_t plus; (plus = request.find('+')) != std::string_view::npos && plus + 1 < request.size();) {
    modifiers.push_back(ParseModifier(request.substr(0, plus)));
    request.remove_prefix(plus + 1);
  }
  Qt::KeyboardModifiers all;
  for (Qt::KeyboardModifier modifier : modifiers) all |= modifier;
  Qt::Key key = Qt::Key_unknown;
  QString text;
  if (request.size() == 1 && std::isalnum(static_cast<unsigned char>(request[0]))) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(request[0])));
    key = static_cast<Qt::Key>(c);  // Qt numbers letters and digits by their ASCII codes
    const bool upper = all.testFlag(Qt::ShiftModifier) && std::isalpha(static_cast<unsigned char>(c));
    text = QString(QChar(upper ? c : std::tolower(static_cast<unsigned char>(c))));
  } else {
    const auto* found = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                     [&](const KeyName& k) { return k.name == request; });
    if (found == std::end(kKeyNames)) {
      throw BadValue{"'" + std::string(request) +
                     "' is no key (Left Right Up Down Home End PageUp PageDown Delete Backspace "
                     "Tab Return Escape Space, a letter or a digit)"};
    }
    key = found->key;
    text = QString::fromLatin1(found->text.data(), static_cast<qsizetype>(found->text.size()));
  }
  return [=](Session& s, JsonObject&) {
    Qt::KeyboardModifiers down;
    for (Qt::KeyboardModifier modifier : modifiers) {
      down |= modifier;
      s.Key(ModifierKey(modifier), down, {}, false);
    }
    for (int i = 0; i < count; ++i) s.Key(key, all, text, i > 0);
    s.KeyRelease(key, all, text);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
      s.KeyRelease(ModifierKey(*it), down, {});
      down &= ~Qt::KeyboardModifiers(*it);
    }
  };
}

// Each character as the key event that types it, without a key number of the view's.
Action TypeStep(const Words&, std::string_view rest) {
  if (rest.empty()) throw BadValue{"expected text"};
  const QString text = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
  return [text](Session& s, JsonObject&) {
    for (qsizetype i = 0; i < text.size();) {
      const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      const QString one = text.mid(i, n);
      s.Key(Qt::Key_unknown, Qt::NoModifier, one, false);
      s.KeyRelease(Qt::Key_unknown, Qt::NoModifier, one);
      i += n;
    }
  };
}

struct Point {
  int x = 0;
  int y = 0;
};

Point ParsePoint(const Words& words, std::string_view form) {
  if (words.size() < 2) throw BadValue{"expected " + std::string(form)};
  return {ParseInt(words[0]), ParseInt(words[1])};
}

// A mouse step of a point only, calling `op` with it.
template <class Op>
std::function<Action(const Words&, std::string_view)> AtPoint(Op op) {
  return [op](const Words& words, std::string_view) -> Action {
    Expect(words, 2, "X Y");
    const Point p = ParsePoint(words, "X Y");
    return [op, p](Session& s, JsonObject&) { op(s, p.x, p.y); };
  };
}

Action PressStep(const Words& words, std::string_view) {
  if (words.size() != 2 && words.size() != 3) throw BadValue{"expected X Y [Shift|Ctrl|Alt]"};
  const Point p = ParsePoint(words, "X Y");
  const Qt::KeyboardModifiers modifiers =
      words.size() == 3 ? Qt::KeyboardModifiers(ParseModifier(words[2])) : Qt::NoModifier;
  return [=](Session& s, JsonObject&) { s.Press(p.x, p.y, modifiers); };
}

Action WheelStep(const Words& words, std::string_view) {
  Expect(words, 3, "X Y DELTA");
  const Point p = ParsePoint(words, "X Y DELTA");
  const int delta = ParseInt(words[2]);
  return [=](Session& s, JsonObject&) { s.Wheel(p.x, p.y, delta); };
}

Action TokenStep(const Words& words, std::string_view) {
  Expect(words, 2, "X Y");
  const Point p = ParsePoint(words, "X Y");
  return [p](Session& s, JsonObject& answer) {
    std::string text;
    const int kind = s.Editor().TokenStringFromPos({p.x, p.y}, text);
    answer.Obj("token", JsonObject()
                            .Int("x", p.x)
                            .Int("y", p.y)
                            .Int("kind", kind)
                            .Str("text", platform::cp932::ToUtf8(text))
                            .Str("textHex", Hex(text)));
  };
}

// --- Search and marks ------------------------------------------------------------------------

// "TEXT [forward|backward] [matchcase] [wholeword]": the options are the words at the end, so
// the text may hold blanks.
Action SearchStep(const Words& words, std::string_view rest) {
  static constexpr std::pair<std::string_view, textstore::TSearchOptions> kOptions[] = {
      {"forward", textstore::soForward},
      {"backward", 0},
      {"matchcase", textstore::soMatchCase},
      {"wholeword", textstore::soWholeWord}};
  textstore::TSearchOptions options = textstore::soForward;
  size_t textWords = words.size();
  while (textWords > 1) {
    const auto* found = std::find_if(std::begin(kOptions), std::end(kOptions),
                                     [&](const auto& o) { return o.first == words[textWords - 1]; });
    if (found == std::end(kOptions)) break;
    if (found->first == "backward") options &= ~textstore::soForward;
    options |= found->second;
    --textWords;
  }
  if (textWords == 0) throw BadValue{"expected TEXT [forward|backward] [matchcase] [wholeword]"};
  const std::string_view last = words[textWords - 1];
  const std::string text = ScriptText(
      rest.substr(0, static_cast<size_t>(last.data() + last.size() - rest.data())));
  return [=](Session& s, JsonObject& answer) {
    const bool found = s.Editor().Search(text, options);
    answer.Obj("search", JsonObject().Int("options", options).Bool("found", found));
  };
}

// The marks a row carries, as a JSON array.
std::string RowMarks(const editor::TEditor& view, int row) {
  std::string marks = "[";
  for (int n = 0; n < 16; ++n) {
    if (!view.RowHasMark(row, n)) continue;
    if (marks.size() > 1) marks += ',';
    marks += std::to_string(n);
  }
  return marks + "]";
}

Action MarkStep(const Words& words, bool put) {
  Expect(words, 2, "ROW N");
  const int row = ParseInt(words[0]), n = ParseInt(words[1]);
  return [=](Session& s, JsonObject& answer) {
    if (put) {
      s.Editor().PutMark(row, n);
    } else {
      s.Editor().DeleteMark(row, n);
    }
    answer.Obj("marks", JsonObject().Int("row", row).Raw("marks", RowMarks(s.Editor(), row)));
  };
}

// --- The main window's own keys -------------------------------------------------------------

quillet::TfrmMain& MainWindow(Session& s) {
  auto* form = dynamic_cast<quillet::TfrmMain*>(s.Window().window());
  if (form == nullptr) throw std::runtime_error("the step needs the main window (--window)");
  return *form;
}

Action ShortcutStep(const Words& words, std::string_view) {
  Expect(words, 1, "a key such as Ctrl+F");
  const QKeySequence keys = QKeySequence::fromString(
      QString::fromUtf8(words[0].data(), static_cast<qsizetype>(words[0].size())),
      QKeySequence::PortableText);
  if (keys.count() != 1) throw BadValue{"expected one key such as Ctrl+F, F3 or Esc"};
  return [combination = keys[0]](Session& s, JsonObject&) {
    platform::qt::PressKey(s.Window().window(), combination);
  };
}

// Until the count is done, at most ten seconds.
void Settle(quillet::TfrmMain& form) {
  const QDeadlineTimer deadline(10000);
  while (!form.FindHits().Done()) {
    if (deadline.hasExpired()) throw std::runtime_error("the hit count did not end");
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
}

// --- The verbs -------------------------------------------------------------------------------

struct Verb {
  std::string_view name;
  std::string_view forms;  // for the help
  // Checks the words after the verb (`rest` is the same text unsplit) and returns the action.
  std::function<Action(const Words& words, std::string_view rest)> parse;
};

const std::vector<Verb>& Verbs() {
  using editor::TEditor;
  static const std::vector<Verb> kVerbs = {
      {"vscroll", "vscroll lineup|linedown|pageup|pagedown|top|bottom|endscroll|thumb N|track N",
       [](const Words& w, std::string_view) { return ScrollBar(TScrollAxis::Vertical, w); }},
      {"hscroll", "hscroll (the same codes, or lineleft|lineright|pageleft|pageright|left|right)",
       [](const Words& w, std::string_view) { return ScrollBar(TScrollAxis::Horizontal, w); }},
      {"page", "page down|up                 Page Down / Page Up",
       [](const Words& w, std::string_view) -> Action {
         const int direction = Direction(w);
         return [direction](Session& s, JsonObject&) { s.Editor().PageScroll(direction); };
       }},
      {"line", "line down|up                 the caret one row down or up",
       [](const Words& w, std::string_view) -> Action {
         const int direction = Direction(w);
         return [direction](Session& s, JsonObject&) {
           s.Editor().SetRow(s.Editor().Row() + direction);
         };
       }},
      {"toprow", "toprow N", OneInt([](TEditor& v, int n) { v.SetTopRow(n); })},
      {"topcol", "topcol N", OneInt([](TEditor& v, int n) { v.SetTopCol(n); })},
      {"scrollrows", "scrollrows N                 move the view N rows with the caret",
       OneInt([](TEditor& v, int n) { v.ScrollRows(n); })},
      {"row", "row N                        the caret's row",
       OneInt([](TEditor& v, int n) { v.SetRow(n); })},
      {"col", "col N                        the caret's column",
       OneInt([](TEditor& v, int n) { v.SetCol(n); })},
      {"caret", "caret ROW COL",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 2, "ROW COL");
         const int row = ParseInt(w[0]), col = ParseInt(w[1]);
         return [=](Session& s, JsonObject&) { s.Editor().SetRowCol(row, col); };
       }},
      {"resize", "resize WxH",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 1, "WxH");
         int width = 0, height = 0;
         ParseSize(w[0], width, height);
         return [=](Session& s, JsonObject&) { s.Resize(width, height); };
       }},
      {"set", "set Name=Value               (the names are listed below)",
       [](const Words&, std::string_view rest) -> Action {
         Setting setting = ParseSetting(rest);
         return [setting](Session& s, JsonObject&) { setting(s.Editor()); };
       }},
      {"text", "text TEXT                    replace the text (UTF-8; \\n \\r \\t \\\\)",
       [](const Words&, std::string_view rest) -> Action {
         return [text = ScriptText(rest)](Session& s, JsonObject&) {
           s.Editor().Lines().SetTextStr(text);
         };
       }},
      {"pos", "pos X Y                      the row and column of a point, snapped and not",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 2, "X Y");
         const int x = ParseInt(w[0]), y = ParseInt(w[1]);
         return [=](Session& s, JsonObject& answer) {
           int row = 0, col = 0, snapRow = 0, snapCol = 0;
           s.Editor().PosToRowCol(x, y, row, col, false);
           s.Editor().PosToRowCol(x, y, snapRow, snapCol, true);
           answer.Obj("pos", JsonObject()
                                 .Int("x", x)
                                 .Int("y", y)
                                 .Obj("snap", JsonObject().Int("row", snapRow).Int("col", snapCol))
                                 .Obj("noSnap", JsonObject().Int("row", row).Int("col", col)));
         };
       }},
      {"msg", "msg NAME [W] [L]             an edit-control message and its answer", SendMessage},
      {"select", "select ROW1 COL1 ROW2 COL2   anchor at the first place, extend to the second",
       Select},
      {"selectoffsets", "selectoffsets START LENGTH   SelStart and SelLength (bytes, CR LF two)",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 2, "START LENGTH");
         const int start = ParseInt(w[0]), length = ParseInt(w[1]);
         return [=](Session& s, JsonObject&) {
           s.Editor().SetSelStart(start);
           s.Editor().SetSelLength(length);
         };
       }},
      {"selectall", "selectall", NoArgs([](TEditor& v) { v.SelectAll(); })},
      {"selectrow", "selectrow ROW [ROW2]         select rows as the left margin does", SelectRows},
      {"mode", "mode line|box                the selection mode",
       [](const Words& w, std::string_view) -> Action {
         if (w.size() != 1 || (w[0] != "line" && w[0] != "box")) {
           throw BadValue{"expected line or box"};
         }
         const int mode = w[0] == "box" ? 1 : 0;
         return [mode](Session& s, JsonObject&) { s.Editor().SetSelectionMode(mode); };
       }},
      {"clear", "clear                        drop the selection",
       NoArgs([](TEditor& v) { v.ClearSelection(); })},
      {"copy", "copy                         copy the selection to the system clipboard",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 0, "no arguments");
         return [](Session& s, JsonObject& answer) {
           s.Editor().CopyToClipboard();
           answer.Obj("clipboard", ClipboardState());
         };
       }},
      {"hold",
       "hold FILE [SECONDS]          keep running (and owning the clipboard) until FILE\n"
       "                               exists or SECONDS (30) pass",
       Hold},
      {"focus", "focus                        give the window the focus",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 0, "no arguments");
         return [](Session& s, JsonObject&) { s.Focus(); };
       }},
      {"key",
       "key NAME[+MODIFIERS] [repeat N]  a key (Left Right Up Down Home End PageUp PageDown\n"
       "                               Delete Backspace Tab Return Escape Space, a letter or a\n"
       "                               digit) with Shift, Ctrl, Alt before it (Shift+Down);\n"
       "                               repeat: N presses, the later ones auto-repeated",
       KeyStep},
      {"type", "type TEXT                    each character as a typed key (UTF-8)", TypeStep},
      {"press", "press X Y [Shift|Ctrl|Alt]   left button down at a client point", PressStep},
      {"move", "move X Y                     the pointer to a point (with the button held after\n"
               "                               press)",
       AtPoint([](Session& s, int x, int y) { s.Move(x, y); })},
      {"release", "release X Y                  left button up",
       AtPoint([](Session& s, int x, int y) { s.Release(x, y); })},
      {"click", "click X Y                    press and release",
       AtPoint([](Session& s, int x, int y) {
         s.Press(x, y, Qt::NoModifier);
         s.Release(x, y);
       })},
      {"dblclick", "dblclick X Y                 a click and the double-click's second press",
       AtPoint([](Session& s, int x, int y) {
         s.Press(x, y, Qt::NoModifier);
         s.Release(x, y);
         s.DoubleClick(x, y);
       })},
      {"wheel", "wheel X Y DELTA              the wheel (120 a notch, positive away)", WheelStep},
      {"token", "token X Y                    the token kind and text at a point", TokenStep},
      {"search",
       "search TEXT [forward|backward] [matchcase] [wholeword]  the next or previous match",
       SearchStep},
      {"mark", "mark ROW N                   put mark N on a row",
       [](const Words& w, std::string_view) { return MarkStep(w, true); }},
      {"unmark", "unmark ROW N                 take mark N off a row",
       [](const Words& w, std::string_view) { return MarkStep(w, false); }},
      {"gotomark", "gotomark N                   the caret to the row of mark N",
       OneInt([](TEditor& v, int n) { v.GotoMark(n); })},
      {"action", "action NAME                  trigger an action of the main window (--window)",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 1, "an action's name");
         return [name = QString::fromUtf8(w[0].data(), static_cast<qsizetype>(w[0].size()))](
                    Session& s, JsonObject&) {
           auto* action = s.Window().window()->findChild<QAction*>(name);
           if (action == nullptr) throw std::runtime_error("no action " + name.toStdString());
           action->trigger();
         };
       }},
      {"shortcut",
       "shortcut KEYS                a key as the keyboard gives it to the focused widget of\n"
       "                               the main window, its shortcuts first (Ctrl+F, F3,\n"
       "                               Shift+F3, Esc, Ctrl++, Ctrl+0; --window)",
       ShortcutStep},
      {"enter", "enter TEXT                   type TEXT (UTF-8) into the focused widget (--window)",
       [](const Words&, std::string_view rest) -> Action {
         return [text = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()))](
                    Session& s, JsonObject&) { platform::qt::TypeText(s.Window().window(), text); };
       }},
      {"settle", "settle                       run the events until the find bar's count is done\n"
                 "                               (--window)",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 0, "no arguments");
         return [](Session& s, JsonObject&) { Settle(MainWindow(s)); };
       }},
      {"close", "close                        close the window (the main window saves its frame)",
       [](const Words& w, std::string_view) -> Action {
         Expect(w, 0, "no arguments");
         return [](Session& s, JsonObject&) { s.Window().window()->close(); };
       }},
      {"windowpng", "windowpng FILE               save a picture of the whole window now (--window)",
       [](const Words&, std::string_view rest) -> Action {
         if (rest.empty()) throw BadValue{"expected a file name"};
         return [file = std::string(rest)](Session& s, JsonObject&) {
           if (!s.Window().window()->grab().save(QString::fromLocal8Bit(file.c_str()), "PNG")) {
             throw std::runtime_error("cannot write " + file);
           }
         };
       }},
      {"png", "png FILE                     save the view's pixels now",
       [](const Words&, std::string_view rest) -> Action {
         if (rest.empty()) throw BadValue{"expected a file name"};
         return [file = std::string(rest)](Session& s, JsonObject&) { s.SavePng(file); };
       }},
  };
  return kVerbs;
}

}  // namespace

Step ParseStep(std::string_view text) {
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  const Words words = Split(text);
  const std::string quoted = "step '" + std::string(text) + "': ";
  if (words.empty()) throw StepError{quoted + "empty"};
  for (const Verb& verb : Verbs()) {
    if (verb.name != words[0]) continue;
    try {
      return {std::string(text),
              verb.parse(Words(words.begin() + 1, words.end()), AfterWords(text, 1))};
    } catch (const BadValue& bad) {
      throw StepError{quoted + bad.reason};
    }
  }
  throw StepError{quoted + "unknown step '" + std::string(words[0]) + "' (see --help)"};
}

std::vector<Step> ParseScript(std::string_view script, std::string_view origin) {
  std::vector<Step> steps;
  int number = 0;
  while (!script.empty()) {
    const size_t end = std::min(script.find('\n'), script.size());
    std::string_view line = script.substr(0, end);
    script.remove_prefix(std::min(script.size(), end + 1));
    ++number;
    const Words words = Split(line);
    if (words.empty() || words[0].front() == '#') continue;
    try {
      steps.push_back(ParseStep(line));
    } catch (const StepError& error) {
      throw StepError{std::string(origin) + ":" + std::to_string(number) + ": " + error.message};
    }
  }
  return steps;
}

std::string StepHelp() {
  std::string help;
  for (const Verb& verb : Verbs()) help += "  " + std::string(verb.forms) + "\n";
  return help + "  set takes:\n" + SettingHelp();
}

}  // namespace drive
