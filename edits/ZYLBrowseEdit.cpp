#include "edits/ZYLBrowseEdit.h"

#include <memory>

#include "buttons/ZYLSpecialButtons.h"
#include "foundation/ZYLButtonDock.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBrowseEdit) {
  using C = TZYLBrowseEdit;
  b.Prop("Options", &C::BrowseOptions, &C::SetBrowseOptions)
      .Default(TZYLBrowseDlgOptions{doReturnFileSysDirs, doShowPath})
      .Prop("StartFolder", &C::StartFolder, &C::SetStartFolder)
      .Default(bfoDesktopExpanded)
      .Prop("StartWithLast", &C::StartWithLast, &C::SetStartWithLast)
      .Default(false)
      .Publish("MinimizeName")
      .Prop("Path", &C::Path, &C::SetPath)
      .Publish("ReadOnly")
      .Prop("OnExecute", &C::GetOnExecute, &C::SetOnExecute);
}

ZYL_CLASS_IMPL(TZYLLabeledBrowseEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLBrowseEdit::TZYLBrowseEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TBitmap glyph;
  ZYLGetGlyphKind(&glyph, gkFolder);
  BrowseButton()->SetGlyph(&glyph);
}

void TZYLBrowseEdit::DoBrowse() {
  auto dlg = std::make_unique<TZYLBrowseDlg>(nullptr);
  RunDialog(
      true,
      [&] {
        dlg->SetStartFolder(FStartFolder);
        dlg->SetOptions(FBrowseOptions);
        if (FStartWithLast) dlg->SetPath(Path());
        if (FOnExecute) FOnExecute(this, dlg.get());
      },
      [&] { return dlg->ExecuteEnh(vcl::GetParentForm(this)); },
      [&] { SetPath(dlg->SelectedFolder()); });
}

TZYLLabeledBrowseEdit::TZYLLabeledBrowseEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
