// TZYLCustomSimpleLabel: the light label of the library. A label base without bevel that draws
// its caption with an owned 3D caption (Font3D) and can act as a link: in a jump mode a click
// opens a document, an address or a program through the shell, the label shows the hand
// cursor, an unvisited and a visited colour and an underline, and counts its activations.
#pragma once

#include <string>

#include "display/ZYLBaseLabel.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYL3DCaption;

ZYL_ENUM(TZYLJumpModes, jmInternet, jmApplication, jmNone, jmCustom)

class TZYLCustomSimpleLabel : public TZYLBaseLabel {
  ZYL_CLASS(TZYLCustomSimpleLabel, TZYLBaseLabel)
  explicit TZYLCustomSimpleLabel(vcl::TComponent* AOwner);
  ~TZYLCustomSimpleLabel() override;

  enum TColorProp : int { cpActiveColor = 0, cpInActiveColor = 1 };

  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  // Assigns into the owned object.
  void SetFont3D(TZYL3DCaption* Value);
  // The target of a jump; empty (or blanks only) means the label's text.
  const std::string& Jump() const { return FJump; }
  void SetJump(const std::string& Value) { FJump = Value; }
  vcl::TColor GetJumpColor(int Index) const {
    return Index == cpActiveColor ? FActiveColor : FInActiveColor;
  }
  // Index 0 ActiveColor, 1 InActiveColor. A changed InActiveColor becomes the font colour at once
  // on a label loaded as a link from an older form.
  void SetJumpColor(int Index, vcl::TColor Value);
  vcl::TColor ActiveColor() const { return FActiveColor; }
  vcl::TColor InActiveColor() const { return FInActiveColor; }
  bool JumpUnderline() const { return FJumpUnderline; }
  void SetJumpUnderLine(bool Value);
  TZYLJumpModes JumpMode() const { return FJumpMode; }
  // The jump modes set the hand cursor and the unvisited look; jmNone the default cursor, a
  // black font without underline.
  void SetJumpMode(TZYLJumpModes Value);

  // Activations since the last reset.
  int GetCounter() const { return FCounter; }
  // Counter 0, the unvisited colour and (with JumpUnderline) the underline.
  void ResetCounter();
  // In a jump mode counts an activation and shows the visited colour; then clicks.
  void Execute();
  // jmInternet and jmApplication open the target through the shell (a failed internet jump
  // turns the label into a disabled plain label); jmNone and jmCustom fire OnClick.
  void Click() override;

  void CorrectBounds() override;

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void Paint() override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  // Only a jmCustom label takes its caption and state from its action; the other modes keep
  // their own look (a click still runs the action in jmNone).
  void ActionChange(vcl::TObject* Sender, bool CheckDefaults) override;
  // The target the shell is asked to open.
  std::string JumpTarget(bool MailTo);

  TZYLOwned<TZYL3DCaption> FFont3D;
  std::string FJump;
  vcl::TColor FActiveColor = 0x800080;
  vcl::TColor FInActiveColor = 0xFF0000;
  bool FLegacyJump = false;
  bool FJumpUnderline = true;
  TZYLJumpModes FJumpMode = jmNone;
  int FCounter = 0;
};

}  // namespace zyl
