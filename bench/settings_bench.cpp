// Applying the text view's settings file to a view holding the 64 MB mail: every key of every
// section read from the file and set, with and without word wrap. The option objects hear of
// their changes once per apply, so the whole text is scanned (and, wrapped, laid out) once;
// BM_OneColourChange is the price of one such pass, which an apply without batching would pay
// once per key. The view has no window: only the text's own work is timed.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/view_settings.h"
#include "bench/mail_sample.h"
#include "editor/editor.h"
#include "platform/component.h"
#include "platform/ini_file.h"

namespace {

using editor::TEditor;

// Every key of the text view's sections; `variant` 0 and 1 differ in each value.
std::string SettingsText(int variant) {
  const std::string v = std::to_string(variant);
  const std::string color = variant ? "0x102030" : "0x302010";
  std::string text = "[Editor]\nColor=" + color + "\nUndoListMax=" + (variant ? "100" : "64") +
                     "\n[Editor\\Caret]\n";
  for (const char* key : {"AutoCursor", "AutoIndent", "FreeCaret", "InTab", "KeepCaret",
                          "LockScroll", "NextLine", "PrevSpaceIndent", "RowSelect", "SelDragMode",
                          "SelMove", "SoftTab", "Style", "TabIndent"}) {
    text += std::string(key) + "=" + v + "\n";
  }
  text += std::string("TabSpaceCount=") + (variant ? "4" : "8") + "\n[Editor\\Colors]\n";
  for (const char* slot : {"Ank", "Comment", "DBCS", "Int", "Mail", "Reserve", "Select", "Str",
                           "Symbol", "Url"}) {
    text += std::string(slot) + "BkColor=" + color + "\n" + slot + "Color=" + color + "\n" +
            slot + "Style=" + (variant ? "2" : "8") + "\n";
  }
  text += "[Editor\\Font]\nCharset=128\nName=" + std::string(variant ? "IPAGothic" : "FixedSys") +
          "\nSize=" + (variant ? "10" : "12") + "\n[Editor\\Margin]\nCharacter=" + v +
          "\nLeft=" + v + "\nLine=" + v + "\nTop=" + v + "\n[Editor\\Marks]\n";
  for (const char* mark : {"EofMark", "RetMark", "Underline"}) {
    text += std::string(mark) + (mark == std::string("RetMark") ? "Coler=" : "Color=") + color +
            "\n" + mark + "Visible=" + v + "\n";
  }
  text += "[Editor\\View]\nControlCode=" + v + "\nHexPrefix=" + (variant ? "0x" : "") +
          "\nMail=" + v + "\nUrl=" + v + "\n[Editor\\WrapOption]\n";
  for (const char* key : {"FollowPunctuation", "FollowRetMark", "Leading", "WordBreak"}) {
    text += std::string(key) + "=" + v + "\n";
  }
  return text;
}

// Two settings files in a scratch folder, removed at the end of the run.
class SettingsFiles {
 public:
  SettingsFiles() {
    char folder[] = "/tmp/quillet-bench-XXXXXX";
    folder_ = mkdtemp(folder);
    for (int i = 0; i < 2; ++i) {
      const std::string path = folder_ + "/settings" + std::to_string(i) + ".ini";
      std::ofstream(path, std::ios::binary) << SettingsText(i);
      files_[i] = std::make_unique<platform::TIniFile>(path);
    }
  }
  ~SettingsFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const platform::TIniFile& File(int i) const { return *files_[i]; }

 private:
  std::string folder_;
  std::unique_ptr<platform::TIniFile> files_[2];
};

// The mail in a view, laid out once per layout for the whole run.
TEditor& SharedView(bool wrap) {
  static std::unique_ptr<TEditor> views[2];
  std::unique_ptr<TEditor>& view = views[wrap];
  if (view == nullptr) {
    view = platform::NewComponent<TEditor>(nullptr);
    view->WrapOption().SetWrapByte(80);
    view->SetWordWrap(wrap);
    view->Lines().SetTextStr(bench::MailSample(bench::kLargeMailBytes));
  }
  return *view;
}

void BM_ApplySettings(benchmark::State& state) {
  static const SettingsFiles files;
  TEditor& view = SharedView(state.range(0) != 0);
  int variant = 0;
  for (auto _ : state) {
    quillet::ApplyTextViewSettings(files.File(variant), view);
    variant ^= 1;
  }
  state.counters["rows"] = view.RowCount();
}
BENCHMARK(BM_ApplySettings)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_OneColourChange(benchmark::State& state) {
  TEditor& view = SharedView(false);
  platform::TColor color = 0x102030;
  for (auto _ : state) {
    view.View().Colors().Ank().SetColor(color);
    color ^= 0xFF;
  }
  state.counters["rows"] = view.RowCount();
}
BENCHMARK(BM_OneColourChange)->Unit(benchmark::kMillisecond);

}  // namespace
