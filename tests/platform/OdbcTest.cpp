// Odbc: a real data source through the driver manager, over an SQLite file
// with Debian's SQLite ODBC driver, configured in the test's own ODBC folder.
#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

#include "platform/Odbc.h"
#include "storage/TestDatabase.h"
#include "support/OdbcConfig.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

constexpr const char* SourceName = "Lintavo Test";

// The driver manager reads its configuration folder once per process, at
// the first ODBC call. The first two tests run in this order in a process
// of their own below: a call before any test wrote its configuration (as a
// window listing the data sources makes) sees none of the machine's data
// sources, and a data source a test configures afterwards is seen.
TEST(OdbcConfigTest, AnEarlyCallSeesNoDataSource) {
  const OdbcCatalogue catalogue = ReadOdbcCatalogue();
  EXPECT_EQ(catalogue.Error.Number, DbErrNone) << catalogue.Error.Description;
  EXPECT_EQ(catalogue.DataSources, std::vector<String>{});
}

TEST(OdbcConfigTest, ALaterConfigurationIsSeen) {
  WriteOdbcConfig("", "[Probe Source]\nDriver=Probe Driver\n");
  EXPECT_EQ(ReadOdbcCatalogue().DataSources, std::vector<String>{"Probe Source"});
  ConfigureNoDataSource();
  EXPECT_EQ(ReadOdbcCatalogue().DataSources, std::vector<String>{});
}

TEST(OdbcConfigTest, BothHoldInAProcessOfTheirOwn) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"ODBCSYSINI", "ODBCINI"}) environment.remove(name);  // as a fresh run has them
  QProcess child;
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=OdbcConfigTest.AnEarlyCallSeesNoDataSource:OdbcConfigTest.ALaterConfigurationIsSeen"});
  ASSERT_TRUE(child.waitForFinished(60000)) << child.errorString().toStdString();
  const String output = child.readAllStandardOutput().toStdString();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 2 tests."), String::npos) << output;
}

class OdbcTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SKIP_WITHOUT_SQLITE_ODBC();
    path_ = ScratchPath("source.db");
    TestDatabase(path_, true).Exec("CREATE TABLE Seed (x INTEGER)");
    ConfigureSqliteDataSource(SourceName, path_);
    ASSERT_TRUE(connection_.Open(SourceName)) << connection_.Error().Description;
  }
  void TearDown() override {
    connection_.Close();
    ConfigureNoDataSource();
    ProgramTest::TearDown();
  }
  void Run(const String& sql, const std::vector<DbValue>& parameters = {}) {
    OdbcStatement statement;
    EXPECT_TRUE(statement.Execute(connection_, sql, parameters)) << sql << ": " << statement.Error().Description;
  }
  std::vector<std::vector<DbValue>> Rows(const String& sql) {
    OdbcStatement statement;
    std::vector<std::vector<DbValue>> rows;
    EXPECT_TRUE(statement.Execute(connection_, sql)) << statement.Error().Description;
    std::vector<DbValue> row;
    while (statement.FetchRow(row)) rows.push_back(row);
    EXPECT_FALSE(statement.Failed()) << statement.Error().Description;
    return rows;
  }

  String path_;
  OdbcConnection connection_;
};

TEST_F(OdbcTest, TheConfiguredDataSourceIsListed) {
  const OdbcCatalogue catalogue = ReadOdbcCatalogue();
  EXPECT_EQ(catalogue.Error.Number, DbErrNone);
  EXPECT_EQ(catalogue.DataSources, std::vector<String>{SourceName});
  EXPECT_EQ(catalogue.Drivers, std::vector<String>{"SQLite3 Test"});
}

