// The framework's image lists: pictures of one size kept together, each with a mask of its
// transparent pixels, drawn normally, blended with a colour, disabled or as their mask; form
// streams keep them as the binary image-list stream of the window system (property Bitmap).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace vcl {

ZYL_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
ZYL_ENUM(TImageType, itImage, itMask)
using TImageIndex = int32_t;

// The most images a list holds (its stream counts them in 16 bits).
inline constexpr int kMaxImageListCount = 32767;

class TCustomImageList;
class TIcon;

// Tells a user of an image list that its images changed.
class TChangeLink : public TObject {
  ZYL_CLASS(TChangeLink, TObject)
  TChangeLink() = default;
  ~TChangeLink() override;
  TCustomImageList* Sender() const { return sender_; }
  void SetSender(TCustomImageList* Value) { sender_ = Value; }
  virtual void Change();
  TNotifyEvent OnChange;

 private:
  TCustomImageList* sender_ = nullptr;
};

class TCustomImageList : public TComponent {
  ZYL_CLASS(TCustomImageList, TComponent)
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  void Assign(TPersistent* Source) override;

  int Count() const { return static_cast<int>(images_.size()); }
  int32_t AllocBy() const { return allocBy_; }
  void SetAllocBy(int32_t Value);
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor Value);
  TColor BlendColor() const { return blendColor_; }
  void SetBlendColor(TColor Value);
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle Value);
  // A new size empties the list. Sizes below 1 or above 4096 x 4096 pixels raise
  // EInvalidOperation.
  int32_t Height() const { return height_; }
  void SetHeight(int32_t Value);
  int32_t Width() const { return width_; }
  void SetWidth(int32_t Value);
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType Value);
  bool Masked() const { return masked_; }
  void SetMasked(bool Value);
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool Value) { shareImages_ = Value; }

  // Adds the images the picture holds side by side (as many as fit its width, at least one),
  // with the mask's white pixels transparent (no mask: none); answers the index of the first.
  int Add(TBitmap* Image, TBitmap* Mask);
  // The same with the pixels of MaskColor transparent (clDefault: the colour of the picture's
  // bottom-left pixel).
  int AddMasked(TBitmap* Image, TColor MaskColor);
  // The icon drawn at the list's size, its mask's see-through pixels transparent; -1 (nothing
  // added) for no icon or one without an image.
  int AddIcon(TIcon* Image);
  // Another list's images, which must have this list's size.
  void AddImages(TCustomImageList* Value);
  void Insert(int Index, TBitmap* Image, TBitmap* Mask);
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  void Move(int CurIndex, int NewIndex);
  void Delete(int Index);
  void Clear();

  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle ADrawingStyle,
            TImageType AImageType, bool Enabled = true);
  // The image drawn normally on the bitmap, sized Width x Height first (what shows through its
  // transparent pixels is what the bitmap held: white for a new one); the mask as a monochrome
  // bitmap, white where the image is transparent.
  void GetBitmap(int Index, TBitmap* Image);
  void GetMask(int Index, TBitmap* Mask);
  // The colour (0x00BBGGRR) and transparency of one pixel: for tests and for the library.
  TColor Pixel(int Index, int X, int Y) const;
  bool Transparent(int Index, int X, int Y) const;

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);

  // The binary image-list stream: a header, the images as a 32-bit BMP file four across, and,
  // for a masked list, the masks as a monochrome BMP file, laid out as the form designer writes
  // them. A stream in that layout is written back byte for byte while the list is unchanged.
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

  TNotifyEvent OnChange;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& E) { OnChange = E; }

 protected:
  void DefineProperties(TFiler* Filer) override;
  virtual void Change();

 private:
  struct TImage {
    std::vector<uint32_t> Pixels;  // 0x00RRGGBB, top-down rows
    std::vector<uint8_t> Mask;     // 1: transparent
  };
  // What a stream holds beside the images, kept from the stream read and written back: the
  // room for images (0: whole steps of the growth step), the growth step (0: AllocBy), the
  // flags beyond the colour depth and the mask (with the screen's depth when the stream named
  // it), the overlay images.
  struct TStreamExtras {
    int Capacity = 0;
    int Grow = 0;
    uint16_t Flags = 0;
    uint16_t Overlays[4] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  };
  int StreamCapacity() const;
  void CheckIndex(int Index, bool AllowEnd = false) const;
  void CheckSize(int32_t AWidth, int32_t AHeight) const;
  // The images of a picture (Width-wide pieces), masked by a picture or a colour.
  std::vector<TImage> Cut(TBitmap* Image, TBitmap* Mask, bool ByColor, TColor MaskColor) const;
  void InsertImages(int Index, std::vector<TImage> Images);
  void Changed();

  std::vector<TImage> images_;
  std::vector<TChangeLink*> clients_;
  int32_t allocBy_ = 4;
  TColor bkColor_ = clNone;
  TColor blendColor_ = clNone;
  TDrawingStyle drawingStyle_ = dsNormal;
  int32_t height_ = 16;
  int32_t width_ = 16;
  TImageType imageType_ = itImage;
  bool masked_ = true;
  bool shareImages_ = false;
  int updateCount_ = 0;
  bool changedInUpdate_ = false;
  TStreamExtras stream_;
};

class TImageList : public TCustomImageList {
  ZYL_CLASS(TImageList, TCustomImageList)
  using TCustomImageList::TCustomImageList;
};

}  // namespace vcl
