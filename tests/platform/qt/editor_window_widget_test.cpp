#include "platform/qt/editor_window_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleHints>
#include <QWheelEvent>

#include <tuple>
#include <utility>
#include <vector>

#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/qt/application.h"

namespace platform::qt {
namespace {

constexpr TScrollAxis kH = TScrollAxis::Horizontal;
constexpr TScrollAxis kV = TScrollAxis::Vertical;

struct Action {
  TScrollAxis axis;
  int code;
  int pos;
  friend bool operator==(const Action&, const Action&) = default;
};

// Paints each pixel row (or column) i in colour (i, 100, 0), so shifted pixels can be traced.
class FakeClient : public TWindowClient {
 public:
  void Paint(TCanvas& canvas, const TRect& d) override {
    paints.push_back(d);
    if (std::exchange(throwOnce, false)) throw EListError();
    for (int i = columns ? d.Left : d.Top; i < (columns ? d.Right : d.Bottom); ++i) {
      canvas.FillRect(columns ? TRect{i, 0, i + 1, 999} : TRect{0, i, 999, i + 1},
                      {static_cast<std::uint8_t>(i), 100, 0});  // the clip keeps it in `d`
    }
  }
  void Resized() override { ++resized; }
  void ScrollBarAction(TScrollAxis axis, int code, int pos) override {
    actions.push_back({axis, code, pos});
    if (window != nullptr && code == SB_LINEDOWN) {  // answers as the view does
      TScrollInfo info = window->ScrollInfo(axis);
      info.Pos += 3;
      window->SetScrollInfo(axis, info);
    }
  }
  void FocusChanged(bool focused) override { focus.push_back(focused); }
  bool KeyDown(const TKeyEvent& key) override {
    keys.push_back(key);
    shiftHeld.push_back(window != nullptr && window->KeyPressed(VK_SHIFT));
    return key.Key != 'Q';  // Q is left to the parent
  }
  bool KeyUp(const TKeyEvent& key) override {
    ups.push_back(key);
    escHeld.push_back(window != nullptr && window->KeyPressed(VK_ESCAPE));
    return false;
  }
  bool Char(std::string_view text) override {
    chars.emplace_back(text);
    return true;
  }
  void MouseDown(const TMouseEvent& m) override { mouse.push_back({'D', m}); }
  void MouseMove(const TMouseEvent& m) override { mouse.push_back({'M', m}); }
  void MouseUp(const TMouseEvent& m) override { mouse.push_back({'U', m}); }
  void DoubleClick(const TMouseEvent& m) override { mouse.push_back({'2', m}); }
  bool Wheel(const TWheelEvent& w) override {
    wheels.push_back(w);
    return true;
  }
  void InputMethod(const TImeEvent& ime) override { imes.push_back(ime); }
  bool AcceptsText() const override { return acceptsText; }
  bool AcceptsTab() const override { return acceptsTab; }

  std::vector<TRect> paints;
  std::vector<Action> actions;
  std::vector<bool> focus;
  int resized = 0;
  bool columns = false;
  bool throwOnce = false;
  TEditorWindow* window = nullptr;
  std::vector<TKeyEvent> keys;
  std::vector<bool> shiftHeld;
  std::vector<TKeyEvent> ups;
  std::vector<bool> escHeld;
  std::vector<std::string> chars;
  std::vector<std::pair<char, TMouseEvent>> mouse;
  std::vector<TWheelEvent> wheels;
  std::vector<TImeEvent> imes;
  bool acceptsText = true;
  bool acceptsTab = true;
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    window_.SetClient(&client_);
    window_.resize(200, 100);
    window_.show();
    client_.paints.clear();
  }
  ~WindowTest() override { window_.SetClient(nullptr); }

  QRgb Pixel(int x, int y) const { return window_.BackingImage().pixel(x, y); }
  static QRgb Line(int i) { return qRgb(i, 100, 0); }

