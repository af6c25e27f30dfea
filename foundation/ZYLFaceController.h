// TZYLFaceController: a non-visual controller that gives the controls registered with it their
// look by state. It holds one TZYLFaceSetting per state (bevel, fill object, background and
// font colour, themed-drawing switch, and whether the state is used at all); a control asks it
// for the setting of its current state, which the controller picks from what the control
// answers through the face-controller interfaces (IZYLFaceController and, where implemented,
// IZYLFaceControllerEditable and IZYLFaceControllerPressable).
//
// State priority, highest first: disabled, read-only, invalid data, down, focused, hot,
// modified, normal. The chosen state is the highest one that holds for the control and whose
// setting is Used; the normal setting serves when none is (its Used flag is not consulted).
//
// Every change of any setting runs the controller's Change, which calls the change links of
// the registered controls. The settings stream as the extra form property "Settings" and go to
// and from settings files (see SaveToStream for the layout).
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Sets.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TControl;
class TFiler;
class TStream;
}

namespace zyl {

class TZYLBevel;
class TZYLFillObject;

// Lowest priority first.
ZYL_ENUM(TZYLFaceState, fcsNormal, fcsModified, fcsHot, fcsFocused, fcsDown, fcsInvalidData,
         fcsReadOnly, fcsDisabled)
using TZYLFaceStates = vcl::TSet<TZYLFaceState>;
constexpr int ZYLFaceStateCount = fcsDisabled + 1;

// A settings stream or file that is foreign, truncated or damaged.
class EZYLFaceSettingsError : public vcl::EReadError {
 public:
  using vcl::EReadError::EReadError;
  const char* ClassName() const override { return "EZYLFaceSettingsError"; }
};

// The look of one state.
class TZYLFaceSetting : public TZYLObject {
  ZYL_CLASS(TZYLFaceSetting, TZYLObject)
  TZYLFaceSetting();
  ~TZYLFaceSetting() override;

  void Assign(vcl::TPersistent* Source) override;
  // "{Used}" or "{Unused}".
  std::string GetSetStr() override;
  // Whether every property holds its default (nothing of it would be written).
  bool IsDefault();

  // Whether the state takes this look; an unused state falls back to a lower one.
  bool Used() const { return FUsed; }
  void SetUsed(bool Value);
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);
  // Background colour; clNone (the default) keeps the control's own Color.
  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value);
  // Font colour; clNone (the default) keeps the control's font colour.
  vcl::TColor FontColor() const { return FFontColor; }
  void SetFontColor(vcl::TColor Value);
  // Themed drawing of the control's border in this state (default true).
  bool CtlXP() const { return FCtlXP; }
  void SetCtlXP(bool Value);

 private:
  bool FUsed = false;
  TZYLOwned<TZYLBevel> FBevel;
  TZYLOwned<TZYLFillObject> FFillObject;
  vcl::TColor FColor = vcl::clNone;
  vcl::TColor FFontColor = vcl::clNone;
  bool FCtlXP = true;
};

class TZYLFaceController : public TZYLBaseController {
  ZYL_CLASS(TZYLFaceController, TZYLBaseController)
  explicit TZYLFaceController(vcl::TComponent* AOwner);
  ~TZYLFaceController() override;

  // Copies every setting of another face controller, with one Change at the end.
  void Assign(vcl::TPersistent* Source) override;

  // The setting of a state (never null for a valid state; null out of range).
  TZYLFaceSetting* Setting(TZYLFaceState State) const;
  // Whether every setting holds its defaults.
  bool IsDefault() const;

  // The states that hold for Control, asked through the face-controller interfaces (fcsNormal
  // always; fcsHot also while this controller has Control as its hot control).
  TZYLFaceStates StatesOf(vcl::TObject* Control) const;
  // The state whose look Control gets (see the priority above).
  TZYLFaceState GetState(vcl::TObject* Control) const;
  TZYLFaceSetting* GetSetting(vcl::TObject* Control) const;
  TZYLBevel* GetBevel(vcl::TObject* Control) const;
  TZYLFillObject* GetFillObject(vcl::TObject* Control) const;
  // The state's colour, or Default where the state keeps the control's own (clNone).
  vcl::TColor GetBackColor(vcl::TObject* Control, vcl::TColor Default) const;
  vcl::TColor GetFontColor(vcl::TObject* Control, vcl::TColor Default) const;
  bool GetCtlXP(vcl::TObject* Control) const;

  // The hot state: the control under the mouse. EnterHot makes Control the hot control;
  // LeaveHot forgets it when it is the hot control. Neither runs Change (only that control's
  // look changes; it repaints itself). A control calls LeaveHot before it is freed (the
  // controller also forgets it on a removal notice it hears).
  void EnterHot(vcl::TControl* Control);
  void LeaveHot(vcl::TControl* Control);
  vcl::TControl* HotControl() const { return FHotControl; }

  // Settings stream: the signature "ZYLFCS50", a version byte (1), a byte with the count of
  // records, the payload length (uint32, little endian), the CRC-32 of the payload, then the
  // payload: for every setting that differs from its defaults, in state order, the state's
  // name as an identifier, the setting's class name as a string and its properties, as form
  // streams write them, ended by a zero byte.
  void SaveToStream(vcl::TStream* Stream);
  // Reads what SaveToStream wrote; states without a record get their defaults. A foreign,
  // newer, truncated or damaged stream raises EZYLFaceSettingsError and changes nothing.
  void LoadFromStream(vcl::TStream* Stream);
  void SaveToFile(const std::string& FileName);
  // A missing file raises EFOpenError; a bad one as LoadFromStream.
  void LoadFromFile(const std::string& FileName);

 protected:
  // The extra property "Settings": the settings stream, written when it differs from the
  // ancestor's (or, without one, from the defaults).
  void DefineProperties(vcl::TFiler* Filer) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 private:
  void SettingChanged(vcl::TObject* Sender);

  TZYLOwned<TZYLFaceSetting> FSettings[ZYLFaceStateCount];
  vcl::TControl* FHotControl = nullptr;
};

inline constexpr vcl::TUnitEntry ZYLFaceControllerUnit =
    vcl::ClassesUnit<TZYLFaceSetting, TZYLFaceController>("ZYLFaceController");

}  // namespace zyl
