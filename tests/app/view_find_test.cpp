// Finding in the text view as the find bar does: steps that wrap round, drawn hits that end as
// a selection, the hit count and a hit's number, and the zoom ladder.
#include "app/view_find.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/editor.h"
#include "platform/component.h"

namespace quillet {
namespace {

// Hit start as (row, byte) and the hit's text.
struct Shown {
  int Row;
  int Byte;
  std::string Text;
  bool operator==(const Shown&) const = default;
};

class ViewFind : public ::testing::Test {
 protected:
  void SetText(const std::string& text) { view_.Lines().SetTextStr(text); }
  std::unique_ptr<editor::TEditor> owned_ = platform::NewComponent<editor::TEditor>(nullptr);
  editor::TEditor& view_ = *owned_;
  Shown Hit() {
    EXPECT_EQ(view_.SelState(), editor::ssHit);
    const editor::TEditor::TByteSelection& s = view_.ByteSelection();
    const std::string row = std::string(view_.ScreenStrings().Get(s.StartRow).view());
    return {s.StartRow, s.StartByte, row.substr(s.StartByte, s.EndByte + 1 - s.StartByte)};
  }
};

TEST_F(ViewFind, StepsWrapRoundTheEndsInTheDrawnStyle) {
  SetText("Apple one\r\napple two\r\nAPPLE three");
  EXPECT_EQ(FindStep(view_, "apple", {}, true), FindOutcome::Found);
  EXPECT_EQ(view_.HitStyle(), editor::hsDraw);
  EXPECT_FALSE(view_.Selected());  // a hit is no selection to copy
  EXPECT_EQ(Hit(), (Shown{0, 0, "Apple"}));
  EXPECT_EQ(FindStep(view_, "apple", {}, true), FindOutcome::Found);
  EXPECT_EQ(FindStep(view_, "apple", {}, true), FindOutcome::Found);
  EXPECT_EQ(Hit(), (Shown{2, 0, "APPLE"}));
  EXPECT_EQ(FindStep(view_, "apple", {}, true), FindOutcome::Wrapped);
  EXPECT_EQ(Hit(), (Shown{0, 0, "Apple"}));
  EXPECT_EQ(FindStep(view_, "apple", {}, false), FindOutcome::Wrapped);
  EXPECT_EQ(Hit(), (Shown{2, 0, "APPLE"}));
  EXPECT_EQ(FindStep(view_, "apple", {true, false}, false), FindOutcome::Found);
  EXPECT_EQ(Hit(), (Shown{1, 0, "apple"}));
  // Nothing anywhere: the caret stays.
  view_.ClearSelection();
  view_.SetRowCol(1, 3);
  EXPECT_EQ(FindStep(view_, "pear", {}, true), FindOutcome::NotFound);
  EXPECT_EQ(view_.Row(), 1);
  EXPECT_EQ(view_.Col(), 3);
}

TEST_F(ViewFind, TypingKeepsTheHitAndClosingSelectsIt) {
  SetText("ab abc abcd");
  EXPECT_EQ(FindFromHere(view_, "ab", {}), FindOutcome::Found);
  EXPECT_EQ(Hit(), (Shown{0, 0, "ab"}));
  EXPECT_EQ(FindFromHere(view_, "abc", {}), FindOutcome::Found);
  EXPECT_EQ(Hit(), (Shown{0, 3, "abc"}));
  EXPECT_EQ(FindFromHere(view_, "abc", {}), FindOutcome::Found);
  EXPECT_EQ(Hit(), (Shown{0, 3, "abc"}));
  EndFind(view_, editor::hsSelect);
  EXPECT_EQ(view_.HitStyle(), editor::hsSelect);
  EXPECT_TRUE(view_.Selected());
  EXPECT_EQ(view_.SelText(), "abc");
}

TEST_F(ViewFind, CountsHitsAcrossSlicesAndNumbersThem) {
  // Enough lines for several slices; "key" twice on every tenth line, once across a wrap.
  std::string text;
  const int lines = 40000;
  for (int i = 0; i < lines; ++i) text += i % 10 == 0 ? "a key and a KEY\r\n" : "nothing here at all\r\n";
  SetText(text);
  HitCounter counter(view_);
  counter.Start("key", {});
  EXPECT_FALSE(counter.Done());
  EXPECT_FALSE(counter.Ordinal(0, 2));  // not counted yet
  while (!counter.Step(64 * 1024)) {
  }
  EXPECT_EQ(counter.Count(), static_cast<std::size_t>(lines / 10 * 2));
  EXPECT_EQ(counter.Ordinal(0, 2), 1u);
  EXPECT_EQ(counter.Ordinal(0, 12), 2u);
  EXPECT_EQ(counter.Ordinal(lines - 10, 12), static_cast<std::size_t>(lines / 10 * 2));
  counter.Start("key", {true, false});
  counter.Step(SIZE_MAX);
  EXPECT_EQ(counter.Count(), static_cast<std::size_t>(lines / 10));

  // New rows start the count over: a wrap that cuts the lines, and new text.
  bool restarted = false;
  counter.OnRestart = [&] { restarted = true; };
  view_.WrapOption().SetWrapByte(20);
  view_.SetWordWrap(true);
  EXPECT_TRUE(restarted);
  EXPECT_FALSE(counter.Done());
  counter.Step(SIZE_MAX);
  EXPECT_EQ(counter.Count(), static_cast<std::size_t>(lines / 10));
  restarted = false;
  SetText("KEY key");
  EXPECT_TRUE(restarted);
  counter.Step(SIZE_MAX);
  EXPECT_EQ(counter.Count(), 1u);
  counter.Start("", {});
  EXPECT_TRUE(counter.Done());
  EXPECT_EQ(counter.Count(), 0u);
}

TEST(ZoomedPoints, ClimbsTheLadderWithinItsEnds) {
  EXPECT_EQ(ZoomedPoints(12, 1), 14);
  EXPECT_EQ(ZoomedPoints(12, -1), 11);
  EXPECT_EQ(ZoomedPoints(13, 1), 14);  // between rungs: the nearer one that way
  EXPECT_EQ(ZoomedPoints(13, -1), 12);
  EXPECT_EQ(ZoomedPoints(12, 3), 18);
  EXPECT_EQ(ZoomedPoints(72, 1), 72);
  EXPECT_EQ(ZoomedPoints(6, -2), 6);
  EXPECT_EQ(ZoomedPoints(200, -1), 72);
  EXPECT_EQ(ZoomedPoints(12, 0), 12);
}

}  // namespace
}  // namespace quillet
