#pragma once
// One text view on its Qt window, configured either as the bare control or as the viewer
// sets up its text view, holding one text. Needs a running QApplication.

#include <QString>
#include <Qt>

#include <memory>
#include <string>

#include "app/decoration.h"
#include "editor/editor.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/editor_window_widget.h"

namespace drive {

struct SessionOptions {
  bool bare = false;  // the control's own defaults instead of the viewer's
  int width = 640;
  int height = 480;
  // Where the viewer's keyword files are looked for (ending in '/'); empty: where the viewer
  // looks for them.
  std::string keywordFolder;
};

class Session {
 public:
  // Configures the control, gives it `text` (CP932) and then its shown window, the order in
  // which the viewer's start-up reaches them. The control copies to the system clipboard. Set
  // up as the viewer's, the view draws the viewer's line decoration; a keyword file that
  // cannot be read throws.
  Session(const SessionOptions& options, const std::string& text);
  // Drives a view that its window (the viewer's main window) owns and has set up; resizing
  // resizes that window.
  Session(editor::TEditor& editor, platform::qt::EditorWindowWidget& window);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  editor::TEditor& Editor() { return *editor_; }
  const quillet::TDecorationList& Decorations() const { return decorations_.list; }
  platform::qt::EditorWindowWidget& Window() { return *window_; }

  // Both return once the window (the top-level one) has the new size or the focus; they
  // throw when it never comes.
  void Resize(int width, int height);
  void Focus();
  // Saves the view's pixels (the backing image) as a PNG file.
  void SavePng(const std::string& file) const;
  // Runs the event loop, so that the window and the clipboard it owns keep answering other
  // programs, until `file` exists or `seconds` pass; whether the file came.
  bool Hold(const std::string& file, int seconds);

  // Input as Qt events sent to the window, which hands them to the control just as it does
  // with the screen's events. The left button stays held from Press to Release, so moves
  // and keys in between arrive as they would during a drag.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat);
  void KeyRelease(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text);
  void Press(int x, int y, Qt::KeyboardModifiers modifiers);
  void Move(int x, int y);
  void Release(int x, int y);
  // The second press of a double-click and its release; a Press and Release come first.
  void DoubleClick(int x, int y);
  void Wheel(int x, int y, int delta);

 private:
  void SendMouse(int type, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  Qt::MouseButtons held_ = Qt::NoButton;

  // The view's OnDrawLine, as the viewer's window handles it.
  struct Decorator : platform::TObject {
    quillet::TDecorationList list;
    void DrawLine(platform::TObject* Sender, const platform::ByteString& LineStr, int X, int Y,
                  int Index, const platform::TRect& ARect, bool Selected) {
      quillet::DrawDecoration(static_cast<editor::TEditor&>(*Sender), list, LineStr, X, Y, Index,
                              ARect, Selected);
    }
  };
  Decorator decorations_;

  // Before the control, which refers to it, so that it outlives it.
  platform::qt::QtClipboard clipboard_;
  // The session's own window and control, unless it drives another window's.
  std::unique_ptr<platform::qt::EditorWindowWidget> ownWindow_;
  std::unique_ptr<editor::TEditor> ownEditor_;
  platform::qt::EditorWindowWidget* window_;
  editor::TEditor* editor_;
};

// What the viewer's start-up gives its text view: the window's design values and the settings

}  // namespace drive
