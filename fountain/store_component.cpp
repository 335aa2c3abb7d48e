#include "fountain/store_component.h"

namespace fountain {

void TFileExtComponent::SetFileExtList(const platform::TStrings& Value) {
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

std::unique_ptr<platform::TStringList> TFileExtComponent::CreateStringList() const {
  auto list = std::make_unique<platform::TStringList>();
  list->SetSorted(true);
  list->SetDuplicates(platform::TDuplicates::dupIgnore);
  return list;
}

}  // namespace fountain
