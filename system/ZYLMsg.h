// TZYLMessageBoxDlg: the library's message box. Execute builds a form in code (painted title
// bar, background picture, the dialog type's icon or a custom glyph, the message, one button
// per requested kind, an optional "Don't show again" check box, an optional sound), shows it
// modally and answers its modal result. It also offers the framework's calling shapes, and the
// unit's global routines send those to the message box registered with the application
// object, or to the framework's own dialogs when there is none.
#pragma once

#include <string>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLContainerComponent.h"
#include "foundation/ZYLOwned.h"
#include "platform/controls/Dialogs.h"
#include "platform/rtl/Format.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TFont;
class TForm;
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

class TZYL3DCaption;
class TZYLChangeLink;
class TZYLCustomImageList;
class TZYLGlyphTextLayout;
class TZYLWaveList;

class TZYLMessageBoxDlg : public TZYLContainerComponent {
  ZYL_CLASS(TZYLMessageBoxDlg, TZYLContainerComponent)
  // Indices of the indexed properties.
  enum TIntegerProp : int { ipBoxLeft, ipBoxTop, ipBoxWidth, ipBoxHeight, ipWaveIndex, ipColors };
  enum TBoolProp : int { bpShowHints, bpCustomGlyph, bpPlayWave, bpCaptionFill };
  enum TFontProp : int { fpMessage, fpCaption, fpButton };
  enum TFont3DProp : int { f3Message, f3Caption };
  enum TOffsetProp : int { opShowAgainX, opShowAgainY };
  enum TStringListProp : int { spButtonTitles, spHints };
  // The entry of Hints that is the message text's hint.
  static constexpr int MessageHintIndex = 11;
  // The room each button takes in the row, and the button panel's height.
  static constexpr int ButtonPitch = 80;
  static constexpr int ButtonPanelHeight = 47;

  explicit TZYLMessageBoxDlg(vcl::TComponent* AOwner);
  ~TZYLMessageBoxDlg() override;

