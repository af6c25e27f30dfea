// Image lists and the global container: list items (image strips, bitmaps, string lists,
// waves), the containers that hold them with their list files, and the global container
// whose lists controls refer to by identifier in form streams.
//
// List file: the 9-byte signature of the item kind (a length byte 8 and "ZYLIML30" ...), then
// the container stream:
//   uint8 version (1), uint8 DefaultCompressed, uint8 DefaultPixelFormat, int32 item count,
//   per item: uint16 Ident, uint8 compressed, uint8 pixel format, int32 + bytes Description,
//   int32 + bytes of the item's data (a block-compressed stream of it when compressed).
// All integers little-endian. Reading checks every length against the bytes that remain, and
// refuses with EReadError, before allocating any pixel, an item whose pictures hold more than
// ZYLMaxListItemPixels pixels: an image strip's images together, or an item's bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLGraph.h"
#include "platform/base/Types.h"
#include "platform/classes/Persistent.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TCanvas;
class TStream;
class TStrings;
class TStringList;
class TReader;
class TWriter;
}  // namespace vcl

namespace zyl {

// The most pixels the pictures of one list item hold when read from a stream (4096 x 4096).
constexpr int64_t ZYLMaxListItemPixels = int64_t(16) << 20;

// The 8-character signature of a list kind ("ZYLIML30", "ZYLBML30", "ZYLWVL30", "ZYLSLL30",
// "ZYLGLL50", "ZYLRTL50"); empty for icInvalid, which names no list kind.
std::string ZYLListSignature(TZYLListItemClassType Kind);

// ---------------------------------------------------------------------------------------------
// Items

class TZYLListItem : public vcl::TPersistent {
 public:
  TZYLListItem() = default;
  virtual TZYLListItemClassType ItemClassType() const { return icGeneric; }
  virtual bool GetEmpty() const { return true; }
  // The item's own data, without the header fields.
  virtual void WriteData(vcl::TStream* Stream) const;
  virtual void ReadData(vcl::TStream* Stream, int64_t Size);
  // Copies the header fields (and, in descendants, the data) of an item of the same kind.
  void Assign(vcl::TPersistent* Source) override;

  std::string Description;
  uint16_t Ident = 0;
  bool Compressed = false;
  TZYLSavePixelFormat PixelFormat = spfDefault;
};

// A strip of equally sized images with optional masks (white = see-through).
class TZYLImageListItem : public TZYLListItem {
 public:
  explicit TZYLImageListItem(vcl::TComponent* AOwner = nullptr);
  ~TZYLImageListItem() override;
  TZYLListItemClassType ItemClassType() const override { return icImageList; }
  bool GetEmpty() const override { return FImages.empty(); }
  void WriteData(vcl::TStream* Stream) const override;
  void ReadData(vcl::TStream* Stream, int64_t Size) override;
  void Assign(vcl::TPersistent* Source) override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The indices of SetInteger.
  enum TIntegerIndex { iiWidth = 0, iiHeight = 1 };
  // Index iiWidth or iiHeight; a changed size clears the strip (images no longer fit).
  void SetInteger(int Index, int Value);
  bool Masked() const { return FMasked; }
  // Switching masks on makes each image's mask from its bottom-left pixel; off drops them.
  void SetMaskedState(bool Value);
  int AllocBy = 4;

  int GetCount() const { return static_cast<int>(FImages.size()); }
  // Appends a copy of Image (and of Mask, or a mask from the image's bottom-left pixel when
  // masked and Mask is nil); -1 when Image is nil or not Width x Height.
  int Add(vcl::TBitmap* Image, vcl::TBitmap* Mask);
  int AddMasked(vcl::TBitmap* Image, vcl::TColor TransparentColor);
  void AddImages(const TZYLImageListItem* Other);
  void InsertImages(int Index, const TZYLImageListItem* Other);
  void Delete(int Index);
  void Move(int From, int To);
  void Clear();
  // Copy image Index (its mask) into Bitmap; false for an index out of range.
  bool GetBitmap(int Index, vcl::TBitmap* Bitmap) const;
  bool GetMaskBitmap(int Index, vcl::TBitmap* Bitmap) const;
  // A new bitmap with all images side by side (the caller frees it).
  vcl::TBitmap* GetImageBitmap() const;
  // The canvas of the strip of all images side by side, image i at (i * Width, 0); built on
  // demand and kept until the images change. Null while the item holds no image.
  vcl::TCanvas* StripCanvas() const;
  // Loads a bitmap file and cuts it into Count images of its width / Count.
  void LoadFromBitmap(const std::string& FileName, int Count, bool Masked);
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;
  // Draws image Index into Rect through ZYLBmpDrawExt; with dsfTransparent a masked strip
  // draws through the image's mask. Returns the painted rectangle (empty: nothing drawn).
  win::TRect DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect, TZYLDrawStyleFlags Flags,
                     int Index) const;

