#include "system/ZYLMouseBaseCtrl.h"

#include "foundation/ZYLReference.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMouseBaseCtrl) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLMouseBaseCtrl;
  b.Publish("About")
      .Prop("AutoActive", &T::AutoActive, &T::SetAutoActive)
      .Default(false)
      .Prop("Control", &T::Control, &T::SetControl)
      .Stored(&T::IsControlStored)
      .Prop("Style", &T::Style, &T::SetPosStyle)
      .Default(mpDefaultButton);
}

namespace {

// A control's rectangle on the screen: its client origin and its size.
vcl::TRect ScreenBounds(vcl::TControl* Control) {
  const vcl::TPoint origin = Control->ClientOrigin();
  return {origin.X, origin.Y, origin.X + Control->Width(), origin.Y + Control->Height()};
}

}  // namespace

TZYLMouseBaseCtrl::TZYLMouseBaseCtrl(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLMouseBaseCtrl::~TZYLMouseBaseCtrl() { SetControl(nullptr); }

void TZYLMouseBaseCtrl::SetControl(vcl::TControl* Value) { ZYLSetReference(this, FControl, Value); }

void TZYLMouseBaseCtrl::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FControl) FControl = nullptr;
}

bool TZYLMouseBaseCtrl::GetTargetRect(vcl::TRect& Rect) const {
  switch (FStyle) {
    case mpDefaultButton: {
      vcl::TComponent* owner = Owner();
      if (!owner) return false;
      for (int i = 0; i < owner->ComponentCount(); ++i) {
        auto* button = dynamic_cast<vcl::TButton*>(owner->Components(i));
        if (button && button->Default()) {
          Rect = ScreenBounds(button);
          return true;
        }
      }
      return false;
    }
    case mpControl:
      if (!FControl) return false;
      Rect = ScreenBounds(FControl);
      return true;
    case mpClientArea: {
      auto* owner = dynamic_cast<vcl::TControl*>(Owner());
      if (!owner) return false;
      const vcl::TRect client = owner->ClientRect();
      const vcl::TPoint topLeft = owner->ClientToScreen(client.TopLeft());
      const vcl::TPoint bottomRight = owner->ClientToScreen(client.BottomRight());
      Rect = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
      return true;
    }
  }
  return false;
}

void TZYLMouseBaseCtrl::WndProc(vcl::TMessage& Message) {
  if (Suspended()) return;
  if (Message.Msg == win::WM_ACTIVATE && FAutoActive && !FDone) {
    Execute();
    FDone = true;
  }
  inherited::WndProc(Message);
}

}  // namespace zyl
