// Class names for messages, and bound methods compared as pairs.
#include <gtest/gtest.h>

#include "platform/list.h"
#include "platform/method.h"

namespace platform {
namespace {

class TBase : public TObject {
 public:
  virtual int Value(int x) { return x; }
  int Twice(int x) { return 2 * x; }
};

class TDerived : public TBase {
 public:
  int Value(int x) override { return x + 100; }
};

TEST(TObject, ClassNameIsTheBareName) {
  TDerived derived;
  EXPECT_EQ(static_cast<TObject&>(derived).ClassName(), "TDerived");
  EXPECT_EQ(TList<int>().ClassName(), "TList<int>");
}

TEST(Method, EqualOnlyWhenObjectAndCodeBothMatch) {
  TDerived a;
  TBase b;
  using M = Method<int(int)>;
  EXPECT_EQ(M(&a, &TBase::Value)(1), 101);  // virtual dispatch
  EXPECT_EQ(M(&a, &TBase::Value), M(&a, &TBase::Value));
  EXPECT_NE(M(&a, &TBase::Value), M(&b, &TBase::Value));
  EXPECT_NE(M(&a, &TBase::Value), M(&a, &TBase::Twice));
  EXPECT_FALSE(M());
}

}  // namespace
}  // namespace platform