 private:
  void MakeMask(int Index);
  int FWidth = 16;
  int FHeight = 16;
  bool FMasked = false;
  std::vector<std::unique_ptr<vcl::TBitmap>> FImages;
  std::vector<std::unique_ptr<vcl::TBitmap>> FMasks;
  mutable std::unique_ptr<vcl::TBitmap> FStrip;  // what StripCanvas shows; reset on a change
};

class TZYLBitmapListItem : public TZYLListItem {
 public:
  TZYLBitmapListItem();
  ~TZYLBitmapListItem() override;
  TZYLListItemClassType ItemClassType() const override { return icBitmap; }
  bool GetEmpty() const override;
  void WriteData(vcl::TStream* Stream) const override;
  void ReadData(vcl::TStream* Stream, int64_t Size) override;
  void Assign(vcl::TPersistent* Source) override;
  vcl::TBitmap* GetBitmap() const { return FBitmap.get(); }
  void SetBitmap(vcl::TBitmap* Value);

 private:
  std::unique_ptr<vcl::TBitmap> FBitmap;
};

class TZYLStringListItem : public TZYLListItem {
 public:
  TZYLStringListItem();
  ~TZYLStringListItem() override;
  TZYLListItemClassType ItemClassType() const override { return icStringList; }
  bool GetEmpty() const override;
  void WriteData(vcl::TStream* Stream) const override;
  void ReadData(vcl::TStream* Stream, int64_t Size) override;
  // From a TStrings: the lines only; from a string-list item: header and lines.
  void Assign(vcl::TPersistent* Source) override;
  vcl::TStrings* GetList() const;
  void SetList(vcl::TStrings* Value);

 private:
  std::unique_ptr<vcl::TStringList> FList;
};

ZYL_ENUM(TZYLWaveFormat, wfUnknown, wfPCM)
ZYL_ENUM(TZYLChannelMode, cmUnknown, cmMono, cmStereo)

// Wave data: the whole RIFF image of a wave file. There is no sound device here: Play records
// the data it would play (ZYLPlayedWaves).
// In form streams a wave is the binary property "Data" (its stream form: a 4-byte length and
// the RIFF image), written when there is one.
class TZYLWave : public vcl::TPersistent {
  ZYL_CLASS(TZYLWave, vcl::TPersistent)
  TZYLWave() = default;
  bool GetEmpty() const { return FData.empty(); }
  int GetSize() const { return static_cast<int>(FData.size()); }
  TZYLWaveFormat GetFormat() const;
  TZYLChannelMode GetChannelMode() const;
  int GetSampleRate() const;
  int GetBits() const;
  const std::vector<uint8_t>& Data() const { return FData; }
  // Takes a RIFF image; EInvalidWave (data unchanged) unless it holds RIFF, WAVE and fmt.
  void SetData(std::vector<uint8_t> Data);
  void FreeWave();
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;
  // The stream form: a 4-byte length and the RIFF image (length 0 = empty).
  void LoadFromStream(vcl::TStream* Stream);
  void SaveToStream(vcl::TStream* Stream) const;
  void Play() const;
  void Stop() const;
  void Assign(vcl::TPersistent* Source) override;
  // True when Data is a RIFF image with "WAVE" and a complete "fmt " chunk.
  static bool IsValidWave(const std::vector<uint8_t>& Data);

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  const uint8_t* FmtChunk() const;  // the fmt chunk's body (16+ bytes) or nil
  std::vector<uint8_t> FData;
};

// What the stand-in sound output was asked to play, oldest first; ClearPlayed empties it.
const std::vector<std::vector<uint8_t>>& ZYLPlayedWaves();
void ZYLClearPlayedWaves();
// True when the file exists and holds valid wave data (Channels, SampleRate, Bits filled).
struct TZYLWaveInfo {
  TZYLWaveFormat Format = wfUnknown;
  TZYLChannelMode Channels = cmUnknown;
  int SampleRate = 0;
  int Bits = 0;
  int Size = 0;
};
bool ZYLGetWaveFileInfo(const std::string& FileName, TZYLWaveInfo& Info);

