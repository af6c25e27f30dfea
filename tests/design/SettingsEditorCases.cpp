// The data-driven cases of the caption, layout, fill, effect caption, transparency and LED
// editors: each holder carries non-default values, so that a stray write shows in its stream.
#include <memory>
#include <string>

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLShapeControl.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/controls/TabCtrls.h"
#include "tests/design/EditorTestSupport.h"

#include <gtest/gtest.h>

namespace zyl::designtest {

namespace {

namespace vt = vcl::testkit;

// A holder of class T named Target, set up by `setup`.
template <class T>
std::function<std::unique_ptr<vcl::TComponent>()> Holder(std::function<void(T*)> setup) {
  return [setup] {
    auto h = std::make_unique<T>(nullptr);
    h->SetName("Target");
    setup(h.get());
    return std::unique_ptr<vcl::TComponent>(std::move(h));
  };
}

template <class T>
T* As(vcl::TComponent* c) {
  return static_cast<T*>(c);
}

void Choose(vcl::TCustomForm* f, const char* combo, const char* item) {
  ChooseComboItem(On<vcl::TWinControl>(f, combo), item);
}
void Type(vcl::TCustomForm* f, const char* edit, const char* text) {
  vt::TypeInto(On<vcl::TWinControl>(f, edit), text);
}
void Click(vcl::TCustomForm* f, const char* control) {
  vt::ClickControl(On<vcl::TControl>(f, control));
}
void Page(vcl::TCustomForm* f, const char* caption) {
  ShowPage(On<vcl::TPageControl>(f, "nb"), caption);
}

}  // namespace

std::vector<TEditorCase> SettingsEditorCases() {
  return {
      {"caption", Holder<TZYLShapeControl>([](TZYLShapeControl* s) {
         s->Caption()->SetCaption("Before");
         s->Caption()->FontFX()->SetStyle(tdSunken);
       }),
       [](vcl::TComponent* c) {
         return TZYLCaptionEditorDlg::Edit(As<TZYLShapeControl>(c)->Caption(), true);
       },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmb", "agBottomRight");
         Type(f, "cap", "After");
         Click(f, "chk");
       },
       [](vcl::TComponent* c) {
         TZYLCaption* cap = As<TZYLShapeControl>(c)->Caption();
         EXPECT_EQ(cap->Alignment(), agBottomRight);
         EXPECT_EQ(cap->Caption(), "After");
         EXPECT_TRUE(cap->MultiLine());
         EXPECT_EQ(cap->FontFX()->Style(), tdSunken);
       }},
      {"button layout",
       Holder<TZYLSpeedButton>([](TZYLSpeedButton* b) { b->Layout()->SetSpacing(9); }),
       [](vcl::TComponent* c) {
         return TZYLButtonLayoutEditorDlg::Edit(As<TZYLSpeedButton>(c)->Layout());
       },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmb2", "taBottom");
         Type(f, "spc", "4");
         Page(f, "Arrow");
         Click(f, "chk");
         Type(f, "ars", "7");
         Choose(f, "ap", "apLeftGlyph");
         Page(f, "Offset");
         Type(f, "capY", "-300");
       },
       [](vcl::TComponent* c) {
         TZYLButtonLayout* l = As<TZYLSpeedButton>(c)->Layout();
         EXPECT_EQ(l->AlignText2Glyph(), taBottom);
         EXPECT_EQ(l->Spacing(), 4);
         EXPECT_TRUE(l->Arrow());
         EXPECT_EQ(l->ArrowSize(), 7);
         EXPECT_EQ(l->ArrowPosition(), apLeftGlyph);
         EXPECT_EQ(l->OffsetY(), -300);
       }},
      {"glyph-text layout",
       Holder<TZYLGlyphLabel>([](TZYLGlyphLabel* l) { l->GlyphLayout()->SetSpacing(11); }),
       [](vcl::TComponent* c) {
         return TZYLGlyphTextLayoutEditorDlg::Edit(As<TZYLGlyphLabel>(c)->GlyphLayout());
       },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmb", "agCenterRight");
         Page(f, "Offset");
         Type(f, "capX", "25");
       },
       [](vcl::TComponent* c) {
         TZYLGlyphTextLayout* l = As<TZYLGlyphLabel>(c)->GlyphLayout();
         EXPECT_EQ(l->Alignment(), agCenterRight);
         EXPECT_EQ(l->OffsetX(), 25);
         EXPECT_EQ(l->Spacing(), 11);
       }},
      {"fill object", Holder<TZYLFill>([](TZYLFill* f) { f->FillObject()->SetTileMode(tmCenter); }),
       [](vcl::TComponent* c) {
         return TZYLFillEditorDlg::EditFillObject(As<TZYLFill>(c)->FillObject());
       },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmbStyle", "sfBitmap");
         Click(f, "ck2");
         Click(f, "ck1");
         Page(f, "Bitmap");
         Choose(f, "cmbTile", "tmStretch");
       },
       [](vcl::TComponent* c) {
         TZYLFillObject* o = As<TZYLFill>(c)->FillObject();
         EXPECT_EQ(o->Style(), sfBitmap);
         EXPECT_EQ(o->TileMode(), tmStretch);
         EXPECT_EQ(o->Options(), (TZYLFillOptions{foQuickDraw, foGrUseBitmap}));
       }},
      {"shape fill", Holder<TZYLShapeControl>([](TZYLShapeControl* s) {
         s->ShapeFill()->SetFillStyle(sfGradient);
       }),
       [](vcl::TComponent* c) {
         return TZYLFillEditorDlg::EditShapeFill(As<TZYLShapeControl>(c)->ShapeFill());
       },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmbStyle", "sfBrushBitmap");
         Page(f, "Bitmap");
         Choose(f, "cmbTile", "tmNone");
       },
       [](vcl::TComponent* c) {
         TZYLShapeFill* s = As<TZYLShapeControl>(c)->ShapeFill();
         EXPECT_EQ(s->Style(), sfBrushBitmap);
         EXPECT_EQ(s->TileMode(), tmNone);
       }},
      {"effect caption", Holder<TZYLLabel>([](TZYLLabel* l) {
         l->FontFX()->SetPos(TZYLFxCaption::piPosX, 14);
         l->FontFX()->SetPos(TZYLFxCaption::piPosY, -3);
         l->FontFX()->SetTracing(2);
       }),
       [](vcl::TComponent* c) { return TZYLFxEditorDlg::EditFx(As<TZYLLabel>(c)->FontFX()); },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmb", "tdOutline");
         Type(f, "anglev", "45");
         Type(f, "trac", "-7");
         Page(f, "Colors");
         Choose(f, "cmbs", "clTeal");
       },
       [](vcl::TComponent* c) {
         TZYLFxCaption* fx = As<TZYLLabel>(c)->FontFX();
         EXPECT_EQ(fx->Style(), tdOutline);
         EXPECT_EQ(fx->Angle(), 45);
         EXPECT_EQ(fx->Tracing(), -7);
         EXPECT_EQ(fx->ShadowColor(), vcl::clTeal);
         EXPECT_EQ(fx->PosX(), 14);
         EXPECT_EQ(fx->PosY(), -3);
       }},
      {"3D caption",
       Holder<TZYLGlyphLabel>([](TZYLGlyphLabel* l) { l->Font3D()->SetStyle(tdRaised); }),
       [](vcl::TComponent* c) { return TZYLFxEditorDlg::Edit3D(As<TZYLGlyphLabel>(c)->Font3D()); },
       [](vcl::TCustomForm* f) {
         Type(f, "lidepth", "6");
         Page(f, "Colors");
         Choose(f, "cmbL", "clYellow");
       },
       [](vcl::TComponent* c) {
         TZYL3DCaption* d = As<TZYLGlyphLabel>(c)->Font3D();
         EXPECT_EQ(d->Style(), tdRaised);
         EXPECT_EQ(d->LightDepth(), 6);
         EXPECT_EQ(d->LightColor(), vcl::clYellow);
       }},
      {"transparency",
       Holder<TZYLNImage>([](TZYLNImage* i) { i->TransparentStyle()->SetColor(vcl::clGray); }),
       [](vcl::TComponent* c) {
         return TZYLTransparentEditorDlg::Edit(As<TZYLNImage>(c)->TransparentStyle());
       },
       [](vcl::TCustomForm* f) {
         Choose(f, "cmb", "tpRBTranspColor");
         Choose(f, "cmbc", "clLime");
       },
       [](vcl::TComponent* c) {
         TZYLTransparent* t = As<TZYLNImage>(c)->TransparentStyle();
         EXPECT_EQ(t->Mode(), tpRBTranspColor);
         EXPECT_EQ(t->Color(), vcl::clLime);
       }},
      {"LED",
       Holder<TZYLLEDLabel>([](TZYLLEDLabel* l) { l->LED()->SetByte(TZYLLED::biHorzsize, 4); }),
       [](vcl::TComponent* c) { return TZYLLEDEditorDlg::Edit(As<TZYLLEDLabel>(c)->LED()); },
       [](vcl::TCustomForm* f) {
         Type(f, "edvs", "20");
         Type(f, "edt", "5");
         PickDroppedItem(On<vcl::TWinControl>(f, "pred"), "lcPurple");
         Click(f, "chk");
       },
       [](vcl::TComponent* c) {
         TZYLLED* led = As<TZYLLEDLabel>(c)->LED();
         EXPECT_EQ(led->Horzsize(), 4);
         EXPECT_EQ(led->Vertsize(), 20);
         EXPECT_EQ(led->Thickness(), 5);
         EXPECT_EQ(led->ActiveColor(), vcl::clFuchsia);
         EXPECT_EQ(led->InActiveColor(), vcl::clPurple);
         EXPECT_FALSE(led->DisabledDigits());
       }},
  };
}

}  // namespace zyl::designtest
