#include "tests/package/InputSteps.h"

#include <stdexcept>

#include "buttons/ZYLAssist.h"
#include "buttons/ZYLSpecialButtons.h"
#include "display/ZYLCustomProgress.h"
#include "display/ZYLCustomTrackBar.h"
#include "edits/ZYLBaseEdit.h"
#include "edits/ZYLBrowseDlg.h"
#include "edits/ZYLBrowseEdit.h"
#include "edits/ZYLCustomColorComboBox.h"
#include "edits/ZYLCustomEdit.h"
#include "edits/ZYLCustomExtCombo.h"
#include "edits/ZYLCustomListBox.h"
#include "edits/ZYLCustomMaskEdit.h"
#include "edits/ZYLCustomMemo.h"
#include "edits/ZYLEditAutoComplete.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBuffer.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLControl.h"
#include "platform/classes/Filer.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Thread.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/DateCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Grids.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/RangeCtrls.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/StatusBars.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLApplicationCtrl.h"
#include "system/ZYLCustomFormFill.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLFileGrep.h"
#include "system/ZYLFormA.h"
#include "system/ZYLFormDisplay.h"
#include "system/ZYLFormHost.h"
#include "system/ZYLHideNonVC.h"
#include "system/ZYLHookComponent.h"
#include "system/ZYLMRUList.h"
#include "system/ZYLMsg.h"
#include "system/ZYLPopupMenu.h"
#include "system/ZYLSysMenu.h"
#include "system/ZYLWindowListDlg.h"
#include "tests/package/PropertyStage.h"

