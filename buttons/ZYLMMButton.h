// The multimedia button: TZYLCustomMMButton shows, instead of a drawn face, a picture for each
// of its nine states (TZYLButtonState). The pictures come from its ButtonFaceImageList, each
// state through its entry of the face table (a list index and an image index), or, without a
// list, from its own face strip: nine faces of equal width side by side in state order. The
// transparent colour (the bottom-left pixel of the face at rest, taken by SetTransCol) lets
// the parent show through. A state whose picture is missing shows the plain raised face.
// The strip, the table and the colour stream as "ButtonFace", "ButtonFaceIndicesNew2" and
// "ButtonFaceTransColNew", a face list of the global container as "ButtonFaceImageListInternal".
// TZYLMMButton publishes it.
#pragma once

#include <memory>

#include "buttons/ZYLBaseGraphicButton.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TStream;
}

namespace zyl {

class TZYLChangeLink;
class TZYLCustomImageList;

class TZYLCustomMMButton : public TZYLBaseGraphicButton {
  ZYL_CLASS(TZYLCustomMMButton, TZYLBaseGraphicButton)
  // The faces of the strip, one per TZYLButtonState.
  static constexpr int FaceCount = bsDefaultEd + 1;

  explicit TZYLCustomMMButton(vcl::TComponent* AOwner);
  ~TZYLCustomMMButton() override;

  TZYLCustomImageList* ButtonFaceImageList() const { return FFaceList; }
  // Follows the list's changes and removal; the transparent colour is taken again.
  void SetButtonFaceImageList(TZYLCustomImageList* Value);
  void GetButtonFaceIndices(TZYLButtonFaceIndex& Faces) const { Faces = FFaces; }
  void SetButtonFaceIndices(const TZYLButtonFaceIndex& Faces);
  // The own face strip (empty: none).
  vcl::TBitmap* ButtonFace() const { return FStrip.get(); }
  // Copies the strip (null or empty clears it) and takes the transparent colour again. A strip
  // whose width is not nine equal faces raises EZYLWrongBmpSize and the button keeps its faces.
  void SetButtonFace(vcl::TBitmap* Value);
  // Takes the transparent colour from the face at rest (clNone when there is none).
  void SetTransCol();
  vcl::TColor TransColor() const { return FTransColor; }
  // The picture of State into Bitmap; false when the state has none.
  bool GetFace(TZYLButtonState State, vcl::TBitmap* Bitmap) const;

 protected:
  vcl::TRect DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLButtonState State) override;
  // A global face list goes as its identifier instead of a reference.
  void DefineProperties(vcl::TFiler* Filer) override;
  bool IsButtonFaceImageListStored() const;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void FaceListChanged(vcl::TObject* Sender);
  void ReadIndices(vcl::TStream* Stream);
  void WriteIndices(vcl::TStream* Stream);

  TZYLCustomImageList* FFaceList = nullptr;
  TZYLOwned<TZYLChangeLink> FFaceLink;
  TZYLButtonFaceIndex FFaces;
  std::unique_ptr<vcl::TBitmap> FStrip;
  std::unique_ptr<vcl::TBitmap> FFace;  // the picture being drawn
  vcl::TColor FTransColor;
};

class TZYLMMButton : public TZYLCustomMMButton {
  ZYL_CLASS(TZYLMMButton, TZYLCustomMMButton)
  explicit TZYLMMButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLMMButtonUnit = vcl::ClassesUnit<TZYLMMButton>("ZYLMMButton");

}  // namespace zyl
