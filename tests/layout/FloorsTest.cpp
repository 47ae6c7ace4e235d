// The floors of the source tree: scripts/check_floors.sh passes on src/ and
// fails, naming the line, on a tree where a file includes a floor above its own.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lintavo {
namespace {

const QString SourceRoot = QStringLiteral(LINTAVO_SOURCE_DIR);

struct CheckResult {
  int exitCode = -1;
  QString output;
};

CheckResult RunCheck(const QString& sourceDir) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("bash"), {SourceRoot + QStringLiteral("/scripts/check_floors.sh"), sourceDir});
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void WriteFile(const QDir& root, const QString& path, const QString& text) {
  root.mkpath(QFileInfo(root.filePath(path)).path());
  QFile file(root.filePath(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}

TEST(Floors, TheSourceTreeIncludesNoFloorAboveItsOwn) {
  const CheckResult result = RunCheck(SourceRoot + QStringLiteral("/src"));
  EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
}

// One tree per case: the including file, what it includes, and whether the
// check must refuse it.
TEST(Floors, AnIncludeOfAHigherFloorFailsAndNamesItsLine) {
  struct Case {
    const char* file;
    const char* include;
    bool refused;
  };
  const Case cases[] = {
      {"model/DataHand.cpp", "view/Zooms.h", true},          // the model reaching up into the view
      {"platform/Prompts.cpp", "app/AppInfo.h", true},       // the platform knowing the program
      {"view/Zooms.cpp", "commands/GripFrame.h", true},
      {"storage/SaveData.cpp", "organisation/Components.h", true},
      {"model/Top.cpp", "picking/Selection.h", true},
      {"commands/LineDraw.cpp", "view/Rubber.h", false},     // down is fine
      {"windows/main/frmDocument.cpp", "commands/LineDraw.h", false},  // windows stand on the top floor
      {"organisation/Layers.cpp", "model/DataHand.h", false},
      {"windows/main/Startup.cpp", "windows/file/frmDwgSave.h", false},  // one floor, two subfolders
      {"windows/help/frmAbout.cpp", "app/AppInfo.h", false},
      {"model/Top.cpp", "windows/main/frmDocument.h", true},  // a window is above every module
      {"app/Setings.cpp", "windows/main/frmMain.h", true},
      {"view/frmOld.cpp", "organisation/Layers.h", true},     // a window's name lifts no file up
      {"commands/Edits.cpp", "Edits.h", true},                 // an include without its folder
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " includes " + c.include);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir root(dir.path());
    WriteFile(root, QString::fromUtf8(c.include), QStringLiteral("#pragma once\n"));
    WriteFile(root, QString::fromUtf8(c.file),
              QStringLiteral("// a module\n#include <vector>\n\n#include \"%1\"\n").arg(QString::fromUtf8(c.include)));
    const CheckResult result = RunCheck(dir.path());
    if (c.refused) {
      EXPECT_EQ(result.exitCode, 1) << result.output.toStdString();
      EXPECT_TRUE(result.output.contains(QStringLiteral("%1:4:").arg(QString::fromUtf8(c.file))))
          << result.output.toStdString();
    } else {
      EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    }
  }
}

}  // namespace
}  // namespace lintavo
