#include "app/decoration.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/strings.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

using Kind = TDecorationKind;

std::vector<std::pair<std::string, Kind>> Listed(const TDecorationList& list) {
  std::vector<std::pair<std::string, Kind>> out;
  for (const TDecorationList::Entry& e : list.Entries()) out.emplace_back(e.Text, e.Kind);
  return out;
}

TEST(DecorationList, BuiltInListsSortCaseInsensitivelyAndKeepTheKindOfTheirSource) {
  TDecorationList list;
  list.LoadQuoteMarkers("/nonexistent/Quote.kwd");
  list.LoadHeaderNames("/nonexistent/Header.kwd");
  EXPECT_EQ(list.QuoteMarkerCount(), 5);
  const auto entries = Listed(list);
  ASSERT_EQ(entries.size(), 23u);
  for (size_t i = 1; i < entries.size(); ++i) {
    EXPECT_LT(platform::CompareText(entries[i - 1].first, entries[i].first), 0) << i;
  }
  // Header names sort between the markers: the kind never follows the place.
  EXPECT_EQ(entries[0], std::pair(std::string(">"), Kind::QuoteMarker));
  EXPECT_EQ(entries[1], std::pair(std::string("Bcc:"), Kind::HeaderName));
  EXPECT_EQ(entries[19], std::pair(std::string("|"), Kind::QuoteMarker));
  EXPECT_EQ(entries[20], std::pair(std::string("\x81\x62"), Kind::QuoteMarker));  // ｜
  int quotes = 0;
  for (const auto& e : entries) quotes += e.second == Kind::QuoteMarker;
  EXPECT_EQ(quotes, 5);
}

TEST(DecorationList, KeywordLinesAreTakenByteForByteAndOnceInAnyCase) {
  testsupport::ScratchDir dir;
  // Every line end, empty lines, a trailing blank, and a marker twice in two cases.
  const std::string quote = dir.Write("Quote.kwd", "#\r\n\r\n> \rRE>\n\nre>\r\n\x82\xa0");
  const std::string header = dir.Write("Header.kwd", "From:\nrE>\n\n");
  TDecorationList list;
  list.LoadQuoteMarkers(quote);
  list.LoadHeaderNames(header);
  EXPECT_EQ(list.QuoteMarkerCount(), 5);  // the duplicate counts
  using E = std::pair<std::string, Kind>;
  EXPECT_EQ(Listed(list), (std::vector<E>{{"#", Kind::QuoteMarker},
                                          {"> ", Kind::QuoteMarker},
                                          {"From:", Kind::HeaderName},
                                          {"RE>", Kind::QuoteMarker},
                                          {"\x82\xa0", Kind::QuoteMarker}}));
}

TEST(DecorationList, AnEmptyFileGivesNoMarkersAndAnUnreadableOneFailsAddingNothing) {
  testsupport::ScratchDir dir;
  TDecorationList list;
  list.LoadQuoteMarkers(dir.Write("Quote.kwd", ""));
  EXPECT_EQ(list.QuoteMarkerCount(), 0);
  EXPECT_TRUE(list.Entries().empty());

  // A FIFO exists but is no file to read.
  const std::string fifo = dir.Path() + "/Header.kwd";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  try {
    list.LoadHeaderNames(fifo);
    FAIL() << "no error";
  } catch (const platform::EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "ファイル " + fifo + " は開けません");
  }
  EXPECT_TRUE(list.Entries().empty());
}

}  // namespace
}  // namespace quillet
