// The program's help: the Help menu's three help items open the help window
// at its contents, index and search; the compiled help holds the pages, the
// keywords and the full-text index; a missing or broken help is reported;
// and the pages describe every menu item and tool-bar button.
#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResult>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "windows/help/frmHelp.h"
#include "app/RtfReader.h"
#include "windows/main/frmMain.h"
#include "platform/Prompts.h"
#include "support/EventWait.h"
#include "support/MainWindowFixture.h"

namespace lintavo {
namespace {

constexpr int WaitLimitMs = 60000;  // a bound on waiting for the help engine's work, not a speed test

bool WaitUntil(const std::function<bool()>& done) { return RunEventsUntil(done, WaitLimitMs); }

class HelpTest : public MainWindowFixture {
 protected:
  frmHelp* Help() const { return main_->findChild<frmHelp*>(); }
  QString HelpFile(const char* name) const { return QString::fromStdString(AppFolder()) + "/" + name; }

  // The help window opened at its contents, with the first page shown.
  frmHelp* OpenContents() {
    Choose("mnuHelpContents");
    frmHelp* help = Help();
    if (!help) return nullptr;
    QHelpContentModel* contents = help->Engine()->contentModel();
    const bool ready = WaitUntil([&] {
      return !contents->isCreatingContents() && contents->rowCount() > 0 && !help->Page()->source().isEmpty();
    });
    return ready ? help : nullptr;
  }

  // Help, Search: the full-text index is built, and a word on one page only
  // finds that page.
  void SearchFindsTheOnePageOfAWord() {
    Choose("mnuHelpSearch");
    frmHelp* help = Help();
    ASSERT_NE(help, nullptr);
    QHelpSearchEngine* search = help->Engine()->searchEngine();
    bool indexed = false;
    QObject::connect(search, &QHelpSearchEngine::indexingFinished, help, [&] { indexed = true; });
    ASSERT_TRUE(WaitUntil([&] { return indexed; })) << "the search tab builds the full-text index";

    int found = -1;
    QObject::connect(search, &QHelpSearchEngine::searchingFinished, help, [&](int hits) { found = hits; });
    QHelpSearchQueryWidget* query = search->queryWidget();
    EXPECT_TRUE(query->isEnabled());
    query->setSearchInput("parallelogram");
    QPushButton* searchButton = query->findChild<QPushButton*>();
    ASSERT_NE(searchButton, nullptr);
    searchButton->click();
    ASSERT_TRUE(WaitUntil([&] { return found >= 0; }));
    ASSERT_EQ(found, 1);
    const QList<QHelpSearchResult> results = search->searchResults(0, found);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results.first().url().fileName(), "menu-draw.html");
  }
};

// ---- Opening -------------------------------------------------------------------------------

TEST_F(HelpTest, EachHelpItemOpensTheOneHelpWindowAtItsTab) {
  const std::pair<std::function<void()>, HelpTab> ways[] = {
      {[this] { Choose("mnuHelpIndex"); }, HelpTab::Index},
      {[this] { Choose("mnuHelpContents"); }, HelpTab::Contents},
      {[this] { Choose("mnuHelpSearch"); }, HelpTab::Search},
      {[this] { main_->BarButton(main_->tbToolBar, "Help")->trigger(); }, HelpTab::Index},
  };
  frmHelp* first = nullptr;
  for (const auto& [open, tab] : ways) {
    open();
    frmHelp* help = Help();
    ASSERT_NE(help, nullptr);
    if (!first) first = help;
    EXPECT_EQ(help, first) << "the open window is reused";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentTab(), tab);
  }
  EXPECT_EQ(main_->findChildren<frmHelp*>().size(), 1);
  EXPECT_TRUE(Responder().Prompts().empty());
}

