// Assignment between persistent objects, and collections.
#include "platform/persistent.h"

#include <gtest/gtest.h>

#include "platform/collection.h"
#include "platform/errors.h"

namespace platform {
namespace {

class TTagItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  void SetTag(int value) {
    tag = value;
    Changed(false);
  }
  void Assign(const TPersistent& Source) override {
    if (const auto* item = dynamic_cast<const TTagItem*>(&Source)) return SetTag(item->tag);
    TCollectionItem::Assign(Source);
  }
  int tag = 0;
};

class TTagCollection : public TCollection {
 public:
  TTagCollection() : TCollection(ItemClass<TTagItem>) {}
  TTagItem& Tag(int i) { return static_cast<TTagItem&>(Items(i)); }
  std::vector<TCollectionItem*> updates;

 protected:
  void Update(TCollectionItem* Item) override { updates.push_back(Item); }
};

TEST(TCollection, ReportsChangesOnlyOutsideUpdates) {
  TTagCollection tags;
  auto& first = static_cast<TTagItem&>(tags.Add());
  EXPECT_EQ(first.GetOwner(), &tags);
  first.SetTag(4);
  EXPECT_EQ(tags.updates, (std::vector<TCollectionItem*>{nullptr, &first}));

  tags.BeginUpdate();
  tags.Add();
  tags.Tag(1).SetTag(2);
  tags.Delete(0);
  tags.EndUpdate();
  EXPECT_EQ(tags.updates.size(), 3u);
  EXPECT_EQ(tags.Tag(0).Index(), 0);

  tags.EndUpdate();  // unbalanced: reports, and the count stays at zero
  tags.Clear();
  tags.Clear();  // empty: nothing to report
  EXPECT_EQ(tags.updates.size(), 5u);
  EXPECT_THROW(tags.Delete(0), EListError);
}

TEST(TCollection, AssignCopiesItemsAsOneChangeAndRefusesOtherClasses) {
  TTagCollection source;
  for (int tag : {7, 8, 9}) static_cast<TTagItem&>(source.Add()).SetTag(tag);
  TTagCollection copy;
  copy.Add();
  copy.updates.clear();
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Tag(2).tag, 9);
  EXPECT_EQ(copy.updates.size(), 1u);
  copy.Assign(copy);  // assigning to itself keeps the items
  EXPECT_EQ(copy.Count(), 3);
  try {
    copy.Assign(copy.Tag(0));
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "TTagItem を TTagCollection に代入することはできません");
  }
}

}  // namespace
}  // namespace platform