class TZYLWaveListItem : public TZYLListItem {
 public:
  TZYLWaveListItem();
  ~TZYLWaveListItem() override;
  TZYLListItemClassType ItemClassType() const override { return icWave; }
  bool GetEmpty() const override;
  void WriteData(vcl::TStream* Stream) const override;
  void ReadData(vcl::TStream* Stream, int64_t Size) override;
  void Assign(vcl::TPersistent* Source) override;
  TZYLWave* Wave() const { return FWave.get(); }
  void SetWave(TZYLWave* Value);

 private:
  std::unique_ptr<TZYLWave> FWave;
};

// ---------------------------------------------------------------------------------------------
// Containers

class TZYLCustomContainer : public TZYLBaseController {
  ZYL_CLASS(TZYLCustomContainer, TZYLBaseController)
  explicit TZYLCustomContainer(vcl::TComponent* AOwner);
  ~TZYLCustomContainer() override;

  virtual TZYLListItemClassType ItemClassType() const { return icGeneric; }
  virtual TZYLListItem* NewItem() const { return new TZYLListItem(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  bool Empty() const { return FItems.empty(); }
  // EListError for an index out of range.
  TZYLListItem* Item(int Index) const;
  // Appends Item (taking it over) or a new empty item; returns its index.
  int Add(TZYLListItem* Item = nullptr);
  void Insert(int Index, TZYLListItem* Item = nullptr);
  void Delete(int Index);
  void Move(int From, int To);
  void Clear();
  void AddList(const TZYLCustomContainer* Other);
  void Assign(vcl::TPersistent* Source) override;

  bool DefaultCompressed() const { return FDefaultCompressed; }
  void SetDefaultCompressed(bool Value) { FDefaultCompressed = Value; }
  TZYLSavePixelFormat DefaultPixelFormat() const { return FDefaultPixelFormat; }
  void SetDefaultPixelFormat(TZYLSavePixelFormat Value) { FDefaultPixelFormat = Value; }

  // The container stream (see the file comment). Reading builds the new items first: on any
  // error (EReadError, EZYLCompressError, EInvalidWave, ...) the container stays as it was.
  void SaveToStream(vcl::TStream* Stream) const;
  void LoadFromStream(vcl::TStream* Stream);
  void SaveToFile(const std::string& FileName) const;
  // A foreign or short signature raises EFOpenError "Cannot open file <name>: <ClassName>".
  void LoadFromFile(const std::string& FileName);

 protected:
  // The items go to form streams as the binary property "Bitmap" holding the container stream
  // (written when there are items); a damaged one raises and leaves the container as it was.
  void DefineProperties(vcl::TFiler* Filer) override;
  void CheckIndex(int Index) const;
  std::vector<std::unique_ptr<TZYLListItem>> FItems;
  bool FDefaultCompressed = false;
  TZYLSavePixelFormat FDefaultPixelFormat = spfDefault;
};

// An image list: a container with the picker's queries (list index = item, index = image).
// Every image is addressed by a list index (the entry) and an image index; a bitmap list is
// addressed by (bitmap, 0). A bad address draws and copies nothing.
class TZYLCustomImageList : public TZYLCustomContainer {
  ZYL_CLASS(TZYLCustomImageList, TZYLCustomContainer)
  explicit TZYLCustomImageList(vcl::TComponent* AOwner) : inherited(AOwner) {}
  // The number of entries.
  virtual int GetCount() const { return Count(); }
  // The number of images of entry ListIndex.
  virtual int ItemCount(int ListIndex) const;
  virtual bool IsValidItem(int ListIndex, int Index) const;
  // Width (Height false) or height of the images of item ListIndex; 0 for a bad index.
  virtual int Dimensions(int ListIndex, bool Height) const;
  // The canvas the images of entry ListIndex lie on (null for a bad or empty entry), and the
  // rectangle of image Index on it (empty for a bad address).
  virtual vcl::TCanvas* BmpCanvas(int ListIndex) const;
  virtual win::TRect ItemRect(int ListIndex, int Index) const;
  // Copies the image into Bitmap; false, and Bitmap untouched, for a bad address.
  virtual bool GetBitmapItem(int ListIndex, int Index, vcl::TBitmap* Bitmap) const;
  virtual bool Masked(int /*ListIndex*/) const { return false; }
  virtual win::HPALETTE Palette(int ListIndex) const;
  // The see-through colour of the image: its bottom-left pixel unless the list knows better.
  virtual vcl::TColor TransparentColor(int ListIndex, int Index) const;
  virtual win::TRect DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect,
                             TZYLDrawStyleFlags Flags, int ListIndex, int Index) const;
  // Draws the image into Rect by the drawing-style word with TransparentColor, clipped as
  // dsfClip says to Rect moved by the packed Offset (low word x, high word y).
  virtual void ClipDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, uint16_t Flags,
                        int32_t Offset, vcl::TColor TransparentColor, int ListIndex,
                        int Index) const;
};

