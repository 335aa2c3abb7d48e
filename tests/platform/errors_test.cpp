#include "platform/errors.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace platform {
namespace {

TEST(Errors, MessagesCarryTheirArgumentsForDisplay) {
  EXPECT_STREQ(EFOpenError("/tmp/メール.eml").what(), "ファイル /tmp/メール.eml は開けません");
  // A file name that is not UTF-8 is shown as CP932.
  EXPECT_STREQ(EFOpenError(cp932::FromUtf8("受信.eml")).what(), "ファイル 受信.eml は開けません");
  EXPECT_STREQ(EConvertError::NotAnInteger("x").what(), "'x' は整数ではありません");
  EXPECT_STREQ(EConvertError::CannotAssign("TFont", "TEditorCaret").what(),
               "TFont を TEditorCaret に代入することはできません");
  EXPECT_STREQ(EListError().what(), "リストのインデックスが範囲を超えています");
  EXPECT_STREQ(EOutOfMemory().what(), "メモリが不足しています");
  EXPECT_STREQ(EIniFileException("/x/quillet.ini").what(), "/x/quillet.ini に書き込めません");
  EXPECT_STREQ(ERegistryException("FontFace").what(), "'FontFace' のデータ型が不正です");
}

TEST(Errors, FormatLeavesSurplusPlaceholdersAndPercentSigns) {
  EXPECT_EQ(FormatMessage("%s and %s", {"a"}), "a and %s");
  EXPECT_EQ(FormatMessage("100% %s", {"x"}), "100% x");
  EXPECT_EQ(FormatMessage("%s", {"%s"}), "%s");  // an argument is not expanded again
}

}  // namespace
}  // namespace platform
