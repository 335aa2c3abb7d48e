#include "tools/drive/state_json.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QString>

#include <cstdio>

#include "app/status_texts.h"
#include "platform/qt/clipboard.h"
#include "tools/drive/session.h"

namespace drive {

void JsonObject::Key(std::string_view key) {
  if (!body_.empty()) body_ += ',';
  body_ += JsonString(key);
  body_ += ':';
}

JsonObject& JsonObject::Int(std::string_view key, long long value) {
  Key(key);
  body_ += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::Bool(std::string_view key, bool value) {
  Key(key);
  body_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::Str(std::string_view key, std::string_view utf8) {
  Key(key);
  body_ += JsonString(utf8);
  return *this;
}

JsonObject& JsonObject::Obj(std::string_view key, const JsonObject& value) {
  return Raw(key, value.Text());
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
  Key(key);
  body_ += json;
  return *this;
}

JsonObject& JsonObject::Merge(const JsonObject& other) {
  if (other.body_.empty()) return *this;
  if (!body_.empty()) body_ += ',';
  body_ += other.body_;
  return *this;
}

std::string JsonString(std::string_view utf8) {
  const QByteArray valid =
      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUtf8();
  std::string out = "\"";
  for (char c : valid) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

namespace {

JsonObject SelectionState(const editor::TEditor& view) {
  const editor::TEditor::TColSelection& cols = view.ColSelection();
  const editor::TEditor::TByteSelection& bytes = view.ByteSelection();
  return JsonObject()
      .Int("state", view.SelState())
      .Int("mode", view.SelectionMode())
      .Bool("selected", view.Selected())
      .Int("selStart", view.SelStart())
      .Int("selLength", view.SelLength())
      .Str("selTextHex", Hex(view.SelText()))
      .Obj("colSel", JsonObject()
                         .Int("startRow", cols.StartRow)
                         .Int("endRow", cols.EndRow)
                         .Int("startCol", cols.StartCol)
                         .Int("endCol", cols.EndCol))
      .Obj("byteSel", JsonObject()
                          .Int("startRow", bytes.StartRow)
                          .Int("endRow", bytes.EndRow)
                          .Int("startByte", bytes.StartByte)
                          .Int("endByte", bytes.EndByte));
}

JsonObject BarState(platform::qt::EditorWindowWidget& window, platform::TScrollAxis axis) {
  const platform::TScrollInfo info = window.ScrollInfo(axis);
  return JsonObject()
      .Int("min", info.Min)
      .Int("max", info.Max)
      .Int("page", info.Page)
      .Int("pos", info.Pos)
      .Bool("enabled", info.Enabled)
      .Bool("shown", !window.ScrollBar(axis)->isHidden());
}

}  // namespace

JsonObject ViewState(Session& session, std::string_view step) {
  editor::TEditor& view = session.Editor();
  platform::qt::EditorWindowWidget& window = session.Window();
  const platform::TPoint caretAt = view.CaretPos();
  return JsonObject()
      .Str("step", step)
      .Int("width", window.width())
      .Int("height", window.height())
      .Int("colWidth", view.ColWidth())
      .Int("fontHeight", view.FontHeight())
      .Int("rowHeight", view.RowHeight())
      .Int("textLeft", view.TextLeft())
      .Int("textTop", view.TextTop())
      .Int("scrollBarExtent", window.ScrollBarExtent())
      .Int("visibleRows", view.VisibleRowCount())
      .Int("visibleCols", view.VisibleColCount())
      .Int("maxTopRow", view.MaxTopRow())
      .Int("topRow", view.TopRow())
      .Int("topCol", view.TopCol())
      .Int("rowCount", view.RowCount())
      .Obj("caret", JsonObject()
                        .Int("row", view.Row())
                        .Int("col", view.Col())
                        .Int("x", caretAt.X)
                        .Int("y", caretAt.Y)
                        // Not the blink phase: the output must not depend on timing.
                        .Bool("shown", window.Caret().created && window.Caret().shown))
      .Bool("focused", window.hasFocus())
      .Obj("selection", SelectionState(view))
      .Obj("vbar", BarState(window, platform::TScrollAxis::Vertical))
      .Obj("hbar", BarState(window, platform::TScrollAxis::Horizontal))
      .Obj("status", JsonObject()
                         .Str("selection", view.Selected()
                                               ? quillet::SelectionSizeText(view.SelLength())
                                               : std::string())
                         .Str("caret", quillet::CaretPositionText(view)));
}

JsonObject ClipboardState() {
  JsonObject state;
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime != nullptr && mime->hasText()) {
    state.Str("text", mime->text().toUtf8().toStdString());
  } else {
    state.Raw("text", "null");
  }
  if (mime != nullptr && mime->hasFormat(platform::qt::BoxMimeType())) {
    const QByteArray box = mime->data(platform::qt::BoxMimeType());
    state.Str("boxHex", Hex(std::string_view(box.constData(), static_cast<size_t>(box.size()))));
  } else {
    state.Raw("boxHex", "null");
  }
  return state;
}

}  // namespace drive
