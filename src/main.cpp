// The program's entry: a Qt application around the start-up routine.
#include <QApplication>

#include "windows/main/Startup.h"
#include "platform/Icons.h"
#include "platform/WebBrowser.h"

int main(int argc, char** argv) {
  lintavo::PrepareWebBrowser();  // before the application object: the web-page window needs it
  QApplication app(argc, argv);
  QApplication::setWindowIcon(lintavo::ProgramIcon());  // every window and dialog of the program
  const int ended = lintavo::SubMain();
  if (ended != 0) return ended;
  return QApplication::exec();
}
