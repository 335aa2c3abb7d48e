// Change notification of option objects and of collections of them.
#include "platform/notify_persistent.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/notify_collection.h"

namespace platform {
namespace {

// Records the sender of every event it receives.
class EventRecorder : public TObject {
 public:
  void Handle(TObject* Sender) { senders.push_back(Sender); }
  TNotifyEvent Event() { return TNotifyEvent(this, &EventRecorder::Handle); }
  int Count() const { return static_cast<int>(senders.size()); }
  std::vector<TObject*> senders;
};

class TWidth : public TNotifyPersistent {
 public:
  void SetWidth(int value) {
    if (value == width_) return;
    width_ = value;
    Changed();
  }

 private:
  int width_ = 0;
};

// A parent hearing its child through ChangedProc.
class TFrame : public TNotifyPersistent {
 public:
  TFrame() { border.SetOnChange(TNotifyEvent(this, &TFrame::ChangedProc)); }
  TWidth border;
};

TEST(TNotifyPersistent, BatchesReportOnceAtTheOutermostEnd) {
  TWidth width;
  EventRecorder recorder;
  width.SetOnChange(recorder.Event());
  width.SetWidth(1);
  width.SetWidth(1);  // unchanged
  EXPECT_EQ(recorder.senders, std::vector<TObject*>{&width});

  width.BeginUpdate();
  width.BeginUpdate();
  width.SetWidth(2);
  width.SetWidth(3);
  width.SetWidth(4);
  width.EndUpdate();
  EXPECT_EQ(recorder.Count(), 1);
  width.EndUpdate();
  EXPECT_EQ(recorder.Count(), 2);
  width.BeginUpdate();
  width.EndUpdate();  // reports even with nothing changed
  EXPECT_EQ(recorder.Count(), 3);
  width.EndUpdate();  // unbalanced: reports, and later changes still do
  width.SetWidth(9);
  EXPECT_EQ(recorder.Count(), 5);
}

TEST(TNotifyPersistent, ChildChangesBecomeChangesOfTheParent) {
  TFrame frame;
  EventRecorder recorder;
  frame.SetOnChange(recorder.Event());
  frame.border.SetWidth(2);
  EXPECT_EQ(recorder.senders, std::vector<TObject*>{&frame});
  frame.ChangedProc(&frame);  // the parent's own change handed back is not repeated
  EXPECT_EQ(recorder.Count(), 1);
  frame.BeginUpdate();
  frame.border.SetWidth(3);
  frame.border.SetWidth(4);
  frame.EndUpdate();
  EXPECT_EQ(recorder.Count(), 2);
}

class TWidthItem : public TCollectionItem {
 public:
  explicit TWidthItem(TCollection& collection) : TCollectionItem(collection) {
    auto& notify = static_cast<TNotifyCollection&>(collection);
    width.SetOnChange(TNotifyEvent(&notify, &TNotifyCollection::ChangedProc));
  }
  TWidth width;
};

TEST(TNotifyCollection, ReportsItsOwnAndItsItemsChanges) {
  TFrame owner;
  TNotifyCollection widths(&owner, ItemClass<TWidthItem>);
  EXPECT_EQ(widths.GetOwner(), &owner);
  EventRecorder recorder;
  widths.SetOnChange(recorder.Event());

  auto& item = static_cast<TWidthItem&>(widths.Add());
  item.width.SetWidth(5);
  EXPECT_EQ(recorder.senders, (std::vector<TObject*>{&widths, &widths}));
  widths.ChangedProc(&widths);
  EXPECT_EQ(recorder.Count(), 2);

  widths.BeginUpdate();
  item.width.SetWidth(6);
  widths.Add();
  widths.Delete(0);
  widths.EndUpdate();
  EXPECT_EQ(recorder.Count(), 3);
}

}  // namespace
}  // namespace platform
