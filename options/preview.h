#pragma once
// The options dialog's live preview: the viewer's text view, set up as the viewer sets it up,
// with its line decoration, showing a small built-in message in the settings being edited.

#include <QWidget>

#include <memory>

#include "app/decoration.h"
#include "editor/editor.h"
#include "platform/colors.h"
#include "platform/ini_reader.h"
#include "platform/qt/editor_window_widget.h"

namespace quillcfg {

class TOptionsPreview : public QWidget {
 public:
  explicit TOptionsPreview(QWidget* parent = nullptr);
  ~TOptionsPreview() override;
  TOptionsPreview(const TOptionsPreview&) = delete;
  TOptionsPreview& operator=(const TOptionsPreview&) = delete;

  // Every text view key and the wrap mode of `settings`, read as the viewer reads them at
  // start-up (the host client's look is never applied here). Throws what the reads throw.
  void Apply(const platform::TIniReader& settings);

  editor::TEditor& View() { return *view_; }
  platform::qt::EditorWindowWidget& Window() { return *window_; }
  // `color` as the view draws it.
  QColor Resolved(platform::TColor color) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitWrapWidth();

  struct Decorator : platform::TObject {
    quillet::TDecorationList list;
    void DrawLine(platform::TObject* Sender, const platform::ByteString& LineStr, int X, int Y,
                  int Index, const platform::TRect& ARect, bool Selected);
  };
  Decorator decorations_;
  platform::qt::EditorWindowWidget* window_;  // a child, deleted with this widget
  std::unique_ptr<editor::TEditor> view_;
  int wrapMode_ = 0;
};

}  // namespace quillcfg
