// MainWindowCodes: the named codes of every command word and their controls.
#include "windows/main/MainWindowCodes.h"

#include <ostream>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "commands/Edits.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "model/Top.h"
#include "organisation/Components.h"
#include "organisation/Groups.h"
#include "organisation/Layers.h"
#include "organisation/ViewHand.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "view/Zooms.h"

namespace lintavo {

const std::vector<ToolCodes>& MainWindowTools() {
  static const std::vector<ToolCodes> tools = {
      {"LineDrawCommand", &LineDrawCommand, ToolLineDraw, LineDrawCodeCount, {}},
      {"EditCommand", &EditCommand, ToolEdits, HighestEditCode, {13}},
      {"SelectionCommand", &SelectionCommand, ToolSelection, HighestSelectionCode, {1, 2}},
      {"ZoomCommand", &ZoomCommand, ToolZooms, HighestZoomCode, {7, 8}},
      {"SnapCommand", &SnapCommand, ToolSnaps, SnapCodeCount, {}},
      {"TextCmd", &TextCmd, ToolText, HighestTextCmdCode, {}},
      {"AreaCommand", &AreaCommand, ToolAreas, HighestAreaCode, {3, 8}},
      {"GroupCommand", &GroupCommand, ToolGroups, HighestGroupCode, {3}},
      {"LayerCommand", &LayerCommand, ToolLayers, HighestLayerCode, {1, 2}},
      {"ViewCommand", &ViewCommand, ToolViews, HighestViewCode, {}},
      {"ComponentCommand", &ComponentCommand, ToolComponents, HighestComponentCode, {}},
      {"DimKind", &DimKind, ToolDimension, HighestDimKindCode, {}},
      {"MeasureCommand", &MeasureCommand, ToolMeasure, HighestMeasureCode, {}},
      {"TrimCommand", &TrimCommand, ToolTrims, TrimCodeCount, {}},
      {"ModifyCommand", &ModifyCommand, ToolModify, HighestModifyCode, {}},
  };
  return tools;
}

#define NAMED(code) code, #code
const std::vector<CodeRow>& MainWindowCodes() {
  static const std::vector<CodeRow> rows = {
      {&LineDrawCommand, NAMED(DrawPointCode), {"mnuDrawPoint", "Tools1:Point"}},
      {&LineDrawCommand, NAMED(DrawSingleCode), {"mnuDrawLineSingle", "Tools1:Line1"}},
      {&LineDrawCommand, NAMED(DrawDoubleCode), {"mnuDrawLineDouble", "Tools1:Line2"}},
      {&LineDrawCommand, NAMED(DrawSolidCode), {"mnuDrawLineThick", "Tools1:Line3"}},
      {&LineDrawCommand, NAMED(DrawReferenceCode), {"mnuDrawLineConstruction", "Tools2:Line5"}},
      {&LineDrawCommand, NAMED(DrawRectangle2Code), {"mnuDrawShapeRectangle2", "Tools1:Rectangle1"}},
      {&LineDrawCommand, NAMED(DrawRectangle3Code), {"mnuDrawShapeRectangle3", "Tools1:Rectangle2"}},
      {&LineDrawCommand, NAMED(DrawTrapezoidCode), {"mnuDrawShapeTrapazoid", "Tools2:Trapazoid"}},
      {&LineDrawCommand, NAMED(DrawRegularPolygonCode), {"mnuDrawShapePolygon", "Tools2:Polygon1"}},
      {&LineDrawCommand, NAMED(DrawIrregularPolygonCode), {"mnuDrawShapeIllreg", "Tools2:Polygon2"}},
      {&LineDrawCommand, NAMED(DrawCircleRadiusCode), {"mnuDrawCircle2a", "Tools1:Circle2"}},
      {&LineDrawCommand, NAMED(DrawCircleDiameterCode), {"mnuDrawCircle2b", "Tools1:Circle3"}},
      {&LineDrawCommand, NAMED(DrawCircle3Code), {"mnuDrawCircle3", "Tools1:Circle4"}},
      {&LineDrawCommand, NAMED(DrawArcCentreCode), {"mnuDrawArc2", "Tools2:Arc1"}},
      {&LineDrawCommand, NAMED(DrawArcStartMiddleCode), {"mnuDrawArc3", "Tools2:Arc3"}},
      {&LineDrawCommand, NAMED(DrawArcStartEndCode), {"mnuDrawArc4", "Tools2:Arc2"}},
      {&LineDrawCommand, NAMED(DrawEllipticalArcCode), {"mnuDrawEllipseArc", "Tools2:Arc4"}},
      {&LineDrawCommand, NAMED(DrawEllipse2Code), {"mnuDrawEllipse2", "Tools1:Ellipse1"}},
      {&LineDrawCommand, NAMED(DrawEllipse3Code), {"mnuDrawEllipse3", "Tools2:Ellipse3"}},
      {&LineDrawCommand, NAMED(DrawEllipse4Code), {"mnuDrawEllipse4", "Tools1:Ellipse2"}},
      {&LineDrawCommand, NAMED(DrawSplineCode), {"mnuDrawCurveSpline", "Tools2:Spline"}},
      {&LineDrawCommand, NAMED(DrawContBezierCode), {"mnuDrawCurveBezier", "Tools2:Bezier2"}},
      {&LineDrawCommand, NAMED(DrawContinuousCode), {"Tools1:Line4"}},
      {&LineDrawCommand, NAMED(DrawNothingCode), {}},
      {&LineDrawCommand, NAMED(DrawBezierCode), {"mnuDrawCurveBezier2", "Tools2:Bezier1"}},

      {&EditCommand, NAMED(EditEraseCode), {"mnuEditErase", "Top:Erase"}},
      {&EditCommand, NAMED(EditUneraseCode), {"mnuEditUnErase"}},
      {&EditCommand, NAMED(EditCopyCode), {"mnuEditCopys"}},
      {&EditCommand, NAMED(EditMoveCode), {"mnuEditMove"}},
      {&EditCommand, NAMED(EditRotateCode), {"mnuEditRotate"}},
      {&EditCommand, NAMED(EditMirrorCode), {"mnuEditMirror"}},
      {&EditCommand, NAMED(EditRescaleCode), {"mnuEditRescale"}},
      {&EditCommand, NAMED(EditRadialCopyCode), {"mnuEditRcopy"}},
      {&EditCommand, NAMED(EditHideCode), {"mnuEditHide"}},
      {&EditCommand, NAMED(EditShowCode), {"mnuEditShow"}},
      {&EditCommand, NAMED(EditChangeColorCode), {}},   // the restyles are called directly
      {&EditCommand, NAMED(EditChangeTypeCode), {}},
      {&EditCommand, NAMED(EditChangeWeightCode), {}},
      {&EditCommand, NAMED(EditInternalCopyCode), {"mnuEditcopy", "Top:Copy"}},
      {&EditCommand, NAMED(EditPasteCode), {"mnuEditPaste", "Top:Paste"}},
      {&EditCommand, NAMED(EditPathCopyCode), {"mnuEditPcopy"}},
      {&EditCommand, NAMED(EditModifySelectedCode), {"Top:Move"}},

      {&SelectionCommand, NAMED(SelectLineCode), {"mnuSelectItems", "Top:Select"}},
      {&SelectionCommand, NAMED(SelectWindowCode), {"mnuSelectWindow", "Top:Winselect"}},
      {&SelectionCommand, NAMED(SelectViewCode), {"mnuSelectView"}},
      {&SelectionCommand, NAMED(SelectAreaCode), {"mnuSelectArea"}},
      {&SelectionCommand, NAMED(SelectGroupCode), {"mnuSelectGroup"}},
      {&SelectionCommand, NAMED(SelectLayerCode), {"mnuSelectLayer"}},
      {&SelectionCommand, NAMED(SelectAllVisibleCode), {"mnuSelectAll"}},
      {&SelectionCommand, NAMED(SelectDrawingCode), {"mnuSelectDwg"}},
      {&SelectionCommand, NAMED(DeselectAllCode), {"mnuSelectClr", "Top:Deselect"}},
      {&SelectionCommand, NAMED(SelectTopLayerCode), {"mnuSelectCurLayer"}},

      {&ZoomCommand, NAMED(ZoomAllCode), {"mnuViewShowAll", "Top:Zoomall"}},
      {&ZoomCommand, NAMED(ZoomLimitsCode), {"mnuViewZoomLimits"}},
      {&ZoomCommand, NAMED(ZoomWindowCode), {"mnuViewZoomWindow", "Top:Zoomwin"}},
      {&ZoomCommand, NAMED(ZoomScaleCode), {"mnuViewZoomScale"}},
      {&ZoomCommand, NAMED(ZoomInCode), {"mnuViewZoomIn", "Top:Zoomin"}},
      {&ZoomCommand, NAMED(ZoomOutCode), {"mnuViewZoomOut", "Top:Zoomout"}},
      {&ZoomCommand, NAMED(ZoomPreviousCode), {"mnuViewZoomPrevious"}},
      {&ZoomCommand, NAMED(PanLeftCode), {"mnuViewPanLeft"}},
      {&ZoomCommand, NAMED(PanRightCode), {"mnuViewPanRight"}},
      {&ZoomCommand, NAMED(PanUpCode), {"mnuViewPanUp"}},
      {&ZoomCommand, NAMED(PanDownCode), {"mnuViewPanDown"}},
      {&ZoomCommand, NAMED(ZoomFullCode), {"mnuViewZoomFit"}},

      {&SnapCommand, NAMED(SnapNearestCode), {"mnuSnapsNear"}},
      {&SnapCommand, NAMED(SnapClosestCode), {"mnuSnapsClose"}},
      {&SnapCommand, NAMED(SnapLineCode), {"mnuSnapsLine"}},
      {&SnapCommand, NAMED(SnapMiddleCode), {"mnuSnapsMiddle"}},
      {&SnapCommand, NAMED(SnapIntersectionCode), {"mnuSnapsInter"}},
      {&SnapCommand, NAMED(SnapPerpendicularCode), {"mnuSnapsPerp"}},
      {&SnapCommand, NAMED(SnapParallelCode), {"mnuSnapsPara"}},
      {&SnapCommand, NAMED(SnapTangentCode), {"mnuSnapsTangent"}},
      {&SnapCommand, NAMED(SnapCenterCode), {"mnuSnapsCenter"}},

      {&TextCmd, NAMED(TextCmdOnPath), {"mnuInsertTextPath", "Text:TextPath"}},
      {&TextCmd, NAMED(TextCmdBox), {"mnuInsertTextBox"}},
      {&TextCmd, NAMED(TextCmdPlace), {"mnuInsertText", "Text:Place"}},
      {&TextCmd, NAMED(TextCmdEdit), {"Text:Edit"}},
      {&TextCmd, NAMED(TextCmdTypedString), {"Text:Align Left", "Text:Center", "Text:Align Right", "Text:Justify"}},
      {&TextCmd, NAMED(TextCmdNone), {}},
      {&TextCmd, NAMED(TextCmdFont), {"Text:Font"}},  // and the font box
      {&TextCmd, NAMED(TextCmdHeight), {"Text:Size"}},
      {&TextCmd, NAMED(TextCmdBold), {"Text:Bold"}},
      {&TextCmd, NAMED(TextCmdItalic), {"Text:Italic"}},
      {&TextCmd, NAMED(TextCmdUnderline), {"Text:Underline"}},
      {&TextCmd, NAMED(TextCmdBoxOutline), {"Text:Box"}},

      {&AreaCommand, NAMED(AreaShowCode), {"mnuAreasShow"}},
      {&AreaCommand, NAMED(AreaAddCode), {}},
      {&AreaCommand, NAMED(AreaHideCode), {}},
      {&AreaCommand, NAMED(AreaWindowCode), {"mnuViewAreasWindow"}},
      {&AreaCommand, NAMED(AreaPointsCode), {"mnuViewAreasPoints"}},
      {&AreaCommand, NAMED(AreaLinesCode), {"mnuViewAreasLines"}},
      {&AreaCommand, NAMED(AreaFillCode), {"mnuInsertFill"}},
      {&AreaCommand, NAMED(AreaHatchCode), {"mnuInsertHatch"}},

      {&GroupCommand, NAMED(ShowGroupCode), {"mnuGroupsShow"}},
      {&GroupCommand, NAMED(AddSelectedGroupCode), {"mnuViewGroup"}},
      {&GroupCommand, NAMED(HideGroupCode), {}},

      {&LayerCommand, NAMED(ShowLayerCode), {"mnuLayersShow"}},
      {&LayerCommand, NAMED(HideLayerCode), {}},
      {&LayerCommand, NAMED(ShowAllLayersCode), {}},
      {&LayerCommand, NAMED(HideAllLayersCode), {}},
      {&LayerCommand, NAMED(SetCurrentLayerCode), {"Top:Layers"}},
      {&LayerCommand, NAMED(ViewAllLayersCode), {}},
      {&LayerCommand, NAMED(ViewCurrentLayerOnlyCode), {}},
      {&LayerCommand, NAMED(EditAllLayersCode), {}},
      {&LayerCommand, NAMED(EditCurrentLayerOnlyCode), {}},
      {&LayerCommand, NAMED(NewLayerCode), {"mnuViewLayer"}},

      {&ViewCommand, NAMED(ShowViewCode), {"mnuViewsShow"}},
      {&ViewCommand, NAMED(AddViewCode), {"mnuViewView"}},

      {&ComponentCommand, NAMED(PlaceComponentCode), {"mnuInsertCompplace"}},
      {&ComponentCommand, NAMED(PlaceImageCode), {"mnuInsertCompImage"}},
      {&ComponentCommand, NAMED(CreateComponentCode), {"mnuEditCompCreate"}},
      {&ComponentCommand, NAMED(EditComponentsCode), {}},  // Edit, Component, Edit opens the editor itself
      {&ComponentCommand, NAMED(ExplodeComponentCode), {"mnuEditCompExplode"}},
      {&ComponentCommand, NAMED(MakeIntoComponentCode), {"mnuEditCompReplace"}},

      {&DimKind, NAMED(DimLinear), {"mnuInsertLinearDim"}},
      {&DimKind, NAMED(DimAngular), {"mnuInsertAngularDim"}},
      {&DimKind, NAMED(DimLeader), {"mnuInsertLeaderDim"}},
      {&DimKind, NAMED(DimRadius), {"mnuInsertRadiusDim"}},
      {&DimKind, NAMED(DimArcAngle), {"mnuInsertArcDim"}},

      {&MeasureCommand, NAMED(MeasureDistanceCode), {"mnuControlsMeasureDistance"}},
      {&MeasureCommand, NAMED(MeasureAngleCode), {"mnuControlsMeasureAngle"}},
      {&MeasureCommand, NAMED(MeasureAreaCode), {"mnuControlsMeasureArea"}},
      {&MeasureCommand, NAMED(MeasureRadiusCode), {"mnuControlsMeasureRadius"}},
      {&MeasureCommand, NAMED(MeasureArcCode), {"mnuControlsMeasureArc"}},

      {&TrimCommand, NAMED(TrimLineCode), {"mnuTrimsTrim"}},
      {&TrimCommand, NAMED(ExtendLineCode), {"mnuTrimsExtend"}},
      {&TrimCommand, NAMED(CornerTrimCode), {"mnuTrimsCorner"}},
      {&TrimCommand, NAMED(CornerChamferCode), {"mnuTrimsChamfer"}},
      {&TrimCommand, NAMED(CornerFilletCode), {"mnuTrimsFIllet"}},

      {&ModifyCommand, NAMED(ModifyMovePointCode), {"mnuTrimsMP"}},
      {&ModifyCommand, NAMED(ModifyBreakLineCode), {"mnuTrimsBreak"}},
  };
  return rows;
}
#undef NAMED

void PrintTo(const ToolCodes& tool, std::ostream* out) { *out << tool.word; }

const ToolCodes* ToolOf(const Integer* command) {
  for (const ToolCodes& tool : MainWindowTools())
    if (tool.command == command) return &tool;
  return nullptr;
}

}  // namespace lintavo
