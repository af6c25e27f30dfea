// The entry handling the image combo box and the image list box share: each entry names an image
// of a library image list, by its place (lboImageListOrder) or by the number after a delimiter
// ("text|number"); the two boxes stand on different framework bases, so each hands its settings
// (TZYLImageBoxSettings) to these functions, and declares the properties they share through
// DeclareProps.
#pragma once

#include <memory>
#include <string>

#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"

namespace vcl {
class TStrings;
}

namespace zyl::imageitems {

// The number of images entries can show: the entries of a single-item list, else the images of
// entry ListIndex; 0 without a list or with an empty one.
int ImageCount(const TZYLCustomImageList* List, int ListIndex);
// The width or height of image Image (a single-item list's entry Image, else entry ListIndex).
int ImageSize(const TZYLCustomImageList* List, int ListIndex, int Image, bool Height);
// The image an entry text names: the number after Delimiter (-1 when it is none), Default when
// the text has no delimiter.
int NamedImage(const std::string& Entry, char Delimiter, int Default);
// Entry Index becomes its text, the delimiter and ImageIndex; false beyond the entries.
bool SetNamedImage(vcl::TStrings* Items, int Index, char Delimiter, int ImageIndex);
// The text part of entry Index ("" beyond the entries).
std::string EntryText(vcl::TStrings* Items, int Index, char Delimiter);
// The entries become Count copies of Blank, in one update.
void FillBlanks(vcl::TStrings* Items, int Count, const char* Blank);

// Draws the entry with image Image: Draw(source canvas, glyph rectangle, transparent colour)
// for a single-item list or a library image list, and with no glyph when Valid is false; a list
// of another kind hands out a copy of the image, drawn by DrawCopy(bitmap) when there is one.
template <class Draw, class DrawCopy>
void DrawEntry(TZYLCustomImageList* List, int ListIndex, int Image, bool Valid, Draw draw,
               DrawCopy drawCopy) {
  if (!Valid) {
    draw(nullptr, vcl::TRect{0, 0, 0, 0}, vcl::clNone);
  } else if (ZYLIsSingleItemImageList(List)) {
    draw(List->BmpCanvas(Image), List->ItemRect(Image, 0), List->TransparentColor(Image, 0));
  } else if (List->InheritsFrom(TZYLImageList::StaticClass())) {
    draw(List->BmpCanvas(ListIndex), List->ItemRect(ListIndex, Image),
         List->TransparentColor(ListIndex, Image));
  } else {
    auto bmp = std::make_unique<vcl::TBitmap>();
    if (List->GetBitmapItem(ListIndex, Image, bmp.get())) drawCopy(bmp.get());
  }
}

// The image properties both boxes describe (published by their components).
template <class C>
void DeclareProps(vcl::TClassBuilder<C>& b) {
  b.Declare("ImageList", &C::ImageList, &C::SetImageList)
      .Stored(&C::HasControl)
      .Declare("ListIndex", &C::ListIndex, &C::SetIndex)
      .Default(0)
      .Declare("Layout", &C::Layout, &C::SetLayout)
      .Declare("ImagesOnly", &C::ImagesOnly, &C::SetImagesOnly)
      .Default(false);
}

}  // namespace zyl::imageitems
