// Scanning must not touch the allocator: neither per token nor per row once a parser's row
// buffer has grown. This program counts every global allocation.
#include <gtest/gtest.h>

#include "tests/support/allocation_counter.h"
#include "fountain/editor_fountain.h"
#include "fountain/fountain_parser.h"
#include "platform/cp932.h"

namespace fountain {
namespace {

std::unique_ptr<TEditorFountain> BusyFountain() {
  auto fountain = platform::NewComponent<TEditorFountain>(nullptr);
  fountain->SetMail(true);
  fountain->SetUrl(true);
  fountain->SetCommenter("//");
  fountain->SetQuotation("\"");
  fountain->SetControlCode(true);
  fountain->SetHexPrefix("0x");
  TFountainBracketItem& item = fountain->Brackets().Add();
  item.SetLeftBracket("(");
  item.SetRightBracket(")");
  for (const char* word : {"From", "Subject", "To", "Date"}) fountain->ReserveWordList().Add(word);
  return fountain;
}

const std::string kText = platform::cp932::FromUtf8(
    "From: taro@example.jp (Taro) see http://ex.com/a?b=1. 12.5e3 0x1F #13#$0A \"q\"\"q\" "
    "日本語のテキスト、カタカナ１２ＡＢｶﾅ｡\t// comment ");

TEST(ScanAllocations, TokensAndColoursAllocateNothing) {
  auto fountain = BusyFountain();
  auto parser = fountain->CreateParser();
  long before = testsupport::allocations;
  int tokens = 0, coloured = 0;
  for (int pass = 0; pass < 10; ++pass) {
    parser->NewData(kText, {});
    while (parser->NextToken() != toEof) {
      ++tokens;
      if (parser->TokenToFountainColor() != nullptr) ++coloured;
    }
  }
  EXPECT_EQ(testsupport::allocations, before);
  EXPECT_EQ(tokens, 10 * 22);
  EXPECT_EQ(coloured, 10 * 21);  // all but the tab
}

TEST(ScanAllocations, RowStatesAllocateNothingOnceTheRowBufferHasGrown) {
  auto fountain = BusyFountain();
  textstore::TEditorStringList list;
  for (int i = 0; i < 50; ++i) {
    int row = list.Add(kText.substr(static_cast<size_t>(i % 7) * 9, 40));
    list.SetRowKind(row, i % 3 == 2 ? textstore::rkLineEnd : textstore::rkWrapped);
  }
  auto parser = fountain->CreateParser();
  auto pass = [&] {
    textstore::TRowAttributeData data;
    for (int i = 0; i < list.Count(); ++i) {
      data.RowKind = list.RowKind(i);
      parser->ParseRow(i, list, data);
      data.PrevRowKind = list.RowKind(i);
    }
  };
  pass();
  long before = testsupport::allocations;
  pass();
  EXPECT_EQ(testsupport::allocations, before);
}

}  // namespace
}  // namespace fountain