  EditorWindowWidget window_;
  FakeClient client_;
};

TEST_F(WindowTest, ScrollBarsTakeTheirEdgesAndLeaveTheCornerEmpty) {
  const int extent = window_.ScrollBarExtent();
  EXPECT_GT(extent, 0);
  EXPECT_GT(window_.ScreenHeight(), 0);
  window_.ShowScrollBar(kV, true);
  EXPECT_EQ(window_.ClientRect(), QRect(0, 0, 200 - extent, 100));
  EXPECT_EQ(window_.ScrollBar(kV)->geometry(), QRect(200 - extent, 0, extent, 100));
  window_.ShowScrollBar(kH, true);
  EXPECT_EQ(window_.ClientRect(), QRect(0, 0, 200 - extent, 100 - extent));
  EXPECT_EQ(window_.ScrollBar(kV)->geometry().height(), 100 - extent);
  EXPECT_EQ(window_.ScrollBar(kH)->geometry(), QRect(0, 100 - extent, 200 - extent, extent));
  EXPECT_EQ(window_.Size(), (TSize{200, 100}));  // the outer size
  window_.ShowScrollBar(kH, false);
  EXPECT_TRUE(window_.ScrollBar(kH)->isHidden());
  EXPECT_EQ(window_.InvalidRegion(), QRegion(window_.ClientRect()));
}

TEST_F(WindowTest, ScrollInfoBecomesQtCountingAndActionsBecomeCodes) {
  QScrollBar* bar = window_.ScrollBar(kV);
  window_.SetScrollInfo(kV, {3, 5, 10, 4, false});  // the page covers everything
  EXPECT_EQ(bar->maximum(), 3);
  EXPECT_FALSE(bar->isEnabled());
  window_.SetScrollInfo(kV, {0, 99, 10, 95, true});
  EXPECT_EQ(bar->maximum(), 90);  // the last position: Max - Page + 1
  EXPECT_EQ(bar->pageStep(), 10);
  EXPECT_EQ(window_.ScrollInfo(kV), (TScrollInfo{0, 99, 10, 90, true}));
  window_.SetScrollInfo(kV, {0, 99, 10, 20, true});
  EXPECT_TRUE(client_.actions.empty());  // setting is never reported back as an action

  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar->value(), 20);  // only the view moves the thumb
  for (auto action : {QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderPageStepAdd,
                      QAbstractSlider::SliderPageStepSub, QAbstractSlider::SliderToMinimum,
                      QAbstractSlider::SliderToMaximum}) {
    bar->triggerAction(action);
  }
  bar->setSliderDown(true);
  bar->setSliderPosition(42);
  bar->setSliderDown(false);
  EXPECT_EQ(client_.actions, (std::vector<Action>{{kV, SB_LINEDOWN, 20},
                                                  {kV, SB_LINEUP, 20},
                                                  {kV, SB_PAGEDOWN, 20},
                                                  {kV, SB_PAGEUP, 20},
                                                  {kV, SB_TOP, 20},
                                                  {kV, SB_BOTTOM, 20},
                                                  {kV, SB_THUMBTRACK, 42},
                                                  {kV, SB_THUMBPOSITION, 42},
                                                  {kV, SB_ENDSCROLL, 42}}));

  client_.actions.clear();
  client_.window = &window_;
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar->value(), 45);
  window_.ScrollBar(kH)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(window_.ScrollInfo(kH).Pos, 0);  // no range: the position stays in it
  EXPECT_EQ(client_.actions, (std::vector<Action>{{kV, SB_LINEDOWN, 42}, {kH, SB_LINEDOWN, 0}}));
}

TEST_F(WindowTest, ResizeAndUpdatePaintOnlyWhatIsInvalid) {
  window_.resize(150, 80);
  EXPECT_EQ(client_.resized, 2);  // once on show
  EXPECT_EQ(client_.paints, (std::vector<TRect>{{0, 0, 150, 80}}));
  EXPECT_EQ(Pixel(149, 79), Line(79));

  client_.paints.clear();
  window_.Update();
  EXPECT_TRUE(client_.paints.empty());
  window_.SetClient(nullptr);
  window_.InvalidateAll();
  window_.Update();  // without a view the area is cleared
  window_.SetClient(&client_);
  window_.Invalidate({10, 10, 20, 15});
  window_.Invalidate({50, 60, 70, 70});
  window_.Invalidate({140, 70, 300, 300});
  window_.Invalidate({5, 5, 5, 50});
  client_.throwOnce = true;  // a failing paint is shown and the other rects still paint
  std::vector<std::string> errors;
  Application::SetExceptionHandler([&](const std::exception& e) { errors.push_back(e.what()); });
  window_.Update();
  Application::SetExceptionHandler({});
  EXPECT_EQ(client_.paints,
            (std::vector<TRect>{{10, 10, 20, 15}, {50, 60, 70, 70}, {140, 70, 150, 80}}));
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_TRUE(window_.InvalidRegion().isEmpty());
  EXPECT_EQ(Pixel(55, 60), Line(60));
  EXPECT_EQ(Pixel(70, 60), window_.palette().color(QPalette::Base).rgb());
}

