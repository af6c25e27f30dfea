// TZYLForm: extends its owner form without code in the form. It turns system messages into
// events, limits the tracking and maximized sizes, snaps the form to the edges of the work area
// (TZYLAutoDockObject), accepts dropped files, plays an opening animation, adapts control sizes
// to the screen's pixel density, and stores the form's placement, colour and font in the
// settings storage. A form read from a stream has its OnShow and OnDestroy chained: the first
// show (every show without foRestoreOnce) reads the stored values, destruction writes them.
// One per form.
#pragma once

#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/sys/Packages.h"
#include "system/ZYLFMDrop.h"

namespace vcl {
class TCustomForm;
class TReader;
}  // namespace vcl

namespace zyl {

class TZYLIniCtrl;

ZYL_ENUM(TZYLAutoDockSide, adLeft, adTop, adBottom, adRight)
using TZYLAutoDockSides = vcl::TSet<TZYLAutoDockSide>;
ZYL_ENUM(TZYLFormIniSaveOption, soColor, soFont, soPos, soSize, soState)
using TZYLFormIniSaveOptions = vcl::TSet<TZYLFormIniSaveOption>;
ZYL_ENUM(TZYLFormOption, foAutoCenter, foAutoShow, foTryAdaptRes, foRestoreOnce)
using TZYLFormOptions = vcl::TSet<TZYLFormOption>;

using TZYLSizingChangeEvent =
    vcl::TEvent<void(vcl::TObject* Sender, uint16_t xsize, uint16_t ysize, uint16_t flag)>;
using TZYLMovingEvent = vcl::TEvent<void(vcl::TObject* Sender, int x, int y, bool& Cancel)>;
using TZYLStandardEvent = vcl::TEvent<void(vcl::TObject* Sender, bool& Cancel)>;
using TZYLSendIntegerEvent = vcl::TEvent<void(vcl::TObject* Sender, int Value)>;
using TZYLSendStringEvent = vcl::TEvent<void(vcl::TObject* Sender, const std::string& Section)>;
using TZYLTrackInfoEvent = vcl::TEvent<void(vcl::TObject* Sender, int& MinWidth, int& MinHeight,
                                            int& MaxWidth, int& MaxHeight)>;
using TZYLMaxInfoEvent =
    vcl::TEvent<void(vcl::TObject* Sender, int& xpos, int& ypos, int& MaxWidth, int& MaxHeight)>;
// OnDisplayChange also hands on the colour depth of the new display mode.
using TZYLDisplayChangeEvent = vcl::TEvent<void(vcl::TObject* Sender, uint16_t xsize,
                                                uint16_t ysize, uint16_t flag, int BitsPerPixel)>;

// Snapping of a form to the edges of the work area.
class TZYLAutoDockObject : public TZYLObject {
  ZYL_CLASS(TZYLAutoDockObject, TZYLObject)
  TZYLAutoDockObject() = default;
  void Assign(vcl::TPersistent* Source) override;

  bool AfterMove() const { return FAfterMove; }
  void SetAfterMove(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  TZYLAutoDockSides Sides() const { return FSides; }
  void SetSides(TZYLAutoDockSides Value);
  TZYLAutoDockSides MoveOut() const { return FMoveOut; }
  void SetMoveOut(TZYLAutoDockSides Value);
  // The attraction distance of each edge (index: adLeft, adTop, adBottom, adRight).
  int Distance(int Index) const { return FDistance[Index]; }
  void SetDistance(int Index, int Value);

  // Where a form of Width w and Height h placed at (x, y) goes in the work area.
  win::TPoint Dock(int x, int y, int w, int h, const win::TRect& WorkArea) const;

 private:
  bool FAfterMove = true;
  bool FEnabled = false;
  TZYLAutoDockSides FSides{adLeft, adTop, adBottom, adRight};
  TZYLAutoDockSides FMoveOut{adLeft, adTop, adBottom, adRight};
  int FDistance[4] = {40, 40, 40, 40};
};

class TZYLForm : public TZYLWndProcComponent {
  ZYL_CLASS(TZYLForm, TZYLWndProcComponent)
  // The format marker that starts a stored placement.
  static constexpr int PlacementMarker = 200;
  // Indices of SetInteger.
  enum TLimit : int {
    liTrackMaxHeight,
    liTrackMaxWidth,
    liTrackMinHeight,
    liTrackMinWidth,
    liMaximizedHeight,
    liMaximizedWidth,
    liMaximizedPosX,
    liMaximizedPosY,
    liCount
  };

