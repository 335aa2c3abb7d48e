// Listener lists: duplicates, removal from the end, and the multicast change event.
#include "platform/method_list.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/notify_event_list.h"

namespace platform {
namespace {


// Logs its name at every call; `remove`, when set, is removed from `events` during the call.
class Listener : public TObject {
 public:
  Listener(std::string& log, char name) : log_(log), name_(name) {}
  void Heard(TObject* Sender) {
    log_ += name_;
    lastSender = Sender;
    if (events) events->Remove(remove);
  }
  void Other(TObject*) {}
  TNotifyEvent Event() { return TNotifyEvent(this, &Listener::Heard); }

  TObject* lastSender = nullptr;
  TNotifyEventList* events = nullptr;
  TNotifyEvent remove;

 private:
  std::string& log_;
  char name_;
};

std::string Call(const TMethodList& list, std::string& log) {
  log.clear();
  for (int i = 0; i < list.Count(); ++i) list.Items(i)(nullptr);
  return log;
}

TEST(TMethodList, KeepsDuplicatesAndRemovesFromTheEnd) {
  std::string log;
  Listener a(log, 'a');
  Listener b(log, 'b');
  TMethodList list;
  for (Listener* l : {&a, &b, &a, &b}) list.Add(l->Event());
  EXPECT_EQ(Call(list, log), "abab");
  list.Remove(a.Event());  // the later copy only
  EXPECT_EQ(Call(list, log), "abb");
  list.Remove(TNotifyEvent(&b, &Listener::Other));  // same object, other code: not there
  list.Remove(TNotifyEvent(&b, &Listener::Other));
  EXPECT_EQ(Call(list, log), "abb");
  list.Remove(b.Event());
  EXPECT_EQ(Call(list, log), "ab");
}

class TFountainStandIn : public TPersistent {};

TEST(TNotifyEventList, CallsEveryListenerInOrderWithTheOwner) {
  TFountainStandIn owner;
  TNotifyEventList events(&owner);
  std::string log;
  Listener a(log, 'a');
  Listener b(log, 'b');
  events.Add(b.Event());
  events.Add(a.Event());
  events.Changed();
  EXPECT_EQ(log, "ba");
  EXPECT_EQ(a.lastSender, &owner);

  log.clear();
  events.BeginUpdate();
  events.ChangedProc(&a);  // a sub-object's change
  events.ChangedProc(&a);
  EXPECT_EQ(log, "");
  events.EndUpdate();
  EXPECT_EQ(log, "ba");

  log.clear();
  events.Remove(b.Event());
  events.ChangedProc(&a);
  EXPECT_EQ(log, "a");
}

TEST(TNotifyEventList, ListenersMayLeaveDuringTheCalls) {
  TFountainStandIn owner;
  TNotifyEventList events(&owner);
  std::string log;
  Listener a(log, 'a');
  Listener b(log, 'b');
  Listener c(log, 'c');
  a.events = &events;
  a.remove = a.Event();  // a leaves at its first call
  b.events = &events;
  b.remove = c.Event();  // b sends c away before c's turn
  for (Listener* l : {&a, &b, &c}) events.Add(l->Event());
  events.Changed();
  EXPECT_EQ(log, "ab");
  log.clear();
  events.Changed();
  EXPECT_EQ(log, "b");
}

TEST(TNotifyRegistration, ListensForItsLifeOnly) {
  TFountainStandIn owner;
  TNotifyEventList events(&owner);
  std::string log;
  Listener a(log, 'a');
  {
    TNotifyRegistration outer;
    {
      TNotifyRegistration inner(events, a.Event());
      events.Changed();
      outer = std::move(inner);  // the move hands the place on, it does not remove it
    }
    events.Changed();
  }
  events.Changed();
  EXPECT_EQ(log, "aa");
  EXPECT_EQ(events.List().Count(), 0);
}

}  // namespace
}  // namespace platform
