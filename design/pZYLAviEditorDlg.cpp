#include "design/pZYLAviEditorDlg.h"

#include "buttons/ZYLButton.h"
#include "design/pZYLObjectEditor.h"
#include "display/ZYLDrawEdge.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/graphics/Bitmap.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLFrmcavi) {
  DescribeFields(b);
  using T = TZYLFrmcavi;
  b.Method("FormCreate", &T::FormCreate)
      .Method("FormDestroy", &T::FormDestroy)
      .Method("aviLoadClick", &T::aviLoadClick)
      .Method("aviPlayClick", &T::aviPlayClick)
      .Method("Button1Click", &T::Button1Click);
}

TZYLFrmcavi::TZYLFrmcavi(vcl::TComponent* AOwner) : inherited(AOwner) {}
TZYLFrmcavi::~TZYLFrmcavi() { ZYLFormDestroying(this); }

bool TZYLFrmcavi::Edit(TZYLImageListItem* Item) {
  auto dlg = ZYLCreateEditorForm<TZYLFrmcavi>(nullptr);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Item->Assign(dlg->ResultItem());
  return true;
}

void TZYLFrmcavi::FormCreate(TObject*) {
  FResult = std::make_unique<TZYLImageListItem>();
  SetCaption("AVI2IML Converter");
}

void TZYLFrmcavi::FormDestroy(TObject*) { FResult.reset(); }

void TZYLFrmcavi::aviLoadClick(TObject* Sender) {
  if (Sender != aviLoad) return;
  FileDialog->SetTitle("Load AVI");
  FileDialog->SetFileName("*.avi");
  FileDialog->SetDefaultExt("avi");
  FileDialog->SetFilter("AVI Files (*.avi)|*.avi");
  if (!FileDialog->Execute()) return;
  const std::string before = Ani->FileName();
  const bool wasOpen = Ani->Open();
  // On failure the clip shown before comes back: nothing of the form changes.
  const vcl::TOnFailure showBefore([&] {
    Ani->SetOpen(false);
    Ani->SetFileName(before);
    if (wasOpen) Ani->SetOpen(true);
  });
  Ani->SetFileName(FileDialog->FileName());
  Ani->SetOpen(true);
}

void TZYLFrmcavi::aviPlayClick(TObject*) {
  if (!Ani->FileName().empty()) Ani->SetActive(true);
}

void TZYLFrmcavi::Button1Click(TObject*) {
  if (Ani->FileName().empty() || Ani->FrameCount() < 1) return;
  vcl::TBitmap frame;
  FResult->SetInteger(TZYLImageListItem::iiHeight, Ani->FrameHeight());
  FResult->SetInteger(TZYLImageListItem::iiWidth, Ani->FrameWidth());
  FResult->SetMaskedState(false);
  for (int n = 1; n <= Ani->FrameCount(); ++n) {
    Ani->SetStartFrame(n);
    const vcl::TPoint at = Ani->ClientOrigin();
    ZYLBmpFromDesktop(&frame,
                      win::TRect{at.X, at.Y, at.X + Ani->FrameWidth(), at.Y + Ani->FrameHeight()});
    vcl::Application->ProcessMessages();
    FResult->Add(&frame, nullptr);
  }
}

void pZYLAviEditorDlgInit() {
  vcl::RegisterCommonControls();  // the animation control
  vcl::RegisterDialogs();
  ZYLEnterEditorUnit(TZYLFrmcavi::StaticClass(), TZYLFrmcavi::FormLayout());
}

void pZYLAviEditorDlgDone() { ZYLLeaveEditorUnit(TZYLFrmcavi::StaticClass()); }

}  // namespace zyl
