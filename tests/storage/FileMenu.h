// FileMenu: File, Open and File, Save of the main window (MainForm) on the
// active drawing window, with the drawing chooser and the save dialog
// answered as a user answers them; and a fixture of stored drawings opened
// through them into windows of the main window's area.
#pragma once

#include "platform/Types.h"
#include "storage/StoredDrawing.h"
#include "support/ScriptedResponder.h"

namespace lintavo {

// File, Open with stored drawing key (named name) chosen in the chooser:
// it is loaded into the active drawing window, which must hold no changes.
void FileOpenStored(ScriptedResponder& responder, DbKey key, const String& name);

// The next save dialog is answered as File, Save below answers it: Save
// under the name and revision offered, then Exit.
void AnswerSaveAsOffered(ScriptedResponder& responder);

// File, Save of the active drawing window under the name and revision the
// save dialog offers, into DwgDbPath, then Exit; the dialog must report the
// drawing saved. stored: that name and revision are stored already, and the
// question whether to overwrite them is answered Yes.
void FileSaveAsOffered(ScriptedResponder& responder, bool stored);

// The stored-drawing fixture with the main window shown.
class StoredDrawingMenuTest : public StoredDrawingTest {
 protected:
  void SetUp() override;
  // Stored drawing name opened through File, Open into a new window id of
  // the main window's area.
  void OpenInNewWindow(Long id, const String& name);
};

}  // namespace lintavo
