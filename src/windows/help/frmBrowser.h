// frmBrowser: a small web-page window with an address box, a tool bar and
// the page. The Help menu shows one, not modally, at the program's home
// page, a page installed in the application folder.
//
// The address box lists the addresses visited, newest first, each once;
// choosing one opens it. While a page loads the caption reads "Working...",
// shown by a timer that runs from a request until it finds the page idle.
#pragma once

#include <QWidget>

#include "platform/Types.h"

class QComboBox;
class QLabel;
class QTimer;
class QToolBar;

namespace lintavo {

class WebBrowser;

constexpr const char* HomePageFileName = "home.html";  // in the application folder
constexpr const char* SearchSection = "search";        // the home page's section on finding help
constexpr const char* WorkingCaption = "Working...";   // the caption while a page loads
constexpr int BusyTickMs = 250;                        // timTimer's interval, milliseconds

String HomePageAddress();    // the file address of the home page in the application folder
String SearchPageAddress();  // the home page at its section on finding help

class frmBrowser : public QWidget {
  Q_OBJECT
 public:
  explicit frmBrowser(QWidget* owner = nullptr);

  String StartingAddress;  // opened by Form_Load when not ""; set before it

  // Shows the window, lays it out and opens StartingAddress when there is one.
  void Form_Load();
  void Form_Resize();  // the address box and the page follow the window's size

  void brwWebBrowser_DownloadComplete();  // caption = the page's name
  void brwWebBrowser_NavigateComplete();  // caption; the address heads the list
  void cboAddress_Click();                // opens the box's text, unless the window is rewriting the list
  void cboAddress_KeyPress(int KeyAscii);  // Enter acts as a click
  void timTimer_Timer();                  // "Working..." while busy; else the page's name, and stops
  void tbToolBar_ButtonClick(const QString& Key);  // the button's key: "Back" ... "Close"

  QToolBar* tbToolBar = nullptr;  // buttons named by their keys
  QWidget* picAddress = nullptr;  // the strip holding the address row
  QLabel* lblAddress = nullptr;
  QComboBox* cboAddress = nullptr;  // editable; the visited addresses, newest first
  WebBrowser* brwWebBrowser = nullptr;
  QTimer* timTimer = nullptr;  // off until a request

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolBar();
  void ShowPageName();
  int Pixels(int twips) const;  // a length in twips on this window's screen

  bool DontNavigateNow = false;  // true while the window itself rewrites cboAddress's list
};

// Makes a new window, owned by owner when given (it closes with it), opens
// StartingAddress in it and returns at once. The window deletes itself when
// it closes.
frmBrowser* ShowBrowser(const String& StartingAddress, QWidget* owner = nullptr);

// The home page in a new window (ShowBrowser). When the page is missing from
// the application folder a message says so and no window opens.
void ShowHomePage(QWidget* owner);
String HomePageMissingText();  // that message

}  // namespace lintavo