  // While designing, ZYLEOneInstError for a second TZYLForm or an owner that is no form.
  explicit TZYLForm(vcl::TComponent* AOwner);
  ~TZYLForm() override;

  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool Value);
  TZYLCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TZYLCharCase Value) { FCharCase = Value; }
  TZYLDlgEffect Effect() const { return FEffect; }
  void SetEffect(TZYLDlgEffect Value) { FEffect = Value; }
  TZYLAutoDockObject* AutoDock() const { return FAutoDock.get(); }
  void SetAutoDock(TZYLAutoDockObject* Value);
  TZYLIniCtrl* IniLink() const { return FIniLink; }
  void SetIniLink(TZYLIniCtrl* Value);
  TZYLIniUse IniUse() const { return FIniUse; }
  void SetIniUse(TZYLIniUse Value) { FIniUse = Value; }
  TZYLFormIniSaveOptions IniSaveOptions() const { return FIniSaveOptions; }
  void SetIniSaveOptions(TZYLFormIniSaveOptions Value) { FIniSaveOptions = Value; }
  const std::string& Section() const { return FSection; }
  void SetSection(const std::string& Value) { FSection = Value; }
  const std::string& IniKey() const { return FIniKey; }
  void SetIniKey(const std::string& Value) { FIniKey = Value; }
  int DesignPPI() const { return FDesignPPI; }
  void SetDesignPPI(int Value) { FDesignPPI = Value; }
  TZYLFormOptions Options() const { return FOptions; }
  void SetOptions(TZYLFormOptions Value) { FOptions = Value; }

  // The stored limit Index (0 = not set; -n: the screen's extent divided by n) and its value in
  // pixels.
  int GetInteger(int Index) const { return Index >= 0 && Index < liCount ? FStored[Index] : 0; }
  int RealValue(int Index) const { return Index >= 0 && Index < liCount ? FReal[Index] : 0; }
  // Ignores values below -100, indices outside 0..7 and a maximum below its minimum (or the
  // reverse).
  void SetInteger(int Index, int Value);
  // Left and Top: position; Right and Bottom: width and height.
  void SetMaximizedRect(const win::TRect& Rect);
  void SetTrackMaxValues(const win::TPoint& Value);
  void SetTrackMinValues(const win::TPoint& Value);

  // The placement value ("200,flags,showCmd,left,top,right,bottom") of the owner window.
  std::string GetIniString();
  // Restores a placement value by IniSaveOptions. A value of the wrong shape (field count,
  // marker, or a field that is no integer) restores nothing: the form is centred with
  // foAutoCenter and OnNoRestoreData fires.
  void SetIniString(const std::string& S);
  // Read and write placement, colour and font through the storage IniUse selects.
  void ReadData();
  void WriteData();
  // Scales the form's controls from DesignPPI to the screen's density, once.
  void AdaptResolution();
  static win::TRect GetWorkRect();

  void ReadState(vcl::TReader* Reader) override;
  void Loaded() override;
  void Init() override;
  void RestoreState() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void WndProc(vcl::TMessage& Message) override;

