// Texthand: stroke-font text: placing, boxing, putting on a path and editing text.
#include "annotation/Texthand.h"

#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "view/Zooms.h"

namespace lintavo {

Integer TextCmd = 0;
Integer TextActive = 0;

Integer TextKeyEntry = 0;
Integer TextBoxOutline = 0;

String FontName;
String TextLayer;
Integer TextBold = 0;
Integer TextItalic = 0;
Integer TextUnderline = 0;
Integer TextAlignLeft = 0;
Integer TextAlignRight = 0;
Integer TextAlignCenter = 0;
Integer TextJustify = 0;
Integer AutoTextSize = 0;
Integer AutoTextAngle = 0;
Long TextColor = 0;
Long TextBackColor = 0;
Single TextHeight = 0;
Single TextWidth = 0;
Single TextAspect = 0;
Single TextAngle = 0;
Single TextSlant = 0;

void EndTextCommand(Integer& KeepPrompts) {
  (void)KeepPrompts;
  ClearPrompts();
  TextActive = 0;
  TextKeyEntry = 0;
  AwaitingInput = 0;
  ActiveTool = 0;
  ToolStep = 0;
}

void RedrawTextBox() {}


void ResetTexthand() {
  TextCmd = 0;
  TextActive = 0;
  TextKeyEntry = 0;
  TextBoxOutline = 0;
  FontName.clear();
  TextLayer.clear();
  TextBold = TextItalic = TextUnderline = 0;
  TextAlignLeft = TextAlignRight = TextAlignCenter = TextJustify = 0;
  AutoTextSize = AutoTextAngle = 0;
  TextColor = TextBackColor = 0;
  TextHeight = TextWidth = TextAspect = TextAngle = TextSlant = 0;
}

namespace {
// Leaving the text tool while it takes keys ends the command; otherwise
// only its flag is cleared. The dispatcher always keeps the prompts.
void EndTextOnToolChange() {
  Integer keepPrompts = FlagTrue;
  if (TextKeyEntry)
    EndTextCommand(keepPrompts);
  else
    TextActive = 0;
}
void CancelText() {
  Integer keepPrompts = FlagTrue;
  if (TextActive) EndTextCommand(keepPrompts);
}
// A full redraw wipes the outline of the text box being edited: it is drawn again.
void RedrawEditedTextBox() {
  if (TextKeyEntry && TextBoxOutline) RedrawTextBox();
}
void PlugTexthand() { RegisterRedrawHook(RedrawEditedTextBox); }
const ModuleRegistrar Registered({"Texthand", FloorAnnotation, ResetTexthand,
                                  {ToolText, &TextActive, nullptr, EndTextOnToolChange, CancelText},
                                  PlugTexthand});
}  // namespace

}  // namespace lintavo
