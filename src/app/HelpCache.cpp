// HelpCache: listing the compiled help, and making and checking the copy.
#include "app/HelpCache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>

#include "platform/Services.h"

namespace lintavo {

namespace {

const QString CacheSubfolder = QStringLiteral("help");
const QString SourceSuffix = QStringLiteral(".source");  // beside the copy: what it was made from

// The files the copy is made from, each by path, size and time of change:
// the copy is current while this is what it records.
QByteArray SourceStamp(const QString& installed, const QStringList& helpFiles) {
  QByteArray stamp;
  for (const QString& path : QStringList{installed} + helpFiles) {
    const QFileInfo file(path);
    stamp += file.absoluteFilePath().toUtf8() + '\t' + QByteArray::number(file.size()) + '\t' +
             QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
  }
  return stamp;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

// The collection copied lists its compiled help by path relative to its own
// folder, which is no longer the application folder: each is listed again by
// its path there.
bool ListByInstalledPath(const QString& copy, const QStringList& helpFiles) {
  QHelpEngineCore engine(copy);
  engine.setReadOnly(false);
  if (!engine.setupData()) return false;
  for (const QString& name : engine.registeredDocumentations())
    if (!engine.unregisterDocumentation(name)) return false;
  for (const QString& file : helpFiles)
    if (!engine.registerDocumentation(file)) return false;
  return true;
}

// A fresh copy in folder: the folder's old copy and search index go first.
bool MakeCopy(const QString& installed, const QStringList& helpFiles, const QString& copy) {
  QDir folder(QFileInfo(copy).path());
  if (!folder.removeRecursively() || !folder.mkpath(QStringLiteral("."))) return false;
  if (!QFile::copy(installed, copy)) return false;
  // An installed file may be read-only; the copy is the user's own.
  QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return ListByInstalledPath(copy, helpFiles);
}

}  // namespace

QStringList ListedHelpFiles(const QString& collection) {
  QHelpEngineCore engine(collection);
  engine.setReadOnly(true);  // the application folder is only read
  QStringList files;
  if (!engine.setupData()) return files;
  for (const QString& name : engine.registeredDocumentations())
    files << QFileInfo(engine.documentationFileName(name)).absoluteFilePath();
  return files;
}

QString CachedHelpCollection(const QString& installed, const QStringList& helpFiles) {
  const String cache = UserCachePath();
  if (cache.empty()) return installed;
  const QString copy = QString::fromStdString(cache) + u'/' + CacheSubfolder + u'/' + QFileInfo(installed).fileName();
  const QByteArray stamp = SourceStamp(installed, helpFiles);
  if (QFileInfo(copy).isFile() && ReadFile(copy + SourceSuffix) == stamp) return copy;
  if (!MakeCopy(installed, helpFiles, copy)) return installed;
  WriteFile(copy + SourceSuffix, stamp);  // unwritten, the next opening makes the copy again
  return copy;
}

}  // namespace lintavo
