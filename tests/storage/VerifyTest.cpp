// Database kinds told by the tables a file holds.
#include <QFile>

#include "platform/Prompts.h"
#include "storage/TestDatabase.h"
#include "storage/Verify.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

class VerifyTest : public ProgramTest {
 protected:
  // A database file holding empty tables of those names; its path.
  String MakeDb(const String& name, std::initializer_list<const char*> tables) {
    const String path = ScratchPath(name);
    TestDatabase db(path, true);
    for (const char* table : tables) db.Exec("CREATE TABLE \"" + String(table) + "\" (ID INTEGER)");
    return path;
  }
};

TEST_F(VerifyTest, DrawingsDatabaseNeedsEveryTableOfItsKind) {
  const String noComponents = MakeDb("a_dwg.mdb", {"Drawing", "Objects", "Lines", "Points"});
  EXPECT_FALSE(VerifyDatabase(noComponents, DbKindDrawings));

  const String full = MakeDb("b_dwg.mdb", {"Drawing", "Objects", "Lines", "Points", "Components", "LinkTable"});
  EXPECT_TRUE(VerifyDatabase(full, DbKindDrawings));
  EXPECT_TRUE(VerifyDatabase(full, DbKindComponents));
  EXPECT_FALSE(VerifyDatabase(full, DbKindFonts));
  EXPECT_FALSE(VerifyDatabase(full, 4));
  EXPECT_EQ(DbTableCount, 6);

  const String components = MakeDb("c_dwg.mdb", {"LinkTable", "Components", "Lines", "Points"});
  EXPECT_FALSE(VerifyDatabase(components, DbKindDrawings));
  EXPECT_TRUE(VerifyDatabase(components, DbKindComponents));
}

TEST_F(VerifyTest, TableNamesCompareExactly) {
  const String path = MakeDb("d_dwg.mdb", {"Fonts", "lines", "Points"});
  EXPECT_FALSE(VerifyDatabase(path, DbKindFonts));
}

TEST_F(VerifyTest, ListHasRoomForAnyNumberOfTables) {
  const String path = ScratchPath("many.mdb");
  TestDatabase db(path, true);
  for (int i = 1; i <= 40; ++i) db.Exec("CREATE TABLE T" + std::to_string(i) + " (ID INTEGER)");
  DbError error;
  ASSERT_TRUE(ListDbTables(path, error));
  EXPECT_EQ(DbTableCount, 40);
  EXPECT_EQ(DbTableNames.size(), 41u);
}

TEST_F(VerifyTest, MissingOrEmptyFileIsNoDatabaseOfAnyKindWithoutAMessage) {
  EXPECT_FALSE(VerifyDatabase(ScratchPath("missing_dwg.mdb"), DbKindDrawings));
  QFile empty(QString::fromStdString(ScratchPath("empty_dwg.mdb")));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();
  EXPECT_FALSE(VerifyDatabase(ScratchPath("empty_dwg.mdb"), DbKindDrawings));
  EXPECT_TRUE(Responder().Prompts().empty());
}

TEST_F(VerifyTest, TextFileIsReportedAndIsNoDatabase) {
  QFile text(QString::fromStdString(ScratchPath("notes_dwg.mdb")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write(QByteArray(4096, 'x'));
  text.close();
  Responder().AnswerMsgBox(vbOK);
  EXPECT_FALSE(VerifyDatabase(ScratchPath("notes_dwg.mdb"), DbKindDrawings));
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].title, "Verify Database");
  EXPECT_EQ(Responder().Prompts()[0].text.substr(0, 7), "10002: ");
  EXPECT_EQ(DbTableCount, 0);
}

}  // namespace
}  // namespace lintavo
