// The forms' part in actions: idle updates of the clients' actions and the action lists'
// shortcuts.
#include <vector>

#include "platform/controls/ActnList.h"
#include "platform/controls/Forms.h"

namespace vcl {

namespace {
// The action clients among the controls of a showing parent, depth first.
void UpdateClients(TWinControl* Parent) {
  if (!Parent->Showing()) return;
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    TControl* control = Parent->Controls(i);
    if (control->ControlStyle().contains(csActionClient) && control->Visible())
      control->InitiateAction();
    if (auto* child = dynamic_cast<TWinControl*>(control)) UpdateClients(child);
  }
}
}  // namespace

void TCustomForm::UpdateActions() {
  if (ComponentState().contains(csDesigning) || !Showing()) return;
  InitiateAction();
  if (TMainMenu* menu = Menu())
    for (int i = 0; i < menu->Items()->Count(); ++i)
      if (TMenuItem* item = menu->Items()->Items(i); item->Visible()) item->InitiateAction();
  UpdateClients(this);
}

bool TCustomForm::IsActionShortCut(TWMKey& Message) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TCustomActionList*>(Components(i));
        list && list->IsShortCut(Message))
      return true;
  return false;
}

void TApplication::DoActionIdle() {
  if (!Screen) return;
  std::vector<TCustomForm*> forms;
  for (int i = 0; i < Screen->FormCount(); ++i) forms.push_back(Screen->Forms(i));
  for (TCustomForm* form : forms)
    if (form->HandleAllocated() && win::IsWindowVisible(form->Handle()) &&
        win::IsWindowEnabled(form->Handle()))
      form->UpdateActions();
}

}  // namespace vcl
