// TZYLCustomFileEdit: the browse edit that holds a file name and picks it with the open or save
// dialog (which one, and what it does with the chosen name, its descendants say). While not
// focused it can show only the file part (FilenameOnly) and the name shortened to the text width
// (MinimizeName); Filename answers the full name in either state.
//
// The glyphs of the file edits' browse buttons are the package's bitmap resource 16600: two
// 13 x 14 cells side by side, the open glyph on the left and the save glyph on the right, on a
// magenta background (the bottom-left pixel, the buttons' transparent colour). It is drawn as
// text rows and registered at start-up.
#pragma once

#include <memory>
#include <string>

#include "edits/ZYLCustomBrowseEdit.h"
#include "platform/controls/Dialogs.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

// The resource id of the file edits' glyph pair, and its cells.
constexpr int ZYLFileEditGlyphsId = 16600;
enum TZYLFileEditGlyph : int { fgOpen, fgSave };
// Fills Glyph with one cell of the bitmap resource 16600 (EResNotFound when it is missing).
void ZYLGetFileEditGlyph(vcl::TBitmap* Glyph, TZYLFileEditGlyph Which);
// Registers the bitmap resource 16600 (again, after a test replaced it, say).
void ZYLRegisterFileEditGlyphs();
// The colour (a TColor) of the glyph pair at X, Y; -1 outside it.
int32_t ZYLFileEditGlyphPixel(int X, int Y);

class TZYLCustomFileEdit : public TZYLCustomBrowseEdit {
  ZYL_CLASS(TZYLCustomFileEdit, TZYLCustomBrowseEdit)
  // The indices of the shared string setter.
  enum TDialogString : int { dsTitle, dsInitialDir, dsFilter, dsDefaultExt };

  explicit TZYLCustomFileEdit(vcl::TComponent* AOwner);

  // While not focused only the file part shows.
  bool FilenameOnly() const { return FFilenameOnly; }
  void SetFilenameOnly(bool Value);
  // The full file name (shown reduced while unfocused).
  std::string Filename() const { return FullText(); }
  void SetFilename(const std::string& Value) { SetFullText(Value); }
  // What the dialog gets.
  vcl::TOpenOptions DialogOptions() const { return FDialogOptions; }
  void SetDialogOptions(vcl::TOpenOptions Value) { FDialogOptions = Value; }
  std::string GetDialogString(int Index) const;
  void SetDialogString(int Index, std::string Value);

 protected:
  // The dialog a browse shows.
  virtual std::unique_ptr<vcl::TOpenDialog> CreateDialog() = 0;
  // Takes the name the dialog returned (here: it becomes the text).
  virtual void AcceptFileName(const std::string& Name) { SetFilename(Name); }
  void DoBrowse() override;
  std::string ReduceText(const std::string& Full) override;

 private:
  bool FFilenameOnly = false;
  vcl::TOpenOptions FDialogOptions{vcl::ofHideReadOnly};
  std::string FDialogStrings[4];
};

}  // namespace zyl
