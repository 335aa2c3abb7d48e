#pragma once
// A report of named values in nested objects and lists, printed readable (CP932 shown as
// UTF-8) or as JSON (byte strings as hexadecimal, so that nothing is lost).

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace dump {

class Report {
 public:
  // Values; inside a list the name is only shown in the readable form.
  void Bytes(std::string_view name, std::string_view cp932);  // text of the message
  void Text(std::string_view name, std::string_view utf8);    // our own words
  void Number(std::string_view name, long long value);
  // An object (named inside an object, unnamed inside a list) or a list; End closes either.
  void BeginObject(std::string_view name = {});
  void BeginList(std::string_view name);
  // An object of plain values that the readable form prints on one line.
  void BeginRecord();
  void End();

  void PrintReadable(std::ostream& out) const;
  void PrintJson(std::ostream& out) const;

 private:
  enum class Kind { Bytes, Text, Number, Object, List, Record, End };
  struct Item {
    Kind kind;
    std::string name;
    std::string value;
  };
  std::vector<Item> items_;
};

}  // namespace dump
