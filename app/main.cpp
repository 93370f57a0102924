#include "app/application.h"
#include "app/main_window.h"
#include "app/qt_platform.h"

// The command line is not read: Qt is given the program's name only.
int main() {
  char programName[] = "vaporin";
  char* arguments[] = {programName, nullptr};
  int argumentCount = 1;
  vaporin::VaporinApplication application(argumentCount, arguments);
  vaporin::RunGuarded([] {
    vaporin::QtPlatform platform;
    vaporin::TForm1 Form1(platform);
    Form1.show();
    vaporin::VaporinApplication::exec();
  });
  return 0;
}
