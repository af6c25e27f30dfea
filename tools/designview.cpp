// designview: pictures what a user of the form designer sees of the library, on the headless
// screen, one PNG each, into OUTDIR:
//
//   palette-<n>-<page>.png   each palette page: its tab among the ten, its buttons with the
//                            palette pictures, and each picture beside its class name;
//   inspector-<page>.png     the object inspector's view of the page's first component placed on
//                            a designed form (names, and values as the property editors draw
//                            them);
//   editor-<form>.png        each editor form of the package opened on an example object
//                            (a second example of one form adds "-<variant>").
//
//   designview OUTDIR [LAYOUTDIR]
//
// Before it pictures anything it checks that every editor form laid out in LAYOUTDIR (the
// package's design/*.dfm by default) has an example here, so a form added later without one
// fails loudly.
//
// Exit code 0 when every picture was written, 1 on a bad command line, 2 when a form has no
// example or some picture could not be made (each named on stderr).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLSpeedButton.h"
#include "buttons/ZYLStatusBar.h"
#include "design/ZYLCPGet.h"
#include "design/ZYLCPGetStrings.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLBevelEditorDlg.h"
#include "design/pZYLBitmapItemPropertiesEditorDlg.h"
#include "design/pZYLBitmapListEditor.h"
#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLBmpRegionEditorDlg.h"
#include "design/pZYLBrushEditorDlg.h"
#include "design/pZYLButtonFaceDlg.h"
#include "design/pZYLButtonLayoutEditorDlg.h"
#include "design/pZYLCaptionEditorDlg.h"
#include "design/pZYLDateListEditorDlg.h"
#include "design/pZYLDateTimeEditor.h"
#include "design/pZYLDateTimePropertyEditor.h"
#include "design/pZYLDesignUnits.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLFillEditorDlg.h"
#include "design/pZYLFilterPropsDlg.h"
#include "design/pZYLFxEditorDlg.h"
#include "design/pZYLGlyphTextLayoutEditorDlg.h"
#include "design/pZYLGradientEditorDlg.h"
#include "design/pZYLGraphicLabelEditor.h"
#include "design/pZYLHideNonVC.h"
#include "design/pZYLImageListEditor.h"
#include "design/pZYLImageListPropertiesEditorDlg.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLLineListEditor.h"
#include "design/pZYLMaskEditDlg.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPaletteArt.h"
#include "design/pZYLPictureItemPropertiesEditorDlg.h"
#include "design/pZYLPointListEditor.h"
#include "design/pZYLRegister.h"
#include "design/pZYLSectionEditorDlg.h"
#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLSmallBarEditorDlg.h"
#include "design/pZYLStrEditorDlg.h"
#include "design/pZYLStringListEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "design/pZYLTransparentEditorDlg.h"
#include "design/pZYLValueChoiceDlg.h"
#include "design/pZYLWaveEditorDlg.h"
#include "design/pZYLWaveListEditorDlg.h"
#include "display/ZYLFill.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLGraphicLabel.h"
#include "display/ZYLLEDLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLNImage.h"
#include "display/ZYLProgress.h"
#include "display/ZYLShapeControl.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLRegionMask.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Resources.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/designer/ColnEdit.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/designer/FormDesigner.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLHideNonVC.h"
#include "tests/design/ImageListSupport.h"
#include "tests/support/MediaFiles.h"

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
      c->TextRect(vcl::TRect{0, top, kNames - 1, top + kRow - 1}, 3, top + 1,
                  editors_[size_t(i)]->GetName());
      c->Font()->SetColor(vcl::clNavy);
      editors_[size_t(i)]->PropDrawValue(
          c, vcl::TRect{kNames + 1, top, box->Width(), top + kRow - 1}, false);
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

// What the opening of an example hands each form it shows.
using TShown = std::function<void(vcl::TCustomForm*)>;

