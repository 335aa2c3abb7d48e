#include "rows/editor_host.h"
#include "rows/screen_strings.h"

namespace rows {

TNullEditorHost::TNullEditorHost(std::shared_ptr<TEditorScreenStrings> Rows)
    : rows_(std::move(Rows)) {
  rows_->AttachEditor(this);
}

TNullEditorHost::~TNullEditorHost() { rows_->DetachEditor(this); }

const textstore::ByteSet& TNullEditorHost::WordDelimiters() const {
  static const textstore::ByteSet delimiters = textstore::DefaultWordDelimiters();
  return delimiters;
}

}  // namespace rows
