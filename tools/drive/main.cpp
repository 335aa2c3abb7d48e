// quillet-drive: runs a script of steps on a real text view and prints its state as JSON.
#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

#include "platform/qt/fonts.h"
#include "tools/drive/drive.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Pixels as the view computes them, whatever the screen's scale.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  // Our arguments as given: Qt would take some of them as its own options.
  const std::vector<std::string> args(argv, argv + argc);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  platform::qt::InstallFontSubstitutions();
  return drive::RunDrive(args, std::cout, std::cerr);
}
