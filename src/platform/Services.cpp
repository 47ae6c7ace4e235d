// Services: application folder, path joining, file tests, the temporary
// folder, the login name and the user's cache folder.
#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <pwd.h>
#include <unistd.h>

namespace lintavo {
namespace {

String AppPathOverride;  // "" the program's folder; otherwise the folder SetAppPath gave
String CachePathOverride;  // "" the user's cache folder; otherwise the folder SetUserCachePath gave

QString Q(const String& text) { return QString::fromStdString(text); }

}  // namespace

// ---- Application folder ----------------------------------------------------

String AppPath() {
  if (!AppPathOverride.empty()) return AppPathOverride;
  return QCoreApplication::applicationDirPath().toStdString();
}

void SetAppPath(const String& path) {
  AppPathOverride = path.empty() ? String() : QDir::cleanPath(Q(path)).toStdString();
}

// ---- File names ------------------------------------------------------------

String JoinPath(const String& folder, const String& name) {
  if (QDir::isAbsolutePath(Q(name))) return name;
  const QString relative = Q(name).replace(u'\\', u'/');
  if (relative.isEmpty()) return folder;
  if (folder.empty()) return QDir::cleanPath(relative).toStdString();
  return QDir::cleanPath(Q(folder) + u'/' + relative).toStdString();
}

String AppFilePath(const String& name) { return JoinPath(AppPath(), name); }

bool FileExists(const String& path) { return !path.empty() && QFileInfo(Q(path)).isFile(); }

String TempFilePath(const String& fileName) {
  static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/Lintavo-XXXXXX"));
  if (!folder.isValid()) return String();
  // Only the name counts: a temporary file never lands outside the folder.
  return folder.filePath(QFileInfo(Q(fileName).replace(u'\\', u'/')).fileName()).toStdString();
}

// ---- The user --------------------------------------------------------------

String UserLoginName() {
  if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) return entry->pw_name;
  for (const char* variable : {"USER", "LOGNAME"}) {
    const QString name = qEnvironmentVariable(variable);
    if (!name.isEmpty()) return name.toStdString();
  }
  return String();
}

String UserCachePath() {
  if (!CachePathOverride.empty()) return CachePathOverride;
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString();
}

void SetUserCachePath(const String& path) {
  CachePathOverride = path.empty() ? String() : QDir::cleanPath(Q(path)).toStdString();
}

}  // namespace lintavo
