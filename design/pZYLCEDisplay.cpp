#include "design/pZYLCEDisplay.h"

#include <string>
#include <utility>

#include "design/ZYLCPGet.h"
#include "design/pZYLCEVerbs.h"
#include "design/pZYLGraphicLabelEditor.h"
#include "display/ZYLAniCtrl.h"
#include "display/ZYLBaseShape.h"
#include "display/ZYLCustomGlyphLabel.h"
#include "display/ZYLCustomLabel.h"
#include "display/ZYLCustomSimpleLabel.h"
#include "display/ZYLDrawEdge.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLSBar.h"
#include "display/ZYLTechnicalLine.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

using vcl::TComponentEditor;

namespace {

template <class T>
bool Is(vcl::TComponent* c) {
  return dynamic_cast<T*>(c) != nullptr;
}

// The component of the editor as its registered class (the platform's invalid-cast error when
// it is not one).
template <class T>
T* As(TComponentEditor& e) {
  auto* c = dynamic_cast<T*>(e.Component());
  if (!c) throw vcl::EInvalidCast(vcl::SInvalidCast);
  return c;
}

// A verb that runs Action on the component as a T and is always reported.
template <class T>
TZYLVerb SetVerb(const std::string& Caption, void (*Action)(T*)) {
  return ZYLVerb(Caption, [Action](TComponentEditor& e) {
    Action(As<T>(e));
    return true;
  });
}

TZYLVerb CaptionUnlessDB() { return ZYLNotForDB(ZYLCaptionVerb(), SZYLDBNoCaption); }

// "Style": the bitmap-style picker on the component's Style.
TZYLVerb BitmapStyleVerb() {
  return ZYLValuePickVerb("Style", [](int64_t v) {
    return static_cast<int64_t>(ZYLCPGetBitmapStyle(static_cast<TZYLBitmapStyle>(v)));
  });
}

// A label's Font3D or FontFX by its class.
const char* LabelFontEffect(vcl::TComponent* c) {
  return Is<TZYLCustomSimpleLabel>(c) || Is<TZYLGlyphLabel>(c) ? "Font3D" : "FontFX";
}

// "Arrow ..." of the technical line: the line type, the places of the signs, then the sign.
TZYLVerb ArrowVerb(const std::string& Caption, TZYLTechnicalLineTypes Type, TZYLSignPlaces Place,
                   TZYLLineEndings Sign) {
  return ZYLVerb(Caption, [=](TComponentEditor& e) {
    auto* line = As<TZYLTechnicalLine>(e);
    line->SetTechnicalLineType(Type);
    line->SetSignPlaces(Place);
    if (Place == spEnd)
      line->SetLineEnding(Sign);
    else
      line->SetLineStart(Sign);
    return true;
  });
}

// "Horizontal Line" / "Vertical Line" of the edge drawing: an etched edge on one side, three
// pixels across.
TZYLVerb EdgeLineVerb(const std::string& Caption, TZYLFrameSide Side) {
  return ZYLVerb(Caption, [=](TComponentEditor& e) {
    auto* edge = As<TZYLDrawEdge>(e);
    edge->SetStyle(esEdge);
    edge->SetEdgeStyle(etEtched);
    edge->SetFrame({Side});
    if (Side == fsTop)
      edge->SetHeight(3);
    else
      edge->SetWidth(3);
    return true;
  });
}

// An information label's "show ..." verb.
TZYLVerb InfoVerb(const std::string& Caption, TZYLInfoType Info) {
  return ZYLVerb(Caption, [=](TComponentEditor& e) {
    As<TZYLInformationLabel>(e)->SetInfo(Info);
    return true;
  });
}

// The shape's teeth, edited in place by their launcher while the shape draws them.
TZYLVerb TeethVerb() {
  return ZYLVerb("Teeth", [](TComponentEditor& e) {
    TZYLTeeth* teeth = As<TZYLBaseShape>(e)->ActiveTeeth();
    return ZYLSettingsLauncherOf(teeth)(teeth);
  });
}

}  // namespace

TZYLVerbs TZYLLabelComponentEditor::Verbs() {
  vcl::TComponent* c = Component();
  TZYLVerbs verbs = {
      CaptionUnlessDB(),
      ZYLToggleVerb("AutoSize"),
      ZYLColorVerb(),
      ZYLSettingsVerb("Font"),
      ZYLSettingsVerb(LabelFontEffect(c)),
      ZYLToggleVerb("MultiLine"),
      ZYLToggleVerb("Transparent"),
  };
  if (Is<TZYLCustomLabel>(c) || Is<TZYLCustomGlyphLabel>(c))
    verbs.push_back(Is<TZYLGlyphLabel>(c) ? ZYLImageListVerb("ImageList", true)
                                          : ZYLSettingsVerb("Bevel"));
  if (Is<TZYLCustomGlyphLabel>(c)) verbs.push_back(ZYLSettingsVerb("Alignment"));
  return verbs;
}

