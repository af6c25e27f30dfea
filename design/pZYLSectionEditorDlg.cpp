#include "design/pZYLSectionEditorDlg.h"

#include <algorithm>
#include <memory>
#include <string>

#include "edits/ZYLListBox.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLSectionEditorDlg) {
  DescribeFields(b);
  using T = TZYLSectionEditorDlg;
  b.Method("sized", &T::sized);
}

void TZYLSectionEditorDlg::sized(vcl::TObject*, int, int) {
  vcl::THeaderSections* sections = lb->GetHeaderSections();
  lb1->Clear();
  for (int i = 0; i < sections->Count(); ++i) {
    vcl::THeaderSection* s = sections->Items(i);
    lb1->AddLine({s->Text(), std::to_string(s->Width())});
  }
}

bool TZYLSectionEditorDlg::Edit(TZYLListBox* ListBox, TPreview Preview) {
  vcl::THeaderSections* edited = ListBox->GetHeaderSections();
  auto dlg = ZYLCreateEditorForm<TZYLSectionEditorDlg>(nullptr);
  TZYLListBox* lb = dlg->lb;
  if (Preview == TPreview::ListWidth) lb->SetWidth(ListBox->Width());
  lb->SetHeaderSections(edited);
  if (Preview == TPreview::HeaderFont) {
    lb->SetFont(TZYLListBox::fiHeaderFont, ListBox->GetFont(TZYLListBox::fiHeaderFont));
    lb->SetBool(TZYLListBox::biVirtualAutoWidth, true);
  } else {
    for (int i = 0; i < edited->Count(); ++i)
      lb->Header()->SetSectionWidth(i, edited->Items(i)->Width());
  }
  dlg->sized(lb, 0, 0);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  vcl::THeaderSections* chosen = lb->GetHeaderSections();
  const int count = std::min(chosen->Count(), edited->Count());
  for (int i = 0; i < count; ++i) ListBox->Header()->SetSectionWidth(i, chosen->Items(i)->Width());
  if (Preview == TPreview::ListWidth) ListBox->Invalidate();
  return true;
}

}  // namespace zyl
