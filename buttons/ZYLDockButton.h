// The dock buttons: TZYLDockButton (the windowed push button) and TZYLDockSpeedButton (the
// graphic speed button) stand beside a windowed control, their Control, at one side
// (Position) and a distance (Margin), and follow its moves, size changes, showing, hiding and
// enabling: the docking of the dock label (TZYLDockLink). A dock button shows one of the
// built-in glyphs (GlyphKind; gkCustom shows its own Glyph or image list), the ellipsis of a
// button that opens a dialog for the control by default.
#pragma once

#include <memory>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYLButtonDock.h"
#include "platform/graphics/Bitmap.h"
#include "platform/sys/Packages.h"

namespace zyl {

// The docking of a button class Base: not a class of its own in the object model, the dock
// buttons name Base as their parent.
template <class Base>
class TZYLButtonDocking : public Base {
 public:
  // Side and size of a new dock button.
  static constexpr TZYLDockPosition DefaultPosition = dpRight;
  static constexpr int DefaultSize = 21;

  explicit TZYLButtonDocking(vcl::TComponent* AOwner)
      : Base(AOwner), FLink(std::make_unique<TZYLDockLink>(this)) {
    FLink->SetPosition(DefaultPosition);
    FLink->SetAdjustDockedSize(true);
    FLink->SetOnControlLost([this] { DropControl(); });
    this->SetBounds(this->Left(), this->Top(), DefaultSize, DefaultSize);
  }
  ~TZYLButtonDocking() override {
    FLink->RestoreWndProc();
    DropControl();
  }

  // The docking settings (position, margin, sizing, following).
  TZYLDockLink* DockLink() const { return FLink.get(); }
  vcl::TWinControl* Control() const { return FLink->Control(); }
  // Docks to Value (null: none). A control that another dock label or dock button holds is
  // refused with the dock error, and the button stays without control.
  void SetControl(vcl::TWinControl* Value) {
    if (Value == FLink->Control()) return;
    DropControl();
    FLink->SetControl(Value);
    if (Value) Value->FreeNotification(this);
  }
  TZYLGlyphKind GlyphKind() const { return FGlyphKind; }
  void SetGlyphKind(TZYLGlyphKind Value) {
    if (Value == FGlyphKind) return;
    FGlyphKind = Value;
    FKindGlyph.reset();
    this->Invalidate();
  }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override {
    Base::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLink) FLink->DockMoved();
  }

 protected:
  void Loaded() override {
    Base::Loaded();
    FLink->DockControl();
  }
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override {
    if (Operation == vcl::opRemove) FLink->ControlRemoved(AComponent);
    Base::Notification(AComponent, Operation);
  }
  // The built-in glyph of GlyphKind; an unavailable glyph strip shows none.
  vcl::TBitmap* ShownGlyph() override {
    if (FGlyphKind == gkCustom) return Base::ShownGlyph();
    if (!FKindGlyph) {
      FKindGlyph = std::make_unique<vcl::TBitmap>();
      try {
        ZYLGetGlyphKind(FKindGlyph.get(), FGlyphKind);
      } catch (const vcl::Exception&) {
        FKindGlyph->SetSize(0, 0);
      }
    }
    return FKindGlyph.get();
  }

 private:
  void DropControl() {
    vcl::TWinControl* old = FLink->Control();
    FLink->SetControl(nullptr);
    if (old) old->RemoveFreeNotification(this);
  }

  std::unique_ptr<TZYLDockLink> FLink;
  std::unique_ptr<vcl::TBitmap> FKindGlyph;
  TZYLGlyphKind FGlyphKind = gkEllipsis;
};

class TZYLDockButton : public TZYLButtonDocking<TZYLButton> {
  ZYL_CLASS(TZYLDockButton, TZYLButtonDocking<TZYLButton>)
  explicit TZYLDockButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLDockSpeedButton : public TZYLButtonDocking<TZYLSpeedButton> {
  ZYL_CLASS(TZYLDockSpeedButton, TZYLButtonDocking<TZYLSpeedButton>)
  explicit TZYLDockSpeedButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLDockButtonUnit =
    vcl::ClassesUnit<TZYLDockButton, TZYLDockSpeedButton>("ZYLDockButton");

}  // namespace zyl