TZYLVerbs TZYLLabelFillComponentEditor::Verbs() {
  TZYLVerbs verbs = TZYLLabelComponentEditor::Verbs();
  verbs.resize(7);
  verbs.push_back(ZYLSettingsVerb("FillObject"));
  verbs.push_back(ZYLColorVerb("BrushBackColor"));
  verbs.push_back(ZYLImageListVerb("ImageList", true));
  return verbs;
}

TZYLVerbs TZYLLEDLabelComponentEditor::Verbs() {
  return {CaptionUnlessDB(), ZYLToggleVerb("AutoSize"), ZYLSettingsVerb("Bevel"),
          ZYLSettingsVerb("LED")};
}

TZYLVerbs TZYLInfoLabelComponentEditor::Verbs() {
  return {ZYLToggleVerb("Transparent"),
          ZYLToggleVerb("AutoSize"),
          ZYLSettingsVerb("Font3D"),
          ZYLSettingsVerb("Font"),
          ZYLSettingsVerb("Bevel"),
          ZYLDateTimeFormatVerb("DateTime Format", "DateTimeFormat"),
          ZYLSeparatorVerb(),
          InfoVerb("show DateTime", itCurrentDateTime),
          InfoVerb("show Caps", itCapsLock),
          InfoVerb("show Num", itNumLock),
          InfoVerb("show Scroll", itScroll)};
}

TZYLVerbs TZYLGraphicLabelComponentEditor::Verbs() {
  auto* label = As<TZYLGraphicLabel>(*this);
  TZYLVerbs verbs = {
      // Reported however the editor form ends.
      SetVerb<TZYLGraphicLabel>("Editor",
                                [](TZYLGraphicLabel* l) { TZYLFormGraphicLabelEditor::Edit(l); }),
      ZYLSeparatorVerb(),
      SetVerb<TZYLGraphicLabel>("Wave",
                                [](TZYLGraphicLabel* l) { l->SetTransform(ZYLGrlf::tmWave); }),
      SetVerb<TZYLGraphicLabel>("Normal",
                                [](TZYLGraphicLabel* l) { l->SetTransform(ZYLGrlf::tmNone); }),
      ZYLToggleVerb("AutoSize"),
      ZYLSettingsVerb("FillObject"),
      ZYLSettingsVerb("Font"),
      ZYLSettingsVerb("FontFX"),
  };
  if (label->Attributes().contains(ZYLGrlf::taPerspective))
    verbs.push_back({[](TComponentEditor& e) {
                       return std::string(As<TZYLGraphicLabel>(e)->Perspective() == ZYLGrlf::tpBird
                                              ? "Perspective (tpBird)"
                                              : "Perspective (tpFrog)");
                     },
                     [](TComponentEditor& e) {
                       auto* l = As<TZYLGraphicLabel>(e);
                       l->SetPerspective(l->Perspective() == ZYLGrlf::tpBird ? ZYLGrlf::tpFrog
                                                                             : ZYLGrlf::tpBird);
                       return true;
                     }});
  return verbs;
}

TZYLVerbs TZYLNImageComponentEditor::Verbs() {
  return {ZYLNotForDB(ZYLSettingsVerb("Bitmap"), SZYLDBNoBitmap, true),
          ZYLSettingsVerb("Bevel"),
          ZYLColorVerb(),
          BitmapStyleVerb(),
          ZYLToggleVerb("Transparent"),
          ZYLSettingsVerb("TransparentStyle")};
}

TZYLVerbs TZYLCustomLImageComponentEditor::Verbs() {
  // An animation plays the images of its entry itself: its picker starts on image 0 and the
  // chosen image is not kept.
  const bool ani = Is<TZYLAniCtrl>(Component());
  TZYLVerbs verbs = {ZYLImageListVerb("ImageList", "ImageList", "ListIndex",
                                      ani ? "" : "ImageIndex", TZYLImageStore::ListTwice, false),
                     ZYLSettingsVerb("Bevel"), ZYLColorVerb(), ZYLToggleVerb("Transparent"),
                     BitmapStyleVerb()};
  if (ani) verbs.push_back(ZYLToggleVerb("Animate"));
  return verbs;
}

TZYLVerbs TZYLFillComponentEditor::Verbs() {
  return {ZYLImageListVerb("ImageList", true), ZYLSettingsVerb("FillObject"),
          ZYLSettingsVerb("Bevel"), ZYLSettingsVerb("Caption"), ZYLColorVerb()};
}

TZYLVerbs TZYLShadowFillComponentEditor::Verbs() {
  return {ZYLColorVerb("ShadowColor"), ZYLSettingsVerb("Bevel")};
}

