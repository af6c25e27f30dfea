// TZYLCustomEdit: the single-line owner-drawn edit. It draws the text (or the password
// character in its place) in one row, keeps the caret in view by scrolling the text
// horizontally, hit-tests mouse clicks, carries a row of embedded buttons on its right edge,
// sizes its height to the font with AutoSize and links an auto-complete component.
//
// The widths of the shown text's prefixes are kept in a table that a change renews only from
// the changed position on, and only the visible part of the text is drawn, so that typing,
// caret moves and hit-testing cost the same at any text length.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "edits/ZYLBaseEdit.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLEditAutoComplete;
class TZYLSpecialButtons;

// A click on an embedded button: the edit, the button's item and its index.
using TZYLOnBtnClick = vcl::TEvent<void(vcl::TObject* Sender, vcl::TObject* Btn, int Index)>;

class TZYLCustomEdit : public TZYLBaseEdit {
  ZYL_CLASS(TZYLCustomEdit, TZYLBaseEdit)
  ZYL_MESSAGES(TZYLCustomEdit)
  explicit TZYLCustomEdit(vcl::TComponent* AOwner);
  ~TZYLCustomEdit() override;

  char PasswordChar() const { return FPasswordChar; }
  // Stores the character and rebuilds the shown text.
  void SetPasswordChar(char Value);
  // The text as drawn: the text itself, or the password character once per character.
  const std::string& ShownText() const { return UsesSpecialText() ? FShown : FText; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TZYLSpecialButtons* CustomButtons() const { return FButtons.get(); }
  void SetCustomButtons(TZYLSpecialButtons* Value);
  int CustomButtonWidth() const { return FButtonWidth; }
  void SetCustomButtonWidth(int Value);
  TZYLUserButtonStyle CustomButtonsStyle() const { return FButtonsStyle; }
  virtual void SetCustomButtonStyle(TZYLUserButtonStyle Value);
  bool CustomButtonParentCtlXP() const { return FButtonParentCtlXP; }
  void SetCustomButtonXP(bool Value);
  void SetCustomButtonsXPMode(bool Value);
  TZYLEditAutoComplete* AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(TZYLEditAutoComplete* Value);
  // Clicks the button at Index (ignored outside the collection).
  void BtnClick(int Index);
  // The height AutoSize gives, and the layout of height and width by it.
  virtual void CorrectBounds();

  const TZYLOnBtnClick& GetOnBtnClick() const { return FOnBtnClick; }
  void SetOnBtnClick(const TZYLOnBtnClick& E) { FOnBtnClick = E; }

  // The x of the text's origin (before the scroll offset) for the current alignment.
  int TextOrigin();
  // The width of the first N characters of the shown text.
  int PrefixWidth(int N);
  // How many characters from the start have their places measured; the others are measured
  // when something needs them.
  int MeasuredChars() const { return static_cast<int>(FPrefixValid) - 1; }

 protected:
  void DrawText(int From) override;
  void SetCaret() override;
  int CalcMousePos(vcl::TSmallPoint Point) override;
  int CalcMouseCol(int) override { return 0; }
  int CalcMouseRow(int) override { return 0; }
  void SetNewText() override;
  void GetNewText() override {}
  void ChangedText(int At) override;
  void FinishedSetSelText() override;
  bool BackOneMore() override;
  bool AllowCopyPaste() override { return FPasswordChar == 0; }
  void ModifyPaintRect() override;
  void GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) override;
  void Paint() override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;
  void DoThemeChanged() override;
  void GetChange(vcl::TObject* Sender) override;
  // The shown text for a password character; descendants show other forms of the text.
  virtual void CreateSpecialText(std::string& S);
  virtual bool UsesSpecialText() const { return FPasswordChar != 0; }
  virtual void DoAClick(vcl::TObject* Sender, int Index);
  virtual void DrawSpecialTextBackground(vcl::TCanvas* /*Canvas*/, const vcl::TRect& /*Rect*/) {}
  // Places the embedded buttons right of the paint rectangle.
  void SetBorders();
  // Forgets the prefix widths from position At on (all of them after a font change).
  void InvalidateWidths(int At);

  void CMFontChangedCustom(vcl::TMessage& Message);
  void CMZYLBevelChangedCustom(vcl::TMessage& Message);
  void WMKillFocusCustom(vcl::TWMKillFocus& Message);
  void EMGetPasswordChar(vcl::TMessage& Message);
  void EMSetPasswordChar(vcl::TMessage& Message);

 private:
  void ButtonsChanged(vcl::TObject* Sender);
  void ButtonClicked(vcl::TObject* Sender, int Index);
  void ReadLegacyButtonStyle(vcl::TReader* Reader);
  // Fills the width table of the 256 characters for the current font when it changed.
  void EnsureCharWidths(vcl::TCanvas* Canvas);
  // Measures the prefix widths until they reach Width, and one character beyond, or to the
  // text's end; answers the last index of FPrefix that is valid.
  int PrefixReaching(int64_t Width);

  char FPasswordChar = 0;
  std::string FShown;
  bool FAutoSize = false;
  TZYLOwned<TZYLSpecialButtons> FButtons;
  int FButtonWidth = 16;
  TZYLUserButtonStyle FButtonsStyle = ubsIntegrated;
  bool FButtonParentCtlXP = false;
  TZYLEditAutoComplete* FAutoComplete = nullptr;
  bool FButtonsChanged = false;  // the buttons are laid out again on the next paint
  // The bounds wait for the window, which an edit without a parent cannot measure with.
  bool FBoundsPending = false;
  // FPrefix[i]: the width of the first i shown characters; valid up to FPrefixValid.
  std::vector<int> FPrefix{0};
  size_t FPrefixValid = 1;

 protected:
  void CreateWnd() override;
  TZYLOnBtnClick FOnBtnClick;
};

}  // namespace zyl
