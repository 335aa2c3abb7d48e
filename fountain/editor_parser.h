#pragma once
// The editor fountain's parser. At each fresh token it tries, in order: a left bracket, a mail
// address, a URL, the comment opener, the quotation character, "#$" and "#" character codes,
// the hex prefix, and only then the byte's own procedure.

#include "fountain/editor_fountain.h"
#include "fountain/fountain_parser.h"

namespace fountain {

class TEditorParser : public TFountainParser {
 public:
  // Any fountain will do; the recognisers beyond the base's need a TEditorFountain and fail
  // without one.
  TEditorParser(Key key, TFountain* Fountain);

  // Reserved words in Colors.Reserve, else the set of the token's class; nullptr for tabs,
  // the two quote kinds and the end.
  TFountainColor* TokenToFountainColor() override;

 protected:
  void InitMethodTable() override;
  void DispatchProc() override;
  // The base kinds plus toQuotation.
  TTokenKinds RescanKinds() const override;

  // Each test leaves Cursor unchanged when it fails and moves it past what it matched.
  virtual bool MatchQuotation();
  // A string carried from the previous row starts directly in the string.
  virtual void QuotationProc();
  virtual bool MatchCommenter();
  virtual bool MatchHexPrefix();
  virtual bool MatchHexCharCode();
  virtual void HexCharCodeProc();
  virtual bool MatchCharCode();
  virtual void CharCodeProc();

 private:
  // Moves Cursor past Literal when the text there starts with it.
  bool Skip(std::string_view Literal);

  TEditorFountain* editorFountain_;
};

}  // namespace fountain
