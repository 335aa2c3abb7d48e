#include "platform/registry_file.h"

#include <optional>
#include <utility>

#include "platform/ascii.h"
#include "platform/cp932.h"
#include "platform/utf16.h"

namespace platform::registry {
namespace {

enum class Form { kWine, kRegedit4, kRegedit5 };

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

std::string_view TrimLeft(std::string_view s) {
  const size_t i = s.find_first_not_of(kBlanks);
  return i == std::string_view::npos ? std::string_view() : s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
  const size_t i = s.find_last_not_of(kBlanks);
  return i == std::string_view::npos ? std::string_view() : s.substr(0, i + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char upper = AsciiUpper(c);
  return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// Up to `most` hexadecimal digits from the start of `text`.
std::pair<std::uint32_t, size_t> HexNumber(std::string_view text, size_t most) {
  std::uint32_t value = 0;
  size_t n = 0;
  while (n < text.size() && n < most && HexDigit(text[n]) >= 0) value = value * 16 + HexDigit(text[n++]);
  return {value, n};
}

std::string_view FirstLine(std::string_view text) {
  return TrimRight(text.substr(0, text.find_first_of("\r\n")));
}

std::optional<Form> FormOf(std::string_view firstLine) {
  if (firstLine == "WINE REGISTRY Version 2") return Form::kWine;
  if (firstLine == "REGEDIT4") return Form::kRegedit4;
  if (firstLine == "Windows Registry Editor Version 5.00") return Form::kRegedit5;
  return std::nullopt;
}

// The file's text as UTF-8.
std::string Decoded(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return utf16::ToUtf8(utf16::FromLittleEndian(bytes.substr(2)));
  if (FormOf(FirstLine(bytes)) == Form::kWine) return std::string(bytes);
  return cp932::ToUtf8(bytes);
}

std::string StringData(std::u16string_view units) {
  return utf16::ToLittleEndian(units) + std::string(2, '\0');
}

// Comma-separated bytes of one or two hexadecimal digits each; a comma may close the list.
std::optional<std::string> HexBytes(std::string_view text) {
  std::string out;
  text = TrimLeft(text);
  while (!text.empty()) {
    const auto [byte, digits] = HexNumber(text, 2);
    if (digits == 0) return std::nullopt;
    out.push_back(static_cast<char>(byte));
    text = TrimLeft(text.substr(digits));
    if (text.empty()) break;
    if (text[0] != ',') return std::nullopt;
    text = TrimLeft(text.substr(1));
  }
  return out;
}

// Lines joined where one ends with '\'; comments are never joined.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  bool Next(std::string& line) {
    if (pos_ >= text_.size()) return false;
    line.clear();
    for (bool first = true;; first = false) {
      const std::string_view raw = Raw();
      const std::string_view part = first ? raw : TrimLeft(raw);
      const std::string_view trimmed = TrimRight(part);
      const bool comment = first && (TrimLeft(raw).starts_with(';') || TrimLeft(raw).starts_with('#'));
      if (comment || !trimmed.ends_with('\\') || pos_ >= text_.size()) {
        line.append(part);
        return true;
      }
      line.append(trimmed.substr(0, trimmed.size() - 1));
    }
  }

 private:
  std::string_view Raw() {
    size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view raw = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return raw.ends_with('\r') ? raw.substr(0, raw.size() - 1) : raw;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

class Parser {
 public:
  explicit Parser(Form form) : form_(form) {}

  void Line(std::string_view line) {
    line = TrimLeft(line);
    if (line.starts_with('[')) {
      KeyLine(line);
    } else if (current_ != nullptr && (line.starts_with('"') || line.starts_with('@'))) {
      ValueLine(line);
    }
  }

  Keys Take() { return std::move(keys_); }

 private:
  void KeyLine(std::string_view line) {
    current_ = nullptr;
    if (form_ == Form::kWine) {
      size_t end = 0;
      if (auto name = Unquote(line.substr(1), ']', end)) current_ = &keys_[FoldKeyPath(utf16::ToUtf8(*name))];
      return;
    }
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos) return;
    const std::string_view name = line.substr(1, close - 1);
    const bool underRoot = name.size() >= kRoot.size() && FoldName(name.substr(0, kRoot.size())) == kRoot &&
                           (name.size() == kRoot.size() || name[kRoot.size()] == '\\');
    if (underRoot) current_ = &keys_[FoldKeyPath(name.substr(kRoot.size()))];
  }

  void ValueLine(std::string_view line) {
    std::string name;
    size_t pos = 1;
    if (line[0] == '"') {
      size_t end = 0;
      const auto units = Unquote(line.substr(1), '"', end);
      if (!units) return;
      name = FoldName(utf16::ToUtf8(*units));
      pos += end;
    }
    std::string_view rest = TrimLeft(line.substr(pos));
    if (!rest.starts_with('=')) return;
    rest = TrimRight(TrimLeft(rest.substr(1)));
    if (form_ != Form::kWine && rest == "-") {
      current_->erase(name);
    } else if (auto value = Data(rest)) {
      (*current_)[name] = std::move(*value);
    }
  }

  std::optional<Value> Data(std::string_view text) const {
    struct Quoted {
      std::string_view prefix;
      std::uint32_t type;
    };
    static constexpr Quoted kWineStrings[] = {
        {"str:\"", kString}, {"str(2):\"", kExpandString}, {"str(7):\"", kMultiString}};
    if (text.starts_with('"')) return String(text.substr(1), kString);
    for (const Quoted& each : kWineStrings) {
      if (form_ == Form::kWine && text.starts_with(each.prefix)) {
        return String(text.substr(each.prefix.size()), each.type);
      }
    }
    if (text.starts_with("dword:")) {
      text.remove_prefix(6);
      const auto [number, digits] = HexNumber(text, 8);
      if (digits == 0 || digits != text.size()) return std::nullopt;
      std::string data;
      for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<char>(number >> shift));
      return Value{kDword, data};
    }
    std::uint32_t type = kBinary;
    if (text.starts_with("hex(")) {
      size_t digits = 0;
      std::tie(type, digits) = HexNumber(text.substr(4), 8);
      text.remove_prefix(4 + digits);
      if (digits == 0 || !text.starts_with(')')) return std::nullopt;
      text.remove_prefix(1);
    } else if (text.starts_with("hex")) {
      text.remove_prefix(3);
    } else {
      return std::nullopt;
    }
    if (!text.starts_with(':')) return std::nullopt;
    auto bytes = HexBytes(text.substr(1));
    if (!bytes) return std::nullopt;
    const bool textKind = type == kString || type == kExpandString || type == kMultiString;
    if (textKind && form_ == Form::kRegedit4) *bytes = utf16::ToLittleEndian(utf16::FromUtf8(cp932::ToUtf8(*bytes)));
    return Value{type, std::move(*bytes)};
  }

  // A string's text after its opening quote; only blanks may follow the closing one.
  std::optional<Value> String(std::string_view text, std::uint32_t type) const {
    size_t end = 0;
    const auto units = Unquote(text, '"', end);
    if (!units || end != text.size()) return std::nullopt;
    return Value{type, StringData(*units)};
  }

  // The units of quoted text up to the unescaped `close`; `end` is set just past it. Nothing
  // when `close` never comes.
  std::optional<std::u16string> Unquote(std::string_view text, char close, size_t& end) const {
    std::u16string out;
    size_t i = 0;
    while (i < text.size()) {
      if (text[i] == close) {
        end = i + 1;
        return out;
      }
      if (text[i] != '\\') {
        size_t run = text.find_first_of(std::string{'\\', close}, i);
        if (run == std::string_view::npos) run = text.size();
        out += utf16::FromUtf8(text.substr(i, run - i));
        i = run;
      } else if (++i < text.size()) {
        i = Escape(text, i, out);
      }
    }
    return std::nullopt;
  }

  // The character after a '\' at `text[i]`; returns where the text goes on.
  size_t Escape(std::string_view text, size_t i, std::u16string& out) const {
    static constexpr std::string_view kWineLetters = "abefnrtv";
    static constexpr char16_t kWineUnits[] = {7, 8, 27, 12, 10, 13, 9, 11};
    static constexpr std::string_view kExportLetters = "nr";
    static constexpr char16_t kExportUnits[] = {10, 13};
    const bool wine = form_ == Form::kWine;
    const char c = text[i];
    if (const size_t letter = (wine ? kWineLetters : kExportLetters).find(c); letter != std::string_view::npos) {
      out.push_back((wine ? kWineUnits : kExportUnits)[letter]);
      return i + 1;
    }
    if (wine && c >= '0' && c <= '7') {
      char16_t unit = 0;
      size_t n = 0;
      while (n < 3 && i + n < text.size() && text[i + n] >= '0' && text[i + n] <= '7') {
        unit = static_cast<char16_t>(unit * 8 + (text[i + n++] - '0'));
      }
      out.push_back(unit);
      return i + n;
    }
    if (wine && c == 'x') {
      const auto [unit, digits] = HexNumber(text.substr(i + 1), 4);
      out.push_back(digits == 0 ? u'x' : static_cast<char16_t>(unit));
      return i + 1 + digits;
    }
    // Any other character is itself; one past ASCII is left for the caller to decode whole.
    if (static_cast<unsigned char>(c) >= 0x80) return i;
    out.push_back(static_cast<char16_t>(c));
    return i + 1;
  }

  Form form_;
  Keys keys_;
  Values* current_ = nullptr;  // the key whose values follow, or none
};

}  // namespace

std::string FoldName(std::string_view utf8) {
  std::string out(utf8);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

std::string FoldKeyPath(std::string_view utf8) {
  const size_t first = utf8.find_first_not_of('\\');
  if (first == std::string_view::npos) return {};
  return FoldName(utf8.substr(first, utf8.find_last_not_of('\\') - first + 1));
}

Keys ParseFile(std::string_view bytes) {
  const std::string text = Decoded(bytes);
  const auto form = FormOf(FirstLine(text));
  if (!form) return {};
  Parser parser(*form);
  LineReader lines(text);
  std::string line;
  lines.Next(line);  // the form's line
  while (lines.Next(line)) parser.Line(line);
  return parser.Take();
}

}  // namespace platform::registry