namespace packagetest {

THandlers::THandlers() {
  Add<zyl::TZYLAssistPageChangingEvent, zyl::TZYLSpecialButtonClick, zyl::TZYLProgressColorEvent,
      zyl::TZYLProgressPaintEvent, zyl::TZYLDrawTickEvent, zyl::TZYLTextChangeEvent,
      zyl::TZYLBrowseDlgEditValidateEvent, zyl::TZYLBrowseDlgSelectionChangeEvent,
      zyl::TZYLBrowseExecuteEvent, zyl::TZYLOnColorDialogEvent, zyl::TZYLOnBtnClick,
      zyl::TZYLAllowDropEvent, zyl::TZYLListBoxEditChangeEvent, zyl::TZYLListBoxEditMeasureEvent,
      zyl::TZYLListBoxEditShowEvent, zyl::TZYLOnRangeError, zyl::TZYLOnUserRule,
      zyl::TZYLOnMarginRowPaint, zyl::TZYLAutoCompleteAddEvent, zyl::TSectionEvent,
      zyl::TZYLIniCtrlEvent, zyl::TZYLLBCompareItemEvent, zyl::TZYLLBGetLineSettingsEvent,
      zyl::TZYLExceptionEvent, zyl::TZYLMaxLogSizeEvent, zyl::TZYLOnHeaderWrite,
      zyl::TZYLBufferEntryDestroy, zyl::TZYLBoundsChangeEvent>();
  Add<vcl::TNotifyEvent, vcl::TThreadMethod, vcl::TActionEvent, vcl::THintEvent,
      vcl::TContextPopupEvent, vcl::TDragDropEvent, vcl::TDragOverEvent, vcl::TEndDragEvent,
      vcl::TKeyEvent, vcl::TKeyPressEvent, vcl::TMouseEvent, vcl::TMouseMoveEvent,
      vcl::TMouseWheelEvent, vcl::TMouseWheelUpDownEvent, vcl::TScrollEvent, vcl::TStartDockEvent,
      vcl::TStartDragEvent, vcl::TWndMethod, vcl::TDTParseInputEvent, vcl::TOnGetMonthInfoEvent,
      vcl::TFDApplyEvent, vcl::TCloseEvent, vcl::TCloseQueryEvent, vcl::TExceptionEvent,
      vcl::THelpEvent, vcl::TIdleEvent, vcl::TMessageEvent, vcl::TShowHintEvent, vcl::TWindowHook,
      vcl::TDrawCellEvent, vcl::TGetEditEvent, vcl::TMovedEvent, vcl::TSelectCellEvent,
      vcl::TSetEditEvent, vcl::TDrawSectionEvent, vcl::TSectionNotifyEvent, vcl::TSectionTrackEvent,
      vcl::TAdvancedMenuDrawItemEvent, vcl::TMenuChangeEvent, vcl::TMenuDrawItemEvent,
      vcl::TMenuMeasureItemEvent, vcl::TUDChangingEvent, vcl::TUDClickEvent, vcl::TCanResizeEvent,
      vcl::TDrawPanelEvent, vcl::TDrawItemEvent, vcl::TMeasureItemEvent, vcl::TDrawTabEvent,
      vcl::TTabChangingEvent, vcl::TTabGetImageEvent>();
  Add<zyl::TActionEvent, zyl::TZYLPaintEvent, zyl::TZYLFMDragDropEvent, zyl::TZYLFileChangeEvent,
      zyl::TZYLFoundEvent, zyl::TZYLDisplayChangeEvent, zyl::TZYLMaxInfoEvent, zyl::TZYLMovingEvent,
      zyl::TZYLSendIntegerEvent, zyl::TZYLSendStringEvent, zyl::TZYLSizingChangeEvent,
      zyl::TZYLStandardEvent, zyl::TZYLTrackInfoEvent, zyl::TZYLFDMessageEvent,
      zyl::TZYLFormDisplayChangeEvent, zyl::TZYLHideNonVCNewEvent, zyl::TZYLMessageEvent,
      zyl::TZYLMRUClickEvent, zyl::TZYLOnPopUpEvent, zyl::TZYLSysMenuClickEvent,
      zyl::TZYLWLFormEvent>();
}

const vcl::TMethod* THandlers::For(const void* signature, TCallSink sink) {
  auto it = methods_.find(signature);
  if (it == methods_.end()) return nullptr;
  hosts_.at(signature)->Sink = std::move(sink);
  return &it->second;
}

std::vector<const vcl::TPropInfo*> EventsOf(vcl::TClass cls) {
  std::vector<const vcl::TPropInfo*> events;
  for (const vcl::TPropInfo* p : vcl::GetPropList(cls))
    if (p->Kind() == vcl::tkMethod) events.push_back(p);
  return events;
}

namespace {

// A control is placed on the form at the size given, not the one its empty contents ask for.
vcl::TComponent* Place(vcl::TComponent* c, vcl::TCustomForm* form) {
  auto* control = dynamic_cast<vcl::TControl*>(c);
  if (!control) return c;
  if (const vcl::TPropInfo* a = vcl::GetPropInfo(control, "AutoSize"); a && a->IsWritable())
    vcl::SetOrdProp(control, a, 0);
  control->SetBounds(8, 8, 120, 60);
  control->SetParent(form);
  return c;
}

}  // namespace

TInputStage::TInputStage(vcl::TClass cls, TMade made) {
  if (made == TMade::FromFormFile) {
    std::string bytes;
    {
      std::unique_ptr<vcl::TCustomForm> written = NewRoot(cls);
      if (!IsForm(cls)) Place(cls->Create(written.get()), written.get())->SetName("X");
      bytes = vcl::WriteComponentToBytes(written.get());
    }
    form_ = NewRoot(cls).release();
    vcl::ReadComponentFromBytes(bytes, form_);
    component_ = ReadComponent(cls, form_);
  } else {
    form_ = NewRoot(cls).release();
    if (IsForm(cls)) component_ = form_;
  }
  // Made in code, and a menu item, which is streamed as part of a menu only.
  if (!component_) component_ = Place(cls->Create(form_), form_);
  Finish();
}

TInputStage::TInputStage(vcl::TCustomForm* form, vcl::TComponent* component)
    : form_(form), component_(component) {
  Finish();
}

void TInputStage::Finish() {
  other_ = new vcl::TEdit(form_);
  other_->SetBounds(200, 180, 80, 24);
  other_->SetParent(form_);
  form_->SetBounds(0, 0, 320, 240);
  formGone_ = std::make_unique<testsupport::TFreeProbe>(form_);
  componentGone_ = std::make_unique<testsupport::TFreeProbe>(component_);
  form_->Show();
  win::testkit::RunUntilIdle();
}

TInputStage::~TInputStage() {
  if (!formGone_->Freed) delete form_;
}

vcl::TControl* ControlOf(const TInputStage& s) {
  auto* control = dynamic_cast<vcl::TControl*>(s.Component());
  return control && control != s.Form() ? control : nullptr;
}

win::POINT Spot(const TInputStage& s) {
  auto* control = dynamic_cast<vcl::TControl*>(s.Component());
  int x = 4, y = 4;
  if (control && control != s.Form() && control->Parent() == s.Form()) {
    x = control->Left() + control->Width() / 2;
    y = control->Top() + control->Height() / 2;
  }
  return win::testkit::ScreenPoint(s.Form()->Handle(), x, y);
}

void GiveItems(vcl::TControl* c) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Items");
  if (!p || p->Kind() != vcl::tkClass) return;
  if (auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(c, p))) {
    for (const char* item : {"One", "Two", "Three"}) items->Add(item);
    win::testkit::RunUntilIdle();
  }
}

