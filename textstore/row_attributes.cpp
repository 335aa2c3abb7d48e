#include "textstore/row_attributes.h"

namespace textstore {
namespace {

// A field of a packed word: Width bits from bit Shift.
template <unsigned Shift, unsigned Width>
struct Field {
  static constexpr std::uint32_t kMask = ((std::uint32_t{1} << Width) - 1) << Shift;
  static std::uint32_t Read(std::uint32_t word) { return (word & kMask) >> Shift; }
  static std::uint32_t Write(std::uint32_t word, std::uint32_t value) {
    return (word & ~kMask) | ((value << Shift) & kMask);
  }
};

using RowKindBits = Field<0, 2>;
using PrevRowKindBits = Field<2, 2>;
using BracketIndexBits = Field<4, 4>;
using Reserved1Bits = Field<8, 8>;
using RemainLenBits = Field<16, 8>;
using Reserved2Bits = Field<24, 8>;
using PendingKindBits = Field<0, 8>;
using Reserved3Bits = Field<8, 8>;
using RowMarksBits = Field<16, 16>;

}  // namespace

TRowKind TRowAttributeStringList::RowKind(int Index) const {
  return static_cast<TRowKind>(RowKindBits::Read(PackedState(Index)));
}

void TRowAttributeStringList::SetRowKind(int Index, TRowKind Value) {
  SetPackedState(Index, RowKindBits::Write(PackedState(Index), static_cast<std::uint32_t>(Value)));
}

TRowKind TRowAttributeStringList::PrevRowKind(int Index) const {
  return static_cast<TRowKind>(PrevRowKindBits::Read(PackedState(Index)));
}

void TRowAttributeStringList::SetPrevRowKind(int Index, TRowKind Value) {
  SetPackedState(Index,
                 PrevRowKindBits::Write(PackedState(Index), static_cast<std::uint32_t>(Value)));
}

int TRowAttributeStringList::BracketIndex(int Index) const {
  return static_cast<int>(BracketIndexBits::Read(PackedState(Index))) - 2;
}

void TRowAttributeStringList::SetBracketIndex(int Index, int Value) {
  SetPackedState(
      Index, BracketIndexBits::Write(PackedState(Index), static_cast<std::uint32_t>(Value + 2)));
}

int TRowAttributeStringList::Reserved1(int Index) const {
  return static_cast<int>(Reserved1Bits::Read(PackedState(Index)));
}

void TRowAttributeStringList::SetReserved1(int Index, int Value) {
  SetPackedState(Index,
                 Reserved1Bits::Write(PackedState(Index), static_cast<std::uint32_t>(Value)));
}

int TRowAttributeStringList::RemainLen(int Index) const {
  return static_cast<int>(RemainLenBits::Read(PackedState(Index)));
}

void TRowAttributeStringList::SetRemainLen(int Index, int Value) {
  SetPackedState(Index,
                 RemainLenBits::Write(PackedState(Index), static_cast<std::uint32_t>(Value)));
}

int TRowAttributeStringList::Reserved2(int Index) const {
  return static_cast<int>(Reserved2Bits::Read(PackedState(Index)));
}

void TRowAttributeStringList::SetReserved2(int Index, int Value) {
  SetPackedState(Index,
                 Reserved2Bits::Write(PackedState(Index), static_cast<std::uint32_t>(Value)));
}

int TRowAttributeStringList::PendingKind(int Index) const {
  return static_cast<int>(PendingKindBits::Read(PackedExtra(Index)));
}

void TRowAttributeStringList::SetPendingKind(int Index, int Value) {
  SetPackedExtra(Index,
                 PendingKindBits::Write(PackedExtra(Index), static_cast<std::uint32_t>(Value)));
}

int TRowAttributeStringList::Reserved3(int Index) const {
  return static_cast<int>(Reserved3Bits::Read(PackedExtra(Index)));
}

void TRowAttributeStringList::SetReserved3(int Index, int Value) {
  SetPackedExtra(Index,
                 Reserved3Bits::Write(PackedExtra(Index), static_cast<std::uint32_t>(Value)));
}

TRowMarks TRowAttributeStringList::RowMarks(int Index) const {
  return static_cast<TRowMarks>(RowMarksBits::Read(PackedExtra(Index)));
}

void TRowAttributeStringList::SetRowMarks(int Index, TRowMarks Value) {
  SetPackedExtra(Index, RowMarksBits::Write(PackedExtra(Index), static_cast<std::uint32_t>(Value)));
}

TRowAttributeData TRowAttributeStringList::RowState(int Index) const {
  const std::uint32_t state = PackedState(Index);
  const std::uint32_t extra = PackedExtra(Index);
  TRowAttributeData data;
  data.RowKind = static_cast<TRowKind>(RowKindBits::Read(state));
  data.PrevRowKind = static_cast<TRowKind>(PrevRowKindBits::Read(state));
  data.BracketIndex = static_cast<int>(BracketIndexBits::Read(state)) - 2;
  data.Reserved1 = static_cast<int>(Reserved1Bits::Read(state));
  data.RemainLen = static_cast<int>(RemainLenBits::Read(state));
  data.Reserved2 = static_cast<int>(Reserved2Bits::Read(state));
  data.PendingKind = static_cast<std::uint8_t>(PendingKindBits::Read(extra));
  data.Reserved3 = static_cast<std::uint8_t>(Reserved3Bits::Read(extra));
  data.RowData = RowData(Index);
  return data;
}

void TRowAttributeStringList::SetRowState(int Index, const TRowAttributeData& State) {
  std::uint32_t state = PackedState(Index);
  state = PrevRowKindBits::Write(state, State.PrevRowKind);
  state = BracketIndexBits::Write(state, static_cast<std::uint32_t>(State.BracketIndex + 2));
  state = Reserved1Bits::Write(state, static_cast<std::uint32_t>(State.Reserved1));
  state = RemainLenBits::Write(state, static_cast<std::uint32_t>(State.RemainLen));
  state = Reserved2Bits::Write(state, static_cast<std::uint32_t>(State.Reserved2));
  SetPackedState(Index, state);
  std::uint32_t extra = PackedExtra(Index);
  extra = PendingKindBits::Write(extra, State.PendingKind);
  extra = Reserved3Bits::Write(extra, State.Reserved3);
  SetPackedExtra(Index, extra);
  if (RowData(Index) != State.RowData.view()) SetRowData(Index, State.RowData);
}

}  // namespace textstore