TZYLVerbs TZYLProgressComponentEditor::Verbs() {
  return {ZYLSettingsVerb("SmallBar"), ZYLSettingsVerb("Bevel"),  ZYLCaptionVerb(),
          ZYLSettingsVerb("Font"),     ZYLSettingsVerb("Font3D"), ZYLToggleVerb("UseFontColor")};
}

TZYLVerbs TZYLProgressFillComponentEditor::Verbs() {
  TZYLVerbs verbs = TZYLProgressComponentEditor::Verbs();
  verbs.front() = ZYLSettingsVerb("FillObject");
  verbs.insert(verbs.begin(), ZYLImageListVerb("ImageList", false));
  return verbs;
}

TZYLVerbs TZYLClockComponentEditor::Verbs() {
  return {ZYLSettingsVerb("Bevel"), ZYLSettingsVerb("Digital"), ZYLToggleVerb("DigitalOnly"),
          ZYLDateTimeFormatVerb("CustomDateTimeFormat", "CustomDateTimeFormat")};
}

TZYLVerbs TZYLDrawEdgeComponentEditor::Verbs() {
  return {ZYLToggleVerb("Filled"), EdgeLineVerb("Horizontal Line", fsTop),
          EdgeLineVerb("Vertical Line", fsLeft)};
}

TZYLVerbs TZYLTechnicalLineComponentEditor::Verbs() {
  // "Shadowed" shows and flips ShadowVisible.
  TZYLVerb shadowed = ZYLToggleVerb("ShadowVisible");
  shadowed.Caption = [](TComponentEditor& e) {
    return std::string("Shadowed") + BoolStr[As<TZYLTechnicalLine>(e)->ShadowVisible()];
  };
  return {ZYLToggleVerb("Arrowed"),
          std::move(shadowed),
          ArrowVerb("Arrow Right", lsStraightLeftToRight, spEnd, leOpenArrowRight),
          ArrowVerb("Arrow Left", lsStraightLeftToRight, spStart, leOpenArrowLeft),
          ArrowVerb("Arrow Up", lsStraightTopToBottom, spStart, leOpenArrowUp),
          ArrowVerb("Arrow Down", lsStraightTopToBottom, spEnd, leOpenArrowDown)};
}

TZYLVerbs TZYLScrollTextComponentEditor::Verbs() {
  return {ZYLSettingsVerb("Bevel"),  ZYLSettingsVerb("Font"),
          ZYLSettingsVerb("Font3D"), ZYLToggleVerb("Transparent"),
          ZYLToggleVerb("Scroll"),   ZYLCodeStringsVerb("Lines", "Lines", ".Ident")};
}

TZYLVerbs TZYLCustomShapeComponentEditor::Verbs() {
  auto* shape = As<TZYLBaseShape>(*this);
  const bool teeth = shape->ActiveTeeth() != nullptr;
  TZYLVerbs verbs = {
      teeth ? TeethVerb()
            : ZYLValuePickVerb("Shape",
                               [](int64_t v) {
                                 return static_cast<int64_t>(
                                     ZYLCPGetShape(static_cast<TZYLShapeType>(v)));
                               }),
      ZYLSettingsVerb("Brush"),
      ZYLSettingsVerb("Caption"),
      ZYLSettingsVerb("Shadow"),
      ZYLToggleVerb("Square"),
      ZYLSettingsVerb(shape->Mode() == scmTeethFill ? "ShapeFill" : "Bevel"),
      ZYLSettingsVerb("ShapeFill"),
  };
  verbs.resize(shape->Mode() == scmShapeFill ? 7 : teeth ? 5 : 6);
  return verbs;
}

TZYLVerbs TZYLScrollBarComponentEditor::Verbs() {
  return {ZYLToggleVerb("Transparent"),
          ZYLSettingsVerb("Back"),
          ZYLSettingsVerb("Bevel"),
          {[](TComponentEditor& e) {
             return std::string(As<TZYLScrollBar>(e)->Kind() == skHorizontal ? "Kind (Horiz)"
                                                                             : "Kind (Vert)");
           },
           [](TComponentEditor& e) {
             auto* bar = As<TZYLScrollBar>(e);
             bar->SetKind(bar->Kind() == skHorizontal ? skVertical : skHorizontal);
             return true;
           }}};
}

TZYLVerbs TZYLTrackBarComponentEditor::Verbs() {
  const auto report = [](TComponentEditor&) { return true; };
  return {ZYLImageListVerb("ImageList", true), ZYLSettingsVerb("Font"),
          ZYLToggleVerb("Transparent"),        ZYLSeparatorVerb(),
          ZYLVerb("Save component", report),   ZYLVerb("Select template", report)};
}

}  // namespace zyl