  TZYLUserButtonStyle ButtonsStyle() const { return FButtonsStyle; }
  void SetButtonsStyle(TZYLUserButtonStyle Value) { FButtonsStyle = Value; }
  int GetShowAgainOffset(int Index) const {
    return Index == opShowAgainX ? FShowAgainOffsetX : FShowAgainOffsetY;
  }
  void SetShowAgainOffset(int Index, int Value);
  TZYL3DCaption* GetFont3D(int Index) const {
    return Index == f3Message ? FMessageFont3D.get() : FCaptionFont3D.get();
  }
  void SetFont3D(int Index, TZYL3DCaption* Value);
  TZYLGlyphTextLayout* MessageAlignment() const { return FMessageAlignment.get(); }
  void SetMessageAlignment(TZYLGlyphTextLayout* Value);
  vcl::TFont* GetFont(int Index) const;
  void SetFont(int Index, vcl::TFont* Value);
  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value) { FColor = Value; }
  const std::string& CaptionTitle() const { return FCaptionTitle; }
  void SetCaptionTitle(const std::string& Value) { FCaptionTitle = Value; }
  vcl::TAlignment CaptionAlignment() const { return FCaptionAlignment; }
  void SetCaptionAlignment(vcl::TAlignment Value) { FCaptionAlignment = Value; }
  vcl::TStrings* GetStringList(int Index) const;
  void SetStringList(int Index, vcl::TStrings* Value);
  TZYLCustomImageList* CustomGlyphImageList() const { return FCustomGlyphImageList; }
  void SetCustomGlyphImageList(TZYLCustomImageList* Value);
  bool IsCustomGlyphImageListStored() const;
  // Index: iiImageIndex or iiListIndex of the custom glyph; negative values are ignored.
  int GetCustomGlyphIndex(int Index) const {
    return Index == iiImageIndex ? FCustomGlyphImageIndex : FCustomGlyphListIndex;
  }
  void SetCustomGlyphIndex(int Index, int Value);
  bool GetBool(int Index) const;
  void SetBool(int Index, bool Value);
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  vcl::TMsgDlgButtons Buttons() const { return FButtons; }
  void SetButtons(vcl::TMsgDlgButtons Value) { FButtons = Value; }
  TZYLDlgPosition Position() const { return FPosition; }
  void SetPosition(TZYLDlgPosition Value) { FPosition = Value; }
  TZYLDlgPosRel RelatePos() const { return FRelatePos; }
  void SetRelatePos(TZYLDlgPosRel Value) { FRelatePos = Value; }
  bool ShowAgain() const { return FShowAgain; }
  void SetShowAgain(bool Value) { FShowAgain = Value; }
  bool ShowAgainBox() const { return FShowAgainBox; }
  void SetShowAgainBox(bool Value) { FShowAgainBox = Value; }
  vcl::TMsgDlgType DlgType() const { return FDlgType; }
  void SetDlgType(vcl::TMsgDlgType Value) { FDlgType = Value; }
  TZYLWaveList* WaveList() const { return FWaveList; }
  void SetWaveList(TZYLWaveList* Value);
  const vcl::TNotifyEvent& GetOnCustomize() const { return FOnCustomize; }
  void SetOnCustomize(const vcl::TNotifyEvent& Value) { FOnCustomize = Value; }
  const vcl::TNotifyEvent& GetOnHelpClick() const { return FOnHelpClick; }
  void SetOnHelpClick(const vcl::TNotifyEvent& Value) { FOnHelpClick = Value; }

  // Shows the box. DlgType -1 takes the DlgType property, empty Buttons the Buttons property,
  // an empty Caption CaptionTitle (or the application's title). The message is Msg formatted
  // with Args when there are any. DefaultButton is the position, in creation order, of the
  // default and focused button. HelpCtx, X and Y have no effect.
  int Execute(const std::string& Caption, const std::string& Msg,
              const std::vector<vcl::TVarRec>& Args, vcl::TMsgDlgButtons Buttons, int DlgType,
              int HelpCtx, int X, int Y, int DefaultButton);
  // Always answers 1.
  int ShowMessage(const std::string& Msg);
  int ShowMessageFmt(const std::string& Msg, const std::vector<vcl::TVarRec>& Args);
  int MessageDlg(const std::string& Msg, vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                 int HelpCtx);
  int MessageDlgPos(const std::string& Msg, vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                    int HelpCtx, int X, int Y);
  // The window system's shape: buttons, icon and default button from the MB_ flags; answers
  // the IDOK .. IDNO identifier (0 for any other result). The text is shown as it is.
  int MessageBox(const char* Text, const char* Caption, int Flags);
  int MessageBox(const char* Text, const char* Caption) { return MessageBox(Text, Caption, 0); }
  int MessageBox(const char* Text, int Flags) { return MessageBox(Text, "", Flags); }
  int MessageBox(const char* Text) { return MessageBox(Text, "", 0); }

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  // Escape closes the box with mrCancel.
  void FormKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);
  void HelpClick(vcl::TObject* Sender);
  void ShowAgainClick(vcl::TObject* Sender);
  void ReadButtonStyle(vcl::TReader* Reader);
  // Builds the box's form (owned by the caller) with its buttons.
  vcl::TForm* BuildForm(const std::string& Caption, const std::string& Text,
                        vcl::TMsgDlgButtons Buttons, vcl::TMsgDlgType DlgType, int DefaultButton);
  void PlaySound() const;

  TZYLUserButtonStyle FButtonsStyle = ubsWin40;
  int FShowAgainOffsetX = 0;
  int FShowAgainOffsetY = 0;
  TZYLOwned<TZYL3DCaption> FMessageFont3D;
  TZYLOwned<TZYL3DCaption> FCaptionFont3D;
  TZYLOwned<TZYLGlyphTextLayout> FMessageAlignment;
  TZYLOwned<vcl::TFont> FMessageFont;
  TZYLOwned<vcl::TFont> FCaptionFont;
  TZYLOwned<vcl::TFont> FButtonFont;
  vcl::TColor FColor;
  std::string FCaptionTitle;
  vcl::TAlignment FCaptionAlignment = vcl::taLeftJustify;
  TZYLOwned<vcl::TStringList> FButtonTitles;
  TZYLOwned<vcl::TStringList> FHints;
  TZYLCustomImageList* FCustomGlyphImageList = nullptr;
  TZYLOwned<TZYLChangeLink> FGlyphLink;
  int FCustomGlyphListIndex = 0;
  int FCustomGlyphImageIndex = 0;
  bool FCustomGlyph = false;
  vcl::TMsgDlgButtons FButtons{vcl::mbOK};
  int FBoxLeft = 0;
  int FBoxTop = 0;
  int FBoxWidth = 0;
  int FBoxHeight = 0;
  bool FShowHints = false;
  TZYLDlgPosition FPosition = bpCenter;
  TZYLDlgPosRel FRelatePos = brScreen;
  bool FPlayWave = false;
  bool FShowAgain = true;
  bool FShowAgainBox = false;
  bool FCaptionFill = false;
  int FColors = 32;
  vcl::TMsgDlgType FDlgType = vcl::mtCustom;
  TZYLWaveList* FWaveList = nullptr;
  TZYLOwned<TZYLChangeLink> FWaveLink;
  int FWaveIndex = 0;
  vcl::TNotifyEvent FOnCustomize;
  vcl::TNotifyEvent FOnHelpClick;
};

// The global routines: through the message box registered with the application object, or
// the framework's dialogs when there is none (ZYLExecuteMsg then answers 0).
int ZYLExecuteMsg(const std::string& Caption, const std::string& Msg,
                  const std::vector<vcl::TVarRec>& Args, vcl::TMsgDlgButtons Buttons, int DlgType,
                  int HelpCtx, int X, int Y, int DefaultButton);
void ZYLShowMessage(const std::string& Msg);
void ZYLShowMessageFmt(const std::string& Msg, const std::vector<vcl::TVarRec>& Args);
int ZYLMessageDlg(const std::string& Msg, vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                  int HelpCtx);
int ZYLMessageDlgPos(const std::string& Msg, vcl::TMsgDlgType DlgType, vcl::TMsgDlgButtons Buttons,
                     int HelpCtx, int X, int Y);
int ZYLMessageBox(const char* Text, const char* Caption, int Flags);

inline constexpr vcl::TUnitEntry ZYLMsgUnit = vcl::ClassesUnit<TZYLMessageBoxDlg>("ZYLMsg");

}  // namespace zyl
