// frmHelp: the help window. It shows the program's compiled help (a Qt help
// collection in the application folder): a tab of contents, a tab of index
// keywords with a filter box, and a tab of full-text search, beside the page
// they open. The Help menu's three help items open it at one of the tabs; a
// window already open is brought forward and turned to the tab asked for.
//
// Sections:
//   Opening the collection
//   The window
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "platform/Types.h"

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace lintavo {

// The three ways into the help, one per Help menu item, in tab order.
enum class HelpTab { Contents = 0, Index = 1, Search = 2 };

// ---- Opening the collection ---------------------------------------------------------------

// Why a help collection could not be shown. NoHelp is the case the user is
// told "there is no Help": the file is missing, is no help collection, or
// lists no compiled help. Failed is reported with its number and description.
enum class HelpOpen { Opened, NoHelp, Failed };
constexpr Long HelpErrDocumentMissing = 1;  // a compiled help file the collection lists is not there

struct HelpError {
  Long Number = 0;  // 0: no error
  String Description;
};

// The help collection in the application folder; the compiled help it lists
// (Lintavo.qch) lies beside it. The window opens a copy of the collection in
// the user's cache folder (see HelpCache).
constexpr const char* HelpFileName = "Lintavo.qhc";

// The text shown when the program has no help.
extern const char* const NoHelpMessage;

// ---- The window -------------------------------------------------------------------------------

// The page view: reads the pages and pictures of qthelp:// addresses from the
// help engine, and everything else as a text browser does.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  HelpBrowser(QHelpEngine& engine, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QHelpEngine& engine_;
};

class frmHelp : public QWidget {
  Q_OBJECT
 public:
  explicit frmHelp(QWidget* parent = nullptr);

  // Opens the help collection at CollectionFile. On Failed, Error tells why.
  HelpOpen Load(const String& CollectionFile, HelpError& Error);

  // Shows the window (raised, active) at the tab asked for; the search tab
  // starts the full-text index on its first use.
  void ShowAt(HelpTab Tab);

  // What tests and the menu look at.
  HelpTab CurrentTab() const;
  QHelpEngine* Engine() const { return engine_; }
  HelpBrowser* Page() const { return page_; }
  QLineEdit* IndexFilter() const { return indexFilter_; }
  // The search tab's box for the words to find (inside the engine's query widget).
  QWidget* SearchBox() const;

 private:
  void BuildWindow();
  void OpenPage(const QUrl& url);
  void StartSearchIndex();
  void FocusSearchBox();  // when the search tab is the one shown

  QHelpEngine* engine_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
  HelpBrowser* page_ = nullptr;
  bool indexStarted_ = false;  // the full-text index was asked for
};

}  // namespace lintavo
