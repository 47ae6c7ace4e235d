// Verify: the table list of a database file and the kind checks on it.
#include "storage/Verify.h"

#include <algorithm>

#include "model/ProgramState.h"
#include "platform/Prompts.h"
#include "platform/Services.h"

namespace lintavo {

std::vector<String> DbTableNames(1);
Long DbTableCount = 0;

namespace {

// The tables each kind requires, in the order the kinds are numbered.
const std::vector<String>& RequiredTables(Integer kind) {
  static const std::vector<String> none;
  static const std::vector<String> kinds[] = {
      {"Drawing", "Components", "Objects", "Lines", "Points"},
      {"LinkTable", "Components", "Lines", "Points"},
      {"Fonts", "Lines", "Points"},
  };
  if (kind < DbKindDrawings || kind > DbKindFonts) return none;
  return kinds[kind - DbKindDrawings];
}

bool IsListed(const String& table) {
  const auto first = DbTableNames.begin() + 1;
  return std::find(first, first + DbTableCount, table) != first + DbTableCount;
}

}  // namespace

// ---- Table list --------------------------------------------------------------------

bool ListDbTables(const String& path, DbError& error) {
  DbTableNames.assign(1, String());
  DbTableCount = 0;
  // Read-write, as a save opens it: a file left with the journal of an
  // interrupted save is put back in order before its tables are read.
  Connection connection;
  std::vector<String> names;
  if (!connection.Open(path, OpenMode::ReadWrite) || !connection.TableNames(names)) {
    error = connection.Error();
    return false;
  }
  DbTableNames.insert(DbTableNames.end(), names.begin(), names.end());
  DbTableCount = static_cast<Long>(names.size());
  return true;
}

// ---- Checks ------------------------------------------------------------------------

bool VerifyDatabase(const String& path, Integer kind) {
  if (!FileExists(path)) return false;
  DbError error;
  if (!ListDbTables(path, error)) {
    MsgBox(ErrorText(error), vbOKOnly, "Verify Database");
    return false;
  }
  if (DbTableCount == 0) return false;
  const std::vector<String>& required = RequiredTables(kind);
  if (required.empty()) return false;
  return std::all_of(required.begin(), required.end(), IsListed);
}

void ResetVerify() {
  DbTableNames.assign(1, String());
  DbTableCount = 0;
}

namespace {
const ModuleRegistrar Registered({"Verify", FloorStorage, ResetVerify});
}  // namespace

}  // namespace lintavo
