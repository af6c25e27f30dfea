// A press cut short before its release, as a user's handler cuts it: a modal form comes up (and
// is closed at once), the control is disabled or hidden, the focus goes to another control, or
// another window takes the mouse. Made from the control's OnMouseDown through TCutter, or
// between the press and the release by the test.
#pragma once

#include <functional>
#include <utility>

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/user/WinUser.h"

namespace testsupport {

enum class TCut { Modal, Disabled, Hidden, FocusMoved, CaptureTaken };

// Cuts the press on `control` short as `how` says; `other` takes the focus or the mouse.
inline void CutPress(TCut how, vcl::TControl* control, vcl::TWinControl* other) {
  switch (how) {
    case TCut::Modal: {
      const vcl::TModalFormHandler previous =
          vcl::SetModalFormHandler([](vcl::TCustomForm* f) { f->SetModalResult(vcl::mrCancel); });
      vcl::TForm box(nullptr);
      box.ShowModal();
      vcl::SetModalFormHandler(previous);
      break;
    }
    case TCut::Disabled: control->SetEnabled(false); break;
    case TCut::Hidden: control->Hide(); break;
    case TCut::FocusMoved: other->SetFocus(); break;
    case TCut::CaptureTaken: win::SetCapture(other->Handle()); break;
  }
}

// Makes its cut once, from the OnMouseDown it is bound to.
struct TCutter : vcl::TObject {
  std::function<void()> Cut;
  void Down(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
    if (auto cut = std::exchange(Cut, nullptr)) cut();
  }
};

}  // namespace testsupport
