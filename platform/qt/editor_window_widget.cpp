#include "platform/qt/editor_window_widget.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QWheelEvent>

#include <array>
#include <cstring>

#include "platform/cp932.h"
#include "platform/qt/application.h"
#include "platform/qt/text.h"
#include "platform/qt/canvas.h"
#include "platform/qt/cursors.h"
#include "platform/qt/keys.h"

namespace platform::qt {
namespace {

constexpr TCursor kRightArrowCursor = 1958;
constexpr TCursor kDragCopyCursor = 1959;

QRect ToQRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}
TRect ToTRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
TRgb ToTRgb(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}
size_t Index(TScrollAxis axis) {
  return axis == TScrollAxis::Horizontal ? 0 : 1;
}

// The platform counts Max - Min + 1 units of which the thumb covers Page, so the position
// runs to Max - Page + 1 (to Max when Page is 0); a QScrollBar counts the positions
// themselves. Positions and tracking positions mean the same in both.
void ApplyScrollInfo(QScrollBar& bar, const TScrollInfo& info) {
  int page = std::max(0, info.Page);
  bar.setRange(info.Min, std::max(info.Min, info.Max - std::max(page - 1, 0)));
  bar.setPageStep(page);
  bar.setSingleStep(1);
  bar.setValue(info.Pos);
  bar.setEnabled(info.Enabled);
}

// The platform's classic defaults for the system colours the palette has no role for.
constexpr std::array<std::uint32_t, 31> kClassicColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};  // 0xRRGGBB

// The system colours the desktop palette has a role for. The active group is read, as the
// platform's colours do not change with the focus; gray text is the disabled text.
struct SystemRole {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};
constexpr SystemRole kSystemRoles[] = {
    {4, QPalette::Active, QPalette::Window},
    {5, QPalette::Active, QPalette::Base},
    {7, QPalette::Active, QPalette::WindowText},
    {8, QPalette::Active, QPalette::Text},
    {13, QPalette::Active, QPalette::Highlight},
    {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button},
    {16, QPalette::Active, QPalette::Dark},
    {17, QPalette::Disabled, QPalette::Text},
    {18, QPalette::Active, QPalette::ButtonText},
    {20, QPalette::Active, QPalette::Light},
    {21, QPalette::Active, QPalette::Shadow},
    {22, QPalette::Active, QPalette::Midlight},
    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase},
    {26, QPalette::Active, QPalette::Link},
    {29, QPalette::Active, QPalette::Highlight},
    {30, QPalette::Active, QPalette::Window},
};

QCursor DrawnCursor(const QPolygon& arrow, QPoint hotSpot, bool plusBox) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::white);
  painter.setBrush(Qt::black);
  painter.drawPolygon(arrow);
  if (plusBox) {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(12, 18, 8, 8);
    painter.drawLine(14, 22, 18, 22);
    painter.drawLine(16, 20, 16, 24);
  }
  painter.end();
  return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

// The view's own cursors, unless the application registered its own under their numbers.
void RegisterViewCursors() {
  static bool done = false;
  if (done) return;
  done = true;
  if (CursorFor(kRightArrowCursor).shape() != Qt::BitmapCursor) {
    QPolygon arrow({{12, 1}, {12, 17}, {8, 13}, {5, 20}, {3, 19}, {6, 12}, {1, 12}});
    SetCursor(kRightArrowCursor, DrawnCursor(arrow, {12, 1}, false));
  }
  if (CursorFor(kDragCopyCursor).shape() != Qt::BitmapCursor) {
    QPolygon arrow({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10, 19}, {7, 12}, {12, 12}});
    SetCursor(kDragCopyCursor, DrawnCursor(arrow, {1, 1}, true));
  }
}

