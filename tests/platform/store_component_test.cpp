// Component construction and the file-extension list.
#include "platform/store_component.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// The factory and the hook are overridden: construction must reach both.
class TMailExtComponent : public TFileExtComponent {
 public:
  using TFileExtComponent::TFileExtComponent;

 protected:
  std::unique_ptr<TStringList> CreateStringList() const override {
    auto list = TFileExtComponent::CreateStringList();
    list->Add(".eml");
    return list;
  }
  void InitFileExtList() override { FileExtList().Add(".TXT"); }
};

TEST(TFileExtComponent, ConstructionReachesTheDescendantsOverrides) {
  auto owner = NewComponent<TStoreComponent>(nullptr);
  auto component = NewComponent<TMailExtComponent>(owner.get());
  EXPECT_EQ(component->GetOwner(), owner.get());
  EXPECT_EQ(component->FileExtList().Text(), ".eml\r\n.TXT\r\n");
  EXPECT_TRUE(component->HasFileExt(".Eml"));
  EXPECT_FALSE(component->HasFileExt(".tx"));

  TStringList other;
  other.SetText(".msg\n.MSG\n.mbx");
  component->SetFileExtList(other);  // copies the strings into the sorted list
  other.Clear();
  EXPECT_EQ(component->FileExtList().Text(), ".mbx\r\n.msg\r\n");
}

}  // namespace
}  // namespace platform
