// TCustomImageList: the images, their masks and how they are drawn. The stream is in
// ImgListStream.cpp.
#include "platform/controls/ImgList.h"

#include <algorithm>

#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace win;

namespace {
// The largest image: as many pixels as an image of 4096 x 4096.
constexpr int64_t kMaxImagePixels = int64_t{4096} * 4096;

uint32_t ToRgb(TColor c) {
  const COLORREF r = static_cast<COLORREF>(ColorToRGB(c));
  return ((r & 0xFF) << 16) | (r & 0xFF00) | ((r >> 16) & 0xFF);
}

TColor FromRgb(uint32_t p) {
  return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

// The pixels of a picture, 0x00RRGGBB top-down.
std::vector<uint32_t> PixelsOf(TBitmap* Source) {
  TBitmap copy;
  copy.Assign(Source);
  copy.SetPixelFormat(pf32bit);
  const int w = copy.Width(), h = copy.Height();
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    const auto* row = static_cast<const uint32_t*>(copy.ScanLine(y));
    for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = row[x] & 0xFFFFFF;
  }
  return pixels;
}

// A 32-bit picture of the pixels.
void FillBitmap(TBitmap* Target, int w, int h, const std::vector<uint32_t>& pixels) {
  Target->SetPixelFormat(pf32bit);
  Target->SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    auto* row = static_cast<uint32_t*>(Target->ScanLine(y));
    for (int x = 0; x < w; ++x) row[x] = pixels[static_cast<size_t>(y) * w + x];
  }
  Target->SetModified(true);
}

// Puts the picture on the canvas where the mask is black and keeps the canvas where it is
// white (the picture is black there).
void MaskBlit(TCanvas* Canvas, int X, int Y, int w, int h, const std::vector<uint32_t>& colour,
              const std::vector<uint32_t>& mask) {
  TBitmap pic, msk;
  FillBitmap(&pic, w, h, colour);
  FillBitmap(&msk, w, h, mask);
  BitBlt(Canvas->Handle(), X, Y, w, h, msk.Canvas()->Handle(), 0, 0, SRCAND);
  BitBlt(Canvas->Handle(), X, Y, w, h, pic.Canvas()->Handle(), 0, 0, SRCPAINT);
}

uint32_t Blend(uint32_t a, uint32_t b, int percentOfB) {
  auto mix = [&](int shift) {
    const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    return static_cast<uint32_t>((ca * (100 - percentOfB) + cb * percentOfB) / 100) << shift;
  };
  return mix(16) | mix(8) | mix(0);
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TChangeLink

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(sender_);
}

ZYL_CLASS_IMPL(TChangeLink) {}

// ---------------------------------------------------------------------------------------------
// TCustomImageList

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : clients_) link->SetSender(nullptr);
}

void TCustomImageList::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TCustomImageList*>(Source)) {
    images_ = s->images_;
    width_ = s->width_;
    height_ = s->height_;
    allocBy_ = s->allocBy_;
    bkColor_ = s->bkColor_;
    blendColor_ = s->blendColor_;
    drawingStyle_ = s->drawingStyle_;
    imageType_ = s->imageType_;
    masked_ = s->masked_;
    stream_ = s->stream_;
    Changed();
    return;
  }
  TComponent::Assign(Source);
}

void TCustomImageList::CheckSize(int32_t AWidth, int32_t AHeight) const {
  if (AWidth < 1 || AHeight < 1 || int64_t{AWidth} * AHeight > kMaxImagePixels)
    throw EInvalidOperation(SInvalidImageSize);
}

void TCustomImageList::CheckIndex(int Index, bool AllowEnd) const {
  if (Index < 0 || Index > Count() || (Index == Count() && !AllowEnd))
    throw EInvalidOperation(SImageIndexError);
}

void TCustomImageList::SetWidth(int32_t Value) {
  if (Value == width_) return;
  CheckSize(Value, height_);
  width_ = Value;
  Clear();
}

