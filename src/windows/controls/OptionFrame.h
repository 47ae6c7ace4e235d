// OptionFrame: the frame the five option dialogs (text, dimension, fills,
// drawing, display) fill in. It owns what they share:
//
//   - the bottom row: the set list Combo1 under "Set Current <kind>
//     Option" with its Update and Default buttons (OptionSetRow, bound by
//     OptionSetList) and the EXIT button cmdClose at the right;
//   - the sample picture Picture1 of the dialogs that show one, and its
//     redraw: the picture is cleared, borrows the drawing target while the
//     dialog's own drawing routine runs (at true size, in preview mode with
//     every layer shown), and the target before is given back with its view;
//   - the closing: EXIT runs cmdClose_Click (accept unless the dialog says
//     otherwise); every way of closing, and the frame's end, runs Unload,
//     which drops what the sample loaded into the model and puts back the
//     switches the sample borrowed (OptionSample).
//
// A dialog builds its controls in its own order, calling MakeSamplePicture
// where the picture stands in its tab order, lays them out and hands its
// layouts to LayOutFrame, binds the set list with its refresh routine
// (BindSetList), and draws its sample through RedrawSample. The frame's
// controls are made first, so they come first in the tab order.
#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>

#include "annotation/AnnotationOptionLists.h"
#include "platform/Types.h"
#include "windows/controls/OptionSetList.h"

class QComboBox;
class QLayout;
class QPushButton;

namespace lintavo {

class Surface;
class SurfaceWidget;
class TargetBorrow;

// What tells one option dialog's frame from another's.
struct OptionFrameSpec {
  const char* title;           // the window title
  Integer Stype;               // the type of the sets the list holds (SettingDrawing..SettingFills)
  EchoInput echo;              // whether Enter in the list echoes the name first
  const char* updateCaption;   // cmdUpdate's caption
  const char* defaultCaption;  // cmdDefault's caption
  const char* listCaption;     // the caption over the set list
  int pictureWidth = 0;        // the sample picture, pixels; 0: the dialog shows no sample
  int pictureHeight = 0;
};

class OptionFrame : public QDialog {
  Q_OBJECT
 public:
  OptionFrame(QWidget* parent, const OptionFrameSpec& spec);
  ~OptionFrame() override;

  void done(int result) override;  // every way of closing ends here: Unload, then closed

  // ---- Set list and buttons ----------------------------------------------------------------
  QComboBox* Combo1 = nullptr;        // the sets of the dialog's type
  QPushButton* cmdUpdate = nullptr;   // stores the current values under the list's name
  QPushButton* cmdDefault = nullptr;  // makes the list's name the type's default set
  QPushButton* cmdClose = nullptr;    // "EXIT"
  OptionSetList* Sets = nullptr;      // made by BindSetList

  // ---- Sample ----------------------------------------------------------------------------------
  SurfaceWidget* Picture1 = nullptr;  // made by MakeSamplePicture; nullptr in dialogs without a sample

 protected:
  // Drops the sample and gives back what it borrowed; only the first call
  // acts. Nothing for a dialog without a sample.
  virtual void Unload();
  // EXIT: closes (accept). The drawing options ask about the sheet first.
  virtual void cmdClose_Click();

  // Picture1 made and sized, at this point of the tab order.
  void MakeSamplePicture();
  // The dialog's layout: body above the bottom row of the set list, its
  // buttons and EXIT.
  void LayOutFrame(std::initializer_list<QLayout*> body);
  // Binds the set list; refresh shows every control again after a set was applied.
  void BindSetList(std::function<void()> refresh);
  // A layer list of the dialog's sample (BindLayerList): a layer typed into
  // it is made below the sample (KeepLayer), then refresh shows every control again.
  void BindSampleLayer(QComboBox& list, String& layer, std::function<void()> refresh);
  // A font list: choosing a font other than font makes it font, then redraw runs.
  void BindFontList(QComboBox& list, String& font, std::function<void()> redraw);
  // The colour dialog titled title, opened on colour: a colour chosen other
  // than colour becomes colour and shows on swatch. True when it changed.
  // The chosen colour is left in ChosenColor, as the selection's restyling reads it.
  bool ChooseColour(const char* title, Long& colour, QWidget& swatch);

  // Clears Picture1, makes it the drawing target at true size (preview mode,
  // every layer shown) while draw runs, gives the target back and shows the picture.
  void RedrawSample(const std::function<void()>& draw);
  // The picture's view at true size: one world unit to PixelsPerUnit pixels, origin at the corner.
  void InitPreviewSurface();
  // Inside RedrawSample's draw: the view shows the square of side world
  // units from the origin as large as the picture allows, centred in it.
  void FitSampleWindow(Double side);
  // Inside RedrawSample's draw: the drawing target from before the sample
  // (nullptr when there was none), and build run with it the target again,
  // so that what build appends takes the drawing's current layer and window.
  Surface* DrawingTarget() const;
  void BuildOnDrawingTarget(const std::function<void()>& build);

  OptionSample sample_;  // the model and switches the sample borrows while the dialog is open

 private:
  OptionFrameSpec spec_;
  TargetBorrow* borrowed_ = nullptr;  // the picture's borrow of the drawing target while a sample is drawn; nullptr between samples
};

}  // namespace lintavo
