// TZYLCaret: the caret settings of an own-drawn windowed control and the system caret built
// from them. The caret is created for the owner's window in the shape its Style asks for; while
// it exists the system blink time is the caret's BlinkRate, and the previous blink time comes
// back when the caret is hidden or destroyed.
#pragma once

#include <cstdint>
#include <memory>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"

namespace vcl {
class TBitmap;
class TComponent;
class TFiler;
}  // namespace vcl

namespace zyl {

class TZYLChangeLink;
class TZYLCustomControl;
class TZYLCustomImageList;

class TZYLCaret : public TZYLObject {
  ZYL_CLASS(TZYLCaret, TZYLObject)
  // The indices of the word properties; wiRowHeight is layout state, not a setting.
  enum TWordProp : int { wiWidth, wiHeight, wiImageIndex, wiListIndex, wiRowHeight };
  // The indices of the caret position.
  enum TPosProp : int { piX, piY };

  explicit TZYLCaret(TZYLCustomControl* Owner);
  ~TZYLCaret() override;
  // From another caret: its settings (blink rate, style, sizes, pictures and their list); the
  // position and the shown state stay this caret's own.
  void Assign(vcl::TPersistent* Source) override;

  TZYLCustomControl* Owner() const { return FOwner; }

  // Blink period in milliseconds; taken from the system at construction.
  uint32_t BlinkRate() const { return FBlinkRate; }
  void SetBlinkRate(uint32_t Value);
  TZYLCaretStyles Style() const { return FStyle; }
  void SetStyle(TZYLCaretStyles Value);
  TZYLCaretBitmap CaretBmpMode() const { return FCaretBmpMode; }
  void SetCaretBmpMode(TZYLCaretBitmap Value);
  // The caret asks the list for a free notification: a freed list is forgotten (a change).
  TZYLCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TZYLCustomImageList* Value);
  // The own picture (never null); SetBitmap assigns a copy, null empties it.
  vcl::TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(vcl::TBitmap* Value);
  // Bitmap is written to form files only when it holds a picture.
  bool HasBitmap() const;

  // Index: one of TWordProp (wiRowHeight: the row height of the default caret).
  uint16_t GetWord(int Index) const;
  void SetWord(int Index, uint16_t Value);
  uint16_t Width() const { return FWidth; }
  uint16_t Height() const { return FHeight; }
  uint16_t ImageIndex() const { return FImageIndex; }
  uint16_t ListIndex() const { return FListIndex; }
  uint16_t RowHeight() const { return FRowHeight; }

  // Index: piX or piY of the caret position (client coordinates of the owner).
  int GetPos(int Index) const { return Index == piX ? FX : FY; }
  void SetPos(int Index, int Value);

  // Switched off, Enable does nothing (a control that takes no typing keeps its caret off).
  void SetCaretOn(bool Value) { FCaretOn = Value; }
  // True while the caret is shown.
  bool Enabled() const { return FEnabled; }
  // True while a system caret built by this object exists.
  bool Built() const { return FBuilt; }

  // Destroys the old system caret and creates one for the owner's window by Style, at the
  // stored position, and sets the blink time; a caret that was shown is shown again. Does
  // nothing without an owner window.
  void BuildCaret();
  // Shows the caret (building it first when needed) when switched on and not designing.
  void Enable();
  // Hides the caret and restores the blink time.
  void Disable();
  // Destroys the system caret when the owner's window exists and restores the blink time.
  void DestroyCaret();
  // Stores the position and moves the system caret when the caret is enabled.
  void SetCaretPos(int X, int Y);

 protected:
  // A global list goes as "Internal", its identifier, instead of a reference.
  void DefineProperties(vcl::TFiler* Filer) override;
  bool IsImageListStored() const;
  void RestoreBlinkTime();
  void MakeBitmapCaret(int& W, int& H);
  // The list in ImageList is being freed.
  void ImageListFreed();
  friend class TZYLCaretListWatch;

  TZYLCustomControl* FOwner = nullptr;
  uint32_t FBlinkRate = 0;
  uint32_t FSavedBlink = 0;
  bool FBlinkSaved = false;
  TZYLCaretStyles FStyle = csDefault;
  TZYLCaretBitmap FCaretBmpMode = cbBmpSize;
  TZYLCustomImageList* FImageList = nullptr;
  // The component that receives the list's free notification, and the link the list holds.
  std::unique_ptr<vcl::TComponent> FListWatch;
  std::unique_ptr<TZYLChangeLink> FListLink;
  std::unique_ptr<vcl::TBitmap> FBitmap;
  std::unique_ptr<vcl::TBitmap> FCaretBmp;  // the picture the system caret holds
  uint16_t FWidth = 2;
  uint16_t FHeight = 10;
  uint16_t FImageIndex = 0;
  uint16_t FListIndex = 0;
  uint16_t FRowHeight = 0;
  int FX = 0;
  int FY = 0;
  bool FCaretOn = true;
  bool FEnabled = false;
  bool FBuilt = false;
};

}  // namespace zyl
