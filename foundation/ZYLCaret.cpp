#include "foundation/ZYLCaret.h"

#include "foundation/ZYLCont.h"
#include "foundation/ZYLCustomControl.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/WinUser.h"

namespace zyl {

// A settings object cannot take free notifications itself: this component, owned by the
// caret, takes them for it and hands the freed list back.
class TZYLCaretListWatch : public vcl::TComponent {
 public:
  explicit TZYLCaretListWatch(TZYLCaret* Caret) : vcl::TComponent(nullptr), FCaret(Caret) {}
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    vcl::TComponent::Notification(AComponent, Operation);
    if (ZYLImageListRemoved(FCaret->FListLink.get(), FCaret->FImageList, AComponent, Operation))
      FCaret->ImageListFreed();
  }

 private:
  TZYLCaret* FCaret;
};

ZYL_CLASS_IMPL(TZYLCaret) {
  b.Prop("BlinkRate", &TZYLCaret::BlinkRate, &TZYLCaret::SetBlinkRate)
      .Prop("Style", &TZYLCaret::Style, &TZYLCaret::SetStyle)
      .Default(csDefault)
      .Prop("Width", &TZYLCaret::GetWord, &TZYLCaret::SetWord)
      .Index(wiWidth)
      .Default(2)
      .Prop("Height", &TZYLCaret::GetWord, &TZYLCaret::SetWord)
      .Index(wiHeight)
      .Default(10)
      .Prop("ImageList", &TZYLCaret::ImageList, &TZYLCaret::SetImageList)
      .Stored(&TZYLCaret::IsImageListStored)
      .Prop("ImageIndex", &TZYLCaret::GetWord, &TZYLCaret::SetWord)
      .Index(wiImageIndex)
      .Default(0)
      .Prop("ListIndex", &TZYLCaret::GetWord, &TZYLCaret::SetWord)
      .Index(wiListIndex)
      .Default(0)
      .Prop("CaretBmpMode", &TZYLCaret::CaretBmpMode, &TZYLCaret::SetCaretBmpMode)
      .Default(cbBmpSize)
      .Prop("Bitmap", &TZYLCaret::Bitmap, &TZYLCaret::SetBitmap)
      .Stored(&TZYLCaret::HasBitmap);
}

TZYLCaret::TZYLCaret(TZYLCustomControl* Owner)
    : FOwner(Owner),
      FBlinkRate(win::GetCaretBlinkTime()),
      FBitmap(std::make_unique<vcl::TBitmap>()) {
  FListWatch = std::make_unique<TZYLCaretListWatch>(this);
  FListLink = std::make_unique<TZYLChangeLink>();
}

TZYLCaret::~TZYLCaret() {
  // A caret still standing on the owner's window would keep our picture's handle.
  if (FBuilt && FOwner && FOwner->HandleAllocated()) DestroyCaret();
  else RestoreBlinkTime();
  ZYLLinkImageList(FListWatch.get(), FListLink.get(), FImageList, nullptr);
}

void TZYLCaret::Assign(vcl::TPersistent* Source) {
  auto* s = dynamic_cast<TZYLCaret*>(Source);
  if (!s) {
    inherited::Assign(Source);
    return;
  }
  if (s == this) return;
  SetBlinkRate(s->FBlinkRate);
  SetStyle(s->FStyle);
  SetWord(wiWidth, s->FWidth);
  SetWord(wiHeight, s->FHeight);
  SetImageList(s->FImageList);
  SetWord(wiImageIndex, s->FImageIndex);
  SetWord(wiListIndex, s->FListIndex);
  SetCaretBmpMode(s->FCaretBmpMode);
  SetBitmap(s->FBitmap.get());
}

void TZYLCaret::SetBlinkRate(uint32_t Value) {
  if (FBlinkRate == Value) return;
  FBlinkRate = Value;
  if (FBuilt) win::SetCaretBlinkTime(FBlinkRate);
  Change();
}

void TZYLCaret::SetStyle(TZYLCaretStyles Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Change();
}

void TZYLCaret::SetCaretBmpMode(TZYLCaretBitmap Value) {
  if (FCaretBmpMode == Value) return;
  FCaretBmpMode = Value;
  Change();
}

void TZYLCaret::SetImageList(TZYLCustomImageList* Value) {
  if (ZYLLinkImageList(FListWatch.get(), FListLink.get(), FImageList, Value)) Change();
}

bool TZYLCaret::IsImageListStored() const { return ZYLIsReferenceStored(FImageList); }

void TZYLCaret::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

void TZYLCaret::ImageListFreed() {
  // A shown bitmap caret keeps its own copy of the picture; only the reference goes.
  Change();
}

void TZYLCaret::SetBitmap(vcl::TBitmap* Value) {
  if (Value)
    FBitmap->Assign(Value);
  else
    FBitmap->SetSize(0, 0);
  Change();
}

bool TZYLCaret::HasBitmap() const { return !FBitmap->Empty(); }

uint16_t TZYLCaret::GetWord(int Index) const {
  switch (Index) {
    case wiWidth: return FWidth;
    case wiHeight: return FHeight;
    case wiImageIndex: return FImageIndex;
    case wiListIndex: return FListIndex;
    default: return FRowHeight;  // wiRowHeight
  }
}

