#include "editor/editor_caret.h"

#include <algorithm>

#include "platform/update_guard.h"

namespace editor {

void TEditorCursors::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorCursors*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  defaultCursor_ = source->defaultCursor_;
  dragSelCursor_ = source->dragSelCursor_;
  dragSelCopyCursor_ = source->dragSelCopyCursor_;
  inSelCursor_ = source->inSelCursor_;
  leftMarginCursor_ = source->leftMarginCursor_;
  topMarginCursor_ = source->topMarginCursor_;
  Changed();
}

void TEditorCaret::SetStyle(TEditorCaretStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}

void TEditorCaret::SetTabSpaceCount(int Value) {
  Value = std::clamp(Value, 2, 8);
  Value -= Value % 2;
  if (tabSpaceCount_ == Value) return;
  tabSpaceCount_ = Value;
  Changed();
}

void TEditorCaret::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorCaret*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  platform::UpdateGuard<TEditorCaret> batch(*this);
  autoCursor_ = source->autoCursor_;
  autoIndent_ = source->autoIndent_;
  backSpaceUnIndent_ = source->backSpaceUnIndent_;
  cursors_.Assign(source->cursors_);
  freeCaret_ = source->freeCaret_;
  freeRow_ = source->freeRow_;
  inTab_ = source->inTab_;
  keepCaret_ = source->keepCaret_;
  lockScroll_ = source->lockScroll_;
  nextLine_ = source->nextLine_;
  prevSpaceIndent_ = source->prevSpaceIndent_;
  rowSelect_ = source->rowSelect_;
  selDragMode_ = source->selDragMode_;
  selMove_ = source->selMove_;
  softTab_ = source->softTab_;
  style_ = source->style_;
  tabIndent_ = source->tabIndent_;
  tabSpaceCount_ = source->tabSpaceCount_;
  tokenEndStop_ = source->tokenEndStop_;
}

std::span<const platform::TPublishedProperty> TEditorCaret::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      {"Cursors",
       [](platform::TPersistent& caret) -> platform::TPersistent* {
         return &static_cast<TEditorCaret&>(caret).Cursors();
       }},
  };
  return properties;
}

}  // namespace editor
