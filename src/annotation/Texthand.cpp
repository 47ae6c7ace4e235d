// Texthand: stroke-font text: placing, boxing, putting on a path and editing text.
#include "annotation/Texthand.h"

#include "app/MessageBar.h"
#include "app/Top.h"

namespace lintavo {

Integer TextCmd = 0;
Integer TextActive = 0;

Integer TextKeyEntry = 0;
Integer BoldWeight = 2;
Integer TextBoxOutline = 0;

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

std::array<String, MaxFontNames + 1> FontNames;
Integer FontCount = 0;

void ResetTexthand() {
  FontNames.fill(String());
  FontCount = 0;
  TextCmd = 0;
  TextActive = 0;
  TextKeyEntry = 0;
  TextBoxOutline = 0;
  BoldWeight = 2;
}

}  // namespace lintavo
