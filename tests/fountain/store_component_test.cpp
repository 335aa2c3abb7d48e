// Component construction and the file-extension list.
#include "fountain/store_component.h"

#include <gtest/gtest.h>

namespace fountain {
namespace {

// The factory and the hook are overridden: construction must reach both.
class TMailExtComponent : public TFileExtComponent {
 public:
  using TFileExtComponent::TFileExtComponent;

 protected:
  std::unique_ptr<platform::TStringList> CreateStringList() const override {
    auto list = TFileExtComponent::CreateStringList();
    list->Add(".eml");
    return list;
  }
  void InitFileExtList() override { FileExtList().Add(".TXT"); }
};

TEST(TFileExtComponent, ConstructionReachesTheDescendantsOverrides) {
  auto owner = platform::NewComponent<TStoreComponent>(nullptr);
  auto component = platform::NewComponent<TMailExtComponent>(owner.get());
  EXPECT_EQ(component->GetOwner(), owner.get());
  EXPECT_EQ(component->FileExtList().Text(), ".eml\r\n.TXT\r\n");
  EXPECT_TRUE(component->HasFileExt(".Eml"));
  EXPECT_FALSE(component->HasFileExt(".tx"));

  platform::TStringList other;
  other.SetText(".msg\n.MSG\n.mbx");
  component->SetFileExtList(other);  // copies the strings into the sorted list
  other.Clear();
  EXPECT_EQ(component->FileExtList().Text(), ".mbx\r\n.msg\r\n");
}

}  // namespace
}  // namespace fountain
