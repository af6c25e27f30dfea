#include "tests/design/EditorTestSupport.h"

#include "buttons/ZYLSimplePanel.h"
#include "design/pZYLBevelEditorDlg.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLApplication.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/StringList.h"
#include "platform/controls/StdCtrls.h"
#include "system/ZYLFormStyler.h"
#include "tests/support/TestKit.h"

namespace zyl::designtest {

namespace wt = win::testkit;

TEditorUnits::TEditorUnits() {
  ZYLApplicationInit();
  ZYLSimplePanelInit();
  ZYLColorComboBoxInit();
  ZYLSpinEditInit();
  ZYLFormStylerInit();
  pZYLBevelEditorDlgInit();
}

TEditorUnits::~TEditorUnits() {
  pZYLBevelEditorDlgDone();
  ZYLFormStylerDone();
  ZYLSpinEditDone();
  ZYLColorComboBoxDone();
  ZYLSimplePanelDone();
  ZYLApplicationDone();
}

const char* EndingName(TEnding e) {
  switch (e) {
    case TEnding::Ok: return "OK";
    case TEnding::Cancel: return "Cancel";
    case TEnding::CloseBox: return "close box";
    case TEnding::Escape: return "Escape";
    case TEnding::Exception: return "exception";
    case TEnding::Unanswered: return "unanswered";
  }
  return "?";
}

void ClickCloseBox(win::HWND wnd) {
  win::RECT r{};
  win::GetWindowRect(wnd, &r);
  for (int y = r.Top; y < r.Top + 30; ++y)
    for (int x = r.Right - 1; x > r.Right - 40; --x)
      if (win::SendMessageA(wnd, win::WM_NCHITTEST, 0, win::MAKELPARAM(x, y)) == win::HTCLOSE) {
        wt::Click(x, y);
        return;
      }
  throw vcl::testkit::EDialogScript("The window has no close box");
}

void ChooseComboItem(vcl::TWinControl* combo, const std::string& item) {
  auto* box = dynamic_cast<vcl::TCustomComboBox*>(combo);
  if (!box) throw vcl::testkit::EDialogScript(combo->Name() + " is no combo box");
  const int index = box->Items()->IndexOf(item);
  if (index < 0)
    throw vcl::testkit::EDialogScript("The combo box " + box->Name() + " has no item " + item);
  box->SetFocus();
  wt::RunUntilIdle();
  wt::KeyPress(win::VK_HOME);
  for (int i = 0; i < index; ++i) wt::KeyPress(win::VK_DOWN);
}

void AnswerEditor(vcl::testkit::TDialogScript& script,
                  const std::function<void(vcl::TCustomForm*)>& change, TEnding ending) {
  script.Do([change, ending](vcl::TCustomForm* form) {
    change(form);
    switch (ending) {
      case TEnding::Ok: vcl::testkit::ClickControl(On<vcl::TControl>(form, "btOK")); break;
      case TEnding::Cancel: vcl::testkit::ClickControl(On<vcl::TControl>(form, "btCancel")); break;
      case TEnding::CloseBox: ClickCloseBox(form->Handle()); break;
      case TEnding::Escape: wt::KeyPress(win::VK_ESCAPE); break;
      case TEnding::Exception: throw vcl::Exception("failure inside the editor");
      case TEnding::Unanswered: break;
    }
  });
}

}  // namespace zyl::designtest
