// The printer combo box: the installed printers by name, in alphabetical order, each with the
// printer symbol when asked; choosing one can make it the application's current printer, and
// the current printer can be chosen when the box is loaded. No printers give an empty list.
#pragma once

#include <memory>

#include "edits/ZYLCustomComboBox.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

ZYL_ENUM(TZYLPrinterCBOption, poDisplaySymbol, poActivatePrinter, poStartWithActive)
using TZYLPrinterCBOptions = vcl::TSet<TZYLPrinterCBOption>;

class TZYLPrinterComboBox : public TZYLCustomComboBox {
  ZYL_CLASS(TZYLPrinterComboBox, TZYLCustomComboBox)
  ZYL_MESSAGES(TZYLPrinterComboBox)
  explicit TZYLPrinterComboBox(vcl::TComponent* AOwner);
  ~TZYLPrinterComboBox() override;

  TZYLPrinterCBOptions Options() const { return FOptions; }
  void SetOptions(TZYLPrinterCBOptions Value);
  // The chosen printer's name (the text); setting selects the item of that name whatever its
  // case, or none.
  std::string SelectedPrinter() { return Text(); }
  void SetSelectedPrinter(const std::string& Name);
  // Fills the list from the printer object's list (an unreadable list gives none); with
  // poStartWithActive the current printer is chosen.
  void InitPrinterList();
  void Init() { InitPrinterList(); }
  void Loaded() override;

 protected:
  void CreateWnd() override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void CNCommand(vcl::TWMCommand& Message);
  void CMFontChanged(vcl::TMessage& Message);
  void CMFontChange(vcl::TMessage& Message);

 private:
  std::unique_ptr<vcl::TBitmap> FBitmap;
  TZYLPrinterCBOptions FOptions{poDisplaySymbol};
};

inline constexpr vcl::TUnitEntry ZYLPrinterComboBoxUnit =
    vcl::ClassesUnit<TZYLPrinterComboBox>("ZYLPrinterComboBox");

}  // namespace zyl
