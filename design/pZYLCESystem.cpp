#include "design/pZYLCESystem.h"

#include <string>
#include <utility>

#include "design/pZYLCEVerbs.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLPECst.h"
#include "edits/ZYLBrowseDlg.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "system/ZYLBaseDialog.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLMousePositioner.h"
#include "system/ZYLMsg.h"

namespace zyl {

using vcl::TComponentEditor;

TZYLVerbs TZYLMousePosEditor::Verbs() {
  return {ZYLVerb("&Test...", [](TComponentEditor& e) {
    ZYLComponentAs<TZYLMousePositioner>(e)->Execute();
    return false;
  })};
}

TZYLVerbs TZYLHintComponentEditor::Verbs() {
  return TZYLVerbMenu()
      .Settings("Bevel")
      .Color()
      .Toggle("Enabled")
      .Settings("Font")
      .Settings("Font3D")
      .Take();
}

TZYLVerbs TZYLShapeHintComponentEditor::Verbs() {
  TZYLVerbMenu menu;
  menu.Color("BorderColor").Color();
  // The message hint has no Enabled to toggle.
  if (!dynamic_cast<TZYLMessageHint*>(Component())) menu.Toggle("Enabled");
  return menu.Settings("Font").Settings("Font3D").Settings("Shadow").Take();
}

TZYLVerbs TZYLWaveEditor::Verbs() {
  return {ZYLVerb("Specify Wave", [](TComponentEditor& e) {
    return ZYLCPGetWave(ZYLComponentAs<TZYLWaveComp>(e)->Wave());
  })};
}

TZYLVerbs TZYLMessageBoxComponentEditor::Verbs() {
  return {ZYLVerb("Demo", [](TComponentEditor&) {
    TZYLApplication* app = ZYLApplication();
    if (auto* box = app ? dynamic_cast<TZYLMessageBoxDlg*>(app->MessageBox) : nullptr)
      box->Execute("", "Test - Message", {vcl::TVarRec(0)}, {}, -1, -1, -1, -1, 0);
    return false;
  })};
}

TZYLVerbs TZYLDlgEditor::Verbs() {
  TZYLVerbs verbs = {ZYLVerb(IDS_TESTDIALOG, [](TComponentEditor& e) {
    ZYLComponentAs<TZYLBaseDialog>(e)->Execute();
    return false;
  })};
  verbs.push_back(ZYLImageListVerb("ImageList", false));
  return verbs;
}

TZYLVerbs TZYLBrowseDlgEditor::Verbs() {
  return {ZYLVerb(IDS_TESTDIALOG, [](TComponentEditor& e) {
    ZYLComponentAs<TZYLBrowseDlg>(e)->Execute();
    return true;
  })};
}

TZYLVerbs TZYLStarterEditor::Verbs() {
  return {ZYLToggleVerbAs("AutoStart", "Autostart"), ZYLSettingsVerb("StartTime")};
}

TZYLVerbs TZYLFilterComponentEditor::Verbs() { return {ZYLEventVerb("Edit Filters")}; }

void TZYLFilterComponentEditor::EditProperty(vcl::TPropertyEditor* PropertyEditor, bool& Continue) {
  if (!PropertyEditor) return;
  PropertyEditor->Edit();
  Continue = false;
}

}  // namespace zyl
