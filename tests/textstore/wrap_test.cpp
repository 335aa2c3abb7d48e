// The cutting rules one by one and together, at W = 80 and at the limits 20 and 250. Rows are
// compared by their byte lengths; the texts are built so that bytes and columns agree unless
// a test is about tabs.
#include "textstore/wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp932.h"
#include "tests/support/wrap_invariants.h"

namespace textstore {
namespace {

std::string Sj(std::string_view utf8) {
  return platform::cp932::FromUtf8(utf8);
}

std::string Times(int n, std::string_view s) {
  std::string result;
  for (int i = 0; i < n; ++i) result += s;
  return result;
}

const std::string kKanji = Sj("漢");  // in none of the lists
const std::string kOpen = Sj("「");
const std::string kClose = Sj("」");
const std::string kStop = Sj("。");
const std::string kComma = Sj("、");

struct Switches {
  bool RetMark = false;
  bool Punctuation = false;
  bool Leading = false;
  bool WordBreak = false;
};
constexpr Switches kViewer{true, true, true, true};  // what the viewer's form sets

TLineWrapper Wrapper(int width, Switches on) {
  TWrapSettings settings;
  settings.WrapByte = width;
  settings.FollowRetMark = on.RetMark;
  settings.FollowPunctuation = on.Punctuation;
  settings.Leading = on.Leading;
  settings.WordBreak = on.WordBreak;
  TLineWrapper wrapper;
  wrapper.SetOptions(settings);
  wrapper.SetWordWrap(true);
  return wrapper;
}

// Byte lengths of the rows; also checks that CountRows agrees.
std::vector<size_t> Cut(int width, Switches on, std::string_view line) {
  TLineWrapper wrapper = Wrapper(width, on);
  std::vector<size_t> lengths;
  for (const std::string& row : testsupport::WrapLine(wrapper, line).Rows) {
    lengths.push_back(row.size());
  }
  EXPECT_EQ(wrapper.CountRows(line), static_cast<int>(lengths.size()));
  return lengths;
}

using Lengths = std::vector<size_t>;

TEST(WrapFit, AShortLineIsOneRowAndAFullOneKeepsItsLineEndWithFollowRetMark) {
  EXPECT_EQ(Cut(80, kViewer, ""), Lengths{0});
  EXPECT_EQ(Cut(80, kViewer, Times(79, "a")), Lengths{79});
  EXPECT_EQ(Cut(80, kViewer, Times(80, "a")), Lengths{80});
  EXPECT_EQ(Cut(80, {}, Times(80, "a")), (Lengths{80, 0}));
  EXPECT_EQ(Cut(80, {.RetMark = true}, Times(160, "a")), (Lengths{80, 80}));
  EXPECT_EQ(Cut(80, {}, Times(160, "a")), (Lengths{80, 80, 0}));
  EXPECT_EQ(Cut(20, kViewer, Times(20, "a")), Lengths{20});
  EXPECT_EQ(Cut(250, {}, Times(251, "a")), (Lengths{250, 1}));
  EXPECT_EQ(Cut(250, kViewer, Times(125, kKanji)), Lengths{250});
}

TEST(WrapFit, WidthsOutsideTheRangeAreLimited) {
  EXPECT_EQ(Cut(19, {}, Times(21, "a")), (Lengths{20, 1}));
  EXPECT_EQ(Cut(-5, {}, Times(21, "a")), (Lengths{20, 1}));
  EXPECT_EQ(Cut(251, {}, Times(251, "a")), (Lengths{250, 1}));
  TWrapSettings settings;
  settings.WrapByte = 1000;
  TLineWrapper wrapper;
  wrapper.SetOptions(settings);
  EXPECT_EQ(wrapper.Options().WrapByte, 250);
  EXPECT_EQ(wrapper.Columns().WrapWidth, 250);
}

TEST(WrapStraddle, ACharacterAcrossColumnWMovesWholeAndWordBreakIsSkipped) {
  const std::string line = Times(79, "a") + kKanji + "b";
  EXPECT_EQ(Cut(80, {}, line), (Lengths{79, 3}));
  // Without the straddle rule the word-break rule would take the row back to column 26.
  EXPECT_EQ(Cut(80, {.WordBreak = true}, line), (Lengths{79, 3}));
  EXPECT_EQ(Cut(20, {}, Times(19, "a") + kKanji), (Lengths{19, 2}));
  EXPECT_EQ(Cut(250, {}, "a" + Times(125, kKanji)), (Lengths{249, 2}));
  // Only one column back: an opening bracket before it is left to the kinsoku rule.
  EXPECT_EQ(Cut(80, {}, Times(39, kKanji) + "(" + kKanji), (Lengths{79, 2}));
}

TEST(WrapWordBreak, AWordMovesToTheNextRowOrIsSplitAtWDiv3) {
  const Switches on{.WordBreak = true};
  EXPECT_EQ(Cut(80, on, Times(100, "a")), (Lengths{26, 74}));
  EXPECT_EQ(Cut(80, {}, Times(100, "a")), (Lengths{80, 20}));
  EXPECT_EQ(Cut(20, on, Times(30, "a")), (Lengths{6, 6, 18}));
  EXPECT_EQ(Cut(250, on, Times(300, "a")), (Lengths{83, 217}));
  EXPECT_EQ(Cut(80, on, Times(75, "a") + " " + Times(10, "b")), (Lengths{76, 10}));
  EXPECT_EQ(Cut(20, on, Times(15, "a") + "." + Times(10, "b")), (Lengths{16, 10}));
  // A word that ends exactly at W moves although a blank follows it.
  EXPECT_EQ(Cut(80, on, Times(70, "a") + " " + Times(9, "b") + " c"), (Lengths{71, 11}));
  // A line of exactly W columns is not cut at all.
  EXPECT_EQ(Cut(80, on, Times(80, "a")), (Lengths{80, 0}));
}

TEST(WrapWordBreak, TheRowEndsAfterADoubleByteCharacterOrATab) {
  const Switches on{.WordBreak = true};
  EXPECT_EQ(Cut(80, on, Times(69, "a") + kKanji + Times(11, "b")), (Lengths{71, 11}));
  // The tab from column 61 fills 62 ... 64; the row ends on its last fill column.
  EXPECT_EQ(Cut(80, on, Times(60, "a") + "\t" + Times(18, "b")), (Lengths{61, 18}));
  // Half-width katakana are word characters too.
  EXPECT_EQ(Cut(80, on, Times(70, "a") + " " + Times(15, "\xB6")), (Lengths{71, 15}));
}

TEST(WrapPunctuation, PunctuationHangsUpToWPlus2) {
  const Switches on{.Punctuation = true};
  EXPECT_EQ(Cut(80, {.RetMark = true, .Punctuation = true}, Times(40, kKanji) + kStop),
            Lengths{82});
  EXPECT_EQ(Cut(80, on, Times(40, kKanji) + kStop), (Lengths{82, 0}));
  EXPECT_EQ(Cut(80, {}, Times(40, kKanji) + kStop), (Lengths{80, 2}));
  EXPECT_EQ(Cut(80, on, Times(80, "a") + ",.b"), (Lengths{82, 1}));
  EXPECT_EQ(Cut(80, on, Times(80, "a") + ",,,"), (Lengths{82, 1}));
  EXPECT_EQ(Cut(80, on, Times(40, kKanji) + kClose), (Lengths{80, 2}));
  EXPECT_EQ(Cut(20, on, Times(10, kKanji) + kStop + kKanji), (Lengths{22, 2}));
  EXPECT_EQ(Cut(250, on, Times(125, kKanji) + kStop + kStop), (Lengths{252, 2}));
}

TEST(WrapPunctuation, AStraddlingOrMixedPunctuationMarkStillHangs) {
  const Switches on{.Punctuation = true};
  EXPECT_EQ(Cut(80, on, Times(79, "a") + kStop + "b"), (Lengths{81, 1}));
  // A single-byte mark takes the row to W + 1, and a double-byte one after it to W + 3.
  EXPECT_EQ(Cut(80, on, Times(80, "a") + "," + kComma + "b"), (Lengths{83, 1}));
}

TEST(WrapLeading, AnOpeningCharacterDoesNotEndARow) {
  const Switches on{.Leading = true};
  EXPECT_EQ(Cut(80, on, Times(39, kKanji) + kOpen + kKanji), (Lengths{78, 4}));
  EXPECT_EQ(Cut(80, on, Times(79, "a") + "(bb"), (Lengths{79, 3}));
  EXPECT_EQ(Cut(80, {}, Times(39, kKanji) + kOpen + kKanji), (Lengths{80, 2}));
  // Not when nothing follows: the bracket ends the line, not just the row.
  EXPECT_EQ(Cut(80, {.RetMark = true, .Leading = true}, Times(39, kKanji) + kOpen), Lengths{80});
}

TEST(WrapLeading, OpeningCharactersGoBackNoFurtherThanTheLimit) {
  const Switches on{.Leading = true};
  EXPECT_EQ(Cut(80, on, Times(50, kOpen)), (Lengths{64, 36}));
  EXPECT_EQ(Cut(20, on, Times(15, kOpen)), (Lengths{16, 14}));
  EXPECT_EQ(Cut(250, on, Times(130, kOpen)), (Lengths{200, 60}));
  // Single-byte brackets step back one column at a time and stop on the limit itself.
  EXPECT_EQ(Cut(80, on, Times(90, "(")), (Lengths{64, 26}));
}

TEST(WrapLeading, AClosingCharacterDoesNotBeginARow) {
  const Switches on{.Leading = true};
  EXPECT_EQ(Cut(80, on, Times(40, kKanji) + kClose + kKanji), (Lengths{78, 6}));
  EXPECT_EQ(Cut(80, {}, Times(40, kKanji) + kClose + kKanji), (Lengths{80, 4}));
  // Backwards over a run of closing characters and the opening one before them.
  EXPECT_EQ(Cut(80, on, Times(33, kKanji) + Times(10, kClose)), (Lengths{64, 22}));
  EXPECT_EQ(Cut(80, on, Times(38, kKanji) + kOpen + kKanji + kClose + kKanji), (Lengths{76, 8}));
  EXPECT_EQ(Cut(80, on, Times(78, "a") + "x)!b"), (Lengths{78, 4}));
}

TEST(WrapLeading, ClosingCharactersGoBackNoFurtherThanTheLimit) {
  const Switches on{.Leading = true};
  EXPECT_EQ(Cut(80, on, Times(10, kKanji) + Times(45, kClose)), (Lengths{64, 46}));
  EXPECT_EQ(Cut(20, on, Times(2, kKanji) + Times(12, kClose)), (Lengths{16, 12}));
  EXPECT_EQ(Cut(250, on, Times(10, kKanji) + Times(130, kClose)), (Lengths{200, 80}));
}

TEST(WrapLeading, AClosingCharacterThatEndsTheLineDoesNotBeginARowAlone) {
  const Switches on{.Leading = true};
  EXPECT_EQ(Cut(80, on, Times(40, kKanji) + ")"), (Lengths{78, 3}));
  EXPECT_EQ(Cut(80, on, Times(40, kKanji) + "\xDE"), (Lengths{78, 3}));  // half-width ﾞ
  EXPECT_EQ(Cut(20, on, Times(10, kKanji) + "?"), (Lengths{18, 3}));
}

TEST(WrapInterplay, KinsokuTakesHangingPunctuationBack) {
  // The first full stop hangs, the second would begin the next row: both move with the
  // kanji before them.
  EXPECT_EQ(Cut(80, kViewer, Times(40, kKanji) + kStop + kStop), (Lengths{78, 6}));
  EXPECT_EQ(Cut(80, kViewer, Times(40, kKanji) + kStop + kClose), (Lengths{78, 6}));
  EXPECT_EQ(Cut(250, kViewer, Times(125, kKanji) + kStop + kStop), (Lengths{248, 6}));
  // With nothing after it the mark just hangs.
  EXPECT_EQ(Cut(80, kViewer, Times(40, kKanji) + kStop), Lengths{82});
}

TEST(WrapInterplay, KinsokuRunsAfterWordBreak) {
  // The word goes back to the blank, and the bracket before it follows it.
  EXPECT_EQ(Cut(80, kViewer, Times(74, "a") + " (" + Times(5, "b")), (Lengths{75, 6}));
  // Brackets are delimiters: word break leaves them where they are, kinsoku moves them.
  EXPECT_EQ(Cut(80, kViewer, Times(100, "(")), (Lengths{64, 36}));
  // Below the kinsoku limit a forced split stays, even right after an opening bracket.
  EXPECT_EQ(Cut(20, kViewer, "(" + Times(30, "a")), (Lengths{6, 6, 19}));
}

TEST(WrapInterplay, TheViewersSettingsOnMailText) {
  const std::string line =
      Sj("本日の会議は午後三時から第二会議室で行います。資料は事前に"
         "配布しますので、各自「会議資料（第三版）」を確認してください。");
  TLineWrapper wrapper = Wrapper(40, kViewer);
  std::vector<std::string> rows;
  for (const std::string& row : testsupport::WrapLine(wrapper, line).Rows) {
    rows.push_back(platform::cp932::ToUtf8(row));
  }
  // The opening bracket moves to the third row, the last full stop hangs at the line end.
  EXPECT_EQ(rows, (std::vector<std::string>{"本日の会議は午後三時から第二会議室で行い",
                                            "ます。資料は事前に配布しますので、各自",
                                            "「会議資料（第三版）」を確認してください。"}));
}

TEST(WrapLoneLeadByte, ALeadByteAtTheLineEndStaysInsideTheLine) {
  const std::string line = Times(78, "a") + "\x82";  // the lead byte's two columns end at W
  EXPECT_EQ(Cut(80, kViewer, line), Lengths{79});
  EXPECT_EQ(Cut(80, {}, line), (Lengths{79, 0}));
  EXPECT_EQ(Cut(80, {}, Times(79, "a") + "\x82"), (Lengths{79, 1}));
}

TEST(WrapLines, CutsEveryLineAndClearsTheRowsInOneBracket) {
  TLineWrapper wrapper = Wrapper(20, {});
  TEditorStringList rows;
  rows.Add("old");
  rows.SetRowMarks(0, 1);
  int changing = 0;
  int changes = 0;
  struct Counter : platform::TObject {
    int* count;
    void Count(platform::TObject*) { ++*count; }
  } before, after;
  before.count = &changing;
  after.count = &changes;
  rows.SetOnChanging({&before, &Counter::Count});
  rows.SetOnChange({&after, &Counter::Count});

  wrapper.WrapLines(Times(25, "x") + "\r\ny\rz\n\r\n", rows);
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(rows.Count(), 5);
  const std::string texts[] = {Times(20, "x"), "xxxxx", "y", "z", ""};
  const TRowKind kinds[] = {rkWrapped, rkLineEnd, rkLineEnd, rkLineEnd, rkLineEnd};
  for (int i = 0; i < rows.Count(); ++i) {
    EXPECT_EQ(rows.Get(i).view(), texts[i]);
    EXPECT_EQ(rows.RowKind(i), kinds[i]);
    EXPECT_EQ(rows.RowMarks(i), 0);
  }
}

TEST(WrapLines, WithoutWordWrapEveryLineIsOneRowAndAnEmptyTextOneEmptyRow) {
  TLineWrapper wrapper = Wrapper(20, {});
  TEditorStringList rows;
  wrapper.WrapLines("", rows);
  ASSERT_EQ(rows.Count(), 1);
  EXPECT_EQ(rows.Get(0).view(), "");
  EXPECT_EQ(rows.RowKind(0), rkLineEnd);

  wrapper.SetWordWrap(false);
  const std::string line = Times(300, "x");
  EXPECT_EQ(wrapper.CountRows(line), 1);
  wrapper.WrapLines(line + "\r\n" + line, rows);
  ASSERT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.Get(1).view(), line);
  EXPECT_EQ(rows.RowKind(1), rkLineEnd);
}

TEST(WrapTabs, AFillStopsAtWAndTabsAfterACutAreMeasuredFromTheNewRow) {
  TLineWrapper wrapper = Wrapper(20, {});
  wrapper.SetTabWidth(8);
  // The tab at column 19 fills only column 20. The next row measures its tab from its own
  // start: "b" and the tab up to column 8, not to column 24 as before the cut.
  const std::string line = Times(18, "a") + "\tb\t" + Times(20, "d");
  const std::vector<std::string> rows = testsupport::WrapLine(wrapper, line).Rows;
  EXPECT_EQ(rows, (std::vector<std::string>{Times(18, "a") + "\t", "b\t" + Times(12, "d"),
                                            Times(8, "d")}));
  EXPECT_EQ(testsupport::WrapViolation(wrapper, line), "");
}

}  // namespace
}  // namespace textstore