// Help, Search opens with the keyboard in the search box, also once the
// full-text index it starts is built (the box is disabled meanwhile).
TEST_F(HelpTest, HelpSearchPutsTheKeyboardInTheSearchBox) {
  Choose("mnuHelpSearch");
  frmHelp* help = Help();
  ASSERT_NE(help, nullptr);
  QHelpSearchEngine* search = help->Engine()->searchEngine();
  QLineEdit* box = search->queryWidget()->findChild<QLineEdit*>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(help->SearchBox(), box);
  bool indexed = false;
  QObject::connect(search, &QHelpSearchEngine::indexingFinished, help, [&] { indexed = true; });
  ASSERT_TRUE(WaitUntil([&] { return indexed; }));
  EXPECT_EQ(help->focusWidget(), box);
  // Typed words go into it.
  help->activateWindow();
  QKeyEvent key(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier, "w");
  QCoreApplication::sendEvent(help->focusWidget(), &key);
  EXPECT_EQ(box->text(), "w");
}

TEST_F(HelpTest, AClosedHelpWindowIsMadeAgainByTheNextHelp) {
  Choose("mnuHelpContents");
  ASSERT_NE(Help(), nullptr);
  Help()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Help(), nullptr);
  Choose("mnuHelpSearch");
  ASSERT_NE(Help(), nullptr);
  EXPECT_EQ(Help()->CurrentTab(), HelpTab::Search);
}

// ---- Contents, index and search ---------------------------------------------------------------

TEST_F(HelpTest, TheContentsHoldTheSectionsAndTheFirstPageIsShown) {
  frmHelp* help = OpenContents();
  ASSERT_NE(help, nullptr);
  QHelpContentModel* contents = help->Engine()->contentModel();
  const QModelIndex top = contents->index(0, 0);
  EXPECT_EQ(contents->data(top, Qt::DisplayRole).toString(), "Lintavo Help");
  QStringList sections;
  for (int row = 0; row < contents->rowCount(top); ++row)
    sections << contents->data(contents->index(row, 0, top), Qt::DisplayRole).toString();
  EXPECT_EQ(sections, QStringList({"Getting started", "Menus", "Tool bars", "Dialogs"}));
  EXPECT_TRUE(help->Page()->source().toString().endsWith("/index.html")) << help->Page()->source().toString().toStdString();
  EXPECT_TRUE(help->Page()->toPlainText().contains("two-dimensional drafting program"));
}

TEST_F(HelpTest, TheIndexFindsACommandAndOpensItsPage) {
  Choose("mnuHelpIndex");
  frmHelp* help = Help();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return !help->Engine()->indexModel()->isCreatingIndex() &&
                                     help->Engine()->indexModel()->rowCount() > 0; }));
  help->IndexFilter()->setText("Corner Fillet");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(help->IndexFilter(), &enter);
  const QUrl shown = help->Page()->source();
  EXPECT_EQ(shown.fileName(), "menu-modify.html");
  EXPECT_EQ(shown.fragment(), "mnuTrimsFIllet");
  EXPECT_TRUE(help->Page()->toPlainText().contains("rounded by an arc of the fillet radius"));
}

TEST_F(HelpTest, FullTextSearchFindsTheOnePageThatHoldsAWord) { SearchFindsTheOnePageOfAWord(); }

// What lies under a folder, hidden entries too: each path with its size and
// time of change, so that a file written in place shows as well as a new one.
QStringList FolderState(const QString& folder) {
  QStringList state;
  QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
  while (entries.hasNext()) {
    const QFileInfo entry = entries.nextFileInfo();
    state << entry.filePath() + ' ' + QString::number(entry.size()) + ' ' +
                 QString::number(entry.lastModified().toMSecsSinceEpoch());
  }
  state.sort();
  return state;
}

// Takes the write permissions off a folder and its files while it lives.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& folder) {
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) Restrict(entries.next());
    Restrict(folder);  // the folder last: its files could not be changed after
  }
  ~ReadOnlyFolder() {
    for (auto entry = saved_.rbegin(); entry != saved_.rend(); ++entry) QFile::setPermissions(entry->first, entry->second);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  void Restrict(const QString& path) {
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    saved_.emplace_back(path, permissions);
    QFile::setPermissions(path, permissions & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                QFileDevice::WriteGroup | QFileDevice::WriteOther));
  }
  std::vector<std::pair<QString, QFileDevice::Permissions>> saved_;
};

