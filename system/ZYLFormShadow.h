// TZYLFormShadow: a drop shadow for a top-level form: two borderless pop-up strips of the
// window class "ZYLShadowClass", one along the form's right edge and one along its bottom
// edge, offset by the shadow's depth, that follow the form's moves, sizes, activation and
// visibility. One per form.
#pragma once

#include "foundation/ZYLOwned.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLShadow;

class TZYLFormShadow : public TZYLWndProcComponent {
  ZYL_CLASS(TZYLFormShadow, TZYLWndProcComponent)
  static constexpr const char* ClassName_ = "ZYLShadowClass";
  // Where a strip keeps its style and colour among its window bytes.
  static constexpr int StyleOffset = 0;
  static constexpr int ColorOffset = 4;

  // Raises ZYLEOneInstError for an owner that is not a form, a child window or an MDI child,
  // and for a second shadow on one form.
  explicit TZYLFormShadow(vcl::TComponent* AOwner);
  ~TZYLFormShadow() override;

  TZYLShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TZYLShadow* Value);
  bool ShowInActive() const { return FShowInActive; }
  void SetShowInActive(bool Value) { FShowInActive = Value; }

  // The strips (null while absent).
  win::HWND RightStrip() const { return FRight; }
  win::HWND BottomStrip() const { return FBottom; }

  void Init() override;
  void RestoreState() override;
  void WndProc(vcl::TMessage& Message) override;
  void GetChange(vcl::TObject* Sender) override;

  void CreateShadow();
  void DestroyShadow();
  void MoveShadow();
  void ShowShadow();
  void HideShadow();
  // True when the form shows no shadow now: hidden, minimized, maximized or inactive (an MDI
  // frame keeps it while inactive).
  bool IsNoShadow() const;

 private:
  void SetShadowParams(win::HWND Strip);
  // The strips' rectangles for the form's window rectangle.
  void StripRects(win::TRect& Right, win::TRect& Bottom) const;

  TZYLOwned<TZYLShadow> FShadow;
  bool FShowInActive = true;
  win::HWND FRight = nullptr;
  win::HWND FBottom = nullptr;
  bool FMoving = false;
  int FSavedStyle = 0;
};

// The unit registers TZYLFormShadow for streaming; its finalization also unregisters the
// strips' window class, which a freed shadow leaves registered and whose procedure is the
// unit's code.
void ZYLFormShadowRelease();
inline constexpr vcl::TUnitEntry ZYLFormShadowUnit =
    vcl::ClassesUnitReleasing<&ZYLFormShadowRelease, TZYLFormShadow>("ZYLFormShadow");

}  // namespace zyl
