#pragma once
// A report of named values, printed readable (CP932 shown as UTF-8) or as JSON (byte strings
// as hexadecimal, so that nothing is lost). Sections nest one level.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace inspect {

class Report {
 public:
  void Bytes(std::string_view name, std::string_view cp932);  // text of the message
  void Text(std::string_view name, std::string_view utf8);    // our own words
  void Number(std::string_view name, long long value);
  void BeginSection(std::string_view name);
  void EndSection();

  void PrintReadable(std::ostream& out) const;
  void PrintJson(std::ostream& out) const;

 private:
  enum class Kind { Bytes, Text, Number, Begin, End };
  struct Item {
    Kind kind;
    std::string name;
    std::string value;
  };
  std::vector<Item> items_;
};

}  // namespace inspect