class TZYLImageList : public TZYLCustomImageList {
  ZYL_CLASS(TZYLImageList, TZYLCustomImageList)
  explicit TZYLImageList(vcl::TComponent* AOwner = nullptr) : inherited(AOwner) {}
  TZYLListItemClassType ItemClassType() const override { return icImageList; }
  TZYLListItem* NewItem() const override;
  TZYLImageListItem* GetArrayItem(int Index) const;
  int ItemCount(int ListIndex) const override;
  bool IsValidItem(int ListIndex, int Index) const override;
  int Dimensions(int ListIndex, bool Height) const override;
  vcl::TCanvas* BmpCanvas(int ListIndex) const override;
  win::TRect ItemRect(int ListIndex, int Index) const override;
  bool GetBitmapItem(int ListIndex, int Index, vcl::TBitmap* Bitmap) const override;
  bool Masked(int ListIndex) const override;
  win::TRect DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect, TZYLDrawStyleFlags Flags,
                     int ListIndex, int Index) const override;
};

class TZYLBitmapList : public TZYLCustomImageList {
  ZYL_CLASS(TZYLBitmapList, TZYLCustomImageList)
  explicit TZYLBitmapList(vcl::TComponent* AOwner = nullptr) : inherited(AOwner) {}
  TZYLListItemClassType ItemClassType() const override { return icBitmap; }
  TZYLListItem* NewItem() const override;
  TZYLBitmapListItem* GetArrayItem(int Index) const;
  int ItemCount(int ListIndex) const override;
  bool IsValidItem(int ListIndex, int Index) const override;
  int Dimensions(int ListIndex, bool Height) const override;
  // The bitmap's own canvas; its one image covers it whole (Index is not used).
  vcl::TCanvas* BmpCanvas(int ListIndex) const override;
  win::TRect ItemRect(int ListIndex, int Index) const override;
  bool GetBitmapItem(int ListIndex, int Index, vcl::TBitmap* Bitmap) const override;
  win::HPALETTE Palette(int ListIndex) const override;
  // The bitmap's TransparentColor.
  vcl::TColor TransparentColor(int ListIndex, int Index) const override;
  // Draws bitmap ListIndex (Index is not used) with its transparent colour.
  win::TRect DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect, TZYLDrawStyleFlags Flags,
                     int ListIndex, int Index) const override;
};

class TZYLStringList : public TZYLCustomContainer {
  ZYL_CLASS(TZYLStringList, TZYLCustomContainer)
  explicit TZYLStringList(vcl::TComponent* AOwner = nullptr) : inherited(AOwner) {}
  TZYLListItemClassType ItemClassType() const override { return icStringList; }
  TZYLListItem* NewItem() const override { return new TZYLStringListItem(); }
  TZYLStringListItem* GetArrayItem(int Index) const;
};

class TZYLWaveList : public TZYLCustomContainer {
  ZYL_CLASS(TZYLWaveList, TZYLCustomContainer)
  explicit TZYLWaveList(vcl::TComponent* AOwner = nullptr) : inherited(AOwner) {}
  TZYLListItemClassType ItemClassType() const override { return icWave; }
  TZYLListItem* NewItem() const override { return new TZYLWaveListItem(); }
  TZYLWaveListItem* GetArrayItem(int Index) const;
};

// A component owning a wave, published as Wave.
class TZYLWaveComp : public TZYLCustomComponent {
  ZYL_CLASS(TZYLWaveComp, TZYLCustomComponent)
  explicit TZYLWaveComp(vcl::TComponent* AOwner = nullptr);
  ~TZYLWaveComp() override;
  TZYLWave* Wave() const { return FWave.get(); }
  void SetWave(TZYLWave* Value);

 protected:
  // Older form files kept the wave as the component's own "Data"; it is read, never written.
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  std::unique_ptr<TZYLWave> FWave;
};