// An installed program's folder may not be written: the help keeps what it
// makes elsewhere. (Run as root the folder could still be written, so what
// is checked is that nothing there changed.)
TEST_F(HelpTest, SearchWorksOnAReadOnlyApplicationFolderAndWritesNothingThere) {
  const QString app = QString::fromStdString(AppFolder());
  const QStringList before = FolderState(app);
  {
    const ReadOnlyFolder readOnly(app);
    SearchFindsTheOnePageOfAWord();
    ASSERT_NE(Help(), nullptr);
    EXPECT_FALSE(Help()->Engine()->collectionFile().startsWith(app + '/'));
  }
  EXPECT_EQ(FolderState(app), before);
}

// The copy the help opens is made again when the installed collection changed.
TEST_F(HelpTest, AChangedInstalledCollectionReplacesTheUsersCopy) {
  ASSERT_NE(OpenContents(), nullptr);
  const QString copy = Help()->Engine()->collectionFile();
  Help()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(Help(), nullptr);
  {
    QFile spoiled(copy);
    ASSERT_TRUE(spoiled.open(QIODevice::WriteOnly | QIODevice::Truncate));
    spoiled.write("not the collection any more");
  }
  QFile installed(HelpFile("Lintavo.qhc"));
  ASSERT_TRUE(installed.open(QIODevice::ReadWrite));
  ASSERT_TRUE(installed.setFileTime(installed.fileTime(QFileDevice::FileModificationTime).addSecs(60),
                                    QFileDevice::FileModificationTime));
  installed.close();

  frmHelp* help = OpenContents();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->Engine()->collectionFile(), copy);
  EXPECT_TRUE(help->Page()->toPlainText().contains("two-dimensional drafting program"));
  EXPECT_TRUE(Responder().Prompts().empty());
}

// ---- Missing or broken help --------------------------------------------------------------------

TEST_F(HelpTest, MissingOrBrokenHelpIsReportedAndOpensNoWindow) {
  struct Case {
    const char* what;
    std::function<void()> spoil;
    String message;
    int style;
  };
  const String missingQch = "The compiled help file " + AppFolder() + "/Lintavo.qch is missing.";
  const Case cases[] = {
      {"no collection", [this] { QFile::remove(HelpFile("Lintavo.qhc")); }, NoHelpMessage, vbOKOnly},
      {"a collection that is no help collection",
       [this] {
         QFile file(HelpFile("Lintavo.qhc"));
         ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
         file.write("this is not a help collection");
       },
       NoHelpMessage, vbOKOnly},
      {"no compiled help beside the collection", [this] { QFile::remove(HelpFile("Lintavo.qch")); },
       "Error " + std::to_string(HelpErrDocumentMissing) + ": " + missingQch, vbExclamation},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Each case starts from the built help.
    const QString built = QString::fromUtf8(qgetenv("LINTAVO_APP_TEMPLATE"));
    const QString from = built.isEmpty() ? QString(LINTAVO_BUILD_APP_DIR) : built;
    for (const char* name : {"Lintavo.qhc", "Lintavo.qch"}) {
      QFile::remove(HelpFile(name));
      ASSERT_TRUE(QFile::copy(from + "/" + name, HelpFile(name)));
    }
    c.spoil();
    Responder().AnswerMsgBox(vbOK);
    const size_t before = Responder().Prompts().size();
    Choose("mnuHelpContents");
    ASSERT_EQ(Responder().Prompts().size(), before + 1);
    EXPECT_EQ(Responder().Prompts().back().text, c.message);
    EXPECT_EQ(Responder().Prompts().back().style, c.style);
    EXPECT_EQ(Help(), nullptr);
  }
}

// ---- Every command is described --------------------------------------------------------------

