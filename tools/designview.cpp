// designview: pictures what a user of the form designer sees of the library, on the headless
// screen, one PNG each, into OUTDIR:
//
//   palette-<n>-<page>.png   each palette page: its tab among the ten, its buttons with the
//                            palette pictures, and each picture beside its class name;
//   inspector-<page>.png     the object inspector's view of the page's first component placed on
//                            a designed form (names, and values as the property editors draw
//                            them);
//   editor-<form>.png        each editor form of the package opened on an example object.
//
//   designview OUTDIR
//
// Exit code 0 when every picture was written, 1 on a bad command line, 2 when some picture
// could not be made (each named on stderr).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/ZYLCPGet.h"
#include "design/ZYLCPGetStrings.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLBmpRegionEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLDateTimeEditor.h"
#include "design/pZYLDateTimePropertyEditor.h"
#include "design/pZYLDesignUnits.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFilterPropsDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLGraphicLabelEditor.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLMaskEditDlg.h"
#include "design/pZYLPaletteArt.h"
#include "design/pZYLPointListEditor.h"
#include "design/pZYLRegister.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLStatusBarEditorDlg.h"
#include "design/pZYLStrEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "design/pZYLWaveEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLShapeControl.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLRegionMask.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Resources.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/Packages.h"
#include "tests/support/ControlsSession.h"
#include "tests/support/TestKit.h"

// The library's package unit, compiled into this tool.
extern "C" void Initialize();
extern "C" void Finalize();

namespace {

namespace wt = win::testkit;

std::string FileName(std::string s) {
  for (char& c : s)
    if (c == ' ') c = '-';
  return s;
}

bool Write(vcl::TCustomForm* form, const std::string& file) {
  wt::RunUntilIdle();
  return wt::WritePng(wt::RenderWindow(form->Handle()), file);
}

// The page's tab among the ten, its palette buttons, then each picture with its class name.
bool PalettePage(int index, const std::string& page, const std::string& file) {
  const std::vector<vcl::TClass> classes = vcl::PaletteClasses(page);
  constexpr int kButton = 28, kRows = 8, kColumn = 200;
  const int columns = (static_cast<int>(classes.size()) + kRows - 1) / kRows;
  vcl::TForm form(nullptr);
  form.SetCaption("Component palette - " + page);
  form.SetClientWidth(std::max(8 + kButton * static_cast<int>(classes.size()), columns * kColumn));
  form.SetClientHeight(80 + std::min<int>(kRows, static_cast<int>(classes.size())) * 28);
  auto* tabs = new vcl::TTabControl(&form);
  tabs->SetParent(&form);
  tabs->SetBounds(0, 0, form.ClientWidth(), 70);
  for (const std::string& p : vcl::PalettePages()) tabs->Tabs()->Add(p);
  tabs->SetTabIndex(index);
  for (size_t i = 0; i < classes.size(); ++i) {
    const std::string name = classes[i]->ClassName();
    auto* button = new vcl::TSpeedButton(&form);
    button->SetParent(tabs);
    button->SetBounds(4 + static_cast<int>(i) * kButton, 32, kButton, kButton);
    button->SetFlat(false);
    button->Glyph()->LoadFromResourceName(vcl::HInstance, zyl::ZYLPaletteResourceName(name));
    button->SetHint(name);
    const int x = 8 + static_cast<int>(i) / kRows * kColumn;
    const int y = 78 + static_cast<int>(i) % kRows * 28;
    auto* image = new vcl::TImage(&form);
    image->SetParent(&form);
    image->SetBounds(x, y, 24, 24);
    image->Picture()->Bitmap()->LoadFromResourceName(vcl::HInstance,
                                                     zyl::ZYLPaletteResourceName(name));
    auto* label = new vcl::TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(x + 30, y + 5, kColumn - 34, 16);
    label->SetCaption(name);
  }
  form.Show();
  return Write(&form, file);
}

// The object inspector: a name column and a value column drawn by the property editors.
class TInspectorView : public vcl::TObject {
 public:
  TInspectorView(vcl::IFormDesigner* Designer, vcl::TPersistent* Component)
      : editors_(vcl::GetComponentProperties(Designer, Component)) {
    // The inspector lists the properties by name.
    std::stable_sort(editors_.begin(), editors_.end(), [](const auto& a, const auto& b) {
      return vcl::AnsiCompareText(a->GetName(), b->GetName()) < 0;
    });
  }
  int Rows() const { return static_cast<int>(editors_.size()); }
  void Paint(vcl::TObject* Sender) {
    auto* box = static_cast<vcl::TPaintBox*>(Sender);
    vcl::TCanvas* c = box->Canvas();
    c->Brush()->SetColor(vcl::clWindow);
    c->FillRect(box->ClientRect());
    for (int i = 0; i < Rows(); ++i) {
      const int top = i * kRow;
      c->Font()->SetColor(vcl::clBlack);
      c->TextRect(vcl::TRect(0, top, kNames - 1, top + kRow - 1), 3, top + 1,
                  editors_[size_t(i)]->GetName());
      c->Font()->SetColor(vcl::clNavy);
      editors_[size_t(i)]->PropDrawValue(
          c, vcl::TRect(kNames + 1, top, box->Width(), top + kRow - 1), false);
      c->Pen()->SetColor(vcl::clSilver);
      c->MoveTo(0, top + kRow - 1);
      c->LineTo(box->Width(), top + kRow - 1);
    }
    c->MoveTo(kNames, 0);
    c->LineTo(kNames, Rows() * kRow);
  }
  static constexpr int kRow = 16, kNames = 130;

