// TZYLFrmcavi: turns the frames of an AVI clip into the images of one image-list item. The
// clip plays in the framework's animation control; Convert shows each frame in turn and copies
// it from the screen, so the images hold what the screen shows of the animation's rectangle.
// The caller reads ResultItem after OK (it stays empty without a clip).
#pragma once

#include <memory>

#include "design/pZYLAviEditorDlg.fieldtypes.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLImageListItem;

class TZYLFrmcavi : public vcl::TForm {
  ZYL_CLASS(TZYLFrmcavi, vcl::TForm)
  explicit TZYLFrmcavi(vcl::TComponent* AOwner);
  ~TZYLFrmcavi() override;

  // Converts a clip into Item (its images replaced) when the user chooses Convert; true then.
  static bool Edit(TZYLImageListItem* Item);
  TZYLImageListItem* ResultItem() const { return FResult.get(); }

#include "design/pZYLAviEditorDlg.fields.h"

  void FormCreate(vcl::TObject* Sender);
  void FormDestroy(vcl::TObject* Sender);
  // Opens a chosen clip in the animation; a file that is no clip the control plays raises and
  // leaves the animation with the clip it had.
  void aviLoadClick(vcl::TObject* Sender);
  void aviPlayClick(vcl::TObject* Sender);
  void Button1Click(vcl::TObject* Sender);

 private:
  std::unique_ptr<TZYLImageListItem> FResult;
};

void pZYLAviEditorDlgInit();
void pZYLAviEditorDlgDone();
inline constexpr vcl::TUnitEntry pZYLAviEditorDlgUnit{"pZYLAviEditorDlg", &pZYLAviEditorDlgInit,
                                                      &pZYLAviEditorDlgDone};

}  // namespace zyl
