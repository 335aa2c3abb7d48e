#include "tools/drive/window_mode.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <stdexcept>

#include "app/frm_main.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/find_bar.h"
#include "platform/qt/statusbar.h"
#include "tools/drive/options_json.h"

namespace drive {
namespace {

std::string JsonArray(const std::vector<std::string>& items) {
  std::string json = "[";
  for (const std::string& item : items) json += (json.size() > 1 ? "," : "") + item;
  return json + "]";
}

bool Shown(const QWidget* widget) { return widget != nullptr && !widget->isHidden(); }

// The find bar as the user sees it, the count behind it and the hit shown (null for none).
JsonObject FindState(const quillet::TfrmMain& form) {
  const platform::qt::FindBar& bar = *form.FindBar();
  const quillet::HitCounter& hits = form.FindHits();
  editor::TEditor& view = form.TextView();
  std::string hit = "null";
  if (view.SelState() == editor::ssHit) {
    const editor::TEditor::TByteSelection& s = view.ByteSelection();
    const std::optional<std::size_t> ordinal = hits.Ordinal(s.StartRow, s.StartByte);
    hit = JsonObject()
              .Int("row", s.StartRow)
              .Int("byte", s.StartByte)
              .Int("endRow", s.EndRow)
              .Int("endByte", s.EndByte)
              .Int("ordinal", ordinal ? static_cast<long long>(*ordinal) : 0)
              .Text();
  }
  return JsonObject()
      .Bool("open", Shown(&bar))
      .Bool("focused", bar.HasFocus())
      .Str("pattern", bar.Pattern().toStdString())
      .Bool("matchCase", bar.MatchCase())
      .Bool("ignoreWidth", bar.IgnoreWidth())
      .Int("count", static_cast<long long>(hits.Count()))
      .Bool("counted", hits.Done())
      .Str("countText", bar.CountText().toStdString())
      .Str("note", bar.Note().toStdString())
      .Int("hitStyle", view.HitStyle())
      .Raw("hit", hit);
}

}  // namespace

MainWindowRun::MainWindowRun(std::vector<std::string> args, std::string settingsFile) {
  platform::qt::Application::SetExceptionHandler(
      [this](const std::exception& error) { errors_.push_back(error.what()); });
  form_ = std::make_unique<quillet::TfrmMain>(std::move(args), std::move(settingsFile));
  form_->show();
  const QDeadlineTimer deadline(10000);
  while (!(form_->windowHandle() && form_->windowHandle()->isExposed())) {
    if (deadline.hasExpired()) throw std::runtime_error("the main window was never shown");
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  QCoreApplication::processEvents();
  session_ = std::make_unique<Session>(form_->TextView(), *form_->TextViewWindow());
}

MainWindowRun::~MainWindowRun() {
  session_.reset();
  form_.reset();
  platform::qt::Application::SetExceptionHandler({});
}

const quillet::TDecorationList& MainWindowRun::Decorations() const { return form_->Decorations(); }

JsonObject MainWindowRun::State() const {
  const quillet::TfrmMain& form = *form_;
  const QRect frame = form.frameGeometry();
  std::vector<std::string> panels;
  if (const auto* bar = form.findChild<platform::qt::StatusBar*>("staMain")) {
    for (int i = 0; i < bar->PanelCount(); ++i) {
      panels.push_back(JsonString(bar->Panel(i).text.toStdString()));
    }
  }
  QList<QAction*> actions = form.findChildren<QAction*>();
  actions.removeIf([](const QAction* a) { return !a->objectName().startsWith("act"); });
  std::sort(actions.begin(), actions.end(),
            [](const QAction* a, const QAction* b) { return a->objectName() < b->objectName(); });
  JsonObject actionStates;
  for (const QAction* action : actions) {
    actionStates.Obj(action->objectName().toStdString(),
                     JsonObject().Bool("enabled", action->isEnabled()).Bool("checked", action->isChecked()));
  }
  std::vector<std::string> errors;
  for (const std::string& error : errors_) errors.push_back(JsonString(error));
  const auto* toolbar = form.findChild<QToolBar*>("tbrMain0");
  editor::TEditor& view = form.TextView();
  return JsonObject()
      .Str("caption", form.windowTitle().toStdString())
      .Int("wrapMode", form.WrapMode())
      .Obj("frame", JsonObject()
                        .Int("left", frame.x())
                        .Int("top", frame.y())
                        .Int("width", frame.width())
                        .Int("height", frame.height())
                        .Bool("maximized", form.isMaximized())
                        .Bool("visible", form.isVisible()))
      .Obj("bars", JsonObject()
                       .Bool("toolbar", Shown(form.findChild<QWidget*>("pnlToolbar")))
                       .Bool("headerBar", Shown(form.findChild<QWidget*>("pndHead")))
                       .Bool("statusBar", Shown(form.findChild<QWidget*>("staMain"))))
      .Raw("statusPanels", JsonArray(panels))
      .Obj("actions", actionStates)
      .Int("toolbarImageSize", toolbar ? toolbar->iconSize().width() : 0)
      .Obj("options", OptionsState(view))
      .Obj("colors", ColorsState(view, *form.TextViewWindow()))
      .Obj("find", FindState(form))
      .Obj("zoom", JsonObject()
                       .Int("points", form.ZoomPoints())
                       .Int("configuredPoints", form.ConfiguredPoints())
                       .Int("wrapByte", view.WrapOption().WrapByte()))
      .Raw("errors", JsonArray(errors));
}

}  // namespace drive
