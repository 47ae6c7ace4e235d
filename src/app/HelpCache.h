// HelpCache: the help collection the help window opens.
//
// The help engine keeps its full-text search index in a folder beside the
// collection it opens, and the application folder may be read-only. So the
// window opens a copy of the installed collection kept in the program's cache
// folder for this user, where the index can be written. The copy lists the
// compiled help files by their paths in the application folder; it is made
// again when it is missing or when the installed collection or a compiled
// help file it lists changed (the search index then starts afresh).
#pragma once

#include <QString>
#include <QStringList>

namespace lintavo {

// The compiled help files the collection lists, by absolute path, without
// writing to it; empty when the file is no help collection or lists none.
QStringList ListedHelpFiles(const QString& collection);

// The collection to open for the installed one, which lists helpFiles (all
// present): the copy in the cache folder, or the installed collection itself
// when no copy can be made there (the help then shows, but search may find
// nothing).
QString CachedHelpCollection(const QString& installed, const QStringList& helpFiles);

}  // namespace lintavo