TEST_F(WindowTest, ScrollContentsShiftsPixelsAndExposesABand) {
  window_.Invalidate({0, 50, 200, 52});  // waiting to be painted: moves with the pixels
  window_.ScrollContents(0, -10, {0, 20, 200, 100});
  EXPECT_EQ(Pixel(7, 20), Line(30));
  EXPECT_EQ(Pixel(7, 89), Line(99));
  EXPECT_EQ(Pixel(7, 19), Line(19));  // outside the area nothing moves
  EXPECT_EQ(window_.InvalidRegion(), QRegion(0, 90, 200, 10) + QRegion(0, 40, 200, 2));
  window_.Update();
  EXPECT_EQ(client_.paints, (std::vector<TRect>{{0, 40, 200, 42}, {0, 90, 200, 100}}));

  client_.columns = true;
  window_.InvalidateAll();
  window_.Update();
  window_.ScrollContents(5, 0, {10, 0, 200, 100});
  EXPECT_EQ(Pixel(15, 3), Line(10));
  EXPECT_EQ(Pixel(199, 3), Line(194));
  EXPECT_EQ(Pixel(9, 3), Line(9));
  EXPECT_EQ(window_.InvalidRegion(), QRegion(10, 0, 5, 100));
  window_.ScrollContents(0, 500, {0, 0, 200, 100});  // farther than the area: all exposed
  EXPECT_EQ(window_.InvalidRegion(), QRegion(0, 0, 200, 100));
}

TEST_F(WindowTest, CaretStateBlinkAndOverlay) {
  const int flash = QGuiApplication::styleHints()->cursorFlashTime();
  EXPECT_EQ(window_.CaretBlinkInterval(), flash > 0 ? flash / 2 : 0);
  window_.ShowCaret();  // no caret yet: nothing to show
  window_.CreateCaret(2, 16);
  window_.SetCaretPos({30, 40});
  EXPECT_FALSE(window_.CaretVisible());  // a new caret starts hidden
  window_.ShowCaret();
  EXPECT_TRUE(window_.CaretVisible());
  EXPECT_EQ(window_.Caret().rect, QRect(30, 40, 2, 16));
  window_.BlinkCaret();
  EXPECT_FALSE(window_.CaretVisible());
  window_.SetCaretPos({31, 40});  // moving shows it at once
  EXPECT_TRUE(window_.CaretVisible());
  QImage shot = window_.grab(QRect(0, 0, 40, 60)).toImage();
  EXPECT_EQ(shot.pixel(31, 40) & 0xFFFFFF, ~Line(40) & 0xFFFFFF);  // inverted over the image
  EXPECT_EQ(shot.pixel(33, 40) & 0xFFFFFF, Line(40) & 0xFFFFFF);
  window_.HideCaret();
  window_.BlinkCaret();  // a hidden caret does not blink
  EXPECT_TRUE(window_.Caret().blinkOn && !window_.CaretVisible());
  window_.DestroyCaret();
  EXPECT_FALSE(window_.Caret().created);
}

