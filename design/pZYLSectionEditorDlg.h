// TZYLSectionEditorDlg: the column widths of a list box's header, set by dragging the dividers
// of a preview list box (`lb`, holding a copy of the header sections); the lower list (`lb1`)
// shows each section's text and width as they change.
#pragma once

#include "design/pZYLObjectEditor.h"
#include "design/pZYLSectionEditorDlg.fieldtypes.h"
#include "platform/base/Exceptions.h"

namespace zyl {

class TZYLListBox;

// A list box the section editor cannot work on (fewer than two header sections).
class EZYLSectionEditor : public vcl::Exception {
 public:
  using vcl::Exception::Exception;
  const char* ClassName() const override { return "EZYLSectionEditor"; }
};

class TZYLSectionEditorDlg : public vcl::TForm {
  ZYL_CLASS(TZYLSectionEditorDlg, vcl::TForm)
  explicit TZYLSectionEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // How the preview copies the list box: with its header font and a virtual width that
  // follows the sections (the list box editor's verb), or at the list box's own width (the
  // section editor's verb, which also refreshes the list box after OK).
  enum class TPreview { HeaderFont, ListWidth };

  // Edits the widths of ListBox's header sections in the preview; OK sets each section's width
  // through the list box's header (which tells the list box) and answers true. Any other
  // ending leaves the list box as it was.
  static bool Edit(TZYLListBox* ListBox, TPreview Preview);

#include "design/pZYLSectionEditorDlg.fields.h"

  // lb's OnHeaderSized: lb1 gets one line per section of lb, its text and its width.
  void sized(vcl::TObject* Sender, int ASection, int AWidth);
};

inline constexpr vcl::TUnitEntry pZYLSectionEditorDlgUnit =
    ZYLEditorFormUnit<TZYLSectionEditorDlg>("pZYLSectionEditorDlg");

}  // namespace zyl