// An image list that shows another one: every query and drawing goes to ImageList (nothing
// without one), and every change of that list is passed on to this one's links. A list of the
// global container streams as "Internal".
class TZYLImageListConnector : public TZYLCustomImageList {
  ZYL_CLASS(TZYLImageListConnector, TZYLCustomImageList)
  explicit TZYLImageListConnector(vcl::TComponent* AOwner = nullptr);
  ~TZYLImageListConnector() override;
  TZYLCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TZYLCustomImageList* Value);
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

  int GetCount() const override;
  int ItemCount(int ListIndex) const override;
  bool IsValidItem(int ListIndex, int Index) const override;
  int Dimensions(int ListIndex, bool Height) const override;
  vcl::TCanvas* BmpCanvas(int ListIndex) const override;
  win::TRect ItemRect(int ListIndex, int Index) const override;
  bool GetBitmapItem(int ListIndex, int Index, vcl::TBitmap* Bitmap) const override;
  bool Masked(int ListIndex) const override;
  win::HPALETTE Palette(int ListIndex) const override;
  vcl::TColor TransparentColor(int ListIndex, int Index) const override;
  win::TRect DrawExt(vcl::TCanvas* Canvas, const win::TRect& Rect, TZYLDrawStyleFlags Flags,
                     int ListIndex, int Index) const override;
  void ClipDraw(vcl::TCanvas* Canvas, const win::TRect& Rect, uint16_t Flags, int32_t Offset,
                vcl::TColor TransparentColor, int ListIndex, int Index) const override;

 protected:
  // A global list goes as its identifier instead of a reference.
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  bool IsImageListStored() const;
  void ListChanged(vcl::TObject* Sender);
  TZYLCustomImageList* FImageList = nullptr;
  std::unique_ptr<TZYLChangeLink> FLink;
};

// ---------------------------------------------------------------------------------------------
// The global container

class TZYLContainer : public vcl::TObject {
 public:
  TZYLContainer();
  ~TZYLContainer() override;
  TZYLBitmapList* BitmapList() const { return FBitmapList.get(); }
  TZYLImageList* ImageList() const { return FImageList.get(); }
  TZYLStringList* StringList() const { return FStringList.get(); }
  TZYLWaveList* WaveList() const { return FWaveList.get(); }

 private:
  std::unique_ptr<TZYLBitmapList> FBitmapList;
  std::unique_ptr<TZYLImageList> FImageList;
  std::unique_ptr<TZYLStringList> FStringList;
  std::unique_ptr<TZYLWaveList> FWaveList;
};

// The global container (nil until the unit's initialization created it). The unit's
// initialization also registers the container components for streaming.
TZYLContainer* ZYLContainer();
void ZYLContainerInit();
void ZYLContainerDone();
inline constexpr vcl::TUnitEntry ZYLContUnit{"ZYLCont", &ZYLContainerInit, &ZYLContainerDone};

// The container control: its own container at design time, the global one at run time.
class TZYLContainerCtrl : public TZYLCustomComponent {
  ZYL_CLASS(TZYLContainerCtrl, TZYLCustomComponent)
  explicit TZYLContainerCtrl(vcl::TComponent* AOwner = nullptr);
  ~TZYLContainerCtrl() override;
  TZYLContainer* Container();

 private:
  std::unique_ptr<TZYLContainer> FOwn;
};

bool ZYLIsGlobalIdent(const TZYLCustomImageList* List);
// The list's signature; empty for a list outside the global container.
std::string ZYLGlobalIdent(const TZYLCustomImageList* List);
// The global list of a signature; nil for any other text.
TZYLCustomImageList* ZYLGlobalList(const std::string& Ident);
void ZYLWriteGlobalIdent(vcl::TWriter* Writer, const TZYLCustomImageList* List);
TZYLCustomImageList* ZYLReadGlobalIdent(vcl::TReader* Reader);
// Defines the property Name ("Internal" for ImageList) through which a stream names List when it
// is a global list; reading it hands the list named to Set (nil for a name no global list has).
// A component with several image-list properties gives each its own name.
void ZYLDefineGlobalIdent(vcl::TFiler* Filer, TZYLCustomImageList* List,
                          const std::function<void(TZYLCustomImageList*)>& Set,
                          const char* Name = "Internal");
// The stored rule of an image-list property written as a component reference: List is set and
// not a global list (that one goes through ZYLDefineGlobalIdent).
bool ZYLIsReferenceStored(const TZYLCustomImageList* List);
bool ZYLIsSingleItemImageList(const TZYLCustomImageList* List);

// How a component holds an image list: `Slot` is its reference, `Link` its change link.
// ZYLLinkImageList moves the link and the free notification of `Client` from the list in Slot
// to `Value` and stores Value; false when Value is already there.
bool ZYLLinkImageList(vcl::TComponent* Client, TZYLChangeLink* Link, TZYLCustomImageList*& Slot,
                      TZYLCustomImageList* Value);
// For the client's Notification: when a removed component is the list in Slot, leaves it
// through the link (a list being freed is no longer a controller by then), clears Slot and
// answers true.
bool ZYLImageListRemoved(TZYLChangeLink* Link, TZYLCustomImageList*& Slot,
                         vcl::TComponent* AComponent, vcl::TOperation Operation);

}  // namespace zyl
