// The program's entry: the application, the program's state and the main
// window, whose load is the start-up and whose unload ends the program.
#include <QApplication>

#include "platform/qt/app_fonts.h"
#include "platform/qt/qt_host.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallApplicationFonts();
  ProgramState state;
  QtHost host;
  FormMain main(state, host);
  host.SetParentWindow(main.widget());
  main.onProgramEnd = [] { QCoreApplication::quit(); };
  main.Load();
  if (!main.IsLoaded()) return 0;  // the warranty was not accepted
  return app.exec();
}
