// TZYLLineListEditorForm: the list editors whose lines are texts, one per item and rebuilt in
// full at every refresh (the wave and the string list editors). A line reads
// "index;size;ident;compressed;description" and the list box splits it into its columns. The
// item dialog of the kind (a TZYLLineItemForm) edits one item's description, ident and
// compressed flag besides the item's content; the member editor says how large an item's
// content is and moves the content between the item and its dialog.
#pragma once

#include <memory>
#include <string>

#include "design/TZYLLineItemForm.fieldtypes.h"
#include "design/pZYLItemPropDlgs.h"
#include "design/pZYLListEditor.h"

namespace zyl {

class TZYLListItem;

// What the item dialogs of the text-line list editors share: the item's header, OK and Cancel.
class TZYLLineItemForm : public TZYLItemHeaderForm {
  ZYL_CLASS(TZYLLineItemForm, TZYLItemHeaderForm)
  explicit TZYLLineItemForm(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Shows what the dialog knows of the item's content.
  virtual void SetLabels() {}

#include "design/TZYLLineItemForm.fields.h"
};

// What tells one kind of text-line list apart, given by its member editor: the list kind, the
// extension (with its dot) of the files a drop or "Add one or multiple items" takes, that
// dialog's filter, a new empty working list (nil: the frame's own) and a new item dialog.
struct TZYLLineListKind {
  TZYLListItemClassType Kind = icGeneric;
  const char* Extension = ".bmp";
  const char* Filter = "";
  TZYLCustomContainer* (*NewList)() = nullptr;
  std::unique_ptr<TZYLLineItemForm> (*NewItemForm)() = nullptr;
};

class TZYLLineListEditorForm : public TZYLListEditorForm {
  ZYL_CLASS(TZYLLineListEditorForm, TZYLListEditorForm)
  explicit TZYLLineListEditorForm(vcl::TComponent* AOwner) : inherited(AOwner) {}
  TZYLLineListEditorForm(vcl::TComponent* AOwner, const TZYLLineListKind& Kind)
      : inherited(AOwner), FKind(Kind) {}

  // Rebuilds every line (whatever Rebuild says), selects Index clamped to the last line (-1:
  // none) and sets the states of the commands.
  void SetLabels(int Index, bool Rebuild) override;
  void SetLabels(int Index) { SetLabels(Index, true); }
  // The text of item Index's line: its index, content size, ident, compressed flag as 0 or 1
  // and description, separated by ";".
  std::string BuildString(int Index) const;

 protected:
  // What each kind's static Edit does: Dlg's working list takes List's items and defaults, Dlg
  // opens with no line selected and, exactly on OK, assigns the working list back to List once.
  static bool EditOnWorkList(TZYLLineListEditorForm* Dlg, TZYLCustomContainer* List);
  // Appends Item to the working list, compressed as the list's default says.
  void AppendItem(std::unique_ptr<TZYLListItem> Item);

  std::string LineText(int Index) const override { return BuildString(Index); }
  // Opens the kind's item dialog on item Index (Index = the item count: a new item, appended
  // on OK with the dialog's values); true on OK.
  bool EditItem(int Index) override;
  // A drop selects the line that was last before it (none when the list was empty).
  int LineAfterDrop(int LinesBefore) const override { return LinesBefore - 1; }
  // The "Add one or multiple items" dialog takes files of the drop extension with this filter.
  void PrepareAddFiles() override;
  // The kind's.
  TZYLListItemClassType ListKind() const override { return FKind.Kind; }
  TZYLCustomContainer* NewList() const override;
  std::string DropExtension() const override { return FKind.Extension; }
  std::string AddFilesFilter() const { return FKind.Filter; }
  std::unique_ptr<TZYLLineItemForm> NewItemForm() const;

  // The size the line shows of item Index's content.
  virtual int ContentSize(int /*Index*/) const { return 0; }
  // Puts a copy of Item's content into the dialog (Item nil: a new item, nothing to copy).
  virtual void ContentToForm(TZYLListItem* /*Item*/, TZYLLineItemForm* /*Form*/) {}
  // Gives Item the dialog's content.
  virtual void ContentFromForm(TZYLLineItemForm* /*Form*/, TZYLListItem* /*Item*/) {}

 private:
  TZYLLineListKind FKind;
};

}  // namespace zyl