// The entries the pages describe: the terms of their lists and the tool tips
// of their button tables, as plain text.
QSet<QString> DescribedEntries() {
  QSet<QString> entries;
  const QDir pages(QStringLiteral(LINTAVO_SOURCE_DIR "/help"));
  static const QRegularExpression term(QStringLiteral("<dt[^>]*>(.*?)</dt>"));
  static const QRegularExpression tip(QStringLiteral("<tr id=\"[^\"]*\"><td><b>.*?</b></td><td>(.*?)</td>"));
  for (const QString& name : pages.entryList({QStringLiteral("*.html")})) {
    QFile file(pages.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString page = QString::fromUtf8(file.readAll());
    for (const QRegularExpression* pattern : {&term, &tip})
      for (const QRegularExpressionMatch& m : pattern->globalMatch(page))
        entries.insert(QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText().trimmed());
  }
  return entries;
}

// A menu caption as the menu shows it: "&&" is an ampersand, "&" before a
// letter marks the access key.
QString ShownCaption(QString caption) {
  static const QRegularExpression accessKey(QStringLiteral("&(?=[A-Za-z0-9])"));
  caption.replace(accessKey, QString());
  return caption.replace(QStringLiteral("&&"), QStringLiteral("&")).trimmed();
}

TEST_F(HelpTest, EveryMenuItemAndButtonHasItsEntryInTheHelp) {
  const QSet<QString> described = DescribedEntries();
  ASSERT_GT(described.size(), 200);
  int checked = 0;
  for (QMenu* menu : main_->menuBar()->findChildren<QMenu*>()) {
    for (QAction* item : menu->actions()) {
      // Separators, the hidden recent-file items and the Window menu's list of drawings are no commands.
      if (item->isSeparator() || !item->isVisible() || item->objectName().isEmpty()) continue;
      EXPECT_TRUE(described.contains(ShownCaption(item->text())))
          << item->objectName().toStdString() << " \"" << item->text().toStdString() << "\"";
      ++checked;
    }
  }
  for (QToolBar* bar : {main_->tbToolBar, main_->tbTextbar, main_->Toolbar1, main_->Toolbar2})
    for (QAction* button : bar->actions()) {
      if (button->isSeparator() || button->objectName().isEmpty()) continue;
      EXPECT_TRUE(described.contains(button->toolTip())) << button->objectName().toStdString();
      ++checked;
    }
  EXPECT_GT(checked, 240);
}


// ---- Menu paths the texts name ----------------------------------------------------------------

// Every menu path the menus hold, as "Menu, Item" and "Menu, Submenu, Item",
// in the captions as shown without a trailing "...". An item under a heading
// (a disabled item that titles the items after it up to the next separator)
// is also reached as "Menu, Heading, Item", as the texts write it.
void CollectMenuPaths(const QMenu& menu, const QString& prefix, QSet<QString>& paths) {
  QString heading;
  for (QAction* item : menu.actions()) {
    if (item->isSeparator()) {
      heading.clear();
      continue;
    }
    if (!item->isVisible() || item->objectName().isEmpty()) continue;
    QString caption = ShownCaption(item->text());
    if (caption.endsWith(QStringLiteral("..."))) caption.chop(3);
    const QString path = prefix + ", " + caption;
    paths.insert(path);
    if (!heading.isEmpty()) paths.insert(prefix + ", " + heading + ", " + caption);
    if (item->menu()) CollectMenuPaths(*item->menu(), path, paths);
    if (!item->isEnabled() && !item->menu()) heading = caption;
  }
}

// The texts of the program that name menu paths, as plain text: the help
// pages, the tips, the introduction and the home page (which writes
// "Menu > Item" where the others write "Menu, Item").
std::vector<std::pair<QString, QString>> TextsNamingMenus() {
  std::vector<std::pair<QString, QString>> texts;
  const auto read = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  const QDir pages(QStringLiteral(LINTAVO_SOURCE_DIR "/help"));
  for (const QString& name : pages.entryList({QStringLiteral("*.html")}))
    texts.emplace_back(name, QTextDocumentFragment::fromHtml(QString::fromUtf8(read(pages.filePath(name)))).toPlainText());
  const QString support = QStringLiteral(LINTAVO_SOURCE_DIR "/support/");
  texts.emplace_back("TIPOFDAY.TXT", QString::fromUtf8(read(support + "TIPOFDAY.TXT")));
  QTextDocument intro;
  EXPECT_TRUE(ReadRtf(read(support + "introQZX.rtf"), intro));
  texts.emplace_back("introQZX.rtf", intro.toPlainText());
  texts.emplace_back("home.html",
                     QTextDocumentFragment::fromHtml(QString::fromUtf8(read(support + "home.html"))).toPlainText());
  return texts;
}

// The paths a text names, its parts joined by separator: from each menu
// title, the longest menu path the text goes on with. A path counts as named
// in full when the text after it goes on with no letter, and no further
// capitalised word that could still belong to an item's caption; otherwise
// the text names a path the menus lack, reported with what follows it.
// A title that ends a longer caption ("Snap Cursor Display, Real Cursor",
// "Show/Edit, Layers") or stands in a list of words ("File, Edit, Select",
// "Drawing, Display, Text") begins no path.
QStringList MissingMenuPaths(const QString& text, const QString& separator, const QStringList& titles,
                             const QSet<QString>& paths) {
  QStringList missing;
  const QString anyTitle = "(" + titles.join('|') + ")";
  const QRegularExpression start("(?<![A-Za-z/])" + anyTitle + QRegularExpression::escape(separator) + "(?=[A-Z])");
  const QRegularExpression captionBefore(QStringLiteral("[A-Z][A-Za-z]*[ /]$"));
  const QRegularExpression titleNext("^" + anyTitle + "(?![A-Za-z])");
  const QRegularExpression listBefore(QStringLiteral("[A-Za-z], $"));
  for (const QRegularExpressionMatch& m : start.globalMatch(text)) {
    const QString before = text.left(m.capturedStart());
    const QString rest = text.mid(m.capturedStart());
    if (captionBefore.match(before).hasMatch()) continue;
    if (separator == ", " && listBefore.match(before).hasMatch()) continue;
    if (titleNext.match(rest.mid(m.capturedLength())).hasMatch()) continue;
    int longest = 0;
    for (QString path : paths) {
      path.replace(QStringLiteral(", "), separator);
      if (path.size() > longest && rest.startsWith(path) &&
          (rest.size() == path.size() || !rest.at(path.size()).isLetterOrNumber()))
        longest = static_cast<int>(path.size());
    }
    const QString after = rest.mid(longest);
    const bool moreCaption = after.size() > 1 && after.at(0) == ' ' && after.at(1).isUpper();
    if (longest == 0 || moreCaption) missing << rest.left(longest + 24).simplified();
  }
  return missing;
}

TEST_F(HelpTest, EveryMenuPathTheHelpTheTipsAndTheIntroductionNameExists) {
  QSet<QString> paths;
  QStringList titles;
  for (QAction* bar : main_->menuBar()->actions()) {
    if (!bar->menu()) continue;
    const QString title = ShownCaption(bar->text());
    titles << title;
    CollectMenuPaths(*bar->menu(), title, paths);
  }
  ASSERT_TRUE(paths.contains("View, Zoom, Previous"));
  ASSERT_TRUE(paths.contains("Modify, Snap To, Middle"));  // under a heading
  ASSERT_TRUE(paths.contains("File, Print"));               // "Print..." as the texts write it
  int named = 0;
  for (const auto& [name, text] : TextsNamingMenus()) {
    EXPECT_FALSE(text.isEmpty()) << name.toStdString();
    const QString separator = name == "home.html" ? QStringLiteral(" > ") : QStringLiteral(", ");
    const QStringList missing = MissingMenuPaths(text, separator, titles, paths);
    EXPECT_TRUE(missing.isEmpty()) << name.toStdString() << " names " << missing.join(" | ").toStdString();
    named += static_cast<int>(QRegularExpression("(" + titles.join('|') + ")" + separator).globalMatch(text).hasNext());
  }
  EXPECT_GT(named, 20);  // texts that name paths were read
}

}  // namespace
}  // namespace lintavo
