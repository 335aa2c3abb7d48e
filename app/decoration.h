#pragma once
// Line decoration: the quotation markers and header names whose rows the main window draws
// over as the text view paints them, read from the keyword files beside the program or taken
// from the built-in lists.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor.h"

namespace quillet {

// What an entry is follows the list it was read from, never its place in the sorted list.
enum class TDecorationKind : std::uint8_t { QuoteMarker, HeaderName };

class TDecorationList {
 public:
  struct Entry {
    std::string Text;
    TDecorationKind Kind;
  };

  // Keeps the entries in platform::CompareText order; Text already held in any letter case is
  // dropped (the entry added first keeps its kind). Whether it was added.
  bool Add(std::string_view Text, TDecorationKind Kind);
  const std::vector<Entry>& Entries() const { return entries_; }
  // Non-empty lines read as quotation markers, dropped duplicates included.
  int QuoteMarkerCount() const { return quoteMarkerCount_; }

  // The quotation markers of the keyword file `path` (Quote.kwd), or the built-in ones when
  // there is no such file. Throws platform::EFOpenError, having added nothing, when the file
  // exists but cannot be read.
  void LoadQuoteMarkers(const std::string& path);
  // The header names of `path` (Header.kwd), or the built-in ones; fails as LoadQuoteMarkers.
  void LoadHeaderNames(const std::string& path);

 private:
  // The lines of the keyword file, or `builtIn` when there is no such file; the number read.
  int Load(const std::string& path, const std::vector<std::string_view>& builtIn,
           TDecorationKind Kind);

  std::vector<Entry> entries_;
  int quoteMarkerCount_ = 0;
};

// The decoration of one painted piece of a row, for the view's OnDrawLine (same arguments):
// each entry that begins LineStr, in list order, is drawn over the row on `view`, the text of
// a quotation row in the comment colours, a header name in the reserved-word colours, and a
// selected piece's entry in the selection's text colour. Nothing is drawn past the end of the
// row's own text: a wrapped row's LineStr carries the next row's text too.
void DrawDecoration(editor::TEditor& view, const TDecorationList& list,
                    const platform::ByteString& LineStr, int X, int Y, int Index,
                    const platform::TRect& ARect, bool Selected);

}  // namespace quillet