// One editor form of the package and how it is opened on an example object.
struct TEditorRow {
  std::string Form;     // the class of the pictured form
  std::string Variant;  // tells a second example of the same form apart ("" for the first)
  // Opens the form on the example. A modal form reaches Shown through the modal form handler;
  // a form shown modelessly is handed to Shown by Open itself while it is up.
  std::function<void(const TShown& Shown)> Open;
  // On a form that opens the row's form (a list editor its item dialog): opens it from there.
  std::function<void(vcl::TCustomForm*)> Through = {};

  std::string File() const {
    return "editor-" + Form + (Variant.empty() ? "" : "-" + Variant) + ".png";
  }
};

// Opens the row's example: pictures the row's form once it has painted, leads through the
// forms that open it, and cancels every modal form. "" when the picture was written, else
// what went wrong.
std::string EditorForm(const TEditorRow& row, const std::string& file) {
  bool written = false;
  std::string other;  // the first form shown that was neither the row's nor one leading to it
  const TShown shown = [&](vcl::TCustomForm* form) {
    if (form->ClassName() == row.Form) {
      if (!written) written = Write(form, file);
    } else if (row.Through && !written) {
      row.Through(form);
    } else if (other.empty()) {
      other = form->ClassName();
    }
    form->SetModalResult(vcl::mrCancel);
  };
  const vcl::TModalFormHandler previous = vcl::SetModalFormHandler(shown);
  std::string error;
  try {
    row.Open(shown);
  } catch (const vcl::Exception& e) {
    error = e.Message();
  }
  vcl::SetModalFormHandler(previous);
  if (written) return "";
  if (!error.empty()) return error;
  return other.empty() ? "the form was not shown" : other + " was shown instead";
}

template <class H>
std::function<void(const TShown&)> On(const std::function<void(H*)>& Edit) {
  return [Edit](const TShown&) {
    H holder(nullptr);
    Edit(&holder);
  };
}

std::function<void(const TShown&)> Call(const std::function<void()>& Edit) {
  return [Edit](const TShown&) { Edit(); };
}

// Examples for the list editors and the image picker: a few plain-coloured pictures.
void ExampleStrips(zyl::TZYLImageList& list) {
  zyl::designtest::AddStrip(list, 24, 16, {vcl::clRed, vcl::clLime, vcl::clBlue}, "Arrows");
  zyl::designtest::AddStrip(list, 16, 16, {vcl::clYellow, vcl::clFuchsia}, "Marks");
}

// The list editors opened on such lists.
void EditExampleStrips() {
  zyl::TZYLImageList list(nullptr);
  ExampleStrips(list);
  zyl::TZYLImageListEditorDlg::Edit(&list);
}

void EditExampleBitmaps() {
  zyl::TZYLBitmapList list(nullptr);
  const vcl::TColor colors[] = {vcl::clTeal, vcl::clMaroon, vcl::clNavy};
  for (uint16_t i = 0; i < 3; ++i)
    zyl::designtest::AddBitmap(list, 32, 24 + 8 * i, colors[i], static_cast<uint16_t>(100 + i));
  zyl::TZYLBitmapListEditorDlg::Edit(&list);
}

// The wave and string list editors on a few items; their item dialogs through the properties
// button with the first line selected.
void EditExampleWaves() {
  zyl::TZYLWaveList list(nullptr);
  const char* names[] = {"Click", "Chime", "Alarm"};
  for (uint16_t i = 0; i < 3; ++i) {
    zyl::TZYLWaveListItem* item = list.GetArrayItem(list.Add());
    item->Wave()->SetData(testsupport::MakeWave(1, 8000, 8, 800u * (i + 1)));
    item->Ident = static_cast<uint16_t>(100 + i);
    item->Description = names[i];
  }
  zyl::TZYLWaveListEditorDlg::Edit(&list);
}

