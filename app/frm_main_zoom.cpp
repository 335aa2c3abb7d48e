// The main window's zoom: Ctrl+plus, Ctrl+minus, Ctrl+0 and Ctrl+wheel change the text view's
// font size for this window only; the settings file keeps its size, and in the window-width
// wrap mode the wrap width follows the new columns.
#include "app/frm_main.h"
#include "platform/input_events.h"

namespace quillet {

int TfrmMain::ZoomPoints() const { return txtMain->Font().Size(); }

int TfrmMain::ConfiguredPoints() const {
  if (!configuredFontHeight_) return ZoomPoints();
  platform::TFont font;
  font.SetHeight(*configuredFontHeight_);
  return font.Size();
}

void TfrmMain::ZoomBy(int steps) {
  platform::TFont& font = txtMain->Font();
  const int points = ZoomedPoints(font.Size(), steps);
  if (points == font.Size()) return;
  if (!configuredFontHeight_) configuredFontHeight_ = font.Height();
  font.SetSize(points);
  if (wrapMode_ == 2) FitWrapWidth();
}

void TfrmMain::actViewZoomResetExecute() {
  if (!configuredFontHeight_) return;
  txtMain->Font().SetHeight(*configuredFontHeight_);
  configuredFontHeight_.reset();
  if (wrapMode_ == 2) FitWrapWidth();
}

void TfrmMain::ForgetZoom() { configuredFontHeight_.reset(); }

// Ctrl with the wheel zooms by whole notches, away from the user to enlarge; the view does not
// scroll then.
void TfrmMain::txtMainMouseWheel(platform::TShiftState Shift, int WheelDelta, bool& Handled) {
  if (!Shift.Ctrl) return;
  Handled = true;
  zoomWheelRest_ += WheelDelta;
  const int notches = zoomWheelRest_ / platform::kWheelDelta;
  zoomWheelRest_ -= notches * platform::kWheelDelta;
  if (notches != 0) ZoomBy(notches);
}

}  // namespace quillet
