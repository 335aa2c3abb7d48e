#include "editor/editor_view_info.h"

#include "platform/component.h"
#include "platform/update_guard.h"

namespace editor {

TEditorViewInfo::~TEditorViewInfo() {
  if (fountain_) fountain_->NotifyEventList().Remove(FountainListener());
}

std::unique_ptr<fountain::TEditorFountain> TEditorViewInfo::CreateFountain() {
  auto result = platform::NewComponent<fountain::TEditorFountain>(nullptr);
  result->NotifyEventList().Add(FountainListener());
  return result;
}

fountain::TEditorBracketCollection& TEditorViewInfo::Brackets() {
  return static_cast<fountain::TEditorBracketCollection&>(fountain_->Brackets());
}

const fountain::TEditorBracketCollection& TEditorViewInfo::Brackets() const {
  return static_cast<const fountain::TEditorBracketCollection&>(fountain_->Brackets());
}

void TEditorViewInfo::SetBrackets(const fountain::TFountainBracketCollection& Value) {
  fountain_->SetBrackets(Value);
}

void TEditorViewInfo::SetColors(const fountain::TEditorColors& Value) {
  fountain_->SetColors(Value);
}

void TEditorViewInfo::SetCommenter(const platform::ByteString& Value) {
  if (fountain_->Commenter() == Value.view()) return;
  fountain_->SetCommenter(Value);
  Changed();
}

void TEditorViewInfo::SetControlCode(bool Value) {
  if (fountain_->ControlCode() == Value) return;
  fountain_->SetControlCode(Value);
  Changed();
}

void TEditorViewInfo::SetHexPrefix(const platform::ByteString& Value) {
  if (fountain_->HexPrefix() == Value.view()) return;
  fountain_->SetHexPrefix(Value);
  Changed();
}

void TEditorViewInfo::SetMail(bool Value) {
  if (fountain_->Mail() == Value) return;
  fountain_->SetMail(Value);
  Changed();
}

void TEditorViewInfo::SetQuotation(const platform::ByteString& Value) {
  const std::string_view first = Value.view().substr(0, 1);
  if (fountain_->Quotation() == first) return;
  fountain_->SetQuotation(first.size() == Value.size() ? Value : platform::ByteString(first));
  Changed();
}

void TEditorViewInfo::SetUrl(bool Value) {
  if (fountain_->Url() == Value) return;
  fountain_->SetUrl(Value);
  Changed();
}

void TEditorViewInfo::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorViewInfo*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  platform::UpdateGuard<TEditorViewInfo> batch(*this);
  SetBrackets(source->Brackets());
  SetColors(source->Colors());
  SetCommenter(source->Commenter());
  SetControlCode(source->ControlCode());
  SetHexPrefix(source->HexPrefix());
  SetMail(source->Mail());
  SetQuotation(source->Quotation());
  SetUrl(source->Url());
}

std::span<const platform::TPublishedProperty> TEditorViewInfo::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      {"Brackets",
       [](platform::TPersistent& info) -> platform::TPersistent* {
         return &static_cast<TEditorViewInfo&>(info).Brackets();
       }},
      {"Colors",
       [](platform::TPersistent& info) -> platform::TPersistent* {
         return &static_cast<TEditorViewInfo&>(info).Colors();
       }},
  };
  return properties;
}

}  // namespace editor