// Moves `from` of a 32-bit image by (dx, dy); the destination must lie inside the image.
void ShiftPixels(QImage& image, const TRect& from, int dx, int dy) {
  const qsizetype line = image.bytesPerLine();
  uchar* bits = image.bits();
  const size_t bytes = static_cast<size_t>(from.Width()) * 4;
  auto move = [&](int y) {
    std::memmove(bits + (y + dy) * line + (from.Left + dx) * 4, bits + y * line + from.Left * 4,
                 bytes);
  };
  if (dy > 0) {
    for (int y = from.Bottom - 1; y >= from.Top; --y) move(y);
  } else {
    for (int y = from.Top; y < from.Bottom; ++y) move(y);
  }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
          modifiers.testFlag(Qt::AltModifier),   buttons.testFlag(Qt::LeftButton),
          buttons.testFlag(Qt::RightButton),     buttons.testFlag(Qt::MiddleButton)};
}

TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return TMouseButton::Left;
    case Qt::RightButton: return TMouseButton::Right;
    case Qt::MiddleButton: return TMouseButton::Middle;
    default: return TMouseButton::None;
  }
}

std::string Cp932(const QString& text) {
  return cp932::FromUtf8(text.toUtf8().toStdString());
}

// The characters a key types. Ctrl or Alt alone make it a command, as on the platform, where
// such keys type nothing (Ctrl and Alt together are AltGr there and type).
std::string KeyCharacters(const QKeyEvent& event) {
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const bool alt = event.modifiers().testFlag(Qt::AltModifier);
  if (event.text().isEmpty() || ctrl != alt) return {};
  return Cp932(event.text());
}

}  // namespace

EditorWindowWidget::EditorWindowWidget(QWidget* parent)
    : QWidget(parent), fonts_(std::make_shared<QtFontTable>()) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the backing image covers everything but the corner
  setMouseTracking(true);                 // the pointer shape follows the pointer
  RegisterViewCursors();
  for (TScrollAxis axis : {TScrollAxis::Horizontal, TScrollAxis::Vertical}) {
    auto* bar =
        new QScrollBar(axis == TScrollAxis::Horizontal ? Qt::Horizontal : Qt::Vertical, this);
    bar->setFocusPolicy(Qt::NoFocus);  // the keyboard stays with the view
    bar->hide();
    bar->installEventFilter(this);
    ApplyScrollInfo(*bar, info_[Index(axis)]);
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, axis](int action) { BarAction(axis, action); });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, axis, bar] {
      SendBarAction(axis, SB_THUMBPOSITION, bar->sliderPosition());
      SendBarAction(axis, SB_ENDSCROLL, bar->value());
    });
    bars_[Index(axis)] = bar;
  }
  connect(&blink_, &QTimer::timeout, this, [this] { BlinkCaret(); });
  LayOut();
}

EditorWindowWidget::~EditorWindowWidget() {
  client_ = nullptr;
}

