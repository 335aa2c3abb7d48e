#pragma once
// A report of named values in nested objects and lists, written as it is made, readable (CP932
// shown as UTF-8) or as JSON (byte strings as hexadecimal, so that nothing is lost). Nothing is
// kept but the nesting, so a report of millions of rows needs no more memory than one.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace dump {

class Report {
 public:
  enum class Format { Readable, Json };

  Report(std::ostream& out, Format format);
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;

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

  // Closes the outermost object; call once, after the last value.
  void Finish();

 private:
  enum class Container { Object, List, Record };

  // JSON: the separator before a member, and its key outside lists.
  void JsonMember(std::string_view name);
  void Open(Container container, std::string_view name);
  void Value(std::string_view name, std::string_view readable, std::string_view json);
  void MultiLineText(std::string_view name, std::string_view cp932);

  std::ostream& out_;
  Format format_;
  std::vector<Container> open_;
  bool first_ = true;   // JSON: no member written yet in the innermost container
  std::string indent_;  // readable
};

}  // namespace dump
