// TZYLImageListEditorDlg: the list editor of an image list, on two levels side by side. On the
// left `lbm` lists the strips of the working list (index, image count, description, size,
// masked and compressed flags, colour count) with the strip commands and the list files; on the
// right the frame's item list `lb` shows the images of the current strip, with the frame's
// commands acting on that strip, strip files, and imports from a bitmap or a clip.
#pragma once

#include "design/pZYLImageListEditor.fieldtypes.h"
#include "design/pZYLListEditor.h"
#include "design/pZYLObjectEditor.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYLImageList;
class TZYLImageListItem;

class TZYLImageListEditorDlg : public TZYLListEditorForm {
  ZYL_CLASS(TZYLImageListEditorDlg, TZYLListEditorForm)
  explicit TZYLImageListEditorDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  // Edits List on the working list; true exactly on OK, which assigns it back once.
  static bool Edit(TZYLImageList* List);

  // The working list takes List's strips and defaults.
  void SetMain(TZYLImageList* List);
  // Makes strip Index current (none outside the list) and refreshes the left-hand level.
  void SetMainList(int Index, bool Rebuild);
  // The dialogs' filter and default extension of image list files.
  void SetStdFilter();
  TZYLImageList* ImageList() const;
  // The current strip, or nil.
  TZYLImageListItem* CurrentStrip() const { return FStrip; }

  void SetLabels(int Index, bool Rebuild) override;
  void WriteGeneral() override;

  void popmainClick(vcl::TObject* Sender);
  void fileClick(vcl::TObject* Sender);
  void lbmClick(vcl::TObject* Sender);
  void lbmDblClick(vcl::TObject* Sender);
  void lbDrawItem(vcl::TWinControl* Control, int Index, vcl::TRect Rect,
                  vcl::TOwnerDrawState State);
  void FormCreate(vcl::TObject* Sender) override;

#include "design/pZYLImageListEditor.fields.h"

 protected:
  TZYLListItemClassType ListKind() const override { return icImageList; }
  TZYLCustomContainer* NewList() const override;
  bool EditItem(int Index) override;
  TZYLAppendStep LoadDropped(const std::string& File) override;
  int ItemCount() const override;
  void MoveItem(int From, int To) override;
  void DeleteItem(int Index) override;
  void ClearItems() override;
  void CopyItems(const std::vector<int>& Lines, bool Cut) override;
  int PasteItems(int At) override;
  int PasteAt() const override;
  void LoadListFile(const std::string& File) override;
  void SaveListFile(const std::string& File) override;
  bool AddFromListFile(const std::string& File) override;
  TZYLMRUList* FilesMRU() const override { return nullptr; }
  void OpenMRUFile(const std::string& File) override;
  bool OwnFileAction(vcl::TObject* Sender) override;

 private:
  int SelectedStrip() const;
  std::vector<std::string> StripColumns(int Index) const;
  // Appends Image to the current strip; a picture that does not fit is reported and left out.
  bool AddImage(vcl::TBitmap* Image, const std::string& Name);
  void FitItemHeight();
  void StripProperties(int Index);
  void MoveStrip(int Step);
  bool ConfirmReplace();
  void ImportBitmap();
  void ImportClip();
  void SaveStripAsBitmap();
  void OpenListFile(const std::string& File);

  TZYLImageListItem* FStrip = nullptr;
  int FStripIndex = -1;
};

inline constexpr vcl::TUnitEntry pZYLImageListEditorUnit =
    ZYLEditorFormUnit<TZYLImageListEditorDlg>("pZYLImageListEditor");

}  // namespace zyl
