// Colour sets, bracket lists and fountains: who hears which change, construction through the
// factories, and the walks over published colour sets.
#include "fountain/fountain.h"

#include <gtest/gtest.h>

#include "fountain/editor_fountain.h"
#include "fountain/editor_parser.h"
#include "platform/errors.h"
#include "tests/fountain/test_fountain.h"

namespace fountain {
namespace {

using platform::TFontStyles;

// Counts the change notices it hears and remembers the last sender.
class TListener : public platform::TObject {
 public:
  void Heard(platform::TObject* Sender) {
    ++count;
    sender = Sender;
  }
  platform::TNotifyEvent Event() { return {this, &TListener::Heard}; }
  int count = 0;
  platform::TObject* sender = nullptr;
};

TEST(FountainColor, SettersNotifyOnlyOnChangeAndAssignOnce) {
  TFountainColor color;
  TListener listener;
  color.SetOnChange(listener.Event());
  color.SetBkColor(platform::clNone);
  color.SetStyle({});
  EXPECT_EQ(listener.count, 0);
  color.SetColor(platform::clRed);
  color.SetStyle({platform::fsBold, platform::fsItalic});
  EXPECT_EQ(listener.count, 2);

  TFountainColor other;
  other.SetBkColor(platform::clWindow);
  color.Assign(other);
  EXPECT_EQ(listener.count, 3);
  EXPECT_EQ(color.BkColor(), platform::clWindow);
  EXPECT_EQ(color.Color(), platform::clNone);
  EXPECT_TRUE(color.Style().Empty());

  TFountainBracketCollection brackets(nullptr);
  EXPECT_THROW(color.Assign(brackets), platform::EConvertError);
}

TEST(FountainBrackets, AtMostFourteenItemsAndItemColoursReportToTheCollection) {
  TFountainBracketCollection brackets(nullptr);
  TListener listener;
  brackets.SetOnChange(listener.Event());
  for (int i = 0; i < 14; ++i) brackets.Add();
  EXPECT_EQ(listener.count, 14);
  try {
    brackets.Add();
    FAIL();
  } catch (const platform::Exception& e) {
    EXPECT_STREQ(e.what(), "TFountainBracketCollection\r\nYou can not add item over 14");
  }
  EXPECT_EQ(brackets.Count(), 14);
  brackets.Items(3).ItemColor().SetColor(platform::clBlue);
  EXPECT_EQ(listener.count, 15);
  EXPECT_EQ(listener.sender, &brackets);
}

TEST(Fountain, EveryOwnedPartReachesEveryListener) {
  auto fountain = platform::NewComponent<testing::TQuoteFountain>(nullptr);
  TListener first, second;
  fountain->NotifyEventList().Add(first.Event());
  fountain->NotifyEventList().Add(second.Event());

  fountain->Reserve().SetStyle({platform::fsBold});
  testing::AddBracket(*fountain, "(", ")");  // the Add; the strings notify nobody
  fountain->Brackets().Items(0).ItemColor().SetBkColor(platform::clGray);
  fountain->ReserveWordList().Add("quiet");  // direct edits notify nobody
  platform::TStringList words;
  words.Add("Subject");
  fountain->SetReserveWordList(words);
  EXPECT_EQ(first.count, 4);
  EXPECT_EQ(second.count, 4);
  EXPECT_EQ(first.sender, fountain.get());
  EXPECT_EQ(fountain->ReserveWordList().Text(), "Subject\r\n");
  EXPECT_EQ(fountain->Brackets().GetOwner(), fountain.get());
}

// Overrides every factory and hook: construction must reach them in order.
class THookedFountain : public TEditorFountain {
 public:
  using TEditorFountain::TEditorFountain;
  std::string order;

