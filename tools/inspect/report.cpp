#include "tools/inspect/report.h"

#include "platform/cp932.h"

namespace inspect {
namespace {

std::string Hex(std::string_view bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 15]);
  }
  return out;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c < 0x20) {
      static const char kDigits[] = "0123456789abcdef";
      out += "\\u00";
      out.push_back(kDigits[c >> 4]);
      out.push_back(kDigits[c & 15]);
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out + "\"";
}

}  // namespace

void Report::Bytes(std::string_view name, std::string_view cp932) {
  items_.push_back({Kind::Bytes, std::string(name), std::string(cp932)});
}
void Report::Text(std::string_view name, std::string_view utf8) {
  items_.push_back({Kind::Text, std::string(name), std::string(utf8)});
}
void Report::Number(std::string_view name, long long value) {
  items_.push_back({Kind::Number, std::string(name), std::to_string(value)});
}
void Report::BeginSection(std::string_view name) {
  items_.push_back({Kind::Begin, std::string(name), {}});
}
void Report::EndSection() { items_.push_back({Kind::End, {}, {}}); }

void Report::PrintReadable(std::ostream& out) const {
  std::string indent;
  for (const Item& item : items_) {
    switch (item.kind) {
      case Kind::Begin:
        out << indent << item.name << ":\n";
        indent += "  ";
        break;
      case Kind::End:
        indent.resize(indent.size() - 2);
        break;
      case Kind::Bytes: {
        std::string text = platform::cp932::ToUtf8(item.value);
        if (text.find('\n') != std::string::npos) {
          // Multi-line text: one line per output line, CR LF shown as a plain line break.
          for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
          out << indent << item.name << ":\n" << text;
          if (!text.empty() && text.back() != '\n') out << "\n";
          out << indent << "(end of " << item.name << ")\n";
        } else {
          out << indent << item.name << ": " << text << "\n";
        }
        break;
      }
      case Kind::Text:
      case Kind::Number:
        out << indent << item.name << ": " << item.value << "\n";
        break;
    }
  }
}

void Report::PrintJson(std::ostream& out) const {
  out << "{";
  bool first = true;
  for (const Item& item : items_) {
    if (item.kind == Kind::End) {
      out << "}";
      first = false;
      continue;
    }
    if (!first) out << ",";
    first = item.kind == Kind::Begin;
    out << JsonString(item.name) << ":";
    switch (item.kind) {
      case Kind::Begin:
        out << "{";
        break;
      case Kind::Bytes:
        out << JsonString(Hex(item.value));
        break;
      case Kind::Text:
        out << JsonString(item.value);
        break;
      case Kind::Number:
        out << item.value;
        break;
      case Kind::End:
        break;
    }
  }
  out << "}\n";
}

}  // namespace inspect