// Each kind of value goes in as a bound parameter and comes back as the
// same kind; texts and bytes longer than one piece of a read come back whole.
TEST_F(OdbcTest, ParametersOfEveryKindGoInAndReadBackTyped) {
  Run("CREATE TABLE Kinds (k INTEGER, r REAL, t TEXT, b BLOB, n VARCHAR(10))");
  String longText;
  for (int i = 0; i < 3000; ++i) longText += "O'Brien \"" + std::to_string(i % 10) + "\" ";
  Bytes longBytes(20000);
  for (size_t i = 0; i < longBytes.size(); ++i) longBytes[i] = static_cast<unsigned char>(i * 7);
  const std::vector<std::vector<DbValue>> rows = {
      {DbValue(std::int64_t{12345678901}), DbValue(0.1), DbValue("O'Brien \"7\"; DROP TABLE Kinds"),
       DbValue(Bytes{0, 1, 2, 255}), DbValue()},
      {DbValue(std::int64_t{-3}), DbValue(-2.5e-7), DbValue(longText), DbValue(longBytes), DbValue("x")},
  };
  for (const auto& row : rows) Run("INSERT INTO Kinds VALUES (?, ?, ?, ?, ?)", row);
  EXPECT_EQ(Rows("SELECT * FROM Kinds"), rows);
  // The file holds them as the same values.
  TestDatabase file(path_);
  EXPECT_EQ(file.Text("SELECT t FROM Kinds WHERE k = 12345678901"), "O'Brien \"7\"; DROP TABLE Kinds");
  EXPECT_EQ(file.Number("SELECT length(b) FROM Kinds WHERE k = -3"), 20000);
  EXPECT_EQ(file.Number("SELECT count(*) FROM Kinds WHERE n IS NULL"), 1);
}

TEST_F(OdbcTest, TablesAndColumnsAreListedByTheirExactNames) {
  Run("CREATE TABLE a_b (Code VARCHAR(20), Picture BLOB, Note MEMO)");
  Run("CREATE TABLE axb (Other TEXT)");
  std::vector<String> tables;
  ASSERT_TRUE(connection_.TableNames(tables)) << connection_.Error().Description;
  EXPECT_EQ(tables, (std::vector<String>{"Seed", "a_b", "axb"}));
  std::vector<OdbcColumn> columns;
  ASSERT_TRUE(connection_.Columns("a_b", columns)) << connection_.Error().Description;
  ASSERT_EQ(columns.size(), 3u);  // "_" matched itself, not axb's column too
  const std::pair<const char*, const char*> expected[] = {{"Code", "VARCHAR(20)"}, {"Picture", "BLOB"}, {"Note", "MEMO"}};
  for (size_t i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(columns[i].Name, expected[i].first);
    EXPECT_EQ(columns[i].TypeName, expected[i].second);
  }
}

TEST_F(OdbcTest, NamesWithQuotesReachTheirTableQuotedAsIdentifiers) {
  EXPECT_EQ(connection_.QuoteName("It's \"P\""), "\"It's \"\"P\"\"\"");
  Run("CREATE TABLE " + connection_.QuoteName("It's \"P\"") + " (" + connection_.QuoteName("Part \"No\"") + " TEXT)");
  Run("INSERT INTO " + connection_.QuoteName("It's \"P\"") + " VALUES (?)", {DbValue("O'B")});
  std::vector<OdbcColumn> columns;
  ASSERT_TRUE(connection_.Columns("It's \"P\"", columns));
  ASSERT_EQ(columns.size(), 1u);
  EXPECT_EQ(columns[0].Name, "Part \"No\"");
  EXPECT_EQ(Rows("SELECT * FROM " + connection_.QuoteName("It's \"P\"")), (std::vector<std::vector<DbValue>>{{DbValue("O'B")}}));
}

TEST_F(OdbcTest, FailuresCarryTheDiagnosticText) {
  OdbcStatement statement;
  EXPECT_FALSE(statement.Execute(connection_, "SELECT * FROM Missing"));
  EXPECT_EQ(statement.Error().Number, DbErrOdbc);
  EXPECT_NE(statement.Error().Description.find("no such table: Missing"), String::npos) << statement.Error().Description;

  OdbcConnection other;
  EXPECT_FALSE(other.Open("Not Configured"));
  EXPECT_EQ(other.Error().Number, DbErrOdbc);
  EXPECT_NE(other.Error().Description.find("(IM002)"), String::npos) << other.Error().Description;
  // A name cannot carry further attributes of the connection.
  EXPECT_FALSE(other.Open(String(SourceName) + ";Database=/tmp/other.db"));
  EXPECT_FALSE(other.IsOpen());
  EXPECT_FALSE(statement.Execute(other, "SELECT 1"));
  EXPECT_EQ(statement.Error().Number, DbErrNotOpen);
}

}  // namespace
}  // namespace lintavo
