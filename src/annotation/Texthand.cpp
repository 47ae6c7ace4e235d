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
  FontName.clear();
  TextLayer.clear();
  TextBold = TextItalic = TextUnderline = 0;
  TextAlignLeft = TextAlignRight = TextAlignCenter = TextJustify = 0;
  AutoTextSize = AutoTextAngle = 0;
  TextColor = TextBackColor = 0;
  TextHeight = TextWidth = TextAspect = TextAngle = TextSlant = 0;
}

}  // namespace lintavo
