// SaveData: writing an open drawing.
#include "storage/SaveData.h"

#include "app/DataHand.h"
#include "platform/Database.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/Services.h"
#include "storage/SupportFiles.h"

namespace lintavo {

bool SaveDrawing(Long index) {
  (void)index;
  return false;
}

// ---- Layer name store ------------------------------------------------------------------

void SaveLayerName(String& name, String& category) {
  OpenDbPath = SupportFilePath(SettingsDbFile);
  Connection connection;
  Recordset names;
  // A name is one row whatever its letter case, as the database finds it.
  if (connection.Open(OpenDbPath, OpenMode::ReadWrite) && names.Open(connection, "LayerNames") &&
      names.Find("Name", name)) {
    if (!names.Eof()) return;  // stored already: the row stays as it is
    if (names.AddNew() && names.Field("Name").SetText(name) &&
        names.Field("Category").SetText(category) && names.Update())
      return;
  }
  const DbError& error = connection.Error().Number ? connection.Error() : names.Error();
  MsgBox(ErrorText(error), vbOKOnly, "Save Layer Name");
}

}  // namespace lintavo