TEST_F(WindowTest, ColoursFromValueOrPalette) {
  EXPECT_EQ(window_.ResolveColor(0x00123456), (TRgb{0x56, 0x34, 0x12}));
  QPalette palette = window_.palette();
  const std::tuple<TColor, QPalette::ColorGroup, QPalette::ColorRole> system[] = {
      {clWindow, QPalette::Active, QPalette::Base},
      {clWindowText, QPalette::Active, QPalette::Text},
      {clHighlight, QPalette::Active, QPalette::Highlight},
      {clHighlightText, QPalette::Active, QPalette::HighlightedText},
      {clBtnFace, QPalette::Active, QPalette::Button},
      {clGrayText, QPalette::Disabled, QPalette::Text},
      {clBtnText, QPalette::Active, QPalette::ButtonText}};
  int n = 0;
  for (const auto& [color, group, role] : system) palette.setColor(group, role, QColor(++n, 0, 0));
  window_.setPalette(palette);
  n = 0;
  for (const auto& [color, group, role] : system) {
    EXPECT_EQ(window_.ResolveColor(color), (TRgb{static_cast<std::uint8_t>(++n), 0, 0}));
  }
  EXPECT_EQ(window_.ResolveColor(SystemColor(12)), (TRgb{0xAB, 0xAB, 0xAB}));  // no role
}

TEST_F(WindowTest, FocusInputMethodAndCursors) {
  QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
  QApplication::sendEvent(&window_, &in);
  QApplication::sendEvent(&window_, &out);
  EXPECT_EQ(client_.focus, (std::vector<bool>{true, false}));
  window_.SetImeCursorRect({10, 20, 12, 36});
  EXPECT_EQ(window_.inputMethodQuery(Qt::ImCursorRectangle).toRect(), QRect(10, 20, 2, 16));
  window_.SetCursor(crIBeam);
  EXPECT_EQ(window_.cursor().shape(), Qt::IBeamCursor);
  for (TCursor own : {1958, 1959}) {
    window_.SetCursor(own);
    EXPECT_EQ(window_.cursor().shape(), Qt::BitmapCursor);
  }
}

// --- Input ---------------------------------------------------------------------------------------

// Sends a key event; answers whether the widget accepted it.
bool SendKey(QWidget& to, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             const QString& text = {}, bool repeat = false) {
  QKeyEvent event(type, key, modifiers, text, repeat);
  QApplication::sendEvent(&to, &event);
  return event.isAccepted();
}

