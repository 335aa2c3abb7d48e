#pragma once
// The text view's window on Qt: a plain widget (the view measures its outer size, scroll bars
// included) that keeps the view's pixels in a backing image, lays out its own two scroll bars,
// draws the caret as an overlay and makes fonts and bitmaps for the view.
//
// Invalid regions are painted into the image by Update(), or at the latest when Qt next paints
// the widget, as the platform paints an invalid region that nobody updated.
//
// Input reaches the view as plain values: Qt keys become virtual keys (an auto-repeated key is
// a press with AutoRepeat and no release in between), key text becomes CP932 characters, and
// the input method's commits and compositions become TImeEvents; the widget draws an open
// composition over the caret's place itself.

#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "platform/editor_window.h"

class QScrollBar;

namespace platform::qt {

class QtFontTable;

class EditorWindowWidget : public QWidget, public TEditorWindow {
 public:
  explicit EditorWindowWidget(QWidget* parent = nullptr);
  ~EditorWindowWidget() override;

  void SetClient(TWindowClient* client) override { client_ = client; }
  TSize Size() const override { return {width(), height()}; }
  int ScrollBarExtent() const override;
  int ScreenHeight() const override;

  void Invalidate(const TRect& rect) override;
  void InvalidateAll() override;
  void Update() override;
  void ScrollContents(int dx, int dy, const TRect& area) override;

  void ShowScrollBar(TScrollAxis axis, bool show) override;
  void SetScrollInfo(TScrollAxis axis, const TScrollInfo& info) override;
  TScrollInfo ScrollInfo(TScrollAxis axis) const override;

  void CreateCaret(int width, int height) override;
  void DestroyCaret() override;
  void SetCaretPos(TPoint at) override;
  void ShowCaret() override;
  void HideCaret() override;

  void SetCursor(TCursor cursor) override;
  // Inside an input event: the state that event carries; otherwise the keyboard's now. Esc is
  // tracked by the widget's own key events.
  bool KeyPressed(int key) const override;
  void ShowPopupMenu(TMenuItem& menu, TPoint at) override;
  bool Focused() const override { return hasFocus(); }
  void SetFocus() override { setFocus(Qt::OtherFocusReason); }
  void SetImeCursorRect(const TRect& rect) override;

  TFontHandle CreateFont(const TFontSpec& request) override;
  TFontMetrics Metrics(TFontHandle font) const override;
  TRgb ResolveColor(TColor color) const override;
  std::unique_ptr<TBitmap> CreateBitmap(TSize size) override;

  // What tests and the host read without waiting for the screen.
  struct CaretState {
    bool created = false;
    bool shown = false;
    bool blinkOn = true;  // the phase of the blink; always on when the desktop does not blink
    QRect rect;
  };
  CaretState Caret() const { return caret_; }
  bool CaretVisible() const { return caret_.created && caret_.shown && caret_.blinkOn; }
  int CaretBlinkInterval() const;  // 0: no blinking
  void BlinkCaret();               // one blink step, as the timer does it
  const QImage& BackingImage() const { return backing_; }
  QRegion InvalidRegion() const { return invalid_; }
  QRect ClientRect() const { return QRect(QPoint(0, 0), backing_.size()); }
  QScrollBar* ScrollBar(TScrollAxis axis) const;
  // The composition the input method has open (empty when none), and where it is drawn.
  QString Preedit() const { return preedit_; }
  QRect PreeditRect() const;

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void LayOut();
  QRegion PaintInvalid();  // the region painted
  void BarAction(TScrollAxis axis, int action);
  void SendBarAction(TScrollAxis axis, int code, int pos);
  void RestartBlink();
  void UpdateCaretArea(const QRect& before);
  // Runs `call` on the view under Guard, KeyPressed answering from the event's state.
  template <class F>
  void Deliver(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, F&& call);
  void SendMouse(QMouseEvent* event, int clicks);

  TWindowClient* client_ = nullptr;
  std::shared_ptr<QtFontTable> fonts_;
  QScrollBar* bars_[2];  // horizontal, vertical
  bool barShown_[2] = {false, false};
  TScrollInfo info_[2];
  QImage backing_;
  QRegion invalid_;
  bool painting_ = false;
  CaretState caret_;
  QTimer blink_;
  QRect imeRect_;
  // Input.
  bool escDown_ = false;
  int delivering_ = 0;  // input events being delivered (nesting)
  Qt::KeyboardModifiers eventModifiers_;
  Qt::MouseButtons eventButtons_;
  QString preedit_;
};

}  // namespace platform::qt
