#pragma once
// A text view's Lines: its text as logical lines, through the string-list interface. Lines
// stores no text: every line operation becomes a replacement of rows in the view's screen-row
// list, with the caret and the screen updated once. Line numbers count from 0.

#include <string>
#include <string_view>

#include "platform/form_stream.h"
#include "platform/strings.h"
#include "rows/editor_host.h"
#include "rows/screen_strings.h"

namespace rows {

class TEditorStrings : public platform::TStrings {
 public:
  // The Lines of Control, which outlives them.
  explicit TEditorStrings(TEditorHost& Control) : control_(Control) {}

  // One property, "Strings": a list with one string per logical line. Written when the
  // ancestor is not an equal string list (without an ancestor: when there is a line); read
  // back as one row per string, not yet wrapped.
  virtual void DefineProperties(platform::TFiler& Filer);
  // From another string list: its text, then the owner's caret after the last row.
  void Assign(const platform::TPersistent& Source) override;
  // Index errors raise EListError.
  platform::ByteString Get(int Index) const override;
  int GetCount() const override;
  // The rows with CR LF after each line that has a line break; sized before it is built.
  std::string GetTextStr() const override;
  // Keeps the line's line break, or the lack of one.
  void Put(int Index, const platform::ByteString& S) override;
  // A line break at the very end makes no empty last line; the last line has no line break
  // unless Text ends with one.
  void SetTextStr(std::string_view Text) override;
  // As SetTextStr for a Text that lies within Whole; the lines share Whole's bytes.
  void SetSharedText(const platform::ByteString& Whole, std::string_view Text);
  // Returns the new line's index. After a text without a final line break, the text gets
  // one and S becomes the last line, again without one.
  int Add(const platform::ByteString& S) override;
  void Clear() override;
  void Delete(int Index) override;
  // Index = Count appends.
  void Insert(int Index, const platform::ByteString& S) override;
  // See TEditorScreenStrings::LoadFromFile.
  virtual void LoadFromFile(const std::string& FileName);

 protected:
  // A batch of line operations is one batch of row changes; the views stop redrawing during
  // it and refresh at its end.
  void SetUpdateState(bool Updating) override;

 private:
  TEditorScreenStrings& Rows() const { return control_.ScreenStrings(); }
  // The first row of line Index, which must be a line of the text.
  int LineRow(int Index) const;
  // ReplaceRows between the view's selection clearing and edit bracket, the caret then Caret
  // bytes after Row.
  void Edit(int Row, int N, std::string_view Text, int Caret);

  TEditorHost& control_;
};

}  // namespace rows