int EditorWindowWidget::ScrollBarExtent() const {
  return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

int EditorWindowWidget::ScreenHeight() const {
  const QScreen* shown = screen();
  return shown != nullptr ? shown->geometry().height() : 0;
}

QScrollBar* EditorWindowWidget::ScrollBar(TScrollAxis axis) const {
  return bars_[Index(axis)];
}

void EditorWindowWidget::LayOut() {
  const int extent = ScrollBarExtent();
  const bool horizontal = barShown_[0], vertical = barShown_[1];
  const int w = std::max(0, width() - (vertical ? extent : 0));
  const int h = std::max(0, height() - (horizontal ? extent : 0));
  // Each bar stops short of the corner square, which stays empty when both show.
  bars_[1]->setGeometry(w, 0, width() - w, h);
  bars_[1]->setVisible(vertical);
  bars_[0]->setGeometry(0, h, w, height() - h);
  bars_[0]->setVisible(horizontal);
  if (backing_.size() == QSize(w, h)) return;
  QImage next(w, h, QImage::Format_RGB32);
  next.fill(palette().color(QPalette::Active, QPalette::Base));
  if (!backing_.isNull() && !next.isNull()) {
    QPainter painter(&next);
    painter.drawImage(0, 0, backing_);
  }
  backing_ = std::move(next);
  invalid_ &= ClientRect();
}

void EditorWindowWidget::Invalidate(const TRect& rect) {
  QRect r = ToQRect(rect) & ClientRect();
  if (r.isEmpty()) return;
  invalid_ += r;
  QWidget::update(r);  // painted by Qt's next paint at the latest
}

void EditorWindowWidget::InvalidateAll() {
  Invalidate(ToTRect(ClientRect()));
}

void EditorWindowWidget::Update() {
  QWidget::update(PaintInvalid());
}

QRegion EditorWindowWidget::PaintInvalid() {
  if (painting_ || invalid_.isEmpty()) return {};
  painting_ = true;
  const QRegion region = invalid_ & ClientRect();
  invalid_ = QRegion();
  {
    QtCanvas canvas(backing_, fonts_);
    for (const QRect& r : region) {
      const TRect rect = ToTRect(r);
      canvas.SetBounds(rect);
      if (client_ == nullptr) {
        canvas.FillRect(rect, ToTRgb(palette().color(QPalette::Active, QPalette::Base)));
        continue;
      }
      Guard([&] { client_->Paint(canvas, rect); });
    }
  }
  painting_ = false;
  return region;
}

void EditorWindowWidget::ScrollContents(int dx, int dy, const TRect& area) {
  const TRect a = area.Intersect(ToTRect(ClientRect()));
  if (a.IsEmpty() || (dx == 0 && dy == 0)) return;
  // The pixels whose new place is still inside the area move; the rest of it is exposed.
  const TRect from = a.Intersect(a.Offset(-dx, -dy));
  if (!from.IsEmpty()) ShiftPixels(backing_, from, dx, dy);
  const QRect inside = ToQRect(a);
  // A region waiting to be painted moves with the pixels it stands for.
  const QRegion waiting = (invalid_ & inside).translated(dx, dy) & inside;
  invalid_ -= inside;
  invalid_ += waiting;
  invalid_ += QRegion(inside) - QRegion(ToQRect(from.Offset(dx, dy)));
  QWidget::update(inside);
}

void EditorWindowWidget::ShowScrollBar(TScrollAxis axis, bool show) {
  if (barShown_[Index(axis)] == show) return;
  barShown_[Index(axis)] = show;
  LayOut();
  InvalidateAll();
  QWidget::update();  // the corner square
}

void EditorWindowWidget::SetScrollInfo(TScrollAxis axis, const TScrollInfo& info) {
  info_[Index(axis)] = info;
  ApplyScrollInfo(*bars_[Index(axis)], info);  // sets values only: Qt reports no action
}

TScrollInfo EditorWindowWidget::ScrollInfo(TScrollAxis axis) const {
  TScrollInfo info = info_[Index(axis)];
  info.Pos = bars_[Index(axis)]->value();  // kept within the range, as the platform does
  return info;
}

void EditorWindowWidget::BarAction(TScrollAxis axis, int action) {
  QScrollBar& bar = *bars_[Index(axis)];
  int code;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      code = SB_LINEDOWN;
      break;
    case QAbstractSlider::SliderSingleStepSub:
      code = SB_LINEUP;
      break;
    case QAbstractSlider::SliderPageStepAdd:
      code = SB_PAGEDOWN;
      break;
    case QAbstractSlider::SliderPageStepSub:
      code = SB_PAGEUP;
      break;
    case QAbstractSlider::SliderToMinimum:
      code = SB_TOP;
      break;
    case QAbstractSlider::SliderToMaximum:
      code = SB_BOTTOM;
      break;
    case QAbstractSlider::SliderMove:
      SendBarAction(axis, SB_THUMBTRACK, bar.sliderPosition());
      return;
    default:
      return;
  }
  // Qt has moved the thumb already; as on the platform, only the view moves it.
  bar.setSliderPosition(bar.value());
  SendBarAction(axis, code, bar.value());
}

void EditorWindowWidget::SendBarAction(TScrollAxis axis, int code, int pos) {
  if (client_ != nullptr) Guard([&] { client_->ScrollBarAction(axis, code, pos); });
}

