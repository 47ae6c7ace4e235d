// LinkSource: the database a component's link points into, read the same way
// whether it is a database file or an ODBC data source: its tables, a
// table's fields with their declared types, and a table's rows as values.
// The link data dialog fills its tree, its grid and its picture from one
// source through these routines whatever the source is.
//
// A link's path names a data source as "ODBC;DSN=" & the data source's name
// (a name has no ";"); any other path is a database file. The path is what
// LinkTable stores, so a reopened link opens the same source again.
//
// Table and field names reach SQL text only as the source listed them,
// quoted as identifiers; the sources are only read.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/Database.h"

namespace lintavo {

// ---- Paths ---------------------------------------------------------------------------

constexpr const char* DataSourcePathPrefix = "ODBC;DSN=";  // stored in LinkTable.Path: never change

bool IsDataSourcePath(const String& path);           // path starts with the prefix (any letter case)
String DataSourcePath(const String& dataSource);     // the path of a data source
String DataSourceOfPath(const String& path);         // its name; "" for a file path

// ---- Fields --------------------------------------------------------------------------

// Whether a field of this declared type holds long values (long text, memo,
// binary), whose text never widens a grid column. "TEXT" is the ordinary
// text type of the program's own databases and counts as ordinary; so does
// a bare "LONG", a whole-number type.
bool IsLongFieldType(const String& typeName);

struct SourceField {
  String Name;      // field name as the source spells it
  String TypeName;  // declared type ("VARCHAR(20)", "BLOB"); "" none
  bool Long = false;  // IsLongFieldType(TypeName)
};

// ---- Sources -------------------------------------------------------------------------

// Called once with a table's fields before its first row.
using SourceFieldsReader = std::function<void(const std::vector<SourceField>& fields)>;
// Called once per row with its values in field order; false stops the read.
using SourceRowReader = std::function<bool(const std::vector<DbValue>& values)>;

class LinkSource {
 public:
  virtual ~LinkSource() = default;

  // The user tables, in order of name (a data source: in its driver's order).
  virtual bool TableNames(std::vector<String>& names) = 0;
  // The fields of table in their order.
  virtual bool Fields(const String& table, std::vector<SourceField>& fields) = 0;
  // The fields of table to onFields, then every row of table in the source's
  // order (key order for a file) to eachRow until it returns false.
  virtual bool ReadRows(const String& table, const SourceFieldsReader& onFields, const SourceRowReader& eachRow) = 0;

  const DbError& Error() const { return error_; }  // the last failure

 protected:
  bool Fail(const DbError& error) {
    error_ = error;
    return false;
  }

 private:
  DbError error_;
};

// Opens the database file or data source at path for reading; null with
// error set when it cannot be opened.
std::unique_ptr<LinkSource> OpenLinkSource(const String& path, DbError& error);

}  // namespace lintavo
