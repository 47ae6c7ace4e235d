// AnnotationOptionLists: the layer and font lists the text, dimension and
// fill option dialogs share.
//
// A layer list shows the layers of the current drawing in item order, the
// option's layer selected (listed last when the drawing has no such layer
// yet: opening or closing a dialog makes none). Choosing an entry makes it
// the option's layer; Enter on a name that is not empty and not a layer of
// the drawing makes that name the option's layer and refreshes the dialog,
// which makes the layer (KeepLayer). A font list shows the stroke fonts,
// at most MaxFontNames of them, the option's font selected.
//
// A dialog's sample appends to the model above the mark taken when the
// dialog opened (ModelMark) and is dropped by giving the mark back. A layer
// typed into a list is made below the sample (KeepLayer), so that the drop
// keeps it.
#pragma once

#include <functional>

#include "model/ModelMark.h"
#include "platform/Types.h"

class QComboBox;

namespace lintavo {
class Surface;
}

namespace lintavo {

// Drops the sample and makes layer in the current drawing, counted as any
// new layer, below the mark, which then includes it.
void KeepLayer(ModelMark& mark, const String& layer);

// What an option dialog changes while it shows its sample: the model (its
// mark) and the Reference Points switch, taken when it opens and given back
// once when it closes. (The drawing target is lent to the sample's picture
// only while a sample is drawn, by a TargetBorrow.)
struct OptionSample {
  ModelMark Mark;
  Integer SavedRefPnts = 0;         // ShowRefPnts when the dialog opened
  bool Ended = false;               // End has run

  void Begin();  // takes the mark and ShowRefPnts
  // Drops the sample (the mark given back), puts Reference Points back and
  // clears PreviewMode and PreviewAllLayers. Only the first call acts.
  void End();
};

// Refills list (signals blocked by the caller) for the layer option layer.
void FillLayerNames(QComboBox& list, const String& layer);
// Makes list (editable) write layer when chosen or typed; refresh after a typed name.
void BindLayerList(QComboBox& list, String& layer, std::function<void()> refresh);
// Refills list with the font names, font selected (else the first).
void FillFontNames(QComboBox& list, const String& font);

}  // namespace lintavo
