#include "foundation/ZYLButtonDock.h"

#include <memory>

#include "platform/classes/Filer.h"
#include "platform/classes/Resources.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

using namespace vcl;

void ZYLGetGlyphKind(TBitmap* Bitmap, TZYLGlyphKind Kind) {
  if (!Bitmap || Kind == gkCustom) return;
  auto strip = std::make_unique<TBitmap>();
  strip->LoadFromResourceName(HInstance, "ZYLBMPGLYPH");
  const int cell = static_cast<int>(Kind) - 1;
  const int left = cell * ZYLGlyphCellWidth;
  if (left + ZYLGlyphCellWidth > strip->Width())
    throw Exception("The glyph strip has no cell " + std::to_string(cell) +
                    " (the built-in one has " + std::to_string(ZYLGlyphStripCells()) + ")");
  const int h = strip->Height();
  Bitmap->SetSize(ZYLGlyphCellWidth, h);
  Bitmap->Canvas()->CopyRect(Rect(0, 0, ZYLGlyphCellWidth, h), strip->Canvas(),
                             Rect(left, 0, left + ZYLGlyphCellWidth, h));
}

void ZYLButtonReadExtStyle(TReader* Reader, TZYLUserButtonStyle& Style, bool& CtlXP) {
  if (!Reader) throw EReadError("No reader for the button style");
  const std::string ident = Reader->ReadIdent();
  if (ident == "ubsWinXP") {
    Style = ubsWin40;
    CtlXP = true;
  } else if (ident == "ubsWinXPCombo") {
    Style = ubsCombo;
    CtlXP = true;
  } else if (ident == "ubsWinXPTool") {
    Style = ubsExplorer;
    CtlXP = true;
  } else {
    const int64_t v = GetEnumValue(ZylTypeInfo(static_cast<TZYLUserButtonStyle*>(nullptr)), ident);
    if (v < 0 || v > ubsWin40Ext) throw EReadError(Format(SInvalidPropertyReadError, {ident}));
    Style = static_cast<TZYLUserButtonStyle>(v);
  }
}

void ZYLRaiseDockError(TComponent* Attached, TComponent* Control) {
  const std::string a = Attached ? Attached->Name() : std::string();
  const std::string c = Control ? Control->Name() : std::string();
  throw Exception("A dock label or dock button (" + a + ") is already attached to " + c +
                  ". Only one ZYLDockXXXX per control is allowed.");
}

TComponent* ZYLDockQuery(TControl* Control) {
  if (!Control) return nullptr;
  const LRESULT r = Control->Perform(CM_ZYLDOCKQUERY, 0, 0);
  return r ? reinterpret_cast<TComponent*>(r) : nullptr;
}

intptr_t ZYLDockQueryAnswer(TComponent* Dock) { return reinterpret_cast<intptr_t>(Dock); }

}  // namespace zyl