TEST_F(WindowTest, KeysBecomeVirtualKeysAndTextCp932Characters) {
  client_.window = &window_;
  EXPECT_TRUE(SendKey(window_, QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier));
  EXPECT_TRUE(SendKey(window_, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  EXPECT_TRUE(SendKey(window_, QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "\x01"));
  EXPECT_TRUE(SendKey(window_, QEvent::KeyPress, Qt::Key_A, Qt::AltModifier, "a"));
  SendKey(window_, QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
          QString::fromUtf8("\xE3\x81\x82"));  // あ from a key Qt has no code for
  SendKey(window_, QEvent::KeyPress, Qt::Key_PageDown, Qt::ControlModifier);
  SendKey(window_, QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, "\b");
  SendKey(window_, QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
  EXPECT_FALSE(SendKey(window_, QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier));
  const TShiftState none, shift{.Shift = true}, ctrl{.Ctrl = true}, alt{.Alt = true};
  EXPECT_EQ(client_.keys, (std::vector<TKeyEvent>{{VK_RIGHT, shift, false},
                                                  {'A', none, false},
                                                  {'A', ctrl, false},
                                                  {'A', alt, false},
                                                  {VK_NEXT, ctrl, false},
                                                  {VK_BACK, none, false},
                                                  {VK_F1 + 4, none, false},
                                                  {'Q', ctrl, false}}));
  // Ctrl or Alt alone type nothing; KeyPressed answers from the event being delivered.
  EXPECT_EQ(client_.chars, (std::vector<std::string>{"a", cp932::FromUtf8("\xE3\x81\x82"), "\b"}));
  EXPECT_EQ(client_.shiftHeld.front(), true);
  EXPECT_EQ(client_.shiftHeld.back(), false);
}

TEST_F(WindowTest, ARepeatedKeyIsPressesWithoutReleasesAndEscIsTracked) {
  client_.window = &window_;
  SendKey(window_, QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  SendKey(window_, QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, {}, true);  // X11's pair
  SendKey(window_, QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, {}, true);
  SendKey(window_, QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
  EXPECT_EQ(client_.keys, (std::vector<TKeyEvent>{{VK_DOWN, {}, false}, {VK_DOWN, {}, true}}));
  EXPECT_EQ(client_.ups, (std::vector<TKeyEvent>{{VK_DOWN, {}, false}}));

  SendKey(window_, QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b");
  EXPECT_TRUE(window_.KeyPressed(VK_ESCAPE));
  SendKey(window_, QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
  EXPECT_FALSE(window_.KeyPressed(VK_ESCAPE));
  EXPECT_EQ(client_.escHeld.back(), false);  // up already during its own release
  SendKey(window_, QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(&window_, &out);  // its release goes elsewhere
  EXPECT_FALSE(window_.KeyPressed(VK_ESCAPE));
}

TEST_F(WindowTest, MouseAndWheelEventsKeepPointButtonsAndModifiers) {
  auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, window_.mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(&window_, &event);
  };
  send(QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  send(QEvent::MouseMove, {12, 22}, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {12, 22}, Qt::LeftButton, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, {12, 22}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonDblClick, {12, 22}, Qt::RightButton, Qt::RightButton);
  using B = TMouseButton;
  const TShiftState left{.Left = true}, right{.Right = true};
  const TShiftState shiftLeft{.Shift = true, .Left = true};
  EXPECT_EQ(client_.mouse,
            (std::vector<std::pair<char, TMouseEvent>>{{'D', {10, 20, B::Left, shiftLeft, 1}},
                                                       {'M', {12, 22, B::None, left, 0}},
                                                       {'U', {12, 22, B::Left, {}, 1}},
                                                       {'2', {12, 22, B::Left, left, 2}},
                                                       {'D', {12, 22, B::Right, right, 2}}}));

  QWheelEvent wheel({30, 40}, window_.mapToGlobal(QPoint(30, 40)), {}, {0, -120}, Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&window_, &wheel);
  EXPECT_TRUE(wheel.isAccepted());
  QWheelEvent sideways({30, 40}, window_.mapToGlobal(QPoint(30, 40)), {}, {120, 0}, Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&window_, &sideways);
  EXPECT_EQ(client_.wheels, (std::vector<TWheelEvent>{{30, 40, -120, {.Ctrl = true}}}));
}

TEST_F(WindowTest, TabGoesToTheViewOnlyWhenItTakesTabs) {
  QWidget parent;
  auto* view = new EditorWindowWidget(&parent);
  new QLineEdit(&parent);
  view->SetClient(&client_);
  parent.show();
  view->setFocus();
  client_.acceptsTab = false;
  SendKey(*view, QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_TRUE(client_.keys.empty());
  client_.acceptsTab = true;
  SendKey(*view, QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
  SendKey(*view, QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(client_.keys,
            (std::vector<TKeyEvent>{{VK_TAB, {}, false}, {VK_TAB, {.Shift = true}, false}}));
  EXPECT_EQ(client_.chars, (std::vector<std::string>{"\t"}));
  view->SetClient(nullptr);
}

TEST_F(WindowTest, TheInputMethodOpensOnlyForTextAndCommitsInCp932) {
  EXPECT_TRUE(window_.inputMethodQuery(Qt::ImEnabled).toBool());
  client_.acceptsText = false;  // read-only: no composition that would go nowhere
  EXPECT_FALSE(window_.inputMethodQuery(Qt::ImEnabled).toBool());
  client_.acceptsText = true;

  window_.SetImeCursorRect({20, 30, 28, 46});
  QInputMethodEvent typing(QString::fromUtf8("\xE3\x81\x8B"), {});  // か being composed
  QApplication::sendEvent(&window_, &typing);
  EXPECT_EQ(window_.Preedit(), QString::fromUtf8("\xE3\x81\x8B"));
  EXPECT_EQ(window_.PreeditRect().topLeft(), QPoint(20, 30));
  QInputMethodEvent done;
  done.setCommitString(QString::fromUtf8("\xE6\xBC\xA2"));  // 漢
  QApplication::sendEvent(&window_, &done);
  EXPECT_TRUE(window_.Preedit().isEmpty());
  EXPECT_EQ(client_.imes, (std::vector<TImeEvent>{{"", cp932::FromUtf8("\xE3\x81\x8B")},
                                                  {cp932::FromUtf8("\xE6\xBC\xA2"), ""}}));
}

}  // namespace
}  // namespace platform::qt
