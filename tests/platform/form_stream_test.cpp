// The form stream: its byte format, and reads of streams that end early or hold other things.
#include "platform/form_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"

namespace platform {
namespace {

using namespace std::string_literals;

// Defines one list property named Name over Items.
void ListProperty(TFiler& filer, std::string_view name, std::vector<std::string>& items) {
  filer.DefineProperty(
      name,
      [&](TReader& reader) {
        items.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) items.push_back(reader.ReadString());
        reader.ReadListEnd();
      },
      [&](TWriter& writer) {
        writer.WriteListBegin();
        for (const std::string& item : items) writer.WriteString(item);
        writer.WriteListEnd();
      },
      !items.empty());
}

TEST(FormStream, WritesLengthPrefixedListsAndReadsThemBack) {
  std::vector<std::string> lines{"ab", ""s, "\x82\xa0\0"s};
  std::vector<std::string> none;
  TWriter writer;
  ListProperty(writer, "Strings", lines);
  ListProperty(writer, "Empty", none);  // no data: not written
  EXPECT_EQ(writer.Bytes(), "\x07StringsLS\x02\0\0\0abS\0\0\0\0S\x03\0\0\0\x82\xa0\0."s);

  std::vector<std::string> read{"old"};
  std::vector<std::string> other{"kept"};
  TReader reader(writer.Bytes());
  ListProperty(reader, "Other", other);  // not next in the stream: left alone
  ListProperty(reader, "Strings", read);
  EXPECT_EQ(read, lines);
  EXPECT_EQ(other, std::vector<std::string>{"kept"});
  EXPECT_TRUE(reader.AtEnd());
}

TEST(FormStream, ShortOrForeignStreamsAreReadErrors) {
  const std::string good = "\x01SLS\x02\0\0\0ab."s;
  for (size_t cut = 3; cut < good.size(); ++cut) {
    std::vector<std::string> items;
    TReader reader(std::string_view(good).substr(0, cut));
    EXPECT_THROW(ListProperty(reader, "S", items), EReadError) << cut;
  }
  for (const std::string& bad : {"\x01SX"s, "\x01SLS\xff\xff\xff\xff"s, "\x01SLX"s}) {
    std::vector<std::string> items;
    TReader reader(bad);
    EXPECT_THROW(ListProperty(reader, "S", items), EReadError);
  }
}

}  // namespace
}  // namespace platform