void EditExampleStrings() {
  zyl::TZYLStringList list(nullptr);
  const std::vector<std::vector<std::string>> items = {{"Open", "Save", "Close"},
                                                       {"First line", "Second line"}};
  for (const auto& lines : items) {
    zyl::TZYLStringListItem* item = list.GetArrayItem(list.Add());
    for (const std::string& line : lines) item->GetList()->Add(line);
    item->Description = lines.front();
  }
  zyl::TZYLStringListEditorDlg::Edit(&list);
}

void OpenFirstItem(vcl::TCustomForm* f) {
  auto* editor = static_cast<zyl::TZYLLineListEditorForm*>(f);
  editor->SetLabels(0);
  vcl::testkit::ClickControl(editor->btnProp);
}

// The hiders' design window over a designed form with a few non-visual components, opened by
// the hider's component editor; it is shown modelessly and closed again.
void HiderWindow(const TShown& Shown) {
  vcl::TForm designed(nullptr);
  designed.SetName("Form1");
  vcl::TFormDesigner designer(&designed);
  int left = 10;
  const auto add = [&](vcl::TComponent* c, const std::string& name) {
    c->SetName(name);
    c->SetDesignInfo((20 << 16) | left);
    left += 40;
    return c;
  };
  add(new vcl::TTimer(&designed), "Timer1");
  add(new vcl::TPopupMenu(&designed), "PopupMenu1");
  add(new vcl::TTimer(&designed), "Timer2");
  auto* hider = static_cast<zyl::TZYLHideNonVC*>(add(new zyl::TZYLHideNonVC(&designed), "Hider"));
  struct TClose {
    ~TClose() { delete zyl::ZYLHideNonVCfrm; }
  } close;
  zyl::TZYLHideNonVCEditor(hider, &designer).ExecuteVerb(0);
  if (zyl::ZYLHideNonVCfrm) Shown(zyl::ZYLHideNonVCfrm);
}

// The status-bar layouts as a designer reaches them: a new status bar dropped on a designed
// form, the "Editor" item of its context menu.
void StatusBarLayouts(const TShown&) {
  vcl::TForm designed(nullptr);
  designed.SetName("Form1");
  vcl::TFormDesigner designer(&designed);
  auto* bar = new zyl::TZYLStatusBar(&designed);
  bar->SetName("StatusBar1");
  bar->SetParent(&designed);
  const auto editor = vcl::GetComponentEditor(bar, &designer);
  const int count = editor->GetVerbCount();
  for (int i = 0; i < count; ++i)
    if (editor->GetVerb(i) == "Editor") return editor->ExecuteVerb(i);
  throw vcl::EListError(vcl::Format(vcl::SVerbNotFound, {"Editor"}));
}

// The designer's collection editor on a designed list box's header sections, as the list box's
// "HeaderSections" opens it.
void CollectionEditor(const TShown&) {
  vcl::TForm designed(nullptr);
  designed.SetName("Form1");
  vcl::TFormDesigner designer(&designed);
  auto* box = new zyl::TZYLListBox(&designed);
  box->SetName("ListBox1");
  box->SetParent(&designed);
  vcl::THeaderSections* sections = box->GetHeaderSections();
  while (sections->Count() > 0) sections->Delete(0);
  for (const char* text : {"Name", "Size", "Date"}) sections->Add()->SetText(text);
  vcl::ShowCollectionEditor(&designer, box, sections, "HeaderSections");
}

