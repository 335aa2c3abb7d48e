#include "platform/help_file.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_dir.h"

namespace platform {
namespace {

using Topics = std::vector<HelpTopic>;

TEST(HelpFile, TopicsHoldTitlesKeywordsAndText) {
  const Topics topics = ParseHelpText(
      "\xEF\xBB\xBF"
      "comment before the first topic\n"
      "@ not a keyword\n"
      "#  返信\t\n"
      "@ Ctrl+R , 返信、mailto:,,\n"
      "\n"
      "First line.\n"
      "  indented, kept as it is\n"
      "\n"
      "@\u3000返事\u3000\n"
      "Second paragraph.\n"
      "\\# not a title\n"
      "\\@ not a keyword\n"
      "\\\\ one backslash\n"
      "\n"
      "\n"
      "#\n"
      "# 終わり\n"
      "last");
  const Topics want = {
      {"返信", {"Ctrl+R", "返信", "mailto:", "返事"},
       "First line.\n  indented, kept as it is\n\nSecond paragraph.\n# not a title\n"
       "@ not a keyword\n\\ one backslash"},
      {"", {}, ""},
      {"終わり", {}, "last"},
  };
  EXPECT_EQ(topics, want);
}

TEST(HelpFile, EveryKindOfLineEndReadsAlike) {
  const Topics want = {{"a", {"k"}, "x\n\ny"}, {"b", {}, "z"}};
  for (const char* text : {"#a\n@k\nx\n\ny\n#b\nz\n", "#a\r\n@k\r\nx\r\n\r\ny\r\n#b\r\nz",
                           "#a\r@k\rx\r\ry\r#b\rz\r", "#a\r\n@k\rx\n\r\ny\r#b\nz"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseHelpText(text), want);
  }
}

TEST(HelpFile, EmptyAndJunkBytesReadSafely) {
  EXPECT_TRUE(ParseHelpText("").empty());
  EXPECT_TRUE(ParseHelpText("no title\r\n@k\r\n\\#\r\n").empty());
  // Bytes that are no UTF-8 (Shift_JIS here) each become U+FFFD; NUL bytes are kept.
  const Topics topics = ParseHelpText(std::string("#\x95\xD4 x\n@\xFF,a\n\xC0\x80\0z", 15));
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics[0].Title, "\uFFFD\uFFFD x");
  EXPECT_EQ(topics[0].Keywords, (std::vector<std::string>{"\uFFFD", "a"}));
  EXPECT_EQ(topics[0].Text, std::string("\uFFFD\uFFFD\0z", 8));
  // A byte order mark elsewhere is text; a title line only starts with '#' at its first byte.
  EXPECT_EQ(ParseHelpText("# t\n\xEF\xBB\xBF# u\n #v"),
            (Topics{{"t", {}, "\uFEFF# u\n #v"}}));
}

TEST(HelpFile, ReadingAFileReportsWhatIsWrong) {
  testsupport::ScratchDir dir;
  EXPECT_EQ(ReadHelpFile(dir.Write("quillet.hlp", "# a\r\nb\r\n")), (Topics{{"a", {}, "b"}}));
  try {
    ReadHelpFile(dir.Write("empty.hlp", "only a comment\n"));
    ADD_FAILURE() << "no error";
  } catch (const EHelpFileError& e) {
    EXPECT_EQ(std::string(e.what()), "ヘルプ ファイル " + dir.Path() + "/empty.hlp にはトピックがありません");
  }
  EXPECT_THROW(ReadHelpFile(dir.Path() + "/missing.hlp"), EFOpenError);
  EXPECT_THROW(ReadHelpFile(dir.Path()), EFOpenError);
}

}  // namespace
}  // namespace platform
