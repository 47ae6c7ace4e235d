// LinkSource: database files and ODBC data sources behind one reading
// interface.
//
// Sections:
//   Paths
//   Fields
//   A database file
//   An ODBC data source
//   Opening
#include "organisation/LinkSource.h"

#include <cctype>

#include "platform/Odbc.h"
#include "platform/Recordset.h"
#include "platform/TextCompare.h"

namespace lintavo {

// ---- Paths ---------------------------------------------------------------------------

bool IsDataSourcePath(const String& path) {
  const String prefix = DataSourcePathPrefix;
  return path.size() >= prefix.size() && SameTextNoCase(path.substr(0, prefix.size()), prefix);
}

String DataSourcePath(const String& dataSource) { return DataSourcePathPrefix + dataSource; }

String DataSourceOfPath(const String& path) {
  if (!IsDataSourcePath(path)) return "";
  const String rest = path.substr(String(DataSourcePathPrefix).size());
  return rest.substr(0, rest.find(';'));
}

// ---- Fields --------------------------------------------------------------------------

namespace {

// Words that mark a declared type as one of long values, in capitals: long
// text and memo types, and binary types of every kind.
constexpr const char* LongTypeWords[] = {"BLOB", "CLOB", "MEMO", "BINARY", "BYTEA", "IMAGE", "MEDIUMTEXT"};
// "LONG" marks one only before one of these, with or without a space
// between (LONGTEXT, LONG VARCHAR, LONGVARBINARY, LONG RAW): alone it is
// an integer type (Jet's LONG).
constexpr const char* LongTypeRests[] = {"TEXT", "CHAR", "VARCHAR", "NVARCHAR", "WVARCHAR", "BINARY", "VARBINARY", "RAW"};
constexpr const char* LongPrefix = "LONG";

// Whether a "LONG" in upper (capitals) is followed by a long type's rest.
bool HasLongPrefixedType(const String& upper) {
  const size_t prefix = String(LongPrefix).size();
  for (size_t at = upper.find(LongPrefix); at != String::npos; at = upper.find(LongPrefix, at + 1)) {
    const size_t rest = upper.find_first_not_of(' ', at + prefix);
    if (rest == String::npos) return false;
    for (const char* word : LongTypeRests)
      if (upper.compare(rest, String(word).size(), word) == 0) return true;
  }
  return false;
}

SourceField MakeField(const String& name, const String& typeName) {
  return {name, typeName, IsLongFieldType(typeName)};
}

// The fields go to onFields, then each row fetch(values) gives goes to
// eachRow, until the rows end or eachRow says stop.
template <typename Fetch>
void PassRows(const std::vector<SourceField>& fields, Fetch fetch, const SourceFieldsReader& onFields,
              const SourceRowReader& eachRow) {
  onFields(fields);
  std::vector<DbValue> values;
  while (fetch(values))
    if (!eachRow(values)) break;
}

}  // namespace

bool IsLongFieldType(const String& typeName) {
  String upper = typeName;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* word : LongTypeWords)
    if (upper.find(word) != String::npos) return true;
  return HasLongPrefixedType(upper);
}

namespace {

// ---- A database file -----------------------------------------------------------------

class FileSource : public LinkSource {
 public:
  bool Open(const String& path) { return connection_.Open(path, OpenMode::ReadOnly) || Fail(connection_.Error()); }

  bool TableNames(std::vector<String>& names) override {
    return connection_.TableNames(names) || Fail(connection_.Error());
  }

  bool Fields(const String& table, std::vector<SourceField>& fields) override {
    TableRows rows;
    if (!rows.Open(connection_, RowSelection{table})) return Fail(rows.Error());
    FieldsOf(rows, fields);
    return true;
  }

  // Whole rows, whatever the table's key: a WITHOUT ROWID table and one with
  // a column named rowid read like any other.
  bool ReadRows(const String& table, const SourceFieldsReader& onFields, const SourceRowReader& eachRow) override {
    TableRows rows;
    if (!rows.Open(connection_, RowSelection{table})) return Fail(rows.Error());
    std::vector<SourceField> fields;
    FieldsOf(rows, fields);
    PassRows(fields, [&](std::vector<DbValue>& values) { return rows.Next(values); }, onFields, eachRow);
    return !rows.Failed() || Fail(rows.Error());
  }

 private:
  static void FieldsOf(const TableRows& rows, std::vector<SourceField>& fields) {
    fields.clear();
    for (int i = 0; i < rows.FieldCount(); ++i)
      fields.push_back(MakeField(rows.FieldNames()[static_cast<size_t>(i)], rows.FieldTypeName(i)));
  }

  Connection connection_;  // read-only
};

// ---- An ODBC data source ----------------------------------------------------------------

class DataSource : public LinkSource {
 public:
  bool Open(const String& name) { return connection_.Open(name) || Fail(connection_.Error()); }

  bool TableNames(std::vector<String>& names) override {
    return connection_.TableNames(names) || Fail(connection_.Error());
  }

  bool Fields(const String& table, std::vector<SourceField>& fields) override {
    std::vector<OdbcColumn> columns;
    if (!connection_.Columns(table, columns)) return Fail(connection_.Error());
    FieldsOf(columns, fields);
    return true;
  }

  bool ReadRows(const String& table, const SourceFieldsReader& onFields, const SourceRowReader& eachRow) override {
    OdbcStatement rows;
    if (!rows.Execute(connection_, "SELECT * FROM " + connection_.QuoteName(table))) return Fail(rows.Error());
    std::vector<SourceField> fields;
    FieldsOf(rows.Columns(), fields);
    PassRows(fields, [&](std::vector<DbValue>& values) { return rows.FetchRow(values); }, onFields, eachRow);
    return !rows.Failed() || Fail(rows.Error());
  }

 private:
  static void FieldsOf(const std::vector<OdbcColumn>& columns, std::vector<SourceField>& fields) {
    fields.clear();
    for (const OdbcColumn& column : columns) fields.push_back(MakeField(column.Name, column.TypeName));
  }

  OdbcConnection connection_;
};

}  // namespace

// ---- Opening ---------------------------------------------------------------------------

namespace {

// A source of kind Source opened on what (a path or a data source name).
template <typename Source>
std::unique_ptr<LinkSource> Opened(const String& what, DbError& error) {
  auto source = std::make_unique<Source>();
  if (source->Open(what)) return source;
  error = source->Error();
  return nullptr;
}

}  // namespace

std::unique_ptr<LinkSource> OpenLinkSource(const String& path, DbError& error) {
  return IsDataSourcePath(path) ? Opened<DataSource>(DataSourceOfPath(path), error) : Opened<FileSource>(path, error);
}

}  // namespace lintavo