void TCustomImageList::SetHeight(int32_t Value) {
  if (Value == height_) return;
  CheckSize(width_, Value);
  height_ = Value;
  Clear();
}

void TCustomImageList::SetAllocBy(int32_t Value) {
  allocBy_ = Value;
  stream_.Grow = 0;
}

void TCustomImageList::SetBkColor(TColor Value) {
  bkColor_ = Value;
  Changed();
}
void TCustomImageList::SetBlendColor(TColor Value) {
  blendColor_ = Value;
  Changed();
}
void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) {
  drawingStyle_ = Value;
  Changed();
}
void TCustomImageList::SetImageType(TImageType Value) {
  imageType_ = Value;
  Changed();
}

// An unmasked list keeps no transparency.
void TCustomImageList::SetMasked(bool Value) {
  if (masked_ == Value) return;
  masked_ = Value;
  if (!masked_)
    for (TImage& image : images_) std::fill(image.Mask.begin(), image.Mask.end(), 0);
  Changed();
}

std::vector<TCustomImageList::TImage> TCustomImageList::Cut(TBitmap* Image, TBitmap* Mask,
                                                            bool ByColor, TColor MaskColor) const {
  if (!Image || Image->Empty()) throw EInvalidOperation(SInvalidImageSize);
  const int w = Image->Width(), h = Image->Height();
  const std::vector<uint32_t> pixels = PixelsOf(Image);
  std::vector<uint32_t> maskPixels;
  if (!ByColor && Mask && !Mask->Empty()) {
    if (Mask->Width() < w || Mask->Height() < h) throw EInvalidOperation(SInvalidImageSize);
    TBitmap part;
    part.Assign(Mask);
    part.SetSize(w, h);
    maskPixels = PixelsOf(&part);
  }
  const uint32_t key =
      MaskColor == clDefault ? pixels[static_cast<size_t>(h - 1) * w] : ToRgb(MaskColor);
  const int count = std::max(1, w / width_);
  std::vector<TImage> out(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    TImage& image = out[static_cast<size_t>(i)];
    image.Pixels.assign(static_cast<size_t>(width_) * height_, 0xFFFFFF);
    image.Mask.assign(image.Pixels.size(), 0);
    for (int y = 0; y < std::min(h, height_); ++y)
      for (int x = 0; x < width_ && i * width_ + x < w; ++x) {
        const size_t from = static_cast<size_t>(y) * w + static_cast<size_t>(i) * width_ + x;
        const size_t to = static_cast<size_t>(y) * width_ + x;
        image.Pixels[to] = pixels[from];
        if (!masked_) continue;
        if (ByColor)
          image.Mask[to] = pixels[from] == key;
        else if (!maskPixels.empty())
          image.Mask[to] = (maskPixels[from] & 0xFFFFFF) != 0;
      }
  }
  return out;
}

void TCustomImageList::InsertImages(int Index, std::vector<TImage> Images) {
  if (images_.size() + Images.size() > static_cast<size_t>(kMaxImageListCount))
    throw EInvalidOperation(SImageIndexError);
  images_.insert(images_.begin() + Index, std::make_move_iterator(Images.begin()),
                 std::make_move_iterator(Images.end()));
  Changed();
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  const int first = Count();
  InsertImages(first, Cut(Image, Mask, false, clNone));
  return first;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  const int first = Count();
  InsertImages(first, Cut(Image, nullptr, true, MaskColor));
  return first;
}

int TCustomImageList::AddIcon(TIcon* Image) {
  if (!Image || !Image->HandleAllocated() || width_ <= 0 || height_ <= 0) return -1;
  TBitmap image, mask;
  image.SetPixelFormat(pf24bit);
  image.SetSize(width_, height_);
  mask.SetPixelFormat(pf24bit);
  mask.SetSize(width_, height_);
  image.Canvas()->Brush()->SetColor(clBlack);
  image.Canvas()->FillRect(TRect{0, 0, width_, height_});
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(TRect{0, 0, width_, height_});
  // The image onto black, the mask (white where the icon is see-through) onto white.
  if (!win::DrawIconEx(image.Canvas()->Handle(), 0, 0, Image->Handle(), width_, height_, 0, nullptr,
                       win::DI_NORMAL) ||
      !win::DrawIconEx(mask.Canvas()->Handle(), 0, 0, Image->Handle(), width_, height_, 0, nullptr,
                       win::DI_MASK))
    return -1;
  return Add(&image, &mask);
}

