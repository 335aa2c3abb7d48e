#pragma once
// The fountain: a component that owns the colour of reserved words, the bracket pairs and the
// reserved-word list, makes parsers of its class on demand, and tells every view that uses it
// when any of these change.

#include <memory>
#include <span>

#include "fountain/fountain_brackets.h"
#include "fountain/fountain_color.h"
#include "platform/notify_event_list.h"
#include "platform/store_component.h"
#include "platform/string_list.h"

namespace fountain {

class TFountain;
class TFountainParser;

// Makes a parser bound to a fountain; ParserClass<T> (fountain_parser.h) makes parsers of T.
using TFountainParserClass = std::unique_ptr<TFountainParser> (*)(TFountain& Fountain);

// Mask bits of SetColors: which values of the given colour set to copy.
constexpr unsigned cmBkColor = 1;
constexpr unsigned cmColor = 2;
constexpr unsigned cmStyle = 4;

class TFountain : public platform::TFileExtComponent {
 public:
  using platform::TFileExtComponent::TFileExtComponent;
  ~TFountain() override;

  TFountainBracketCollection& Brackets() { return *brackets_; }
  const TFountainBracketCollection& Brackets() const { return *brackets_; }
  void SetBrackets(const TFountainBracketCollection& Value) { brackets_->Assign(Value); }
  // Views register their change handlers here; each change reaches all of them once.
  platform::TNotifyEventList& NotifyEventList() { return *notifyEventList_; }
  TFountainColor& Reserve() { return *reserve_; }
  const TFountainColor& Reserve() const { return *reserve_; }
  void SetReserve(const TFountainColor& Value) { reserve_->Assign(Value); }
  // Sorted, duplicates ignored, case-insensitive. Editing it directly notifies nobody; the
  // setter copies the strings and then tells the listeners.
  platform::TStringList& ReserveWordList() { return *reserveWordList_; }
  const platform::TStringList& ReserveWordList() const { return *reserveWordList_; }
  void SetReserveWordList(const platform::TStrings& Value);

  // A parser of this fountain's parser class, bound to it; the caller owns it.
  virtual std::unique_ptr<TFountainParser> CreateParser();
  // True when any colour set reachable from Instance's published properties, at any depth
  // (collections included), has the italic style.
  virtual bool HasItalic(platform::TPersistent& Instance);
  // Copies the values that Mask selects (cmBkColor, cmColor, cmStyle) from Color into every
  // colour set that SetColorProc accepts among Instance's published properties, at any depth,
  // each through its setter.
  void SetColors(platform::TPersistent& Instance, const TFountainColor& Color, unsigned Mask);

  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 protected:
  // After the file-extension list: the listener list, the brackets (then InitBracketItems), the
  // reserved-word list (then InitReserveWordList), the reserved-word colour.
  void Create() override;
  // A colour set that reports to the listeners.
  virtual std::unique_ptr<TFountainColor> CreateFountainColor();
  virtual std::unique_ptr<TFountainColor> CreateReserve();
  // A bracket list owned by this fountain that reports to the listeners.
  virtual std::unique_ptr<TFountainBracketCollection> CreateBrackets();
  virtual TFountainParserClass GetParserClass() const = 0;
  virtual void InitBracketItems() {}
  virtual void InitReserveWordList() {}
  // Called for each property of a walk with the object that publishes it.
  virtual void HasItalicProc(platform::TPersistent& Instance,
                             const platform::TPublishedProperty& Property);
  virtual void SetColorProc(platform::TPersistent& Instance,
                            const platform::TPublishedProperty& Property);
  // The OnChange of every owned sub-object: a change of one reaches all listeners.
  platform::TNotifyEvent ListenersChanged() {
    return {notifyEventList_.get(), &platform::TNotifyEventList::ChangedProc};
  }

 private:
  using TPropertyProc = void (TFountain::*)(platform::TPersistent&,
                                            const platform::TPublishedProperty&);
  void WalkProperties(platform::TPersistent& Instance, TPropertyProc Proc);

  std::unique_ptr<platform::TNotifyEventList> notifyEventList_;
  std::unique_ptr<TFountainBracketCollection> brackets_;
  std::unique_ptr<platform::TStringList> reserveWordList_;
  std::unique_ptr<TFountainColor> reserve_;
  // Work values of the walks.
  bool italicFound_ = false;
  TFountainColor workColor_;
  unsigned workMask_ = 0;
};

// The published properties every fountain has, for the tables of descendants.
inline constexpr platform::TPublishedProperty kFountainBrackets{
    "Brackets", [](platform::TPersistent& f) -> platform::TPersistent* {
      return &static_cast<TFountain&>(f).Brackets();
    }};
inline constexpr platform::TPublishedProperty kFountainFileExtList{
    "FileExtList", [](platform::TPersistent& f) -> platform::TPersistent* {
      return &static_cast<TFountain&>(f).FileExtList();
    }};
inline constexpr platform::TPublishedProperty kFountainReserve{
    "Reserve", [](platform::TPersistent& f) -> platform::TPersistent* {
      return &static_cast<TFountain&>(f).Reserve();
    }};
inline constexpr platform::TPublishedProperty kFountainReserveWordList{
    "ReserveWordList", [](platform::TPersistent& f) -> platform::TPersistent* {
      return &static_cast<TFountain&>(f).ReserveWordList();
    }};

}  // namespace fountain
