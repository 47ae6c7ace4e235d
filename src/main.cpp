// The program's entry: a Qt application around the main window.
#include <QApplication>

#include "app/AppInfo.h"
#include "app/frmMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(lintavo::AppTitle));
  lintavo::frmMain mainWindow;
  mainWindow.show();
  return app.exec();
}