 protected:
  std::unique_ptr<TFountainBracketCollection> CreateBrackets() override {
    order += "brackets ";
    return TEditorFountain::CreateBrackets();
  }
  void InitBracketItems() override {
    order += "bracket-items ";
    testing::AddBracket(*this, "[", "]");
  }
  void InitReserveWordList() override {
    order += "words ";
    ReserveWordList().Add("From");
  }
  std::unique_ptr<TFountainColor> CreateReserve() override {
    order += "reserve ";
    return TEditorFountain::CreateReserve();
  }
  std::unique_ptr<TEditorColors> CreateColors() override {
    order += "colors";
    return TEditorFountain::CreateColors();
  }
};

TEST(Fountain, ConstructionRunsTheFactoriesInOrder) {
  auto fountain = platform::NewComponent<THookedFountain>(nullptr);
  EXPECT_EQ(fountain->order, "brackets bracket-items words reserve colors");
  EXPECT_NE(dynamic_cast<TEditorBracketCollection*>(&fountain->Brackets()), nullptr);
  EXPECT_EQ(fountain->Brackets().Count(), 1);
  EXPECT_NE(dynamic_cast<TEditorParser*>(fountain->CreateParser().get()), nullptr);
  EXPECT_EQ(&fountain->Colors().Reserve(), &fountain->Reserve());
}

TEST(Fountain, HasItalicLooksThroughColoursAndBracketItems) {
  auto fountain = platform::NewComponent<TEditorFountain>(nullptr);
  EXPECT_FALSE(fountain->HasItalic(*fountain));
  fountain->Colors().Url().SetStyle({platform::fsUnderline});
  EXPECT_FALSE(fountain->HasItalic(*fountain));
  fountain->Colors().Hit().SetStyle({platform::fsItalic});
  EXPECT_TRUE(fountain->HasItalic(*fountain));
  fountain->Colors().Hit().SetStyle({});
  testing::AddBracket(*fountain, "(", ")");
  EXPECT_FALSE(fountain->HasItalic(*fountain));
  fountain->Brackets().Items(0).ItemColor().SetStyle({platform::fsBold, platform::fsItalic});
  EXPECT_TRUE(fountain->HasItalic(*fountain));
  EXPECT_FALSE(fountain->HasItalic(fountain->Colors()));
}

TEST(EditorFountain, SetAllSkipsSelectAndHitWithOneNotice) {
  auto fountain = platform::NewComponent<TEditorFountain>(nullptr);
  TEditorColors& colors = fountain->Colors();
  EXPECT_EQ(colors.Select().BkColor(), platform::clNavy);
  EXPECT_EQ(colors.Select().Color(), platform::clWhite);
  EXPECT_EQ(colors.Ank().BkColor(), platform::clNone);
  TListener listener;
  fountain->NotifyEventList().Add(listener.Event());

  fountain->SetColorAll(platform::clMaroon);
  EXPECT_EQ(listener.count, 1);
  for (const platform::TPublishedProperty& slot : colors.PublishedProperties()) {
    auto* color = dynamic_cast<TFountainColor*>(slot.Value(colors));
    ASSERT_NE(color, nullptr) << slot.Name;
    bool skipped = slot.Name == "Select" || slot.Name == "Hit";
    EXPECT_EQ(color->Color() == platform::clMaroon, !skipped) << slot.Name;
    EXPECT_EQ(color->BkColor(), slot.Name == "Select" ? platform::clNavy : platform::clNone);
  }
  EXPECT_EQ(fountain->Reserve().Color(), platform::clMaroon);

  fountain->SetStyleAll({platform::fsUnderline});
  fountain->SetBkColorAll(platform::clWindow);
  EXPECT_EQ(listener.count, 3);
  EXPECT_EQ(colors.Str().Style(), TFontStyles({platform::fsUnderline}));
  EXPECT_EQ(colors.Url().BkColor(), platform::clWindow);
  EXPECT_TRUE(colors.Hit().Style().Empty());

  // Only the editor fountain skips those two: the base walk reaches every colour set.
  auto plain = platform::NewComponent<testing::TQuoteFountain>(nullptr);
  plain->SetColors(colors, colors.Ank(), cmBkColor);
  EXPECT_EQ(colors.Select().BkColor(), platform::clWindow);
}

TEST(EditorFountain, ColoursAreFoundBySlotNameAndCopiedAsOneChange) {
  auto fountain = platform::NewComponent<TEditorFountain>(nullptr);
  auto other = platform::NewComponent<TEditorFountain>(nullptr);
  const auto slots = fountain->Colors().PublishedProperties();
  ASSERT_EQ(slots.size(), 11u);
  for (size_t i = 1; i < slots.size(); ++i) EXPECT_LT(slots[i - 1].Name, slots[i].Name);
  EXPECT_EQ(slots[6].Name, "Reserve");
  EXPECT_EQ(slots[6].Value(fountain->Colors()), &fountain->Reserve());

  other->Colors().Comment().SetColor(platform::clTeal);
  other->Colors().Reserve().SetBkColor(platform::clWhite);
  other->Colors().Select().SetColor(platform::clNone);
  TListener colorsListener;
  fountain->Colors().SetOnChange(colorsListener.Event());
  fountain->SetColors(other->Colors());
  EXPECT_EQ(colorsListener.count, 1);
  EXPECT_EQ(fountain->Colors().Comment().Color(), platform::clTeal);
  EXPECT_EQ(fountain->Reserve().BkColor(), platform::clWhite);
  EXPECT_EQ(fountain->Colors().Select().Color(), platform::clNone);

  auto& brackets = static_cast<TEditorBracketCollection&>(fountain->Brackets());
  testing::AddBracket(*fountain, "(", ")");
  testing::AddBracket(*fountain, "[", "]");
  TListener listener;
  fountain->NotifyEventList().Add(listener.Event());
  brackets.SetColor(platform::clGray);
  EXPECT_EQ(listener.count, 1);
  EXPECT_EQ(brackets.Items(1).ItemColor().Color(), platform::clGray);
}

}  // namespace
}  // namespace fountain
