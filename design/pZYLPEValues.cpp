// The property editors of values that are no settings objects: the About entry, file names,
// image-list references, waves, LED painters, masks, filters, assistant pages, button faces.
#include <memory>
#include <string>

#include "buttons/ZYL3DButton.h"
#include "buttons/ZYLAssist.h"
#include "design/ZYLCPGet.h"
#include "design/pZYLAboutDlg.h"
#include "design/pZYLBitmapStyleEditorDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLFilterPropsDlg.h"
#include "design/pZYLLEDEditorDlg.h"
#include "design/pZYLMaskEditDlg.h"
#include "design/pZYLPE.h"
#include "design/pZYLPECst.h"
#include "design/pZYLShapeEditorDlg.h"
#include "design/pZYLWaveEditorDlg.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/rtl/Consts.h"

namespace zyl {

// ---- About ----

void TZYLAboutVarProperty::Edit() { TZYLToolsAbout::Execute(Description()); }

vcl::TPropertyAttributes TZYLAboutVarProperty::GetAttributes() {
  return {vcl::paDialog, vcl::paReadOnly};
}

std::string TZYLAboutVarProperty::GetValue() { return ZYL_PEABOUT; }

std::string TZYLAboutVarProperty::Description() {
  return "Component-Suite (international version)\rComponent: " + GetComponent(0)->ClassName() +
         "\r\r";
}

// ---- File names ----

void TZYLFileNameProperty::Edit() {
  vcl::TOpenDialog dialog(nullptr);
  dialog.SetOptions(
      {vcl::ofHideReadOnly, vcl::ofExtensionDifferent, vcl::ofPathMustExist, vcl::ofFileMustExist});
  dialog.SetFileName(GetValue());
  Prepare(&dialog);
  if (dialog.Execute()) SetValue(dialog.FileName());
}

vcl::TPropertyAttributes TZYLFileNameProperty::GetAttributes() { return {vcl::paDialog}; }

void TZYLFileNameProperty::Prepare(vcl::TOpenDialog* Dialog) { Dialog->SetFilter(ZYL_PEALLFILTER); }

void TZYLHelpFileNameProperty::Prepare(vcl::TOpenDialog* Dialog) {
  Dialog->SetFilter(ZYL_PEHELPFILTER);
  Dialog->SetTitle(ZYL_PEHELPTITLE);
  Dialog->SetDefaultExt("hlp");
}

// ---- Image lists ----

std::string TZYLCustomImageListProperty::GetValue() {
  vcl::TObject* value = GetObjectValue();
  if (TZYLContainer* global = ZYLContainer(); global && value) {
    if (OffersBitmapList() && value == global->BitmapList()) return ZYL_ICGLOBALBML;
    if (value == global->ImageList()) return ZYL_ICGLOBALIML;
  }
  return vcl::TComponentProperty::GetValue();
}

void TZYLCustomImageListProperty::GetValues(const vcl::TGetStrProc& Proc) {
  if (OffersBitmapList()) Proc(ZYL_ICGLOBALBML);
  Proc(ZYL_ICGLOBALIML);
  vcl::TComponentProperty::GetValues(Proc);
}

void TZYLCustomImageListProperty::SetValue(const std::string& Value) {
  TZYLContainer* global = ZYLContainer();
  if (global && OffersBitmapList() && Value == ZYL_ICGLOBALBML)
    SetObjectValue(global->BitmapList());
  else if (global && Value == ZYL_ICGLOBALIML)
    SetObjectValue(global->ImageList());
  else
    vcl::TComponentProperty::SetValue(Value);
}

// ---- Wave ----

void TZYLWaveProperty::Edit() {
  auto* wave = dynamic_cast<TZYLWave*>(GetObjectValue());
  TZYLWave copy;
  if (wave) copy.Assign(wave);
  if (TZYLWaveEditorDlg::Edit(&copy)) SetObjectValue(&copy);
}

vcl::TPropertyAttributes TZYLWaveProperty::GetAttributes() {
  return {vcl::paDialog, vcl::paMultiSelect};
}

std::string TZYLWaveProperty::GetValue() {
  auto* wave = dynamic_cast<TZYLWave*>(GetObjectValue());
  if (!wave || wave->GetEmpty()) return vcl::srNone;
  return "(" + wave->ClassName() + ")";
}

// ---- LED ----

std::unique_ptr<vcl::TPersistent> TZYLLEDProperty::NewCopy() { return std::make_unique<TZYLLED>(); }

bool TZYLLEDProperty::Launch(vcl::TPersistent* Copy) {
  auto* label = dynamic_cast<TZYLLEDCustomLabel*>(GetComponent(0));
  return ZYLEditPrepared<TZYLLEDEditorDlg>(static_cast<TZYLLED*>(Copy),
                                           [label](TZYLLEDEditorDlg* dlg) {
                                             if (!label) return;
                                             dlg->test->SetTransparent(label->Transparent());
                                             dlg->test->SetColor(label->Color());
                                           });
}

// ---- Mask and filter ----

void TZYLMaskProperty::Edit() {
  std::string mask = GetValue();
  if (TZYLfrmMaskEditDlg::Edit(mask)) SetValue(mask);
}

vcl::TPropertyAttributes TZYLMaskProperty::GetAttributes() { return {vcl::paDialog}; }

void TZYLFilterProperty::Edit() {
  std::string filter = GetValue();
  if (TZYLFilterPropsDlg::Edit(filter)) SetValue(filter);
}

vcl::TPropertyAttributes TZYLFilterProperty::GetAttributes() { return {vcl::paDialog}; }

// ---- Assistant pages ----

vcl::TPropertyAttributes TZYLAssistPageProperty::GetAttributes() { return {vcl::paValueList}; }

void TZYLAssistPageProperty::GetValues(const vcl::TGetStrProc& Proc) {
  auto* assist = dynamic_cast<TZYLAssist*>(GetComponent(0));
  if (!assist) return;
  for (int i = 0; i < assist->GetCount(); ++i) Proc(assist->GetPage(i)->Name());
}

// ---- Enumerations with a picker form, the date-time format ----

void TZYLPickerProperty::Edit() {
  int64_t value = GetOrdValue();
  // One component takes the value again however the picker ends; several only what OK gives,
  // which Cancel would otherwise replace with the first one's.
  if (Pick(value) || PropCount() == 1) SetOrdValue(value);
}

vcl::TPropertyAttributes TZYLPickerProperty::GetAttributes() {
  return {vcl::paValueList, vcl::paDialog, vcl::paMultiSelect, vcl::paRevertable};
}

namespace {
// Runs a picker of the enumeration E on Value.
template <class E>
bool PickAs(bool (*Picker)(E&), int64_t& Value) {
  auto chosen = static_cast<E>(Value);
  const bool ok = Picker(chosen);
  Value = static_cast<int64_t>(chosen);
  return ok;
}
}  // namespace

bool TZYLShapeProperty::Pick(int64_t& Value) { return PickAs(&TZYLShapeEditorDlg::Pick, Value); }

bool TZYLBitmapStyleProperty::Pick(int64_t& Value) {
  return PickAs(&TZYLBitmapStyleEditorDlg::Pick, Value);
}

void TZYLDateTimeFormatProperty::Edit() {
  std::string format = GetValue();
  if (ZYLCPGetDateTimeFormat(format)) SetValue(format);
}

vcl::TPropertyAttributes TZYLDateTimeFormatProperty::GetAttributes() { return {vcl::paDialog}; }

// ---- Button faces ----

namespace {
// The property through which a component names its multimedia face list.
constexpr char kFaceListProperty[] = "ButtonFaceImageList";
}  // namespace

ZYL_CLASS_IMPL(TZYLButtonFace) {}

void TZYLButtonFaceProperty::Edit() {
  auto* component = dynamic_cast<vcl::TComponent*>(GetComponent(0));
  if (auto* button = dynamic_cast<TZYLCustom3DButton*>(component)) {
    ZYLCPModify(Designer(), [button] { return ZYLCPGetButtonFace3D(button); });
    return;
  }
  const vcl::TPropInfo* faces =
      component ? vcl::GetPropInfo(component, kFaceListProperty) : nullptr;
  if (!faces || faces->Kind() != vcl::tkClass) return;
  auto* list = dynamic_cast<TZYLCustomImageList*>(vcl::GetObjectProp(component, faces));
  ZYLCPModify(Designer(), [component, list] { return ZYLCPGetButtonFaceMM(component, list); });
}

vcl::TPropertyAttributes TZYLButtonFaceProperty::GetAttributes() { return {vcl::paDialog}; }

}  // namespace zyl
