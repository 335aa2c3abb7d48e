#pragma once
// The driver's output: a small JSON object writer (fields in the order they are added, so the
// output reads in a fixed order) and the state of the driven view as one such object.

#include <string>
#include <string_view>

namespace drive {

class Session;

class JsonObject {
 public:
  // Distinct names rather than overloads: a string literal would otherwise pick the bool one.
  JsonObject& Int(std::string_view key, long long value);
  JsonObject& Bool(std::string_view key, bool value);
  JsonObject& Str(std::string_view key, std::string_view utf8);
  JsonObject& Obj(std::string_view key, const JsonObject& value);
  // A value that is already JSON (an array).
  JsonObject& Raw(std::string_view key, std::string_view json);
  // Every field of `other`, after the ones already here.
  JsonObject& Merge(const JsonObject& other);
  bool Empty() const { return body_.empty(); }
  std::string Text() const { return "{" + body_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string body_;
};

// A JSON string literal. Bytes that are no valid UTF-8 become U+FFFD, so the output stays
// valid JSON whatever a script or a message holds.
std::string JsonString(std::string_view utf8);

// Bytes as lower-case hexadecimal, two digits each: CP932 text exactly as it is.
std::string Hex(std::string_view bytes);

// Metrics, scroll position, caret, selection, both scroll bars of the view and the texts the
// viewer's status panels show for them, headed by the step that led to it.
JsonObject ViewState(Session& session, std::string_view step);

// What the system clipboard holds: its text (UTF-8) and the box format's bytes in
// hexadecimal, each null when absent.
JsonObject ClipboardState();

}  // namespace drive
