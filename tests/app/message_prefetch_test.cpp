#include "app/message_prefetch.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

// The first load of the prefetched path takes the read made before it; any other path, and
// every later load, reads the file anew. A failed read fails that first load.
TEST(MessagePrefetch, OnlyTheFirstLoadOfThatPathTakesTheRead) {
  testsupport::ScratchDir dir;
  const std::string path = dir.Write("m.eml", "Subject: old\r\n\r\nbody\r\n");
  PrefetchMessage(path);
  EXPECT_FALSE(TakePrefetchedMessage(path + "x").has_value());
  EXPECT_FALSE(TakePrefetchedMessage(path).has_value());  // dropped by the other path's take

  PrefetchMessage(path);
  ASSERT_EQ(TakePrefetchedMessage(path)->Text(), "Subject: old\r\n\r\nbody\r\n");
  dir.Write("m.eml", "Subject: new\r\n\r\nbody\r\n");
  EXPECT_EQ(LoadMessage(path, ViewMode::Body).headers.Subject, "new");  // read anew

  PrefetchMessage(dir.Path() + "/missing.eml");
  EXPECT_THROW(LoadMessage(dir.Path() + "/missing.eml", ViewMode::Body), platform::EFOpenError);
}

}  // namespace
}  // namespace quillet
