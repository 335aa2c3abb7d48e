#include "tools/dump/report.h"

#include <algorithm>

#include "platform/cp932.h"

namespace dump {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

// Long values are converted and written piece by piece, so that no copy of a whole message
// text is made for printing.
constexpr size_t kPiece = 64 * 1024;

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c < 0x20) {
      out += "\\u00";
      out.push_back(kDigits[c >> 4]);
      out.push_back(kDigits[c & 15]);
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out + "\"";
}

void WriteJsonHex(std::ostream& out, std::string_view bytes) {
  std::string piece;
  out << '"';
  for (size_t at = 0; at < bytes.size(); at += kPiece) {
    piece.clear();
    for (unsigned char c : bytes.substr(at, kPiece)) {
      piece.push_back(kDigits[c >> 4]);
      piece.push_back(kDigits[c & 15]);
    }
    out << piece;
  }
  out << '"';
}

// A byte below 0x40 is never the second byte of a double-byte character, so the text decodes
// the same when cut after it. A CR is not cut after, which keeps every CR LF in one piece.
bool CanCutAfter(char c) { return static_cast<unsigned char>(c) < 0x40 && c != '\r'; }

// Writes CP932 text as UTF-8, in pieces; `lineBreaks` shows every CR LF as a plain line break.
void WriteUtf8(std::ostream& out, std::string_view cp932, bool lineBreaks) {
  size_t at = 0;
  while (at < cp932.size()) {
    size_t end = std::min(cp932.size(), at + kPiece);
    while (end < cp932.size() && !CanCutAfter(cp932[end - 1])) ++end;
    std::string piece = platform::cp932::ToUtf8(cp932.substr(at, end - at));
    // Dropping the CR of each CR LF in one pass keeps this linear in the text.
    size_t kept = 0;
    for (size_t i = 0; i < piece.size(); ++i) {
      if (lineBreaks && piece[i] == '\r' && i + 1 < piece.size() && piece[i + 1] == '\n') {
        continue;
      }
      piece[kept++] = piece[i];
    }
    out.write(piece.data(), static_cast<std::streamsize>(kept));
    at = end;
  }
}

}  // namespace

Report::Report(std::ostream& out, Format format) : out_(out), format_(format) {
  if (format_ == Format::Json) out_ << "{";
}

void Report::Finish() {
  if (format_ == Format::Json) out_ << "}\n";
}

void Report::JsonMember(std::string_view name) {
  if (!first_) out_ << ",";
  first_ = false;
  if (open_.empty() || open_.back() != Container::List) out_ << JsonString(name) << ":";
}

void Report::Open(Container container, std::string_view name) {
  if (format_ == Format::Json) {
    JsonMember(name);
    out_ << (container == Container::List ? "[" : "{");
    first_ = true;
  } else if (container == Container::Record) {
    // One line of name=value pairs, set one step out, as each pair begins with two spaces.
    out_ << std::string_view(indent_).substr(std::min<size_t>(2, indent_.size()));
  } else {
    if (!name.empty()) out_ << indent_ << name << ":\n";
    indent_ += "  ";
  }
  open_.push_back(container);
}

void Report::BeginObject(std::string_view name) { Open(Container::Object, name); }
void Report::BeginList(std::string_view name) { Open(Container::List, name); }
void Report::BeginRecord() { Open(Container::Record, {}); }

void Report::End() {
  Container closed = open_.back();
  open_.pop_back();
  if (format_ == Format::Json) {
    out_ << (closed == Container::List ? "]" : "}");
    first_ = false;
  } else if (closed == Container::Record) {
    out_ << "\n";
  } else {
    indent_.resize(indent_.size() - 2);
  }
}

void Report::Value(std::string_view name, std::string_view readable, std::string_view json) {
  if (format_ == Format::Json) {
    JsonMember(name);
    out_ << json;
  } else if (!open_.empty() && open_.back() == Container::Record) {
    out_ << "  " << name << "=" << readable;
  } else {
    out_ << indent_ << name << ": " << readable << "\n";
  }
}

void Report::Text(std::string_view name, std::string_view utf8) {
  Value(name, utf8, JsonString(utf8));
}

void Report::Number(std::string_view name, long long value) {
  std::string digits = std::to_string(value);
  Value(name, digits, digits);
}

void Report::Bytes(std::string_view name, std::string_view cp932) {
  if (format_ == Format::Json) {
    JsonMember(name);
    WriteJsonHex(out_, cp932);
  } else if (!open_.empty() && open_.back() == Container::Record) {
    out_ << "  " << name << "=\"";
    WriteUtf8(out_, cp932, false);
    out_ << "\"";
  } else if (cp932.find('\n') != std::string_view::npos) {
    MultiLineText(name, cp932);
  } else {
    out_ << indent_ << name << ": ";
    WriteUtf8(out_, cp932, false);
    out_ << "\n";
  }
}

void Report::MultiLineText(std::string_view name, std::string_view cp932) {
  // One line per output line, CR LF shown as a plain line break, then a closing line.
  out_ << indent_ << name << ":\n";
  WriteUtf8(out_, cp932, true);
  if (cp932.back() != '\n') out_ << "\n";
  out_ << indent_ << "(end of " << name << ")\n";
}

}  // namespace dump
