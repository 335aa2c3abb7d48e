#pragma once
// The component bases of the option components and the fountains.

#include <memory>
#include <string_view>

#include "platform/component.h"
#include "platform/string_list.h"

namespace platform {

class TStoreComponent : public TComponent {
 public:
  using TComponent::TComponent;
};

// A component that knows a list of file extensions.
class TFileExtComponent : public TStoreComponent {
 public:
  using TStoreComponent::TStoreComponent;

  // Editing the list directly notifies nobody.
  TStringList& FileExtList() { return *fileExtList_; }
  const TStringList& FileExtList() const { return *fileExtList_; }
  // Copies the strings of Value.
  virtual void SetFileExtList(const TStrings& Value);
  // True when S is in the list (compared case-insensitively).
  virtual bool HasFileExt(std::string_view S) const;

 protected:
  // Makes FileExtList, then lets InitFileExtList fill it.
  void Create() override;
  // A new sorted list that ignores duplicates, in case-insensitive order.
  virtual std::unique_ptr<TStringList> CreateStringList() const;
  // Fills FileExtList; empty here.
  virtual void InitFileExtList() {}

 private:
  std::unique_ptr<TStringList> fileExtList_;
};

}  // namespace platform
