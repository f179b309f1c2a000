// The program's entry: the application object and the main window.
#include <QApplication>
#include <QWidget>

#include "platform/qt/app_fonts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallApplicationFonts();
  QWidget window;
  window.setWindowTitle(" Fatigue Life Analysis Software");
  window.resize(800, 600);
  window.show();
  return app.exec();
}
