#include "platform/store_component.h"

namespace platform {

void TFileExtComponent::SetFileExtList(const TStrings& Value) {
  fileExtList_->Assign(Value);
}

bool TFileExtComponent::HasFileExt(std::string_view S) const {
  int index = 0;
  return fileExtList_->Find(S, index);
}

void TFileExtComponent::Create() {
  TStoreComponent::Create();
  fileExtList_ = CreateStringList();
  InitFileExtList();
}

std::unique_ptr<TStringList> TFileExtComponent::CreateStringList() const {
  auto list = std::make_unique<TStringList>();
  list->SetSorted(true);
  list->SetDuplicates(TDuplicates::dupIgnore);
  return list;
}

}  // namespace platform
