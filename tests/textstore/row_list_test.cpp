// The row store: capacity, record moves, index errors and change events.
#include "textstore/row_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "textstore/row_attributes.h"

namespace textstore {
namespace {

// Logs OnChanging as '<' and OnChange as '>', checking the sender.
class EventLog : public platform::TObject {
 public:
  explicit EventLog(TheStringList& list) : list_(list) {
    list.SetOnChanging(platform::TNotifyEvent(this, &EventLog::Changing));
    list.SetOnChange(platform::TNotifyEvent(this, &EventLog::Change));
  }
  void Changing(platform::TObject* Sender) { log += Sender == &list_ ? '<' : '?'; }
  void Change(platform::TObject* Sender) { log += Sender == &list_ ? '>' : '?'; }
  std::string Take() { return std::exchange(log, {}); }

  std::string log;

 private:
  TheStringList& list_;
};

std::string Texts(const TheStringList& list) {
  std::string text;
  for (int i = 0; i < list.Count(); ++i) text += list.Get(i).str() + ",";
  return text;
}

TEST(TheStringList, CapacityGrowsByFourThenSixteenThenAQuarter) {
  TheStringList list;
  std::vector<int> capacities{list.GetCapacity()};
  for (int i = 0; i < 96; ++i) {
    list.Add("x");
    if (list.GetCapacity() != capacities.back()) capacities.push_back(list.GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{0, 4, 8, 12, 28, 44, 60, 76, 95, 118}));
  list.Delete(0);
  EXPECT_EQ(list.GetCapacity(), 118);  // deletion keeps the array
  list.SetCapacity(10);                // never below the rows held
  EXPECT_EQ(list.GetCapacity(), 95);
  EXPECT_EQ(list.Get(94), "x");
  list.Clear();
  EXPECT_EQ(list.GetCapacity(), 0);
}

TEST(TheStringList, InsertDeleteAndExchangeMoveWholeRecords) {
  TRowAttributeStringList list;
  list.SetText("a\nb\nc");
  list.SetRowKind(0, rkWrapped);
  list.SetRowMarks(0, 0x8001);
  list.SetRowTag(0, 77);
  list.SetRowData(0, "data");
  list.SetRowKind(2, rkTextEnd);

  list.Exchange(0, 2);
  EXPECT_EQ(Texts(list), "c,b,a,");
  EXPECT_EQ(list.RowKind(2), rkWrapped);
  EXPECT_EQ(list.RowMarks(2), 0x8001);
  EXPECT_EQ(list.RowTag(2), 77);
  EXPECT_EQ(list.RowData(2), "data");
  EXPECT_EQ(list.RowKind(0), rkTextEnd);
  EXPECT_EQ(list.RowMarks(0), 0);

  list.Insert(0, "new");  // the rows after it move up with their fields
  list.Insert(4, "end");  // Insert(Count) appends
  EXPECT_EQ(Texts(list), "new,c,b,a,end,");
  EXPECT_EQ(list.RowKind(1), rkTextEnd);
  EXPECT_EQ(list.RowMarks(3), 0x8001);
  list.Delete(1);
  list.Put(2, "A");  // only the text changes
  EXPECT_EQ(Texts(list), "new,b,A,end,");
  EXPECT_EQ(list.RowTag(2), 77);
  EXPECT_EQ(list.RowData(2), "data");

  // The last slot, vacated when the rows move down, starts clean when Add reuses it.
  list.SetRowTag(3, 5);
  list.SetPackedState(3, 0xFFFFFFFF);
  list.Delete(0);
  list.Add("again");
  EXPECT_EQ(list.PackedState(2), 0xFFFFFFFFu);
  EXPECT_EQ(list.PackedState(3), 0u);
  EXPECT_EQ(list.RowTag(3), 0);
}

TEST(TheStringList, BadIndexesRaiseTheListErrorAndChangeNothing) {
  TRowAttributeStringList list;
  list.SetText("a\nb");
  EventLog events(list);
  auto expectListError = [](auto&& operation) {
    try {
      operation();
      ADD_FAILURE() << "no list error";
    } catch (const platform::EListError& e) {
      EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています");
    }
  };
  expectListError([&] { list.Get(2); });
  expectListError([&] { list.Put(-1, "x"); });
  expectListError([&] { list.Insert(3, "x"); });
  expectListError([&] { list.Delete(2); });
  expectListError([&] { list.Exchange(0, 2); });
  expectListError([&] { list.Exchange(-1, 0); });
  expectListError([&] { list.SetRowData(2, "x"); });
  expectListError([&] { list.SetBracketIndex(2, 0); });
  EXPECT_EQ(events.Take(), "");
  EXPECT_EQ(Texts(list), "a,b,");
}

TEST(TheStringList, EachChangeFiresOnePairAndABracketOnlyOne) {
  TRowAttributeStringList list;
  EventLog events(list);
  list.Clear();
  EXPECT_EQ(events.Take(), "");  // nothing to clear

  list.Add("a");
  list.Insert(0, "b");
  list.Put(0, "c");
  list.Exchange(0, 1);
  list.Delete(0);
  EXPECT_EQ(events.Take(), "<><><><><>");
  list.SetRowKind(0, rkTextEnd);  // row fields are not text: silent
  list.SetRowData(0, "d");
  list.SetRowTag(0, 1);
  EXPECT_EQ(events.Take(), "");

  list.BeginUpdate();
  EXPECT_EQ(events.Take(), "<");
  for (int i = 0; i < 10; ++i) list.Add("x");
  list.Clear();
  list.EndUpdate();
  EXPECT_EQ(events.Take(), ">");

  list.Add("a");
  events.Take();
  list.Clear();
  EXPECT_EQ(events.Take(), "<>");
}

}  // namespace
}  // namespace textstore
