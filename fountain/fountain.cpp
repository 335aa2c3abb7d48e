#include "fountain/fountain.h"

#include "fountain/fountain_parser.h"

namespace fountain {

TFountain::~TFountain() {
  notifyEventList_.reset();
  brackets_.reset();
  reserveWordList_.reset();
  reserve_.reset();
}

void TFountain::SetReserveWordList(const platform::TStrings& Value) {
  reserveWordList_->Assign(Value);
  notifyEventList_->ChangedProc(this);
}

std::unique_ptr<TFountainParser> TFountain::CreateParser() {
  return GetParserClass()(*this);
}

bool TFountain::HasItalic(platform::TPersistent& Instance) {
  italicFound_ = false;
  WalkProperties(Instance, &TFountain::HasItalicProc);
  return italicFound_;
}

void TFountain::SetColors(platform::TPersistent& Instance, const TFountainColor& Color,
                          unsigned Mask) {
  workColor_.Assign(Color);
  workMask_ = Mask;
  WalkProperties(Instance, &TFountain::SetColorProc);
}

std::span<const platform::TPublishedProperty> TFountain::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      kFountainBrackets, kFountainFileExtList, kFountainReserve, kFountainReserveWordList};
  return properties;
}

void TFountain::Create() {
  platform::TFileExtComponent::Create();
  notifyEventList_ = std::make_unique<platform::TNotifyEventList>(this);
  brackets_ = CreateBrackets();
  InitBracketItems();
  reserveWordList_ = CreateStringList();
  InitReserveWordList();
  reserve_ = CreateReserve();
}

std::unique_ptr<TFountainColor> TFountain::CreateFountainColor() {
  auto color = std::make_unique<TFountainColor>();
  color->SetOnChange(ListenersChanged());
  return color;
}

std::unique_ptr<TFountainColor> TFountain::CreateReserve() {
  return CreateFountainColor();
}

std::unique_ptr<TFountainBracketCollection> TFountain::CreateBrackets() {
  auto brackets = std::make_unique<TFountainBracketCollection>(this);
  brackets->SetOnChange(ListenersChanged());
  return brackets;
}

void TFountain::HasItalicProc(platform::TPersistent& Instance,
                              const platform::TPublishedProperty& Property) {
  const auto* color = dynamic_cast<const TFountainColor*>(Property.Value(Instance));
  if (color != nullptr && color->Style().Contains(platform::fsItalic)) italicFound_ = true;
}

void TFountain::SetColorProc(platform::TPersistent& Instance,
                             const platform::TPublishedProperty& Property) {
  auto* color = dynamic_cast<TFountainColor*>(Property.Value(Instance));
  if (color == nullptr) return;
  if (workMask_ & cmBkColor) color->SetBkColor(workColor_.BkColor());
  if (workMask_ & cmColor) color->SetColor(workColor_.Color());
  if (workMask_ & cmStyle) color->SetStyle(workColor_.Style());
}

void TFountain::WalkProperties(platform::TPersistent& Instance, TPropertyProc Proc) {
  for (const platform::TPublishedProperty& property : Instance.PublishedProperties()) {
    (this->*Proc)(Instance, property);
    platform::TPersistent* value = property.Value(Instance);
    if (value == nullptr) continue;
    WalkProperties(*value, Proc);
    if (auto* collection = dynamic_cast<platform::TCollection*>(value)) {
      for (int i = 0; i < collection->Count(); ++i) WalkProperties(collection->Items(i), Proc);
    }
  }
}

}  // namespace fountain
