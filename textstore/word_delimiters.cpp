#include "textstore/word_delimiters.h"

namespace textstore {

ByteSet DefaultWordDelimiters() {
  static const ByteSet delimiters = [] {
    ByteSet set;
    auto add = [&set](int first, int last) {
      for (int b = first; b <= last; ++b) set.set(static_cast<size_t>(b));
    };
    add(0x00, 0x2F);
    add(0x3A, 0x40);
    add(0x5B, 0x5E);
    add(0x60, 0x60);
    add(0x7B, 0x80);
    add(0xA0, 0xA5);
    add(0xFD, 0xFF);
    return set;
  }();
  return delimiters;
}

}  // namespace textstore
