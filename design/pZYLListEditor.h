// TZYLListEditorForm: the frame every list editor form shares. The form edits a working list of
// its own (a container of the edited class, made with the form, freed with it): the owner-drawn
// list box `lb` shows one line per item, the toolbar buttons, main menu and popup menu lead to
// PopupClick and fileactionClick, which tell the commands apart by their sender; items travel
// through the clipboard as a container of the edited class, lists through list files (with the
// folder remembered per list kind and a most-recently-used list), and files dropped on `lb` are
// added as items. Only the caller's assignment after OK reaches the edited component.
//
// A member editor names its list kind, makes its working list and answers the item dialog; an
// editor whose lines are not the working list's items (the images of one strip) overrides the
// item operations (ItemCount, MoveItem, DeleteItem, ClearItems, CopyItems, PasteItems, ...).
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "design/TZYLListEditorForm.fieldtypes.h"
#include "foundation/ZYLClass.h"
#include "platform/controls/Forms.h"

namespace vcl {
class TOpenDialog;
class TStrings;
}  // namespace vcl

namespace zyl {

class TZYLCustomContainer;
class TZYLMRUList;

// The registry key under which the list editors keep their settings, before the class name.
extern const char ZYLListEditorRegPath[];

class TZYLListEditorForm : public vcl::TForm {
  ZYL_CLASS(TZYLListEditorForm, vcl::TForm)
  explicit TZYLListEditorForm(vcl::TComponent* AOwner);
  ~TZYLListEditorForm() override;

  // The working list (made in FormCreate).
  TZYLCustomContainer* WorkList() const { return FList.get(); }
  // The list kind's file extension without its dot ("bml").
  const std::string& Suffix() const { return FSuffix; }

  // Refills lb (Rebuild: one line per item, numbered from 1), selects Index (clamped to the
  // last line; -1 selects nothing) and sets the states of the list-dependent commands.
  virtual void SetLabels(int Index, bool Rebuild);
  // The states of the selection-dependent commands.
  virtual void WriteGeneral();

  void PopupClick(vcl::TObject* Sender);
  void fileactionClick(vcl::TObject* Sender);
  // Adds every file of FileList (fcount names) with the list kind's extension; other names are
  // skipped. A file that cannot be loaded ends the drop with its exception; one loaded that cannot
  // become an item is named to the user ("Cannot open file %s:\r<file>") and the drop goes on.
  // Either way the cursor comes back and SetLabels selects the line LineAfterDrop names.
  void fmFMDragDrop(vcl::TObject* Sender, int fcount, int x, int y, vcl::TStrings* FileList);
  void lbClick(vcl::TObject* Sender);
  void lbDblClick(vcl::TObject* Sender);
  void mruClick(vcl::TObject* Sender, const std::string& FileName, bool& Remove);
  virtual void FormCreate(vcl::TObject* Sender);
  void FormDestroy(vcl::TObject* Sender);
  void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);

#include "design/TZYLListEditorForm.fields.h"

 protected:
  // True when Sender is one of Items (a menu entry and its button share a handler).
  static bool Is(vcl::TObject* Sender, std::initializer_list<vcl::TComponent*> Items);
  // The member editor's list: its kind, a new empty working list, the extension (with dot) of
  // the files it takes by drop, and the item dialog on item Index (Index = ItemCount(): a new
  // item, appended on OK). EditItem answers whether the item changed or was added.
  virtual TZYLListItemClassType ListKind() const { return icGeneric; }
  virtual TZYLCustomContainer* NewList() const;
  virtual std::string DropExtension() const { return ".bmp"; }
  virtual bool EditItem(int /*Index*/) { return false; }
  // The drop's two steps for one file: LoadDropped loads File into a work object (raising when it
  // cannot) and answers the step that appends the work object as a new item, which answers
  // whether lb gains a line (an empty step: nothing to add).
  using TZYLAppendStep = std::function<bool()>;
  virtual TZYLAppendStep LoadDropped(const std::string& /*File*/) { return {}; }
  // The line a finished drop selects, given lb's line count before it: the last line.
  virtual int LineAfterDrop(int /*LinesBefore*/) const { return ItemCount() - 1; }
  // Sets FileDialog up for "Add one or multiple items" (file name, extension and filter).
  virtual void PrepareAddFiles();

  // The item operations on what lb shows (the working list's items by default).
  virtual int ItemCount() const;
  virtual void MoveItem(int From, int To);
  virtual void DeleteItem(int Index);
  virtual void ClearItems();
  virtual void SetAllCompressed(bool Value);
  // Puts the items of Lines (ascending) on the clipboard; with Cut they leave the list.
  virtual void CopyItems(const std::vector<int>& Lines, bool Cut);
  // Inserts the clipboard's items before item At (At = ItemCount(): appends); the number
  // inserted, 0 when the clipboard holds nothing of the edited kind.
  virtual int PasteItems(int At);
  // The list file commands on the working list.
  virtual void LoadListFile(const std::string& File);
  virtual void SaveListFile(const std::string& File);
  // Adds chosen items of a list file; true when something was added.
  virtual bool AddFromListFile(const std::string& File);
  // Where a paste puts the clipboard's items: after the last item when no line or the last
  // line is current, else before the current line.
  virtual int PasteAt() const;
  // The recently used list that the list file commands fill (nil: none).
  virtual TZYLMRUList* FilesMRU() const { return mru; }
  // A file command of the member editor's own (true when Sender was one).
  virtual bool OwnFileAction(vcl::TObject* /*Sender*/) { return false; }
  // Opens the existing list file an entry of the recently used list names.
  virtual void OpenMRUFile(const std::string& File) { LoadAndShow(File); }

  // The text of line Index as a rebuild writes it (the item's number counted from 1 unless the
  // member editor's lines say more).
  virtual std::string LineText(int Index) const { return std::to_string(Index + 1); }
  // The parts of SetLabels: the lines and the selection, then the list-dependent states.
  void FillLines(int Index, bool Rebuild);
  void SetListStates();

  // The lines selected in lb, ascending (the current line when lb is in single-select mode).
  std::vector<int> SelectedLines() const;
  int CurrentLine() const;
  bool MultiSelect() const;
  // The class of the edited container, for the registry key ("TZYLBitmapList").
  std::string EditedClassName() const;
  // Reloads the working list from File and shows it.
  void LoadAndShow(const std::string& File);
  // Runs a list file dialog of the kind: it starts in the folder last remembered for the kind,
  // showing the kind's files.
  bool RunFileDialog(vcl::TOpenDialog* Dialog);
  // Remembers the folder of a list file of the kind, and the file in MRU when one is given.
  void RememberFile(const std::string& File, TZYLMRUList* MRU);

 private:
  void SetSelectMode(vcl::TObject* Sender);
  void ConfirmClear();
  void DeleteSelected();
  void MoveCurrent(int Step);
  void AddFilesFromDialog();

  std::unique_ptr<TZYLCustomContainer> FList;
  std::string FSuffix;
};

// Enables any of the controls or menu items given (nil ones are skipped).
void ZYLEnableAll(std::initializer_list<vcl::TComponent*> Items, bool Value);

}  // namespace zyl
