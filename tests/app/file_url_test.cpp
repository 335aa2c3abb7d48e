#include "app/file_url.h"

#include <gtest/gtest.h>


namespace quillet {
namespace {

TEST(LocalPathFromUrl, DecodesLocalFileUrlsToBytes) {
  EXPECT_EQ(LocalPathFromUrl("file:///home/me/Mail%20Box/1.eml"), "/home/me/Mail Box/1.eml");
  EXPECT_EQ(LocalPathFromUrl("file://localhost/a%25b"), "/a%b");
  EXPECT_EQ(LocalPathFromUrl("file://LocalHost/x"), "/x");
  // UTF-8 escapes become the name's bytes, upper or lower case hex alike.
  EXPECT_EQ(LocalPathFromUrl("file:///%E3%83%A1%e3%83%bc%e3%83%ab.eml"), "/メール.eml");
  // Bytes that were never escaped stay, spaces included.
  EXPECT_EQ(LocalPathFromUrl("file:///a b/#1?.eml"), "/a b/#1?.eml");
}

TEST(LocalPathFromUrl, LeavesEverythingElseAsGiven) {
  for (const char* text :
       {"/home/me/1.eml", "D:\\Mail Box\\1.eml", "file:/a%20b", "FILE:///a%20b",
        "file://server/a%20b", "file://localhost", "http://x/a%20b", " file:///a%20b", ""}) {
    EXPECT_EQ(LocalPathFromUrl(text), text);
  }
  // A malformed or NUL escape keeps its bytes; the escapes around it are decoded.
  EXPECT_EQ(LocalPathFromUrl("file:///%41%4%zz%00%"), "/A%4%zz%00%");
}

TEST(MessagePathFromArguments, JoinsThenDecodes) {
  EXPECT_EQ(MessagePathFromArguments({"quillet", "file:///Mail", "Box/a%2520b.eml"}),
            "/Mail Box/a%20b.eml");
  EXPECT_EQ(MessagePathFromArguments({"quillet", "x", "file:///y"}), "x file:///y");
  EXPECT_EQ(MessagePathFromArguments({"quillet"}), "");
}

}  // namespace
}  // namespace quillet
