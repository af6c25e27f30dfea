#include "design/pZYLStringListItemPropertiesEditorDlg.h"

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLObjectEditor.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLfrmsiprop) {
  DescribeFields(b);
  using T = TZYLfrmsiprop;
  b.Method("EditorChange", &T::EditorChange)
      .Method("editclick", &T::editclick)
      .Method("editmenuPopup", &T::editmenuPopup)
      .Method("fileclick", &T::fileclick)
      .Method("dropClick", &T::dropClick);
}

namespace {

constexpr char kTextMask[] = "*.txt";
}  // namespace

void TZYLfrmsiprop::SetLabels() { l->SetCaption(std::to_string(Editor->Lines()->Count())); }

void TZYLfrmsiprop::EditorChange(vcl::TObject*) { SetLabels(); }

void TZYLfrmsiprop::editclick(vcl::TObject* Sender) {
  auto* item = dynamic_cast<vcl::TMenuItem*>(Sender);
  if (!item) return;
  switch (item->Tag()) {
    case 0: Editor->CutToClipboard(); break;
    case 1: Editor->CopyToClipboard(); break;
    case 2: Editor->PasteFromClipboard(); break;
    case 3: Editor->ClearSelection(); break;
    case 4: Editor->SelectAll(); break;
    default: return;
  }
  SetLabels();
}

void TZYLfrmsiprop::editmenuPopup(vcl::TObject*) {
  Paste1->SetEnabled(vcl::Clipboard()->HasFormat(win::CF_TEXT));
  const bool selected = Editor->SelLength() > 0;
  for (vcl::TMenuItem* item : {Cut1, Copy1, Delete1}) item->SetEnabled(selected);
}

void TZYLfrmsiprop::fileclick(vcl::TObject* Sender) {
  auto* item = dynamic_cast<vcl::TMenuItem*>(Sender);
  if (!item) return;
  if (item->Tag() == 0) {
    OpenDialog->SetFileName(kTextMask);
    if (OpenDialog->Execute()) Editor->Lines()->LoadFromFile(OpenDialog->FileName());
  } else if (item->Tag() == 1) {
    SaveDialog->SetFileName(kTextMask);
    if (SaveDialog->Execute()) Editor->Lines()->SaveToFile(SaveDialog->FileName());
  }
  SetLabels();
}

void TZYLfrmsiprop::dropClick(vcl::TObject* Sender) {
  vcl::TPopupMenu* menu = Sender == btnfile ? mfile : Sender == btnEdit ? editmenu : nullptr;
  auto* button = dynamic_cast<vcl::TControl*>(Sender);
  if (!menu || !button) return;
  const vcl::TPoint p = button->ClientToScreen({0, button->Height()});
  menu->Popup(p.X, p.Y);
}

}  // namespace zyl
