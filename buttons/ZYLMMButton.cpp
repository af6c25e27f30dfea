#include "buttons/ZYLMMButton.h"

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace zyl {

// Described by its published descendant.
ZYL_CLASS_IMPL(TZYLCustomMMButton) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomMMButton;
  b.Declare("ButtonFaceImageList", &C::ButtonFaceImageList, &C::SetButtonFaceImageList)
      .Stored(&C::IsButtonFaceImageListStored);
}

ZYL_CLASS_IMPL(TZYLMMButton) {
  b.Publish("ButtonFaceImageList")
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"ImageIndex", "ImageList", "ListIndex", "ParentColor"})
      .Default(false);
}

namespace {

// One entry of the streamed face table: the list index, then the image index, 16 bits each,
// low byte first.
constexpr int EntryBytes = 4;
constexpr int TableBytes = TZYLCustomMMButton::FaceCount * EntryBytes;

}  // namespace

TZYLCustomMMButton::TZYLCustomMMButton(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FFaceLink(new TZYLChangeLink()),
      FStrip(std::make_unique<vcl::TBitmap>()),
      FFace(std::make_unique<vcl::TBitmap>()),
      FTransColor(vcl::clNone) {
  FFaceLink.Link(vcl::TNotifyEvent(this, &TZYLCustomMMButton::FaceListChanged));
  SetColor(vcl::clBtnFace);
  SetParentColor(false);
  // The transparent colour of the faces shows the parent.
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csOpaque);
  SetControlStyle(s);
}

TZYLCustomMMButton::~TZYLCustomMMButton() {
  ZYLLinkImageList(this, FFaceLink.get(), FFaceList, nullptr);
}

void TZYLCustomMMButton::SetButtonFaceImageList(TZYLCustomImageList* Value) {
  if (!ZYLLinkImageList(this, FFaceLink.get(), FFaceList, Value)) return;
  // A form being read brings the colour it was written with.
  if (!ComponentState().contains(vcl::csLoading)) SetTransCol();
  Invalidate();
}

void TZYLCustomMMButton::FaceListChanged(vcl::TObject*) { Invalidate(); }

void TZYLCustomMMButton::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (ZYLImageListRemoved(FFaceLink.get(), FFaceList, AComponent, Operation)) Invalidate();
}

void TZYLCustomMMButton::SetButtonFaceIndices(const TZYLButtonFaceIndex& Faces) {
  if (Faces == FFaces) return;
  FFaces = Faces;
  Invalidate();
}

void TZYLCustomMMButton::SetButtonFace(vcl::TBitmap* Value) {
  if (!Value || Value->Empty()) {
    FStrip->SetSize(0, 0);
  } else {
    if (Value->Width() % FaceCount != 0)
      throw EZYLWrongBmpSize(vcl::Format(vcl::SZYLWrongFaceStrip, {Value->Width()}));
    FStrip->Assign(Value);
  }
  if (!ComponentState().contains(vcl::csLoading)) SetTransCol();
  Invalidate();
}

bool TZYLCustomMMButton::GetFace(TZYLButtonState State, vcl::TBitmap* Bitmap) const {
  if (FFaceList) {
    const TZYLButtonFaceEntry& e = FFaces[State];
    return FFaceList->GetBitmapItem(e.ListIndex, e.ImageIndex, Bitmap) && !Bitmap->Empty();
  }
  if (FStrip->Empty()) return false;
  const int w = FStrip->Width() / FaceCount, h = FStrip->Height();
  const int left = static_cast<int>(State) * w;
  Bitmap->SetSize(w, h);
  Bitmap->Canvas()->CopyRect(vcl::TRect{0, 0, w, h}, FStrip->Canvas(),
                             vcl::TRect{left, 0, left + w, h});
  return true;
}

void TZYLCustomMMButton::SetTransCol() {
  vcl::TBitmap rest;
  FTransColor = GetFace(bsUp, &rest) ? vcl::ColorToRGB(rest.Canvas()->Pixels(0, rest.Height() - 1))
                                     : vcl::clNone;
  Invalidate();
}

vcl::TRect TZYLCustomMMButton::DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                                        TZYLButtonState State) {
  if (!GetFace(State, FFace.get())) return inherited::DrawFace(Canvas, Rect, State);
  const TZYLDrawStyleFlags flags =
      FTransColor == vcl::clNone ? dsfCenter : TZYLDrawStyleFlags(dsfCenter | dsfTransparent);
  ZYLBmpDraw(Canvas, Rect, FFace.get(), flags, FTransColor);
  return vcl::TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
}

void TZYLCustomMMButton::Loaded() {
  inherited::Loaded();
  // A face that came without its colour (never written: there was no face then) gets one.
  if (FTransColor == vcl::clNone) SetTransCol();
}

void TZYLCustomMMButton::ReadIndices(vcl::TStream* Stream) {
  const int64_t size = Stream->Size() - Stream->Position();
  if (size != TableBytes)
    throw vcl::EReadError(
        vcl::Format(vcl::SZYLWrongFaceIndices, {TableBytes, static_cast<int>(size)}));
  uint8_t bytes[TableBytes];
  Stream->ReadBuffer(bytes, TableBytes);
  TZYLButtonFaceIndex faces;
  for (int i = 0; i < FaceCount; ++i) {
    const uint8_t* e = bytes + i * EntryBytes;
    faces.Faces[i].ListIndex = static_cast<uint16_t>(e[0] | (e[1] << 8));
    faces.Faces[i].ImageIndex = static_cast<uint16_t>(e[2] | (e[3] << 8));
  }
  SetButtonFaceIndices(faces);
}

void TZYLCustomMMButton::WriteIndices(vcl::TStream* Stream) {
  uint8_t bytes[TableBytes];
  for (int i = 0; i < FaceCount; ++i) {
    uint8_t* e = bytes + i * EntryBytes;
    const TZYLButtonFaceEntry& f = FFaces.Faces[i];
    e[0] = static_cast<uint8_t>(f.ListIndex & 0xFF);
    e[1] = static_cast<uint8_t>(f.ListIndex >> 8);
    e[2] = static_cast<uint8_t>(f.ImageIndex & 0xFF);
    e[3] = static_cast<uint8_t>(f.ImageIndex >> 8);
  }
  Stream->WriteBuffer(bytes, TableBytes);
}

bool TZYLCustomMMButton::IsButtonFaceImageListStored() const {
  return ZYLIsReferenceStored(FFaceList);
}

void TZYLCustomMMButton::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(
      Filer, FFaceList, [this](TZYLCustomImageList* L) { SetButtonFaceImageList(L); },
      "ButtonFaceImageListInternal");
  Filer->DefineBinaryProperty(
      "ButtonFace",
      [this](vcl::TStream* s) {
        vcl::TBitmap strip;
        strip.LoadFromStream(s);
        SetButtonFace(&strip);
      },
      [this](vcl::TStream* s) { FStrip->SaveToStream(s); }, !FStrip->Empty());
  Filer->DefineBinaryProperty(
      "ButtonFaceIndicesNew2", [this](vcl::TStream* s) { ReadIndices(s); },
      [this](vcl::TStream* s) { WriteIndices(s); }, !(FFaces == TZYLButtonFaceIndex()));
  Filer->DefineProperty(
      "ButtonFaceTransColNew", [this](vcl::TReader* r) { FTransColor = r->ReadInteger(); },
      [this](vcl::TWriter* w) { w->WriteInteger(FTransColor); }, FTransColor != vcl::clNone);
}

}  // namespace zyl
