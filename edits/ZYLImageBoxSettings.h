// TZYLImageBoxSettings: the image settings the image combo box and the image list box share.
// The two stand on different framework bases, so each takes this class as a second base: it
// keeps the image list (linked through a change link the box makes), the list index, the entry
// delimiter, the default image, the options, the glyph-text layout and ImagesOnly, with their
// getters and the setters that work alike in both boxes. The boxes set the rest themselves (a
// change redraws or rebuilds each box in its own way).
#pragma once

#include "foundation/ZYLOwned.h"
#include "platform/classes/Object.h"

namespace vcl {
class TComponent;
}

namespace zyl {

class TZYLChangeLink;
class TZYLCustomImageList;
class TZYLGlyphTextLayout;

ZYL_ENUM(TZYLImageBoxOption, lboImageListOrder, lboCheckImageNr, lboCalcHeight,
         lboTransparentImages)
using TZYLImageBoxOptions = vcl::TSet<TZYLImageBoxOption>;

class TZYLImageBoxSettings {
 public:
  TZYLImageBoxSettings(const TZYLImageBoxSettings&) = delete;
  TZYLImageBoxSettings& operator=(const TZYLImageBoxSettings&) = delete;

  TZYLCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TZYLCustomImageList* Value);
  int ListIndex() const { return FListIndex; }
  // Negative values are ignored.
  void SetIndex(int Value);
  char Delimiter() const { return FDelimiter; }
  int DefaultItem() const { return FDefaultItem; }
  TZYLImageBoxOptions Options() const { return FOptions; }
  TZYLGlyphTextLayout* Layout() const { return FLayout.get(); }
  void SetLayout(TZYLGlyphTextLayout* Value);
  bool ImagesOnly() const { return FImagesOnly; }
  // The image list is stored as a component reference (a list of the global container is
  // streamed as "Internal").
  bool HasControl() const;
  bool StoreItems() const { return !FImagesOnly; }

 protected:
  // Box is the box itself: the image list's free notification goes to it.
  explicit TZYLImageBoxSettings(vcl::TComponent* Box);
  virtual ~TZYLImageBoxSettings();

  // The box's answer to a change of its image list or list index (Sender nil) or of its look.
  virtual void GetIMLChange(vcl::TObject* Sender) = 0;
  // The number of images entries can show: entries of a single-item list, else images of entry
  // ListIndex.
  int ImageCount() const;

  TZYLCustomImageList* FImageList = nullptr;
  int FListIndex = 0;
  TZYLOwned<TZYLChangeLink> FChangeLink;
  char FDelimiter = '|';
  int FDefaultItem = -1;
  TZYLImageBoxOptions FOptions{lboImageListOrder, lboCheckImageNr};
  TZYLOwned<TZYLGlyphTextLayout> FLayout;
  bool FImagesOnly = false;

 private:
  vcl::TComponent* FBox;
};

}  // namespace zyl
