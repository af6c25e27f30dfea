// TZYLImageBoxSettings: the image settings the image combo box and the image list box share.
// The two stand on different framework bases, so each takes this class as a second base: it
// keeps the image list and the list index (TZYLImageListClient, its change link made by the
// box; ImageIndex is not used), the entry delimiter, the default image, the options, the
// glyph-text layout and ImagesOnly, with their getters and the setters that work alike in both
// boxes. The boxes set the rest themselves (a
// change redraws or rebuilds each box in its own way).
#pragma once

#include "foundation/ZYLImageListClient.h"
#include "foundation/ZYLOwned.h"
#include "platform/classes/Object.h"

namespace zyl {

class TZYLGlyphTextLayout;

ZYL_ENUM(TZYLImageBoxOption, lboImageListOrder, lboCheckImageNr, lboCalcHeight,
         lboTransparentImages)
using TZYLImageBoxOptions = vcl::TSet<TZYLImageBoxOption>;

class TZYLImageBoxSettings : public TZYLImageListClient {
 public:
  // Sets ListIndex; negative values are ignored, and a change is reported only while a list is
  // set.
  void SetIndex(int Value) { TZYLImageListClient::SetIndex(iiListIndex, Value); }
  char Delimiter() const { return FDelimiter; }
  int DefaultItem() const { return FDefaultItem; }
  TZYLImageBoxOptions Options() const { return FOptions; }
  TZYLGlyphTextLayout* Layout() const { return FLayout.get(); }
  void SetLayout(TZYLGlyphTextLayout* Value);
  bool ImagesOnly() const { return FImagesOnly; }
  // The image list is stored as a component reference (a list of the global container is
  // streamed as "Internal").
  bool HasControl() const { return IsImageListStored(); }
  bool StoreItems() const { return !FImagesOnly; }

 protected:
  // Box is the box itself: the image list's free notification goes to it.
  explicit TZYLImageBoxSettings(vcl::TComponent* Box);
  virtual ~TZYLImageBoxSettings();

  // The number of images entries can show: entries of a single-item list, else images of entry
  // ListIndex.
  int ImageCount() const;

  char FDelimiter = '|';
  int FDefaultItem = -1;
  TZYLImageBoxOptions FOptions{lboImageListOrder, lboCheckImageNr};
  TZYLOwned<TZYLGlyphTextLayout> FLayout;
  bool FImagesOnly = false;
};

}  // namespace zyl