 private:
  std::vector<std::unique_ptr<vcl::TPropertyEditor>> editors_;
};

bool Inspector(vcl::TClass cls, const std::string& file) {
  vcl::TForm designed(nullptr);
  designed.SetName("Form1");
  vcl::TFormDesigner designer(&designed);
  vcl::TComponent* component = cls->Create(&designed);
  component->SetName(designer.UniqueName(cls->ClassName()));
  if (auto* control = dynamic_cast<vcl::TControl*>(component)) control->SetParent(&designed);
  TInspectorView view(&designer, component);
  vcl::TForm form(nullptr);
  form.SetCaption("Object Inspector");
  form.SetClientWidth(340);
  auto* head = new vcl::TPanel(&form);
  head->SetParent(&form);
  head->SetAlign(vcl::alTop);
  head->SetHeight(24);
  head->SetCaption(component->Name() + ": " + cls->ClassName());
  auto* box = new vcl::TPaintBox(&form);
  box->SetParent(&form);
  box->SetAlign(vcl::alClient);
  box->SetOnPaint(vcl::TNotifyEvent(&view, &TInspectorView::Paint));
  form.SetClientHeight(std::min(24 + view.Rows() * TInspectorView::kRow, 960));
  form.Show();
  return Write(&form, file);
}

// An editor form opened on an example object: pictured once it has painted, then cancelled.
bool EditorForm(const std::function<void()>& Open, const std::string& file) {
  bool written = false;
  const vcl::TModalFormHandler previous = vcl::SetModalFormHandler([&](vcl::TCustomForm* form) {
    if (!written) written = Write(form, file);
    form->SetModalResult(vcl::mrCancel);
  });
  try {
    Open();
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "designview: %s\n", e.Message().c_str());
  }
  vcl::SetModalFormHandler(previous);
  return written;
}

template <class H>
std::function<void()> On(const std::function<void(H*)>& Edit) {
  return [Edit] {
    H holder(nullptr);
    Edit(&holder);
  };
}