// Each editor form of the package and how it is opened on an example.
std::vector<TEditorRow> Editors() {
  using namespace zyl;
  return {
      {"TZYLBevelEditorDlg", "", On<TZYLSimplePanel>([](auto* p) {
         p->Bevel()->SetMode(bmCustom);
         TZYLBevelEditorDlg::Edit(p->Bevel());
       })},
      {"TZYLShadowEditorDlg", "",
       On<TZYLShapeControl>([](auto* s) { TZYLShadowEditorDlg::Edit(s->Shadow()); })},
      {"TZYLSimpleBevelEditorDlg", "",
       On<TZYLShapeControl>([](auto* s) { TZYLSimpleBevelEditorDlg::Edit(s->Bevel()); })},
      {"TZYLTeethEditorDlg", "",
       On<TZYLShapeControl>([](auto* s) { TZYLTeethEditorDlg::Edit(s->Teeth()); })},
      {"TZYLBrushEditorDlg", "",
       On<vcl::TShape>([](auto* s) { TZYLBrushEditorDlg::Edit(s->Brush()); })},
      {"TZYLSmallBarEditorDlg", "",
       On<TZYLProgress>([](auto* p) { TZYLSmallBarEditorDlg::Edit(p->SmallBar()); })},
      {"TZYLGradientEditorDlg", "",
       On<TZYLFill>([](auto* f) { TZYLGradientEditorDlg::Edit(f->FillObject()->Gradient()); })},
      {"TZYL3DEffectEditorDlg", "",
       On<TZYL3DEffectButton>([](auto* b) { ZYLCPGetButtonFace3D(b); })},
      {"TZYLFxEditorDlg", "", On<TZYLLabel>([](auto* l) { TZYLFxEditorDlg::EditFx(l->FontFX()); })},
      {"TZYLFxEditorDlg", "3D",
       On<TZYLGlyphLabel>([](auto* l) { TZYLFxEditorDlg::Edit3D(l->Font3D()); })},
      {"TZYLCaptionEditorDlg", "", On<TZYLShapeControl>([](auto* s) {
         s->Caption()->SetCaption("Caption");
         TZYLCaptionEditorDlg::Edit(s->Caption(), true);
       })},
      {"TZYLGlyphTextLayoutEditorDlg", "",
       On<TZYLGlyphLabel>([](auto* l) { TZYLGlyphTextLayoutEditorDlg::Edit(l->GlyphLayout()); })},
      {"TZYLButtonLayoutEditorDlg", "",
       On<TZYLSpeedButton>([](auto* b) { TZYLButtonLayoutEditorDlg::Edit(b->Layout()); })},
      {"TZYLFillEditorDlg", "",
       On<TZYLFill>([](auto* f) { TZYLFillEditorDlg::EditFillObject(f->FillObject()); })},
      {"TZYLFillEditorDlg", "shape",
       On<TZYLShapeControl>([](auto* s) { TZYLFillEditorDlg::EditShapeFill(s->ShapeFill()); })},
      {"TZYLTransparentEditorDlg", "",
       On<TZYLNImage>([](auto* i) { TZYLTransparentEditorDlg::Edit(i->TransparentStyle()); })},
      {"TZYLLEDEditorDlg", "", On<TZYLLEDLabel>([](auto* l) { TZYLLEDEditorDlg::Edit(l->LED()); })},
      {"TZYLWaveEditorDlg", "",
       On<TZYLWaveComp>([](auto* w) { TZYLWaveEditorDlg::Edit(w->Wave()); })},
      {"TZYLToolsAbout", "", Call([] { TZYLToolsAbout::Execute("Components of the library"); })},
      {"TZYLStrEditorDlg", "", Call([] { TZYLStrEditorDlg::EditString("A line of text", 0); })},
      {"TZYLStrEditorDlg", "hint", Call([] {
         std::string hint = "Short|A longer hint";
         TZYLStrEditorDlg::EditHint(hint);
       })},
      {"TZYLFrmStringEditor", "", Call([] {
         vcl::TStringList lines;
         lines.SetText("First line\nSecond line\nThird line");
         ZYLCPGetStrings(&lines);
       })},
      {"TZYLfrmRegionFromBMPdlg", "", Call([] {
         TZYLRegionMask mask;
         TZYLfrmRegionFromBMPdlg::Edit(&mask);
       })},
      {"TZYLBitmapStyleEditorDlg", "",
       Call([] { TZYLBitmapStyleEditorDlg::Edit(TZYLBitmapStyle{}); })},
      {"TZYLFrmDateTimeEditor", "", Call([] {
         TZYLDateTime value;
         TZYLFrmDateTimeEditor::Edit(&value);
       })},
      {"TZYLFrmDateTimePropertyEditor", "", Call([] {
         std::string format = "dd.mm.yyyy hh:nn";
         TZYLFrmDateTimePropertyEditor::Edit(format);
       })},
      {"TZYLFilterPropsDlg", "", Call([] {
         std::string filter = "Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*";
         TZYLFilterPropsDlg::Edit(filter);
       })},
      {"TZYLfrmMaskEditDlg", "", Call([] {
         std::string mask = "!99/99/00;1;_";
         TZYLfrmMaskEditDlg::Edit(mask);
       })},
      {"TfrmTZYLPointListEditor", "", Call([] {
         TZYLPointList points;
         TfrmTZYLPointListEditor::Edit(&points);
       })},
      {"TZYLShapeEditorDlg", "", Call([] { TZYLShapeEditorDlg::Edit(stEllipse); })},
      {"TZYLStatusBarEditorDlg", "", StatusBarLayouts},
      {"TZYLFormGraphicLabelEditor", "",
       On<TZYLGraphicLabel>([](auto* l) { TZYLFormGraphicLabelEditor::Edit(l); })},
      {"TZYLBitmapListEditorDlg", "", Call(EditExampleBitmaps)},
      {"TZYLWaveListEditorDlg", "", Call(EditExampleWaves)},
      {"TZYLFrmwiprop", "", Call(EditExampleWaves), OpenFirstItem},
      {"TZYLStringListEditorDlg", "", Call(EditExampleStrings)},
      {"TZYLfrmsiprop", "", Call(EditExampleStrings), OpenFirstItem},
      // The bitmap item dialog on the first item, through the list editor's properties button.
      {"Tzylfrmbiprop", "", Call(EditExampleBitmaps),
       [](vcl::TCustomForm* f) {
         vcl::testkit::ClickControl(static_cast<TZYLBitmapListEditorDlg*>(f)->btnProp);
       }},
      // The picture item dialog, filled as an editor of picture items fills it.
      {"Tzylfrmpiprop", "", Call([] {
         auto dlg = ZYLCreateEditorForm<Tzylfrmpiprop>(nullptr);
         dlg->Index->SetCaption("0");
         dlg->ed->SetIntValue(7);
         dlg->img->Picture()->Assign(designtest::PlainBitmap(48, 32, vcl::clOlive).get());
         dlg->desc->SetText("An olive picture");
         dlg->ShowDimensions();
         ZYLRunEditorForm(dlg.get());
       })},
      {"TZYLImageListEditorDlg", "", Call(EditExampleStrips)},
      // The strip dialog on the first strip, as a double-click on its line opens it (the
      // editor opens with no current strip: the line is chosen first).
      {"TZYLFrmprop", "", Call(EditExampleStrips),
       [](vcl::TCustomForm* f) {
         auto* editor = static_cast<TZYLImageListEditorDlg*>(f);
         editor->SetMainList(0, true);
         editor->lbmDblClick(editor->lbm);
       }},
      {"TZYLFrmcavi", "", Call([] {
         TZYLImageListItem strip;
         TZYLFrmcavi::Edit(&strip);
       })},
      {"TZYLCustImgListSelectDlg", "", Call([] {
         TZYLImageList images(nullptr);
         ExampleStrips(images);
         TZYLCustomImageList* list = &images;
         uint16_t strip = 0, image = 1;
         ZYLCPGetIML(list, strip, image);
       })},
      {"TZYLButtonFaceDlg", "", On<vcl::TForm>([](vcl::TForm* holder) {
         auto* faces = new TZYLImageList(holder);
         ExampleStrips(*faces);
         auto* button = new TZYLMMButton(holder);
         button->SetButtonFaceImageList(faces);
         ZYLCPGetButtonFaceMM(button, faces);
       })},
      {"TZYLDateListEditorDlg", "", Call([] {
         TZYLDateList dates;
         dates.AddDate({vcl::EncodeDate(2024, 1, 31) + vcl::EncodeTime(8, 0, 0, 0), "Start"});
         dates.AddDate({vcl::EncodeDate(2024, 6, 21) + vcl::EncodeTime(12, 30, 0, 0), "Midsummer"});
         dates.AddDate({vcl::EncodeDate(2024, 12, 24) + vcl::EncodeTime(18, 0, 0, 0), "Evening"});
         TZYLDateListEditorDlg::Edit(&dates);
       })},
      {"TZYLValueChoiceDlg", "", On<TZYLFontComboBox>([](auto* box) {
         TZYLValueChoiceDlg::Choose(box, vcl::GetPropInfo(box, "Options"));
       })},
      {"TZYLSectionEditorDlg", "", On<vcl::TForm>([](vcl::TForm* holder) {
         auto* box = new TZYLListBox(holder);
         box->SetParent(holder);
         box->SetBounds(8, 8, 320, 120);
         vcl::THeaderSections* sections = box->GetHeaderSections();
         while (sections->Count() > 0) sections->Delete(0);
         for (const auto& [text, width] :
              {std::pair{"Name", 120}, std::pair{"Size", 80}, std::pair{"Date", 100}}) {
           vcl::THeaderSection* s = sections->Add();
           s->SetText(text);
           s->SetWidth(width);
         }
         TZYLSectionEditorDlg::Edit(box, TZYLSectionEditorDlg::TPreview::ListWidth);
       })},
      {"TZYLHideNonVCfrm", "", HiderWindow},
      {"TCollectionEditor", "", CollectionEditor},
  };
}

