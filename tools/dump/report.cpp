#include "tools/dump/report.h"

#include "platform/cp932.h"

namespace dump {
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
  static const char kDigits[] = "0123456789abcdef";
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
void Report::BeginObject(std::string_view name) {
  items_.push_back({Kind::Object, std::string(name), {}});
}
void Report::BeginList(std::string_view name) {
  items_.push_back({Kind::List, std::string(name), {}});
}
void Report::BeginRecord() { items_.push_back({Kind::Record, {}, {}}); }
void Report::End() { items_.push_back({Kind::End, {}, {}}); }

void Report::PrintReadable(std::ostream& out) const {
  std::string indent;
  bool inRecord = false;
  for (const Item& item : items_) {
    if (inRecord) {
      // One line: name=value pairs, message bytes quoted.
      if (item.kind == Kind::End) {
        out << "\n";
        inRecord = false;
      } else if (item.kind == Kind::Bytes) {
        out << "  " << item.name << "=\"" << platform::cp932::ToUtf8(item.value) << "\"";
      } else {
        out << "  " << item.name << "=" << item.value;
      }
      continue;
    }
    switch (item.kind) {
      case Kind::Record:
        out << indent.substr(2);
        inRecord = true;
        break;
      case Kind::Object:
      case Kind::List:
        if (!item.name.empty()) out << indent << item.name << ":\n";
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
          if (text.back() != '\n') out << "\n";
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
  // Which containers are lists, innermost last: their members are written without keys.
  std::vector<bool> inList{false};
  bool first = true;
  out << "{";
  for (const Item& item : items_) {
    if (item.kind == Kind::End) {
      out << (inList.back() ? "]" : "}");
      inList.pop_back();
      first = false;
      continue;
    }
    if (!first) out << ",";
    first = false;
    if (!inList.back()) out << JsonString(item.name) << ":";
    switch (item.kind) {
      case Kind::Object:
      case Kind::Record:
        out << "{";
        inList.push_back(false);
        first = true;
        break;
      case Kind::List:
        out << "[";
        inList.push_back(true);
        first = true;
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

}  // namespace dump
