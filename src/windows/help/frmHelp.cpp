// frmHelp: the help window over the program's compiled help collection.
#include "windows/help/frmHelp.h"

#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AppInfo.h"
#include "app/HelpCache.h"
#include "platform/Icons.h"
#include "platform/Services.h"
#include "platform/WindowPlace.h"

namespace lintavo {

const char* const NoHelpMessage =
    "Unable to display Help Contents. There is no Help associated with this project.";

namespace {
constexpr int WindowWidth = 980;   // pixels, at first showing
constexpr int WindowHeight = 680;
constexpr int TabsShare = 1;       // the tabs take one part of the width,
constexpr int PageShare = 3;       //   the page three
}  // namespace

// ---- The page view ------------------------------------------------------------------------

HelpBrowser::HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
  setObjectName(QStringLiteral("HelpPage"));
  setOpenLinks(true);
  setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() == QLatin1String("qthelp")) return engine_.fileData(name);
  return QTextBrowser::loadResource(type, name);
}

// ---- Opening the collection ---------------------------------------------------------------

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmHelp"));
  setAttribute(Qt::WA_DeleteOnClose);  // closed is gone: the next Help makes a new window
  setWindowTitle(QString::fromUtf8(AppTitle) + QStringLiteral(" Help"));
  setWindowIcon(ProgramIcon());
  resize(WindowWidth, WindowHeight);
  CentreOverOwner(*this);
}

HelpOpen frmHelp::Load(const String& CollectionFile, HelpError& Error) {
  Error = {};
  // The engine makes a new empty collection for a name that does not exist:
  // a missing file is asked about first.
  if (CollectionFile.empty() || !FileExists(CollectionFile)) return HelpOpen::NoHelp;
  const QString installed = QString::fromStdString(CollectionFile);
  // A file that is no help collection opens as one without documents.
  const QStringList helpFiles = ListedHelpFiles(installed);
  if (helpFiles.isEmpty()) return HelpOpen::NoHelp;
  for (const QString& file : helpFiles) {
    if (!QFileInfo::exists(file)) {
      Error = {HelpErrDocumentMissing, "The compiled help file " + file.toStdString() + " is missing."};
      return HelpOpen::Failed;
    }
  }
  // The copy in the user's cache, where the search index can be written.
  engine_ = new QHelpEngine(CachedHelpCollection(installed, helpFiles), this);
  engine_->setReadOnly(true);  // the collection is only read
  if (!engine_->setupData() || engine_->registeredDocumentations().isEmpty()) return HelpOpen::NoHelp;
  BuildWindow();
  return HelpOpen::Opened;
}

// ---- The window -------------------------------------------------------------------------------

void frmHelp::BuildWindow() {
  page_ = new HelpBrowser(*engine_, this);

  QHelpContentWidget* contents = engine_->contentWidget();
  contents->setObjectName(QStringLiteral("HelpContents"));
  connect(contents, &QHelpContentWidget::linkActivated, this, &frmHelp::OpenPage);
  // The first page of the contents opens with the window; the sections show their pages.
  connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
    contents->expandToDepth(0);
    const QModelIndex first = engine_->contentModel()->index(0, 0);
    if (page_->source().isEmpty() && first.isValid())
      if (QHelpContentItem* item = engine_->contentModel()->contentItemAt(first)) OpenPage(item->url());
  });

  auto* indexTab = new QWidget(this);
  indexFilter_ = new QLineEdit(indexTab);
  indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
  indexFilter_->setPlaceholderText(QStringLiteral("Type a word to find"));
  QHelpIndexWidget* index = engine_->indexWidget();
  index->setObjectName(QStringLiteral("HelpIndex"));
  connect(indexFilter_, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
  connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& document, const QString&) { OpenPage(document.url); });
  // A keyword on several pages opens the first of them.
  connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& documents, const QString&) {
    if (!documents.isEmpty()) OpenPage(documents.first().url);
  });
  auto* indexLayout = new QVBoxLayout(indexTab);
  indexLayout->setContentsMargins(0, 0, 0, 0);
  indexLayout->addWidget(indexFilter_);
  indexLayout->addWidget(index);

  auto* searchTab = new QWidget(this);
  QHelpSearchEngine* search = engine_->searchEngine();
  QHelpSearchQueryWidget* query = search->queryWidget();
  query->setObjectName(QStringLiteral("HelpSearchQuery"));
  QHelpSearchResultWidget* results = search->resultWidget();
  results->setObjectName(QStringLiteral("HelpSearchResults"));
  connect(query, &QHelpSearchQueryWidget::search, search, [search, query] { search->search(query->searchInput()); });
  connect(results, &QHelpSearchResultWidget::requestShowLink, this, &frmHelp::OpenPage);
  // No search while the index is being built: it would find what is indexed so far.
  connect(search, &QHelpSearchEngine::indexingStarted, query, [query] { query->setEnabled(false); });
  // A disabled box loses the keyboard focus: it gets it back with the search.
  connect(search, &QHelpSearchEngine::indexingFinished, query, [this, query] {
    query->setEnabled(true);
    FocusSearchBox();
  });
  auto* searchLayout = new QVBoxLayout(searchTab);
  searchLayout->setContentsMargins(0, 0, 0, 0);
  searchLayout->addWidget(query);
  searchLayout->addWidget(results, 1);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("HelpTabs"));
  // Tab order: that of HelpTab.
  tabs_->addTab(contents, QStringLiteral("&Contents"));
  tabs_->addTab(indexTab, QStringLiteral("&Index"));
  tabs_->addTab(searchTab, QStringLiteral("&Search"));
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == static_cast<int>(HelpTab::Search)) StartSearchIndex();
  });

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(tabs_);
  splitter->addWidget(page_);
  splitter->setStretchFactor(0, TabsShare);
  splitter->setStretchFactor(1, PageShare);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
}

void frmHelp::ShowAt(HelpTab Tab) {
  if (!tabs_) return;  // not loaded
  tabs_->setCurrentIndex(static_cast<int>(Tab));
  if (Tab == HelpTab::Search) StartSearchIndex();
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  switch (Tab) {
    case HelpTab::Contents: engine_->contentWidget()->setFocus(); break;
    case HelpTab::Index: indexFilter_->setFocus(); break;
    case HelpTab::Search: FocusSearchBox(); break;
  }
}

// The query widget is a frame around a line edit and a button, and passes
// no focus on: the focus goes to the line edit itself.
QWidget* frmHelp::SearchBox() const {
  QHelpSearchQueryWidget* query = engine_->searchEngine()->queryWidget();
  QLineEdit* box = query->findChild<QLineEdit*>();
  return box ? static_cast<QWidget*>(box) : query;
}

void frmHelp::FocusSearchBox() {
  if (CurrentTab() == HelpTab::Search) SearchBox()->setFocus();
}

HelpTab frmHelp::CurrentTab() const { return static_cast<HelpTab>(tabs_ ? tabs_->currentIndex() : 0); }

void frmHelp::OpenPage(const QUrl& url) {
  if (url.isValid()) page_->setSource(url);
}

// The full-text index is asked for once per window, when search is first
// wanted: building it reads every page, which most uses of the help need not.
void frmHelp::StartSearchIndex() {
  if (indexStarted_) return;
  indexStarted_ = true;
  engine_->searchEngine()->scheduleIndexDocumentation();
}

}  // namespace lintavo
