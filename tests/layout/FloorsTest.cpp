// The floors of the source tree: scripts/check_floors.sh passes on src/ and
// fails, naming the line, on a tree where a file includes a floor above its
// own, and, naming both includes, where two modules include each other's
// headers without their pair in its list of known circles.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace lintavo {
namespace {

const QString SourceRoot = QStringLiteral(LINTAVO_SOURCE_DIR);

struct CheckResult {
  int exitCode = -1;
  QString output;
};

// The check run on sourceDir, with the list of known circles beside the
// script or, when given, knownCircles.
CheckResult RunCheck(const QString& sourceDir, const QString& knownCircles = QString()) {
  QStringList arguments{SourceRoot + QStringLiteral("/scripts/check_floors.sh"), sourceDir};
  if (!knownCircles.isEmpty()) arguments << knownCircles;
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("bash"), arguments);
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void WriteFile(const QDir& root, const QString& path, const QString& text) {
  root.mkpath(QFileInfo(root.filePath(path)).path());
  QFile file(root.filePath(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}

// A file of the tree whose line 4 includes the header include.
void WriteIncluding(const QDir& root, const QString& path, const char* include) {
  WriteFile(root, path,
            QStringLiteral("// a module\n#include <vector>\n\n#include \"%1\"\n").arg(QString::fromUtf8(include)));
}

TEST(Floors, TheSourceTreeIncludesNoFloorAboveItsOwnAndNoUnlistedCircle) {
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
    WriteIncluding(root, QString::fromUtf8(c.file), c.include);
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

// One tree per case: its files, each with the one header it includes, the
// list of known circles, and what the check must say (nothing: it passes).
TEST(Floors, TwoModulesIncludingEachOthersHeadersFailUnlessListedAndAListedPairMustStillCircle) {
  struct Include {
    const char* file;
    const char* header;
  };
  struct Case {
    const char* name;
    std::vector<Include> files;
    const char* known;   // the list's text
    const char* said;    // in the output when refused; nullptr: the check passes
  };
  const Case cases[] = {
      {"two sources", {{"model/A.cpp", "model/B.h"}, {"model/B.cpp", "model/A.h"}}, "",
       "model/A.cpp:4 includes \"model/B.h\" and model/B.cpp:4 includes \"model/A.h\": a circle of includes "
       "between model/A and model/B"},
      {"a header and a source", {{"view/A.h", "view/B.h"}, {"view/B.cpp", "view/A.h"}}, "",
       "view/A.h:4 includes \"view/B.h\" and view/B.cpp:4 includes \"view/A.h\""},
      {"windows of two menus", {{"windows/file/frmA.cpp", "windows/main/frmB.h"},
                                {"windows/main/frmB.cpp", "windows/file/frmA.h"}}, "",
       "a circle of includes between windows/file/frmA and windows/main/frmB"},
      {"one way down, a source including its own header",
       {{"model/A.cpp", "model/A.h"}, {"model/A.h", "platform/C.h"}, {"model/B.cpp", "model/A.h"},
        {"model/B.h", "model/A.h"}}, "", nullptr},
      {"a listed circle", {{"model/A.cpp", "model/B.h"}, {"model/B.cpp", "model/A.h"}},
       "# known\nmodel/B model/A\n", nullptr},
      {"a listed pair that no longer circles", {{"model/A.cpp", "model/B.h"}, {"model/B.cpp", "platform/C.h"}},
       "model/B model/A\n", "model/A and model/B no longer include each other"},
      {"a listed pair whose modules are gone", {{"model/A.cpp", "model/A.h"}}, "model/X model/Y\n", nullptr},
      {"a line of the list that is no pair", {{"model/A.cpp", "model/A.h"}}, "model/X\n", "is no pair of modules"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir root(dir.path());
    for (const Include& include : c.files) WriteIncluding(root, QStringLiteral("src/") + QString::fromUtf8(include.file), include.header);
    WriteFile(root, QStringLiteral("known.txt"), QString::fromUtf8(c.known));
    const CheckResult result = RunCheck(root.filePath(QStringLiteral("src")), root.filePath(QStringLiteral("known.txt")));
    if (c.said) {
      EXPECT_EQ(result.exitCode, 1) << result.output.toStdString();
      EXPECT_TRUE(result.output.contains(QString::fromUtf8(c.said))) << result.output.toStdString();
    } else {
      EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    }
  }
}

}  // namespace
}  // namespace lintavo
