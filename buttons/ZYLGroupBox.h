// The group frame: TZYLCustomGroupBox is a bevelled panel with a caption strip at the top
// inside the bevel (the image list's picture ImageList / ListIndex / ImageIndex, then Caption,
// drawn with CaptionFont and CaptionFont3D); children are aligned below the strip.
// TZYLGroupBox publishes it as a parent for controls; the button groups build on it.
#pragma once

#include <memory>

#include "buttons/ZYLCustomBevelPanel.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TFont;
}  // namespace vcl

namespace zyl {

class TZYLFxCaption;
class TZYLGlyphTextLayout;

class TZYLCustomGroupBox : public TZYLCustomBevelPanel {
  ZYL_CLASS(TZYLCustomGroupBox, TZYLCustomBevelPanel)
  ZYL_MESSAGES(TZYLCustomGroupBox)
  explicit TZYLCustomGroupBox(vcl::TComponent* AOwner);
  ~TZYLCustomGroupBox() override;

  void Assign(vcl::TPersistent* Source) override;

  // The caption's font and 3D look; the setters assign into the owned objects.
  vcl::TFont* CaptionFont() const { return FCaptionFont.get(); }
  void SetCaptionFont(vcl::TFont* Value);
  TZYLFxCaption* CaptionFont3D() const { return FCaptionFont3D.get(); }
  void SetCaptionFont3D(TZYLFxCaption* Value);

  // The height of the caption strip: 0 without a caption.
  int CaptionHeight();
  // The client rectangle inside the bevel and below the caption strip.
  vcl::TRect ContentRect();
  void AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) override;

 protected:
  void Paint() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void PartChange(vcl::TObject* Sender);
  void CMTextChanged(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);
  void CMDialogChar(vcl::TCMDialogChar& Message);

  TZYLOwned<vcl::TFont> FCaptionFont;
  TZYLOwned<TZYLFxCaption> FCaptionFont3D;
  std::unique_ptr<TZYLGlyphTextLayout> FTextLayout;  // left, centred vertically
};

class TZYLGroupBox : public TZYLCustomGroupBox {
  ZYL_CLASS(TZYLGroupBox, TZYLCustomGroupBox)
  explicit TZYLGroupBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLGroupBoxUnit = vcl::ClassesUnit<TZYLGroupBox>("ZYLGroupBox");

}  // namespace zyl