// Each editor form of the package and how it is opened on an example.
std::vector<std::pair<std::string, std::function<void()>>> Editors() {
  using namespace zyl;
  return {
      {"TZYLBevelEditorDlg", On<TZYLSimplePanel>([](auto* p) {
         p->Bevel()->SetMode(bmCustom);
         TZYLBevelEditorDlg::Edit(p->Bevel());
       })},
      {"TZYLShadowEditorDlg",
       On<TZYLShapeControl>([](auto* s) { TZYLShadowEditorDlg::Edit(s->Shadow()); })},
      {"TZYLSimpleBevelEditorDlg",
       On<TZYLShapeControl>([](auto* s) { TZYLSimpleBevelEditorDlg::Edit(s->Bevel()); })},
      {"TZYLTeethEditorDlg",
       On<TZYLShapeControl>([](auto* s) { TZYLTeethEditorDlg::Edit(s->Teeth()); })},
      {"TZYLBrushEditorDlg",
       On<vcl::TShape>([](auto* s) { TZYLBrushEditorDlg::Edit(s->Brush()); })},
      {"TZYLSmallBarEditorDlg",
       On<TZYLProgress>([](auto* p) { TZYLSmallBarEditorDlg::Edit(p->SmallBar()); })},
      {"TZYLGradientEditorDlg",
       On<TZYLFill>([](auto* f) { TZYLGradientEditorDlg::Edit(f->FillObject()->Gradient()); })},
      {"TZYL3DEffectEditorDlg", On<TZYL3DEffectButton>([](auto* b) { ZYLCPGetButtonFace3D(b); })},
      {"TZYLFxEditorDlg", On<TZYLLabel>([](auto* l) { TZYLFxEditorDlg::EditFx(l->FontFX()); })},
      {"TZYLFxEditorDlg-3D",
       On<TZYLGlyphLabel>([](auto* l) { TZYLFxEditorDlg::Edit3D(l->Font3D()); })},
      {"TZYLCaptionEditorDlg", On<TZYLShapeControl>([](auto* s) {
         s->Caption()->SetCaption("Caption");
         TZYLCaptionEditorDlg::Edit(s->Caption(), true);
       })},
      {"TZYLGlyphTextLayoutEditorDlg",
       On<TZYLGlyphLabel>([](auto* l) { TZYLGlyphTextLayoutEditorDlg::Edit(l->GlyphLayout()); })},
      {"TZYLButtonLayoutEditorDlg",
       On<TZYLSpeedButton>([](auto* b) { TZYLButtonLayoutEditorDlg::Edit(b->Layout()); })},
      {"TZYLFillEditorDlg",
       On<TZYLFill>([](auto* f) { TZYLFillEditorDlg::EditFillObject(f->FillObject()); })},
      {"TZYLFillEditorDlg-shape",
       On<TZYLShapeControl>([](auto* s) { TZYLFillEditorDlg::EditShapeFill(s->ShapeFill()); })},
      {"TZYLTransparentEditorDlg",
       On<TZYLNImage>([](auto* i) { TZYLTransparentEditorDlg::Edit(i->TransparentStyle()); })},
      {"TZYLLEDEditorDlg", On<TZYLLEDLabel>([](auto* l) { TZYLLEDEditorDlg::Edit(l->LED()); })},
      {"TZYLWaveEditorDlg", On<TZYLWaveComp>([](auto* w) { TZYLWaveEditorDlg::Edit(w->Wave()); })},
      {"TZYLToolsAbout", [] { TZYLToolsAbout::Execute("Components of the library"); }},
      {"TZYLStrEditorDlg", [] { TZYLStrEditorDlg::EditString("A line of text", 0); }},
      {"TZYLStrEditorDlg-hint",
       [] {
         std::string hint = "Short|A longer hint";
         TZYLStrEditorDlg::EditHint(hint);
       }},
      {"TZYLStringsEditorDlg",
       [] {
         vcl::TStringList lines;
         lines.SetText("First line\nSecond line\nThird line");
         ZYLCPGetStrings(&lines);
       }},
      {"TZYLfrmRegionFromBMPdlg",
       [] {
         TZYLRegionMask mask;
         TZYLfrmRegionFromBMPdlg::Edit(&mask);
       }},
      {"TZYLBitmapStyleEditorDlg", [] { TZYLBitmapStyleEditorDlg::Edit(TZYLBitmapStyle{}); }},
      {"TZYLFrmDateTimeEditor",
       [] {
         TZYLDateTime value;
         TZYLFrmDateTimeEditor::Edit(&value);
       }},
      {"TZYLFrmDateTimePropertyEditor",
       [] {
         std::string format = "dd.mm.yyyy hh:nn";
         TZYLFrmDateTimePropertyEditor::Edit(format);
       }},
      {"TZYLFilterPropsDlg",
       [] {
         std::string filter = "Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*";
         TZYLFilterPropsDlg::Edit(filter);
       }},
      {"TZYLfrmMaskEditDlg",
       [] {
         std::string mask = "!99/99/00;1;_";
         TZYLfrmMaskEditDlg::Edit(mask);
       }},
      {"TfrmTZYLPointListEditor",
       [] {
         TZYLPointList points;
         TfrmTZYLPointListEditor::Edit(&points);
       }},
      {"TZYLShapeEditorDlg", [] { TZYLShapeEditorDlg::Edit(stEllipse); }},
      {"TZYLStatusBarEditorDlg", [] { TZYLStatusBarEditorDlg::Choose(); }},
      {"TZYLFormGraphicLabelEditor",
       On<TZYLGraphicLabel>([](auto* l) { TZYLFormGraphicLabelEditor::Edit(l); })},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: designview OUTDIR\n");
    return 1;
  }
  const std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out);
  vcl::testkit::TControlsSession session(1280, 1024);
  int failed = 0;
  const auto report = [&failed](bool ok, const std::filesystem::path& file) {
    if (ok) {
      std::printf("rendered  %s\n", file.c_str());
    } else {
      std::fprintf(stderr, "designview: not rendered: %s\n", file.c_str());
      ++failed;
    }
  };
  try {
    Initialize();
    vcl::InitializePackage(zyl::ZYLDesignUnitTable());
    zyl::ZYLLoadDesignPackage();
  } catch (const vcl::Exception& e) {
    std::fprintf(stderr, "designview: %s\n", e.Message().c_str());
    return 2;
  }
  const std::vector<std::string> pages = vcl::PalettePages();
  for (size_t i = 0; i < pages.size(); ++i) {
    const std::string tag = FileName(pages[i]);
    const auto palette = out / ("palette-" + std::to_string(i + 1) + "-" + tag + ".png");
    const auto inspector = out / ("inspector-" + tag + ".png");
    try {
      report(PalettePage(static_cast<int>(i), pages[i], palette), palette);
      report(Inspector(vcl::PaletteClasses(pages[i]).front(), inspector), inspector);
    } catch (const vcl::Exception& e) {
      std::fprintf(stderr, "designview: %s: %s\n", pages[i].c_str(), e.Message().c_str());
      ++failed;
    }
  }
  for (const auto& [name, open] : Editors()) {
    const auto file = out / ("editor-" + name + ".png");
    report(EditorForm(open, file), file);
  }
  zyl::ZYLUnloadDesignPackage();
  vcl::FinalizePackage(zyl::ZYLDesignUnitTable());
  Finalize();
  return failed ? 2 : 0;
}