void TZYLCaret::SetWord(int Index, uint16_t Value) {
  uint16_t* field = nullptr;
  switch (Index) {
    case wiWidth: field = &FWidth; break;
    case wiHeight: field = &FHeight; break;
    case wiImageIndex: field = &FImageIndex; break;
    case wiListIndex: field = &FListIndex; break;
    case wiRowHeight: FRowHeight = Value; return;  // layout state, not a setting
    default: return;
  }
  if (*field == Value) return;
  *field = Value;
  Change();
}

void TZYLCaret::SetPos(int Index, int Value) {
  if (Index == piX)
    FX = Value;
  else
    FY = Value;
}

void TZYLCaret::RestoreBlinkTime() {
  if (!FBlinkSaved) return;
  win::SetCaretBlinkTime(FSavedBlink);
  FBlinkSaved = false;
}

// The caret picture for csBitmap: the own bitmap, else the image list's picture, at its own
// size (cbBmpSize) or tiled / stretched over Width x Height. W and H become the picture's size;
// both 0 when there is no picture.
void TZYLCaret::MakeBitmapCaret(int& W, int& H) {
  W = H = 0;
  auto src = std::make_unique<vcl::TBitmap>();
  if (!FBitmap->Empty()) {
    src->Assign(FBitmap.get());
  } else if (!FImageList || !FImageList->GetBitmapItem(FListIndex, FImageIndex, src.get())) {
    return;
  }
  const int sw = src->Width(), sh = src->Height();
  if (sw <= 0 || sh <= 0) return;
  auto pic = std::make_unique<vcl::TBitmap>();
  if (FCaretBmpMode == cbBmpSize) {
    pic->Assign(src.get());
  } else {
    if (FWidth == 0 || FHeight == 0) return;
    pic->SetSize(FWidth, FHeight);
    if (FCaretBmpMode == cbStretch) {
      pic->Canvas()->StretchDraw(win::TRect{0, 0, FWidth, FHeight}, src.get());
    } else {
      for (int y = 0; y < FHeight; y += sh)
        for (int x = 0; x < FWidth; x += sw) pic->Canvas()->Draw(x, y, src.get());
    }
  }
  // The canvas still holds the drawn picture; the caret needs a handle of its own.
  pic->Dormant();
  W = pic->Width();
  H = pic->Height();
  FCaretBmp = std::move(pic);
}

void TZYLCaret::BuildCaret() {
  if (!FOwner || !FOwner->HandleAllocated()) return;
  const win::HWND wnd = FOwner->Handle();
  // The old caret goes first: it may be holding the picture about to be replaced.
  const bool wasShown = FEnabled;
  win::DestroyCaret();
  FBuilt = false;
  FEnabled = false;
  win::HBITMAP bmp = nullptr;
  int w = 0, h = 0;
  switch (FStyle) {
    case csDefault: w = 1; h = FRowHeight; break;
    case csBlock:
    case csUnderBlock: w = FWidth; h = FHeight; break;
    case csUnder:
    case csOver: w = FWidth; h = 1; break;
    case csBitmap:
      MakeBitmapCaret(w, h);
      if (w > 0 && h > 0) bmp = FCaretBmp->Handle();
      break;
  }
  if (!bmp) FCaretBmp.reset();
  if (!win::CreateCaret(wnd, bmp, w, h)) return;
  FBuilt = true;
  win::SetCaretPos(FX, FY);
  if (!FBlinkSaved) {
    FSavedBlink = win::GetCaretBlinkTime();
    FBlinkSaved = true;
  }
  win::SetCaretBlinkTime(FBlinkRate);
  // Rebuilding a shown caret (a new row height, say) keeps it shown.
  if (wasShown && win::ShowCaret(wnd)) FEnabled = true;
}

void TZYLCaret::Enable() {
  if (!FCaretOn || !FOwner) return;
  if (FOwner->ComponentState().contains(vcl::csDesigning)) return;
  if (!FBuilt) BuildCaret();
  if (!FBuilt || FEnabled) return;
  if (!FBlinkSaved) {
    FSavedBlink = win::GetCaretBlinkTime();
    FBlinkSaved = true;
  }
  win::SetCaretBlinkTime(FBlinkRate);
  if (win::ShowCaret(FOwner->Handle())) {
    FEnabled = true;
    return;
  }
  // There is one system caret per thread: another window may have taken it meanwhile.
  BuildCaret();
  if (FBuilt && win::ShowCaret(FOwner->Handle())) FEnabled = true;
}

void TZYLCaret::Disable() {
  if (FEnabled && FOwner && FOwner->HandleAllocated()) win::HideCaret(FOwner->Handle());
  FEnabled = false;
  RestoreBlinkTime();
}

void TZYLCaret::DestroyCaret() {
  if (FOwner && FOwner->HandleAllocated()) {
    if (FBuilt) win::DestroyCaret();
    FBuilt = false;
    FEnabled = false;
    FCaretBmp.reset();
  }
  RestoreBlinkTime();
}

void TZYLCaret::SetCaretPos(int X, int Y) {
  FX = X;
  FY = Y;
  if (FEnabled) win::SetCaretPos(X, Y);
}

}  // namespace zyl