  // The events: each handler with its accessors.
  const vcl::TNotifyEvent& GetOnMove() const { return FOnMove; }
  void SetOnMove(const vcl::TNotifyEvent& Value) { FOnMove = Value; }
  const TZYLSizingChangeEvent& GetOnSize() const { return FOnSize; }
  void SetOnSize(const TZYLSizingChangeEvent& Value) { FOnSize = Value; }
  const vcl::TNotifyEvent& GetOnSysColorChange() const { return FOnSysColorChange; }
  void SetOnSysColorChange(const vcl::TNotifyEvent& Value) { FOnSysColorChange = Value; }
  const TZYLSendStringEvent& GetOnIniChange() const { return FOnIniChange; }
  void SetOnIniChange(const TZYLSendStringEvent& Value) { FOnIniChange = Value; }
  const TZYLSendStringEvent& GetOnDevModeChange() const { return FOnDevModeChange; }
  void SetOnDevModeChange(const TZYLSendStringEvent& Value) { FOnDevModeChange = Value; }
  const vcl::TNotifyEvent& GetOnFontChange() const { return FOnFontChange; }
  void SetOnFontChange(const vcl::TNotifyEvent& Value) { FOnFontChange = Value; }
  const vcl::TNotifyEvent& GetOnTimeChange() const { return FOnTimeChange; }
  void SetOnTimeChange(const vcl::TNotifyEvent& Value) { FOnTimeChange = Value; }
  const TZYLTrackInfoEvent& GetOnTrackInfo() const { return FOnTrackInfo; }
  void SetOnTrackInfo(const TZYLTrackInfoEvent& Value) { FOnTrackInfo = Value; }
  const TZYLMaxInfoEvent& GetOnMaximizeInfo() const { return FOnMaximizeInfo; }
  void SetOnMaximizeInfo(const TZYLMaxInfoEvent& Value) { FOnMaximizeInfo = Value; }
  const vcl::TNotifyEvent& GetOnPaintIcon() const { return FOnPaintIcon; }
  void SetOnPaintIcon(const vcl::TNotifyEvent& Value) { FOnPaintIcon = Value; }
  const TZYLSendIntegerEvent& GetOnSpoolerStatus() const { return FOnSpoolerStatus; }
  void SetOnSpoolerStatus(const TZYLSendIntegerEvent& Value) { FOnSpoolerStatus = Value; }
  const TZYLSendIntegerEvent& GetOnCompacting() const { return FOnCompacting; }
  void SetOnCompacting(const TZYLSendIntegerEvent& Value) { FOnCompacting = Value; }
  const TZYLMovingEvent& GetOnMoving() const { return FOnMoving; }
  void SetOnMoving(const TZYLMovingEvent& Value) { FOnMoving = Value; }
  const TZYLStandardEvent& GetOnAPMSuspendRequest() const { return FOnAPMSuspendRequest; }
  void SetOnAPMSuspendRequest(const TZYLStandardEvent& Value) { FOnAPMSuspendRequest = Value; }
  const vcl::TNotifyEvent& GetOnAPMResume() const { return FOnAPMResume; }
  void SetOnAPMResume(const vcl::TNotifyEvent& Value) { FOnAPMResume = Value; }
  const vcl::TNotifyEvent& GetOnAPMCriticalResume() const { return FOnAPMCriticalResume; }
  void SetOnAPMCriticalResume(const vcl::TNotifyEvent& Value) { FOnAPMCriticalResume = Value; }
  const TZYLDisplayChangeEvent& GetOnDisplayChange() const { return FOnDisplayChange; }
  void SetOnDisplayChange(const TZYLDisplayChangeEvent& Value) { FOnDisplayChange = Value; }
  const TZYLFMDragDropEvent& GetOnFMDragDrop() const { return FOnFMDragDrop; }
  void SetOnFMDragDrop(const TZYLFMDragDropEvent& Value) { FOnFMDragDrop = Value; }
  const vcl::TNotifyEvent& GetOnNoRestoreData() const { return FOnNoRestoreData; }
  void SetOnNoRestoreData(const vcl::TNotifyEvent& Value) { FOnNoRestoreData = Value; }

 protected:
  // Recomputes the real limits from the stored ones for the current screen.
  void SetRunTimeValues();
  void OwnerFormShow(vcl::TObject* Sender);
  void OwnerFormDestroy(vcl::TObject* Sender);
  // Takes this component out of its form's OnShow and OnDestroy chains.
  void Unchain();

 private:
  vcl::TCustomForm* Form() const;
  TZYLIniCtrl* Storage() const;
  int RealOf(int Index, int Value) const;
  void MakePositionDesigned();
  void DoMessage(vcl::TMessage& Message);
  void NoRestoreData();

  bool FAcceptFiles = false;
  TZYLCharCase FCharCase = ccNormal;
  TZYLDlgEffect FEffect = deNone;
  TZYLOwned<TZYLAutoDockObject> FAutoDock;
  TZYLIniCtrl* FIniLink = nullptr;
  TZYLIniUse FIniUse = ioNone;
  TZYLFormIniSaveOptions FIniSaveOptions{soPos, soSize, soState};
  std::string FSection = "Common";
  std::string FIniKey;
  int FDesignPPI = 96;
  TZYLFormOptions FOptions{foAutoShow};
  int FStored[liCount] = {};
  int FReal[liCount] = {};
  bool FAdapted = false;
  bool FRestored = false;
  bool FChained = false;
  vcl::TNotifyEvent FOldShow;
  vcl::TNotifyEvent FOldDestroy;
  vcl::TNotifyEvent FOnMove;
  TZYLSizingChangeEvent FOnSize;
  vcl::TNotifyEvent FOnSysColorChange;
  TZYLSendStringEvent FOnIniChange;
  TZYLSendStringEvent FOnDevModeChange;
  vcl::TNotifyEvent FOnFontChange;
  vcl::TNotifyEvent FOnTimeChange;
  TZYLTrackInfoEvent FOnTrackInfo;
  TZYLMaxInfoEvent FOnMaximizeInfo;
  vcl::TNotifyEvent FOnPaintIcon;
  TZYLSendIntegerEvent FOnSpoolerStatus;
  TZYLSendIntegerEvent FOnCompacting;
  TZYLMovingEvent FOnMoving;
  TZYLStandardEvent FOnAPMSuspendRequest;
  vcl::TNotifyEvent FOnAPMResume;
  vcl::TNotifyEvent FOnAPMCriticalResume;
  TZYLDisplayChangeEvent FOnDisplayChange;
  TZYLFMDragDropEvent FOnFMDragDrop;
  vcl::TNotifyEvent FOnNoRestoreData;
};

inline constexpr vcl::TUnitEntry ZYLFormAUnit = vcl::ClassesUnit<TZYLForm>("ZYLFormA");

}  // namespace zyl