void TCustomImageList::AddImages(TCustomImageList* Value) {
  if (!Value || Value == this) return;
  if (Value->width_ != width_ || Value->height_ != height_)
    throw EInvalidOperation(SInvalidImageSize);
  InsertImages(Count(), Value->images_);
}

void TCustomImageList::Insert(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index, true);
  std::vector<TImage> cut = Cut(Image, Mask, false, clNone);
  cut.resize(1);
  InsertImages(Index, std::move(cut));
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  images_[static_cast<size_t>(Index)] = std::move(Cut(Image, Mask, false, clNone).front());
  Changed();
}

void TCustomImageList::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  TImage image = std::move(images_[static_cast<size_t>(CurIndex)]);
  images_.erase(images_.begin() + CurIndex);
  images_.insert(images_.begin() + NewIndex, std::move(image));
  Changed();
}

// -1 deletes every image.
void TCustomImageList::Delete(int Index) {
  if (Index == -1) {
    Clear();
    return;
  }
  CheckIndex(Index);
  images_.erase(images_.begin() + Index);
  Changed();
}

void TCustomImageList::Clear() {
  images_.clear();
  stream_.Capacity = 0;
  Changed();
}

TColor TCustomImageList::Pixel(int Index, int X, int Y) const {
  CheckIndex(Index);
  if (X < 0 || Y < 0 || X >= width_ || Y >= height_) return clNone;
  return FromRgb(images_[static_cast<size_t>(Index)].Pixels[static_cast<size_t>(Y) * width_ + X]);
}

bool TCustomImageList::Transparent(int Index, int X, int Y) const {
  CheckIndex(Index);
  if (X < 0 || Y < 0 || X >= width_ || Y >= height_) return true;
  return images_[static_cast<size_t>(Index)].Mask[static_cast<size_t>(Y) * width_ + X] != 0;
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, drawingStyle_, imageType_, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool Enabled) {
  if (!Canvas || Index < 0 || Index >= Count()) return;
  const TImage& image = images_[static_cast<size_t>(Index)];
  const size_t n = image.Pixels.size();
  std::vector<uint32_t> colour(n), mask(n);
  // Transparent pixels: white in the mask (the destination kept) and black in the picture.
  const bool transparent = ADrawingStyle == dsTransparent || bkColor_ == clNone;
  const uint32_t bk = bkColor_ == clNone ? 0 : ToRgb(bkColor_);
  if (AImageType == itMask) {
    for (size_t i = 0; i < n; ++i) colour[i] = image.Mask[i] ? 0xFFFFFF : 0;
  } else if (!Enabled) {
    // Disabled: the image's shape embossed, its dark pixels in the shadow colour over the
    // highlight colour one pixel down and right.
    const uint32_t hi = ToRgb(clBtnHighlight), sh = ToRgb(clBtnShadow);
    auto dark = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
      const size_t i = static_cast<size_t>(y) * width_ + x;
      if (image.Mask[i]) return false;
      const uint32_t p = image.Pixels[i];
      return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 0xC0;
    };
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        const size_t i = static_cast<size_t>(y) * width_ + x;
        const bool own = dark(x, y), below = dark(x - 1, y - 1);
        colour[i] = own ? sh : below ? hi : 0;
        mask[i] = own || below ? 0 : 0xFFFFFF;
      }
    MaskBlit(Canvas, X, Y, width_, height_, colour, mask);

    return;
  } else {
    const int percent = ADrawingStyle == dsFocus ? 25 : ADrawingStyle == dsSelected ? 50 : 0;
    const uint32_t with = ToRgb(blendColor_ == clNone ? clHighlight : blendColor_);
    for (size_t i = 0; i < n; ++i)
      colour[i] = percent ? Blend(image.Pixels[i], with, percent) : image.Pixels[i];
  }
  for (size_t i = 0; i < n; ++i) {
    const bool clear = AImageType == itImage && masked_ && image.Mask[i];
    mask[i] = clear && transparent ? 0xFFFFFF : 0;
    if (clear) colour[i] = transparent ? 0 : bk;
  }
  if (AImageType == itImage && masked_ && transparent) {
    MaskBlit(Canvas, X, Y, width_, height_, colour, mask);
  } else {
    TBitmap pic;
    FillBitmap(&pic, width_, height_, colour);
    BitBlt(Canvas->Handle(), X, Y, width_, height_, pic.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
  if (!Image || Index < 0 || Index >= Count()) return;
  Image->SetSize(width_, height_);
  Draw(Image->Canvas(), 0, 0, Index, dsNormal, itImage, true);
}

void TCustomImageList::GetMask(int Index, TBitmap* Mask) {
  if (!Mask || Index < 0 || Index >= Count()) return;
  std::vector<uint32_t> pixels(images_[static_cast<size_t>(Index)].Mask.size());
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = images_[static_cast<size_t>(Index)].Mask[i] ? 0xFFFFFF : 0;
  FillBitmap(Mask, width_, height_, pixels);
  Mask->SetMonochrome(true);
}

// ---------------------------------------------------------------------------------------------
// Changes

void TCustomImageList::Changed() {
  if (updateCount_ > 0) {
    changedInUpdate_ = true;
    return;
  }
  Change();
}

void TCustomImageList::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && changedInUpdate_) {
    changedInUpdate_ = false;
    Change();
  }
}

