// Quillcfg.exe: the viewer's options program. Opens the options dialog on the viewer's settings
// file, or changes it from the command line (see command_line.h).
#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "options/command_line.h"
#include "options/frm_options.h"
#include "platform/qt/application.h"
#include "platform/qt/fonts.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv, argv + argc);
  quillcfg::CommandLine line;
  try {
    line = quillcfg::ParseCommandLine(args);
  } catch (const std::invalid_argument& error) {
    std::cerr << "Quillcfg: " << error.what() << "\n" << quillcfg::Usage();
    return 2;
  }
  if (line.help) {
    std::cout << quillcfg::Usage();
    return 0;
  }
  const std::string file = line.settingsFile.empty() ? quillcfg::ViewerSettingsFile() : line.settingsFile;
  if (line.Scripted()) return quillcfg::RunScripted(line, file, std::cout, std::cerr);

  // Laid out in pixels as the viewer is.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  platform::qt::InstallFontSubstitutions();
  platform::qt::Application::SetTitle("Quillcfg");
  quillcfg::TfrmOptions dialog(file);
  dialog.show();
  // For the documentation's pictures: the dialog as first shown, saved, and the program ends.
  if (const char* picture = std::getenv("QUILLET_SCREENSHOT")) {
    QTimer::singleShot(0, &dialog, [&dialog, picture] {
      dialog.grab().save(QString::fromLocal8Bit(picture), "PNG");
      dialog.reject();
    });
  }
  dialog.exec();
  return 0;
}
