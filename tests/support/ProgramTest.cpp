// ProgramTest: building and removing a test's application folder and scopes.
#include "support/ProgramTest.h"

#include <QDir>
#include <QFileInfo>

#include "model/ProgramState.h"
#include "platform/Prompts.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

namespace lintavo {
namespace {

// Copies a folder tree, leaving out programs; false when a copy fails.
bool CopyFolder(const QString& from, const QString& to) {
  if (!QDir().mkpath(to)) return false;
  const QFileInfoList entries =
      QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
  for (const QFileInfo& entry : entries) {
    const QString target = to + u'/' + entry.fileName();
    if (entry.isDir()) {
      if (!CopyFolder(entry.filePath(), target)) return false;
    } else if (!entry.isExecutable() && !QFile::copy(entry.filePath(), target)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void ProgramTest::SetUp() {
  ASSERT_TRUE(folder_.isValid()) << "cannot make a temporary folder";
  const QString templateFolder = qEnvironmentVariable("LINTAVO_APP_TEMPLATE");
  ASSERT_FALSE(templateFolder.isEmpty())
      << "LINTAVO_APP_TEMPLATE must name the build's application folder (ctest sets it)";
  ASSERT_TRUE(CopyFolder(templateFolder, QString::fromStdString(AppFolder())))
      << "cannot copy the application folder " << templateFolder.toStdString();

  SetAppPath(AppFolder());
  SetSettingsScope(ScratchPath("settings.ini"));
  SetUserCachePath(ScratchPath("cache"));
  SetPromptResponder(&responder_);
  ResetProgramState();
}

void ProgramTest::TearDown() {
  if (!previousFolder_.isEmpty()) QDir::setCurrent(previousFolder_);
  ResetProgramState();
  responder_.ExpectAllAnswersUsed();
  SetPromptResponder(nullptr);
  SetSettingsScope("");
  SetUserCachePath("");
  SetAppPath("");
}

String ProgramTest::AppFolder() const { return ScratchPath("app"); }

String ProgramTest::ScratchPath(const String& name) const {
  return folder_.filePath(QString::fromStdString(name)).toStdString();
}

void ProgramTest::WorkInScratchFolder() {
  if (previousFolder_.isEmpty()) previousFolder_ = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder_.path()));
}

}  // namespace lintavo
