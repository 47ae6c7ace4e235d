// The test program's entry: a headless Qt application around GoogleTest.
// Run as "--save-until-killed <file>" it is instead the child process of
// the interrupted-save test (storage/SaveCrashTest.cpp); run as
// "--share-database <file> <seconds>", the second program of the test of two
// programs on one database (storage/TwoProgramsTest.cpp).
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

#include "platform/WebBrowser.h"
#include "support/OdbcConfig.h"

namespace lintavo {
int SaveUntilKilled(const char* path);
int ShareDatabase(const char* path, const char* seconds);
}  // namespace lintavo

int main(int argc, char** argv) {
  // The driver manager reads its configuration folder once, at the first
  // ODBC call of the process: the test folder must be named before any.
  if (!lintavo::PrepareOdbcConfig()) {
    std::fputs("The test program cannot make its ODBC configuration folder\n", stderr);
    return EXIT_FAILURE;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("LINTAVO_APP_TEMPLATE")) qputenv("LINTAVO_APP_TEMPLATE", LINTAVO_BUILD_APP_DIR);
  // Tests print to files only: no print server is asked, so a machine with
  // printers runs them as one without, and no job reaches a real printer.
  qputenv("CUPS_SERVER", "/nonexistent/lintavo-tests/cups.sock");
  lintavo::PrepareWebBrowser();
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--save-until-killed") == 0) return lintavo::SaveUntilKilled(argv[2]);
  if (argc == 4 && std::strcmp(argv[1], "--share-database") == 0) return lintavo::ShareDatabase(argv[2], argv[3]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