void TCustomImageList::Change() {
  // A client may unregister while it hears the change.
  const std::vector<TChangeLink*> clients = clients_;
  for (TChangeLink* link : clients)
    if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) link->Change();
  if (OnChange) OnChange(this);
}

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (!Value || std::find(clients_.begin(), clients_.end(), Value) != clients_.end()) return;
  Value->SetSender(this);
  clients_.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  auto it = std::find(clients_.begin(), clients_.end(), Value);
  if (it == clients_.end()) return;
  clients_.erase(it);
  Value->SetSender(nullptr);
}

void TCustomImageList::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Bitmap", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); },
      Count() > 0);
}

ZYL_CLASS_IMPL(TCustomImageList) {
  using C = TCustomImageList;
  b.Declare("BlendColor", &C::BlendColor, &C::SetBlendColor, ColorTypeInfo())
      .Default(clNone)
      .Declare("BkColor", &C::BkColor, &C::SetBkColor, ColorTypeInfo())
      .Default(clNone)
      .Declare("AllocBy", &C::AllocBy, &C::SetAllocBy)
      .Default(4)
      .Declare("DrawingStyle", &C::DrawingStyle, &C::SetDrawingStyle)
      .Default(dsNormal)
      .Declare("Height", &C::Height, &C::SetHeight)
      .Default(16)
      .Declare("ImageType", &C::ImageType, &C::SetImageType)
      .Default(itImage)
      .Declare("Masked", &C::Masked, &C::SetMasked)
      .Default(true)
      .Declare("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Declare("ShareImages", &C::ShareImages, &C::SetShareImages)
      .Default(false)
      .Declare("Width", &C::Width, &C::SetWidth)
      .Default(16);
}

ZYL_CLASS_IMPL(TImageList) {
  b.Publish({"BlendColor", "BkColor", "AllocBy", "DrawingStyle", "Height", "ImageType", "Masked",
             "OnChange", "ShareImages", "Width"});
}

namespace {
const controls_internal::TStandardClasses registered{&TImageList::StaticClass};
}  // namespace

}  // namespace vcl
