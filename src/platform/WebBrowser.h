// WebBrowser: the embedded web-page control, over Qt WebEngine (loaded as a
// module at the first control: WebPages.h).
//
// The program's web window talks to its page only through the calls and the
// two signals below, named as the window's code names them: navigate, back,
// forward, home, search, refresh, stop, busy, the page's name and address.
// Everything about Qt WebEngine stays in this module and its engine module.
// When the engine module cannot be loaded the control says so in place of
// the page and shows none.
//
// Busy runs from a request that starts a load until that load ends or Stop.
// A request that moves within the page (an address that differs only after
// "#") starts no load: it is idle again when the new address arrives.
//
// Qt WebEngine runs Chromium, which refuses to start as root with its
// sandbox on and needs OpenGL contexts shared before the application
// object exists: PrepareWebBrowser sets both up, once, before it.
//
// Sections:
//   Start-up
//   The control
#pragma once

#include <QWidget>
#include <memory>

#include "platform/Types.h"

namespace lintavo {

class WebPages;

// ---- Start-up --------------------------------------------------------------
// Call before the QApplication is made. Shares OpenGL contexts; run as root,
// turns Chromium's sandbox off (it cannot run there with it); on the
// off-screen platform, which has no OpenGL, draws pages in software.
// Settings already given in the environment are kept.
void PrepareWebBrowser();

// Whether the engine module has been loaded (by the first web-page control):
// until then no library of the engine is in the process.
bool WebEngineModuleLoaded();

// The file address ("file:///...") of a path on this system.
String FileAddress(const String& path);

// ---- The control -----------------------------------------------------------
class WebBrowser : public QWidget {
  Q_OBJECT
 public:
  explicit WebBrowser(QWidget* parent = nullptr);
  ~WebBrowser() override;

  // Opens an address: a web or file address, or a path (taken as a file).
  void Navigate(const String& address);
  void GoBack();     // the previous page of this control's history; nothing at the first
  void GoForward();  // the next page; nothing at the last
  void GoHome();     // the home page (SetHomePage); nothing when none is set
  void GoSearch();   // the search page (SetSearchPage); nothing when none is set
  void Refresh();    // loads the page again; nothing before the first page
  void Stop();       // stops loading; idle at once

  void SetHomePage(const String& address) { homePage_ = address; }
  void SetSearchPage(const String& address) { searchPage_ = address; }

  bool Busy() const { return state_ != LoadState::Idle; }
  String LocationName() const;  // the page's title; its address when it has none; "" before a page
  String LocationURL() const;   // the address shown; "" before a page

 signals:
  void NavigateComplete();  // a new address is shown (its page may still be loading)
  void DownloadComplete();  // a load ended: finished, failed or stopped

 private:
  enum class LoadState {
    Idle,       // nothing asked for or loading
    Requested,  // a load was asked for and has not started yet
    Loading,    // a load has started and not ended
  };
  void Request();  // a load was asked for
  void OnLoadStarted();
  void OnUrlChanged();
  void OnLoadFinished();

  std::unique_ptr<WebPages> pages_;  // null when the engine module could not be loaded
  LoadState state_ = LoadState::Idle;
  String homePage_;    // "" none
  String searchPage_;  // "" none
};

}  // namespace lintavo
