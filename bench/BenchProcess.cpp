// BenchProcess: the support databases copied, and the prompts answered.
#include "BenchProcess.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace lintavo {

bool CopySupportFolder(const QString& folder) {
  QDir source(QStringLiteral(LINTAVO_BUILD_APP_DIR "/Support"));
  if (!QDir(folder).mkpath(QStringLiteral("Support"))) return false;
  for (const QString& name : source.entryList(QDir::Files))
    if (!QFile::copy(source.filePath(name), folder + "/Support/" + name)) return false;
  return true;
}

int AnsweringResponder::MessageBox(const MessageBoxPrompt& prompt) {
  std::fprintf(stderr, "message box \"%s\": %s\n", prompt.title.c_str(), prompt.prompt.c_str());
  return MsgBoxSafeAnswer(prompt.buttons);
}

}  // namespace lintavo
