// The framework's masked edit: an edit whose text follows an edit mask. A mask is up to three
// fields separated by ';': the characters, whether the literals are kept in Text ('0': not,
// else they are), and the character that shows an empty place (default '_'). In the first
// field: L / l a letter (required / optional), A / a a letter or digit, C / c any character,
// 0 / 9 a digit, # a digit or sign (optional); > upper case from here, < lower case, <> no
// conversion; \ takes the next character as a literal; ! keeps blanks at the start
// (stored only); : and / the time and date separators; any other character is a literal.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/StdCtrls.h"

namespace vcl {

using EDBEditError = vcl::TNamedException<"EDBEditError", Exception>;

using TEditMask = std::string;
using TMaskedText = std::string;
const TTypeInfo* EditMaskTypeInfo();
const TTypeInfo* MaskedTextTypeInfo();

// A mask taken apart: one entry per place of the edit text.
struct TMaskPlace {
  char Kind = 0;     // 0: a literal; else the mask character (L l A a C c 0 9 #)
  char Literal = 0;  // the literal's character
  int Case = 0;      // 1: upper case, -1: lower case
};
struct TParsedMask {
  std::vector<TMaskPlace> Places;
  bool SaveLiterals = true;
  char Blank = '_';
  bool LeadingBlanks = false;
};
TParsedMask ParseEditMask(const std::string& Mask);
// Whether a character may stand in a place (after the place's case conversion).
bool MaskCharFits(const TMaskPlace& Place, char& Ch);
// The framework's FormatMaskText: a value laid into a mask's edit text and read back as the
// text the mask keeps.
std::string FormatMaskText(const std::string& EditMask, const std::string& Value);

class TCustomMaskEdit : public TCustomEdit {
  ZYL_CLASS(TCustomMaskEdit, TCustomEdit)
  ZYL_MESSAGES(TCustomMaskEdit)
  explicit TCustomMaskEdit(TComponent* AOwner);

  const TEditMask& EditMask() const { return editMask_; }
  // A new mask lays the current text into it.
  void SetEditMask(const TEditMask& Value);
  bool IsMasked() const { return !mask_.Places.empty(); }
  // What the edit shows: literals in place and the blank character where nothing is entered.
  std::string EditText();
  void SetEditText(const std::string& Value);
  // Text: the entered characters (blanks as spaces), with the literals when the mask keeps
  // them.
  TCaption GetText() override;
  // EDBEditError when a required place is empty; the caret goes to it.
  virtual void ValidateEdit();
  // The text is complete when every required place is filled.
  bool Validate(const std::string& Value, int& Pos);

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void CreateWnd() override;
  void WMSetText(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMEnter(TMessage& Message);

  // The edit text a value (Text) gives.
  std::string EditTextOf(const std::string& Value) const;
  // The next place at or after Pos (or before it) that takes a character; -1: none.
  int EditablePlace(int Pos, bool Forward) const;
  void ClearPlaces(int From, int To);
  void Beep();

  TEditMask editMask_;
  TParsedMask mask_;
  bool settingEdit_ = false;
  bool typed_ = false;  // the user changed the text since it was last set
};

class TMaskEdit : public TCustomMaskEdit {
  ZYL_CLASS(TMaskEdit, TCustomMaskEdit)
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace vcl