bool EditorWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  // A released arrow or page click ends the scroll; a released thumb ends it on its own.
  if (event->type() == QEvent::MouseButtonRelease) {
    for (TScrollAxis axis : {TScrollAxis::Horizontal, TScrollAxis::Vertical}) {
      QScrollBar* bar = bars_[Index(axis)];
      if (watched == bar && !bar->isSliderDown() && bar->isEnabled()) {
        SendBarAction(axis, SB_ENDSCROLL, bar->value());
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

int EditorWindowWidget::CaretBlinkInterval() const {
  int flash = QGuiApplication::styleHints()->cursorFlashTime();
  return flash > 0 ? std::max(1, flash / 2) : 0;  // the flash time is one on-off cycle
}

void EditorWindowWidget::RestartBlink() {
  caret_.blinkOn = true;
  int interval = CaretBlinkInterval();
  if (caret_.created && caret_.shown && interval > 0) {
    blink_.start(interval);
  } else {
    blink_.stop();
  }
}

void EditorWindowWidget::BlinkCaret() {
  if (!caret_.created || !caret_.shown) return;
  caret_.blinkOn = !caret_.blinkOn;
  QWidget::update(caret_.rect);
}

void EditorWindowWidget::UpdateCaretArea(const QRect& before) {
  QWidget::update(before);
  QWidget::update(caret_.rect);
}

void EditorWindowWidget::CreateCaret(int width, int height) {
  const QRect before = caret_.rect;
  caret_.created = true;
  caret_.shown = false;  // a new caret waits for ShowCaret
  caret_.rect.setSize(QSize(std::max(1, width), std::max(1, height)));
  RestartBlink();
  UpdateCaretArea(before);
}

void EditorWindowWidget::DestroyCaret() {
  caret_.created = false;
  caret_.shown = false;
  RestartBlink();
  QWidget::update(caret_.rect);
}

void EditorWindowWidget::SetCaretPos(TPoint at) {
  const QRect before = caret_.rect;
  caret_.rect.moveTo(at.X, at.Y);
  RestartBlink();  // a moving caret stays visible
  UpdateCaretArea(before);
}

void EditorWindowWidget::ShowCaret() {
  if (!caret_.created) return;
  caret_.shown = true;
  RestartBlink();
  QWidget::update(caret_.rect);
}

void EditorWindowWidget::HideCaret() {
  caret_.shown = false;
  RestartBlink();
  QWidget::update(caret_.rect);
}

void EditorWindowWidget::SetCursor(TCursor cursor) {
  setCursor(CursorFor(cursor));
}

void EditorWindowWidget::SetImeCursorRect(const TRect& rect) {
  imeRect_ = ToQRect(rect);
  if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

QVariant EditorWindowWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImCursorRectangle) return imeRect_;
  if (query == Qt::ImEnabled) {
    // A read-only view takes no text: no composition is opened that would go nowhere.
    bool accepts = false;
    if (client_ != nullptr) Guard([&] { accepts = client_->AcceptsText(); });
    return accepts;
  }
  return QWidget::inputMethodQuery(query);
}

TFontHandle EditorWindowWidget::CreateFont(const TFontSpec& request) {
  return fonts_->Create(request);
}

TFontMetrics EditorWindowWidget::Metrics(TFontHandle font) const {
  return fonts_->Metrics(font);
}

std::unique_ptr<TBitmap> EditorWindowWidget::CreateBitmap(TSize size) {
  return std::make_unique<QtBitmap>(size, fonts_);
}

TRgb EditorWindowWidget::ResolveColor(TColor color) const {
  if (!IsSystemColor(color)) {
    auto value = static_cast<std::uint32_t>(color);
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16)};
  }
  const int index = static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF);
  for (const SystemRole& entry : kSystemRoles) {
    if (entry.index == index) return ToTRgb(palette().color(entry.group, entry.role));
  }
  std::uint32_t rgb =
      static_cast<size_t>(index) < kClassicColors.size() ? kClassicColors[index] : 0;
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

void EditorWindowWidget::paintEvent(QPaintEvent* event) {
  Guard([&] {
    // What was invalidated but never updated is painted now, as the platform would.
    const QRegion painted = PaintInvalid();
    if (!event->region().contains(painted.boundingRect())) {
      QWidget::update(painted - event->region());
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, backing_);
    if (barShown_[0] && barShown_[1]) {
      const QRect corner(backing_.width(), backing_.height(), width() - backing_.width(),
                         height() - backing_.height());
      painter.fillRect(corner, palette().color(QPalette::Active, QPalette::Window));
    }
    if (!preedit_.isEmpty()) {
      const QRect area = PreeditRect();
      painter.fillRect(area, palette().color(QPalette::Active, QPalette::Base));
      painter.setPen(palette().color(QPalette::Active, QPalette::Text));
      painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, preedit_);
      painter.drawLine(area.bottomLeft(), area.bottomRight());
    }
    if (CaretVisible() && preedit_.isEmpty()) {
      // Inverted, so it shows on any background and over any colour of text.
      painter.setClipRect(ClientRect(), Qt::IntersectClip);
      painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      painter.fillRect(caret_.rect, Qt::white);
    }
  });
}

void EditorWindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Guard([&] {
    LayOut();
    if (client_ != nullptr) client_->Resized();
    InvalidateAll();
    Update();
  });
}

void EditorWindowWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (client_ != nullptr) Guard([&] { client_->FocusChanged(true); });
  QGuiApplication::inputMethod()->update(Qt::ImEnabled);  // read-only may have changed
}

void EditorWindowWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  escDown_ = false;  // its release goes elsewhere
  if (client_ != nullptr) Guard([&] { client_->FocusChanged(false); });
}

// --- Input -------------------------------------------------------------------------------------

bool EditorWindowWidget::KeyPressed(int key) const {
  const Qt::KeyboardModifiers modifiers =
      delivering_ > 0 ? eventModifiers_ : QGuiApplication::queryKeyboardModifiers();
  const Qt::MouseButtons buttons =
      delivering_ > 0 ? eventButtons_ : QGuiApplication::mouseButtons();
  switch (key) {
    case VK_SHIFT: return modifiers.testFlag(Qt::ShiftModifier);
    case VK_CONTROL: return modifiers.testFlag(Qt::ControlModifier);
    case VK_MENU: return modifiers.testFlag(Qt::AltModifier);
    case VK_ESCAPE: return escDown_;
    case VK_LBUTTON: return buttons.testFlag(Qt::LeftButton);
    case VK_RBUTTON: return buttons.testFlag(Qt::RightButton);
    case VK_MBUTTON: return buttons.testFlag(Qt::MiddleButton);
    default: return false;
  }
}

template <class F>
void EditorWindowWidget::Deliver(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                                 F&& call) {
  if (client_ == nullptr) return;
  const Qt::KeyboardModifiers outerModifiers = eventModifiers_;
  const Qt::MouseButtons outerButtons = eventButtons_;
  eventModifiers_ = modifiers;
  eventButtons_ = buttons;
  ++delivering_;
  Guard(std::forward<F>(call));
  --delivering_;
  eventModifiers_ = outerModifiers;
  eventButtons_ = outerButtons;
}

bool EditorWindowWidget::event(QEvent* event) {
  // Tab and Shift+Tab move the focus on unless the view types tabs.
  if (event->type() == QEvent::KeyPress && client_ != nullptr) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    bool takesTab = false;
    if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      Guard([&] { takesTab = client_->AcceptsTab(); });
    }
    if (takesTab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void EditorWindowWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) escDown_ = true;
  bool used = false;
  Deliver(event->modifiers(), QGuiApplication::mouseButtons(), [&] {
    const TKeyEvent key{VirtualKey(event->key()),
                        ShiftStateOf(event->modifiers(), QGuiApplication::mouseButtons()),
                        event->isAutoRepeat()};
    if (key.Key != 0) used = client_->KeyDown(key);
    const std::string text = KeyCharacters(*event);
    if (!text.empty() && client_ != nullptr && client_->Char(text)) used = true;
  });
  // What the view leaves goes on to the parent (shortcuts, dialog keys).
  event->setAccepted(used);
}

void EditorWindowWidget::keyReleaseEvent(QKeyEvent* event) {
  // X11 repeats a key as a release and a press: the view sees only the repeated presses.
  if (event->isAutoRepeat()) return;
  if (event->key() == Qt::Key_Escape) escDown_ = false;
  bool used = false;
  Deliver(event->modifiers(), QGuiApplication::mouseButtons(), [&] {
    const int key = VirtualKey(event->key());
    if (key != 0) {
      used = client_->KeyUp({key, ShiftStateOf(event->modifiers(), QGuiApplication::mouseButtons()),
                             false});
    }
  });
  event->setAccepted(used);
}

