// Shared types of the library: the enumerations every subsystem uses (with their value names
// in the type information), the library's own control messages and its exceptions.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/base/Sets.h"
#include "platform/classes/Object.h"

namespace zyl {

// ---------------------------------------------------------------------------------------------
// Enumerations

// The indices of the indexed ImageIndex and ListIndex properties of controls and components
// that show an image-list item.
enum TZYLImageIndexProp : int { iiImageIndex = 0, iiListIndex = 1 };

ZYL_ENUM(TZYLAlignment, agTopLeft, agTopCenter, agTopRight, agCenterLeft, agCenter,
         agCenterRight, agBottomLeft, agBottomCenter, agBottomRight)
ZYL_ENUM(TZYLBorderStyle, lsNone, lsSingle, lsLowered, lsRaised, lsRaisedspb, lsLoweredspb,
         lsRaisedExt, lsLoweredExt, lsFrameInset, lsFrameOffset, lsWindowBorder,
         lsSingleRaised, lsSingleLowered, lsDoubleRaised, lsDoubleLowered)
ZYL_ENUM(TZYLBevelStyle, bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal,
         bvShadow)
ZYL_ENUM(TZYLBevelMode, bmCustom, bmStandard, bmEdge, bmWindows)
ZYL_ENUM(TZYLEdgeStyle, etRaisedInner, etRaisedOuter, etSunkenInner, etSunkenOuter, etBump,
         etEtched, etRaised, etSunken)
ZYL_ENUM(TZYLFrameSide, fsBottom, fsLeft, fsRight, fsTop)
using TZYLFrameSides = vcl::TSet<TZYLFrameSide>;
ZYL_ENUM(TZYLFillStyle, sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient)
ZYL_ENUM(TZYLTileMode, tmNone, tmCenter, tmStretch, tmTile)
ZYL_ENUM(TZYLDrawTextStyle, dtDisabled, dtEnabled, dt3DDisabled, dtClip, dtAccelChar,
         dtAutoSize, dtRectText, dtRectGlyph, dtRectGlyphText, dtCalculate, dtGhostGlyph,
         dtRectClip)
using TZYLDrawTextStyles = vcl::TSet<TZYLDrawTextStyle>;
ZYL_ENUM(TZYLTextArrange, taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom,
         taBottomLeft)
ZYL_ENUM(TZYLThreeDStyle, tdNone, tdSunken, tdRaised, tdSunkenShadow, tdRaisedShadow,
         tdPColorSunken, tdPColorRaised, tdShadow, tdOutline, tdExtrude, tdExtrudeEnh)
ZYL_ENUM(TZYLThreeDOrientation, toBottomLeft, toBottomRight, toTopLeft, toTopRight)
ZYL_ENUM(TZYLDisabledStyle, dsAuto, dsStandard, ds3d, dsNone)
ZYL_ENUM(TZYLOrientation, toHorizontal, toVertical)
ZYL_ENUM(TZYLBoundsChangeState, bcSize, bcPos)
using TZYLBoundsChangeStates = vcl::TSet<TZYLBoundsChangeState>;
ZYL_ENUM(TZYLDirection, tdRight, tdDown, tdLeft, tdUp)
ZYL_ENUM(TZYLBitmapStyle, sbNone, sbAutosize, sbCenter, sbStretch, sbTile, sbKeepAspRatio,
         sbKeepWidth, sbKeepHeight)
ZYL_ENUM(TZYLMeterDirection, mdHorizontal, mdVertical, mdHorizontalReverse, mdVerticalReverse)
ZYL_ENUM(TZYLMeterTextOptions, toNoText, toCaption, toPercent)
ZYL_ENUM(TZYLShapeType, stEllipse, stRectangle, stRoundRect, stDirectUp, stDirectRight,
         stDirectDown, stDirectLeft, stDiamond, stComb, stOctagon, stStar)
ZYL_ENUM(TZYLShadowStyle, hssNone, hssSolid, hssTracing)
ZYL_ENUM(TZYLSimpleBevelStyle, sbNormal, sbInset, sbOffset)
ZYL_ENUM(TZYLTransparentMode, tpNone, tpRestoreBack, tpTransparentColor, tpRBTranspColor)
ZYL_ENUM(TZYLCaretStyles, csDefault, csBlock, csUnder, csOver, csBitmap, csUnderBlock)
ZYL_ENUM(TZYLCaretBitmap, cbBmpSize, cbTile, cbStretch)
ZYL_ENUM(TZYLEditMode, emInsert, emShift, emCtrl, emAlt, emCaps, emNum, emScroll)
using TZYLEditModes = vcl::TSet<TZYLEditMode>;
ZYL_ENUM(TZYLTimerMode, tmNormal, tmGlobalTimer, tmHiTimer, tmThreaded)
ZYL_ENUM(TZYLDlgPosition, bpCustom, bpTopLeft, bpTopCenter, bpTopRight, bpCenterLeft, bpCenter,
         bpCenterRight, bpBottomLeft, bpBottomCenter, bpBottomRight)
ZYL_ENUM(TZYLDlgPosRel, brScreen, brScreenWorkArea, brMainForm, brActiveWindow)
ZYL_ENUM(TZYLUserButtonStyle, ubsWin31, ubsWin40, ubsVorlix, ubsVorlixFlat, ubsFlat,
         ubsFlatUnColored, ubsNavigator, ubsExplorer, ubsExplorerColored, ubsIntegrated,
         ubsCombo, ubsOffice, ubsOfficeTransp, ubsWin40Ext)
ZYL_ENUM(TZYLGlyphKind, gkCustom, gkEllipsis, gkFile, gkFolder, gkCalculator, gkCalender,
         gkSearch, gkColor, gkFont)
ZYL_ENUM(TZYLDockPosition, dpBottom, dpLeft, dpRight, dpTop)
// Predefined pairs of a lit and an unlit colour (LED displays).
ZYL_ENUM(TZYLLightColor, lcNone, lcBlue, lcRed, lcGreen, lcYellow, lcMarine, lcPurple)
// The standard entries of a window's system menu.
ZYL_ENUM(TZYLSysMenuEntry, smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smSwitch)
using TZYLSysMenuEntries = vcl::TSet<TZYLSysMenuEntry>;
// The old button-style names that readers of the retired property "ButtonStyle" meet.
extern const char* const TZYLNormalBtnStyleString[3];
ZYL_ENUM(TZYLButtonState, bsUp, bsDisabledUp, bsMouseOver, bsOptionSet, bsDown, bsDragOver,
         bsDropDownOpen, bsDisabledDown, bsDefaultEd)
ZYL_ENUM(TZYLInfoType, itUser, itWinDir, itCurrentDir32, itCurrentDiskFree32,
         itCurrentDiskSize32, itSystemDir, itReg_Owner32, itReg_Company32, itVersion,
         itColorDepth, itScreenSaverDelay, itMemSize, itFreeSysRes, itFreeGDIRes,
         itFreeUserRes, itComputerName32, itMajorVerNr32, itBuildNr32, itMemLoaded32,
         itMemFree32, itMemPageFree32, itMemPageTotal32, itMemVirtFree32, itMemVirtTotal32,
         itPlatformID32, itPlatform32, itProcessorCont32, itProcessor32, itTempPath32,
         itDOSVersion, itNumLock, itCapsLock, itScroll, itCurrentDateTime, itProgCompany,
         itProgName, itProgVersion, itFileVersion, itFileVersionFull, itFileVersionBuild,
         itProgCopyright, itProgTrademark, itProgDescription, itProgComments, itCPUSpeed)
ZYL_ENUM(TZYLVersionInfoType, viCompany, viName, viVersion, viCopyright, viTrademark,
         viDescription, viComments, viFileVersion, viFileVersionFull, viFileVersionBuild)
ZYL_ENUM(TZYLIniTarget, itIniFile, itRegistry, itAuto)
// The folder a file name without a folder of its own goes to: the Windows folder, the system
// folder, the program's folder, or none (the name as given).
ZYL_ENUM(TZYLPathPrefix, ppWindows, ppSystem, ppProgram, ppFixed)
ZYL_ENUM(TZYLRegRootKey, rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers,
         rpCurrentConfig, rpDynData)
ZYL_ENUM(TZYLIniUse, ioUseLink, ioUseGlobal, ioNone)
// The case file names are handed over in (dropped files).
ZYL_ENUM(TZYLCharCase, ccNormal, ccLowerCase, ccUpperCase)
// The animation a form or dialog opens with.
ZYL_ENUM(TZYLDlgEffect, deNone, deExplode, deExplodeExt)
// The pixel format a picture is stored in (list items, region-mask bitmaps).
ZYL_ENUM(TZYLSavePixelFormat, spfDefault, spfMono, spf4bit, spf8bit, spf16bit)
// The kinds of container items and their list files; icInvalid names none of them (no suffix,
// filter or signature).
ZYL_ENUM(TZYLListItemClassType, icImageList, icBitmap, icWave, icStringList, icGeneric, icRTF,
         icInvalid)

constexpr int ZYLInfoTypeCount = itCPUSpeed + 1;

// The face table of a multimedia button: per TZYLButtonState a list index and an image index.
struct TZYLButtonFaceEntry {
  uint16_t ListIndex = 0;
  uint16_t ImageIndex = 0;
  friend bool operator==(const TZYLButtonFaceEntry&, const TZYLButtonFaceEntry&) = default;
};
struct TZYLButtonFaceIndex {
  TZYLButtonFaceEntry Faces[bsDefaultEd + 1];
  TZYLButtonFaceEntry& operator[](TZYLButtonState s) { return Faces[s]; }
  const TZYLButtonFaceEntry& operator[](TZYLButtonState s) const { return Faces[s]; }
  friend bool operator==(const TZYLButtonFaceIndex&, const TZYLButtonFaceIndex&) = default;
};

// Integer ranges of the system: a percentage 0 .. 100 and a timer interval 1 .. 65535 ms.
using TZYLPercent = int32_t;
using TZYLTimerInterval = int32_t;
// The text type of the About property every component publishes; it holds nothing.
using TZYLAboutVar = std::string;
// Type information of TZYLAboutVar (a named string type, for its property editor).
const vcl::TTypeInfo* AboutVarTypeInfo();

// The DrawText alignment flags of the nine TZYLAlignment places.
uint32_t ZYLAlignmentFlags(TZYLAlignment Alignment);

// ---------------------------------------------------------------------------------------------
// The library's own control messages (in the framework's control-message range)

constexpr uint32_t CM_ZYLREDOCK = 0xB066;
constexpr uint32_t CM_ZYLTRANSPARENTCHANGED = 0xB0CD;
constexpr uint32_t CM_ZYLBACKCHANGED = 0xB0CE;
constexpr uint32_t CM_ZYLAFTERENTER = 0xB0CF;
constexpr uint32_t CM_ZYLAFTEREXIT = 0xB0D0;
constexpr uint32_t CM_ZYLBEVELCHANGED = 0xB0D1;
constexpr uint32_t CM_ZYLDOCKQUERY = 0xB0D2;
constexpr uint32_t CM_ZYLSCROLLBOXSCROLLEVENT = 0xB0D4;
constexpr uint32_t CM_ZYLTHEMECHANGED = 0xB0D6;
constexpr uint32_t CM_ZYLPARENTCTLXPCHANGED = 0xB0D8;
constexpr uint32_t CM_ZYLBOUNDLABELCHANGE = 0xB0D9;

// ---------------------------------------------------------------------------------------------
// Exceptions

using vcl::Exception;

// A bitmap of a pixel format the operation cannot handle.
class EZYLWrongPixelFormat : public Exception {
 public:
  // The message names the bitmap: "Wrong PixelFormat in <name> bitmap!".
  explicit EZYLWrongPixelFormat(const std::string& BitmapName);
  const char* ClassName() const override { return "EZYLWrongPixelFormat"; }
};

using EZYLWrongBmpSize = vcl::TNamedException<"EZYLWrongBmpSize", Exception>;
using EZYLWrongDataType = vcl::TNamedException<"EZYLWrongDataType", Exception>;
using EInvalidWave = vcl::TNamedException<"EInvalidWave", Exception>;
using EErrorCheckingWave = vcl::TNamedException<"EErrorCheckingWave", Exception>;

// A second instance of a once-per-form component, or a component on an owner that is no form.
class ZYLEOneInstError : public Exception {
 public:
  enum TKind : int { okInvalidOwner = 0, okSecondInstance = 1 };
  // Text is the component's class name; Kind okInvalidOwner gives "<Text>:\r<invalid owner
  // text>", okSecondInstance "<Text>:\rAlready one <Text> control in this project!".
  ZYLEOneInstError(const std::string& Text, int Kind);
  const char* ClassName() const override { return "ZYLEOneInstError"; }
};

}  // namespace zyl