// The form class a layout text declares on its first line ("object Name: TClass"), or "".
std::string LayoutForm(const std::filesystem::path& File) {
  std::ifstream in(File);
  std::string line;
  if (!std::getline(in, line)) return "";
  const size_t colon = line.find(':');
  if (colon == std::string::npos) return "";
  return vcl::Trim(line.substr(colon + 1));
}

// Checks that every form laid out in Dir has an example among Rows; false (each fault named on
// stderr) when one has none, when a layout declares no form, or when Dir holds no layout.
bool EveryFormHasAnExample(const std::filesystem::path& Dir, const std::vector<TEditorRow>& Rows) {
  std::set<std::string> pictured;
  for (const TEditorRow& row : Rows) pictured.insert(row.Form);
  std::vector<std::filesystem::path> layouts;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(Dir, error))
    if (entry.path().extension() == ".dfm") layouts.push_back(entry.path());
  if (layouts.empty()) {
    std::fprintf(stderr, "designview: no editor form layout (*.dfm) in %s\n", Dir.c_str());
    return false;
  }
  std::sort(layouts.begin(), layouts.end());
  bool complete = true;
  for (const auto& file : layouts) {
    const std::string form = LayoutForm(file);
    if (form.empty()) {
      std::fprintf(stderr, "designview: %s declares no form class\n", file.c_str());
      complete = false;
    } else if (pictured.count(form) == 0) {
      std::fprintf(stderr, "designview: the editor form %s (%s) has no example in the gallery\n",
                   form.c_str(), file.c_str());
      complete = false;
    }
  }
  return complete;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: designview OUTDIR [LAYOUTDIR]\n");
    return 1;
  }
  const std::filesystem::path out = argv[1];
  const std::filesystem::path layouts = argc == 3 ? argv[2] : ZYL_DESIGN_LAYOUTS;
  const std::vector<TEditorRow> editors = Editors();
  if (!EveryFormHasAnExample(layouts, editors)) return 2;
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
  for (const TEditorRow& row : editors) {
    const auto file = out / row.File();
    const std::string error = EditorForm(row, file);
    if (!error.empty())
      std::fprintf(stderr, "designview: %s: %s\n", row.Form.c_str(), error.c_str());
    report(error.empty(), file);
  }
  zyl::ZYLUnloadDesignPackage();
  vcl::FinalizePackage(zyl::ZYLDesignUnitTable());
  Finalize();
  return failed ? 2 : 0;
}
