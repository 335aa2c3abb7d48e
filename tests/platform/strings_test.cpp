// The string-list interface: operations built on a descendant's storage operations.
#include "platform/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/string_list.h"

namespace platform {
namespace {

// Only the required operations; records the update states it is told of.
class TPlainStrings : public TStrings {
 public:
  ByteString Get(int Index) const override { return items.at(static_cast<size_t>(Index)); }
  int GetCount() const override { return static_cast<int>(items.size()); }
  void Clear() override { items.clear(); }
  void Delete(int Index) override { items.erase(items.begin() + Index); }
  void Insert(int Index, const ByteString& S) override { items.insert(items.begin() + Index, S); }

  std::vector<ByteString> items;
  std::vector<bool> updateStates;

 protected:
  void SetUpdateState(bool Updating) override { updateStates.push_back(Updating); }
};

TEST(TStrings, TextSplitsAtCrLfOrCrLfAndJoinsWithCrLf) {
  TPlainStrings s;
  s.SetText("a\r\nb\rc\nd");
  EXPECT_EQ(s.Text(), "a\r\nb\r\nc\r\nd\r\n");
  s.SetText("a\r\n");
  EXPECT_EQ(s.Text(), "a\r\n");
  s.SetText("\n\r\r\n");  // LF CR is two breaks, CR LF one
  EXPECT_EQ(s.Count(), 3);
  s.SetText("");
  EXPECT_EQ(s.Count(), 0);
}

TEST(TStrings, DerivedOperationsUseTheOverriddenOnesInOneBracket) {
  TPlainStrings s;
  s.BeginUpdate();
  s.SetText("a\nb\nc");  // a bracket of its own, nested here
  s.EndUpdate();
  s.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(s.updateStates, (std::vector<bool>{true, false}));

  EXPECT_EQ(s.Add("d"), 3);
  s.Put(0, "A");
  s.Exchange(1, 3);
  s.Move(0, 3);
  EXPECT_EQ(s.Text(), "d\r\nc\r\nb\r\nA\r\n");
  EXPECT_EQ(s.IndexOf("a"), 3);  // case-insensitive

  TStringList source;
  source.SetText("x\ny");
  s.updateStates.clear();
  s.Assign(source);
  EXPECT_EQ(s.Text(), "x\r\ny\r\n");
  EXPECT_EQ(s.updateStates, (std::vector<bool>{true, false}));
}

TEST(CompareText, FoldsAsciiLettersButNotTrailBytes) {
  EXPECT_EQ(CompareText("From:", "FROM:"), 0);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
  // 0x83 0x61 and 0x83 0x41 are different katakana, though 0x61/0x41 look like a/A.
  EXPECT_NE(CompareText("\x83\x61", "\x83\x41"), 0);
  EXPECT_EQ(CompareText("\x83\x41z", "\x83\x41Z"), 0);
}

}  // namespace
}  // namespace platform