void EditorWindowWidget::SendMouse(QMouseEvent* event, int clicks) {
  const TMouseEvent mouse{event->position().toPoint().x(), event->position().toPoint().y(),
                          ButtonOf(event->button()),
                          ShiftStateOf(event->modifiers(), event->buttons()), clicks};
  Deliver(event->modifiers(), event->buttons(), [&] {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        client_->MouseDown(mouse);
        break;
      case QEvent::MouseButtonDblClick:
        if (mouse.Button == TMouseButton::Left) {
          client_->DoubleClick(mouse);
        } else {
          client_->MouseDown(mouse);
        }
        break;
      case QEvent::MouseMove:
        client_->MouseMove(mouse);
        break;
      case QEvent::MouseButtonRelease:
        client_->MouseUp(mouse);
        break;
      default:
        break;
    }
  });
}

void EditorWindowWidget::mousePressEvent(QMouseEvent* event) {
  QGuiApplication::inputMethod()->update(Qt::ImEnabled);
  if (ButtonOf(event->button()) == TMouseButton::None) {
    QWidget::mousePressEvent(event);
    return;
  }
  SendMouse(event, 1);
}

void EditorWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (ButtonOf(event->button()) == TMouseButton::None) {
    QWidget::mouseDoubleClickEvent(event);
    return;
  }
  SendMouse(event, 2);
}

void EditorWindowWidget::mouseMoveEvent(QMouseEvent* event) {
  SendMouse(event, 0);
}

void EditorWindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (ButtonOf(event->button()) == TMouseButton::None) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  SendMouse(event, 1);
}

namespace {

// The items of `menu` as Qt actions of `into`; a click runs the item's OnClick under Guard.
void AddMenuItems(QMenu& into, TMenuItem& menu) {
  for (TMenuItem& item : menu.Items) {
    if (item.IsSeparator()) {
      into.addSeparator();
      continue;
    }
    const QString caption = ToQString(item.Caption);
    if (!item.Items.empty()) {
      AddMenuItems(*into.addMenu(caption), item);
      continue;
    }
    QAction* action = into.addAction(caption);
    action->setEnabled(item.Enabled);
    action->setCheckable(item.Checked);
    action->setChecked(item.Checked);
    if (!item.ShortCut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(item.ShortCut)));
    QObject::connect(action, &QAction::triggered, [&item] {
      if (item.OnClick) Guard([&item] { item.OnClick(); });
    });
  }
}

}  // namespace

void EditorWindowWidget::ShowPopupMenu(TMenuItem& menu, TPoint at) {
  QMenu popup(this);
  AddMenuItems(popup, menu);
  popup.exec(mapToGlobal(QPoint(at.X, at.Y)));
}

void EditorWindowWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (client_ == nullptr) return;
  const TPoint at{event->pos().x(), event->pos().y()};
  Guard([this, at] { client_->ContextMenu(at); });
  event->accept();
}

void EditorWindowWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  bool used = false;
  if (delta != 0) {
    const QPoint at = event->position().toPoint();
    Deliver(event->modifiers(), event->buttons(), [&] {
      used = client_->Wheel({at.x(), at.y(), delta,
                             ShiftStateOf(event->modifiers(), event->buttons())});
    });
  }
  event->setAccepted(used);
}

QRect EditorWindowWidget::PreeditRect() const {
  const int width = fontMetrics().horizontalAdvance(preedit_) + 2;
  const int height = std::max(imeRect_.height(), fontMetrics().height());
  return QRect(imeRect_.topLeft(), QSize(width, height));
}

void EditorWindowWidget::inputMethodEvent(QInputMethodEvent* event) {
  QWidget::update(PreeditRect());
  preedit_ = event->preeditString();
  QWidget::update(PreeditRect());
  const TImeEvent ime{Cp932(event->commitString()), Cp932(preedit_)};
  Deliver(QGuiApplication::keyboardModifiers(), QGuiApplication::mouseButtons(),
          [&] { client_->InputMethod(ime); });
  event->accept();
}

}  // namespace platform::qt