void GiveText(vcl::TControl* c, const std::string& text) {
  for (const char* name : {"Caption", "Text"}) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(c, name);
    if (!p || (p->Kind() != vcl::tkString && p->Kind() != vcl::tkLString)) continue;
    if (p->IsWritable()) vcl::SetStrProp(c, p, text);
    return;
  }
}

zyl::TZYLImageList* FourFrames(vcl::TComponent* owner) {
  auto* list = new zyl::TZYLImageList(owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(zyl::TZYLImageListItem::iiWidth, 16);
  item->SetInteger(zyl::TZYLImageListItem::iiHeight, 16);
  for (vcl::TColor color : {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow}) {
    vcl::TBitmap frame;
    frame.SetSize(16, 16);
    frame.Canvas()->Brush()->SetColor(color);
    frame.Canvas()->FillRect(vcl::TRect{0, 0, 16, 16});
    item->Add(&frame, nullptr);
  }
  return list;
}

namespace {

// A click on the icon the component put in the tray, if any.
void ClickTray(bool doubleClick) {
  const std::vector<win::TTrayIcon> icons = win::testkit::TrayIcons();
  if (icons.empty()) return;
  win::testkit::AdvanceClock(1000);
  win::testkit::ClickTrayIcon(icons[0].Wnd, icons[0].ID, 0, doubleClick);
}

}  // namespace

const std::vector<TStep>& Steps() {
  using win::testkit::RunUntilIdle;
  static const std::vector<TStep> steps = {
      {"mouse moved in",
       [](const TInputStage&, win::POINT at) { win::testkit::MouseMove(at.X, at.Y); }},
      {"mouse moved across",
       [](const TInputStage&, win::POINT at) { win::testkit::MouseMove(at.X + 3, at.Y + 2); }},
      {"mouse pressed",
       [](const TInputStage&, win::POINT at) { win::testkit::MouseDown(at.X, at.Y); }},
      {"mouse released",
       [](const TInputStage&, win::POINT at) { win::testkit::MouseUp(at.X, at.Y); }},
      {"clicked",
       [](const TInputStage&, win::POINT at) {
         win::testkit::AdvanceClock(1000);  // not a double click
         win::testkit::Click(at.X, at.Y);
       }},
      {"double-clicked",
       [](const TInputStage&, win::POINT at) {
         win::testkit::AdvanceClock(1000);
         win::testkit::DoubleClick(at.X, at.Y);
       }},
      {"wheel turned", [](const TInputStage&, win::POINT) { win::testkit::Wheel(-120); }},
      {"focused",
       [](const TInputStage& s, win::POINT) {
         auto* w = dynamic_cast<vcl::TWinControl*>(s.Component());
         if (w && w != s.Form() && w->CanFocus()) w->SetFocus();
         RunUntilIdle();
       }},
      {"key pressed", [](const TInputStage&, win::POINT) { win::testkit::KeyPress(win::VK_DOWN); }},
      {"character typed", [](const TInputStage&, win::POINT) { win::testkit::TypeText("a"); }},
      {"return pressed",
       [](const TInputStage&, win::POINT) { win::testkit::KeyPress(win::VK_RETURN); }},
      {"focus moved away",
       [](const TInputStage& s, win::POINT) {
         if (s.Other()->CanFocus()) s.Other()->SetFocus();
         RunUntilIdle();
       }},
      {"clock moved on", [](const TInputStage&, win::POINT) { win::testkit::AdvanceClock(2000); }},
      {"switched on and the clock moved on",
       [](const TInputStage& s, win::POINT) {
         // A component that runs on the clock once it is enabled.
         const vcl::TPropInfo* enabled = vcl::GetPropInfo(s.Component(), "Enabled");
         if (ControlOf(s) || s.Component() == s.Form() || !enabled || !enabled->IsWritable() ||
             vcl::GetOrdProp(s.Component(), enabled))
           return;
         // Ticks in the main thread, on the virtual clock.
         if (const vcl::TPropInfo* thread = vcl::GetPropInfo(s.Component(), "UseThread"))
           vcl::SetOrdProp(s.Component(), thread, 0);
         vcl::SetOrdProp(s.Component(), enabled, 1);
         win::testkit::AdvanceClock(2000);
       }},
      {"tray icon clicked", [](const TInputStage&, win::POINT) { ClickTray(false); }},
      {"tray icon double-clicked", [](const TInputStage&, win::POINT) { ClickTray(true); }},
      {"hidden",
       [](const TInputStage& s, win::POINT) {
         if (vcl::TControl* c = ControlOf(s)) c->Hide();
         RunUntilIdle();
       }},
      {"shown",
       [](const TInputStage& s, win::POINT) {
         if (vcl::TControl* c = ControlOf(s)) c->Show();
         RunUntilIdle();
       }},
      {"resized (the form moved and resized for a component that is no control)",
       [](const TInputStage& s, win::POINT) {
         if (vcl::TControl* c = ControlOf(s))
           c->SetBounds(10, 12, 150, 90);
         else
           s.Form()->SetBounds(20, 16, 360, 280);
         RunUntilIdle();
       }},
  };
  return steps;
}

const TStep& StepNamed(const std::string& name) {
  for (const TStep& step : Steps())
    if (name == step.Name) return step;
  throw std::out_of_range("no step named " + name);
}

std::vector<win::HWND> VisibleTopLevel() {
  std::vector<win::HWND> shown;
  win::EnumWindows(
      [](win::HWND h, win::LPARAM l) -> win::BOOL {
        if (win::IsWindowVisible(h)) reinterpret_cast<std::vector<win::HWND>*>(l)->push_back(h);
        return 1;
      },
      reinterpret_cast<win::LPARAM>(&shown));
  return shown;
}

int ShownWindows() { return static_cast<int>(VisibleTopLevel().size()); }

TValues PublishedValues(vcl::TObject* obj) {
  std::vector<Path> paths;
  PropertyPaths(
      obj, {}, 0,
      [](vcl::TObject*, const vcl::TPropInfo* p) {
        return p->Kind() != vcl::tkClass && p->Kind() != vcl::tkMethod;
      },
      paths);
  TValues values;
  for (const Path& path : paths)
    if (vcl::TObject* target = Walk(obj, path))
      values[Text(path)] = vcl::GetPropValue(target, path.back());
  return values;
}

std::set<std::string> ChangedPaths(const TValues& before, const TValues& after) {
  std::set<std::string> changed;
  for (const auto& [path, value] : before) {
    auto it = after.find(path);
    if (it == after.end() || it->second != value) changed.insert(path);
  }
  return changed;
}

std::string Differences(const TValues& expected, const TValues& actual) {
  std::string s;
  std::set<std::string> paths = ChangedPaths(expected, actual);
  for (const std::string& p : ChangedPaths(actual, expected)) paths.insert(p);
  for (const std::string& p : paths) {
    auto e = expected.find(p);
    auto a = actual.find(p);
    s += "\n  " + p + ": " + (e == expected.end() ? "(none)" : e->second) + " -> " +
         (a == actual.end() ? "(none)" : a->second);
  }
  return s;
}

}  // namespace packagetest
