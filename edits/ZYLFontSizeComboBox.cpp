#include "edits/ZYLFontSizeComboBox.h"

#include <cstdlib>
#include <cstring>

#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontListBox.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"

namespace zyl {

using namespace vcl;

namespace fontsizes {

namespace {

// The highest size a box takes.
constexpr int kMaxSize = 999;

bool Scalable(win::DWORD FontType) {
  return (FontType & win::TRUETYPE_FONTTYPE) || FontType == 0 || FontType == win::DEVICE_FONTTYPE;
}

// A raster style's point size on a device of Ppi pixels per inch.
int PointSize(const win::TEXTMETRICA* tm, int Ppi) {
  return static_cast<int>(Round(double(tm->tmHeight - tm->tmInternalLeading) * 72 / Ppi));
}

struct TSizes {
  TStrings* Items;
  int Ppi;
};

int AddSizes(const win::LOGFONTA*, const win::TEXTMETRICA* tm, win::DWORD fontType,
             win::LPARAM data) {
  auto* s = reinterpret_cast<TSizes*>(data);
  if (Scalable(fontType)) {
    for (int size : kStandard) s->Items->Add(IntToStr(size));
    return 0;
  }
  const int size = PointSize(tm, s->Ppi);
  const std::string text = IntToStr(size);
  if (s->Items->IndexOf(text) >= 0) return 1;
  int at = 0;
  while (at < s->Items->Count() && StrToIntDef(s->Items->Get(at), 0) <= size) ++at;
  s->Items->Insert(at, text);
  return 1;
}

struct TNearest {
  int Ppi, Wanted, Nearest;
};

int NearestSize(const win::LOGFONTA*, const win::TEXTMETRICA* tm, win::DWORD fontType,
                win::LPARAM data) {
  auto* n = reinterpret_cast<TNearest*>(data);
  if (Scalable(fontType)) {
    n->Nearest = n->Wanted;
    return 0;
  }
  const int size = PointSize(tm, n->Ppi);
  if (n->Nearest == 0 || std::abs(size - n->Wanted) < std::abs(n->Nearest - n->Wanted))
    n->Nearest = size;
  return 1;
}

}  // namespace

void Build(TStrings* Items, const std::string& Face, win::HDC DC) {
  TSizes sizes{Items, std::max(1, win::GetDeviceCaps(DC, win::LOGPIXELSY))};
  win::EnumFontFamiliesA(DC, Face.c_str(), &AddSizes, reinterpret_cast<win::LPARAM>(&sizes));
}

int Nearest(const std::string& Face, win::HDC DC, int Wanted) {
  TNearest n{std::max(1, win::GetDeviceCaps(DC, win::LOGPIXELSY)), Wanted, 0};
  win::EnumFontFamiliesA(DC, Face.c_str(), &NearestSize, reinterpret_cast<win::LPARAM>(&n));
  return n.Nearest;
}

void Fill(TStrings* Items, const std::string& Face) {
  Items->BeginUpdate();
  const TFinally end([Items] { Items->EndUpdate(); });
  Items->Clear();
  if (Face.empty()) return;
  {
    const win::TWindowDC screen(nullptr);
    Build(Items, Face, screen);
  }
  if (Items->Count() > 0) return;
  try {
    Build(Items, Face, Printer()->Handle());
  } catch (const EPrinter&) {
    // Without a printer to ask the font has no sizes.
  }
}

int Check(int Value, const std::string& Face, int Default, bool UseNearest) {
  if (Value < 1 || Value > kMaxSize || Face.empty()) Value = Default;
  if (!UseNearest || Face.empty()) return Value;
  int nearest = 0;
  {
    const win::TWindowDC screen(nullptr);
    nearest = Nearest(Face, screen, Value);
  }
  if (nearest == 0) {
    try {
      nearest = Nearest(Face, Printer()->Handle(), Value);
    } catch (const EPrinter&) {
      nearest = 0;
    }
  }
  // A font that offers no size keeps the checked value.
  return nearest != 0 ? nearest : Value;
}

bool KeyAccepted(char Key, bool Editor) {
  const auto k = static_cast<unsigned char>(Key);
  if (!Editor) return k < 32 && Key != '\b';
  return Key == '+' || Key == '-' || (Key >= '0' && Key <= '9') || k < 32;
}

TNotifyEvent* FontHook(TWinControl* FontControl) {
  if (auto* combo = dynamic_cast<TZYLFontComboBox*>(FontControl)) return &combo->FOnFontChange;
  if (auto* list = dynamic_cast<TZYLFontListBox*>(FontControl)) return &list->FOnFontChange;
  return nullptr;
}

bool FilterKey(char& Key, bool Editor, bool HasFont) {
  if (KeyAccepted(Key, Editor) && HasFont) return true;
  Key = 0;
  win::MessageBeep(0);
  return false;
}

void ForwardDialogKey(TControl* Control, char& Key) {
  if (Key != '\r' && Key != '\x1b') return;
  if (TCustomForm* form = vcl::GetParentForm(Control))
    form->Perform(CM_DIALOGKEY, static_cast<uint8_t>(Key), 0);
  if (Key == '\r') Key = 0;
}

TZYLFontComboBox* TFontLink::Combo() const { return dynamic_cast<TZYLFontComboBox*>(FControl); }

TZYLFontListBox* TFontLink::List() const { return dynamic_cast<TZYLFontListBox*>(FControl); }

void TFontLink::SetCombo(TZYLFontComboBox* Value) { Set(Value); }

void TFontLink::SetList(TZYLFontListBox* Value) { Set(Value); }

void TFontLink::Set(TWinControl* Value) {
  if (FControl == Value) return;
  if (FControl) {
    // The font control has one hook: another size control that linked since keeps it.
    TNotifyEvent* hook = FontHook(FControl);
    if (hook && *hook == FOnFontChange) hook->Clear();
    FControl->RemoveFreeNotification(FClient);
  }
  FControl = Value;
  if (!Value) return;
  if (TNotifyEvent* hook = FontHook(Value)) *hook = FOnFontChange;
  Value->FreeNotification(FClient);
}

void TFontLink::Removed(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

std::string TFontLink::SelectedFont() const {
  if (TZYLFontComboBox* combo = Combo()) return combo->SelectedFont();
  if (TZYLFontListBox* list = List()) return list->SelectedFont();
  return {};
}

int IndexOfSize(TStrings* Items, int Size) {
  const std::string text = IntToStr(Size);
  for (int i = 0; i < Items->Count(); ++i)
    if (SameText(Items->Get(i), text)) return i;
  return -1;
}

}  // namespace fontsizes

ZYL_MESSAGE_MAP(TZYLFontSizeComboBox) {
  m.On(CM_EXIT, &TZYLFontSizeComboBox::CMExit)
      .On(CM_FONTCHANGED, &TZYLFontSizeComboBox::CMFontChanged)
      .On(CM_FONTCHANGE, &TZYLFontSizeComboBox::CMFontChange);
}

ZYL_CLASS_IMPL(TZYLFontSizeComboBox) {
  using C = TZYLFontSizeComboBox;
  b.Publish({"About", "Color", "Ctl3D"})
      .Prop("DefaultSize", &C::DefaultSize, &C::SetDefaultSize)
      .Default(10)
      .Publish({"DragMode", "DragCursor", "DropDownCount", "DropDownWidth"})
      .Prop("EditorEnabled", &C::EditorEnabled, &C::SetEditorEnabled)
      .Default(true)
      .Publish({"Enabled", "Flat", "FocusControl", "Font"})
      .Prop("FontCombo", &C::FontCombo, &C::SetFontCombo)
      .Prop("FontList", &C::FontList, &C::SetFontList)
      .Prop("FontName", &C::FontName, &C::SetFontName)
      .Publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                "ShowHint", "TabOrder", "TabStop"})
      .Prop("UseNearestSize", &C::UseNearestSize, &C::SetUseNearestSize)
      .Default(false)
      .Publish({"UseGlobalTimer", "Visible",        "Anchors",    "Constraints", "DragKind",
                "BiDiMode",       "ParentBiDiMode", "OnSelect",   "OnChange",    "OnClick",
                "OnDblClick",     "OnDragDrop",     "OnDragOver", "OnDropDown",  "OnEditClick",
                "OnEndDrag",      "OnEnter",        "OnExit",     "OnKeyDown",   "OnKeyPress",
                "OnKeyUp",        "OnStartDrag",    "OnEndDock",  "OnStartDock"});
}

TZYLFontSizeComboBox::TZYLFontSizeComboBox(TComponent* AOwner) : inherited(AOwner) {
  SetStyle(csDropDown);
  SetItemHeight(16);
}

int TZYLFontSizeComboBox::Selected() {
  const std::string text = Text();
  return text.empty() ? -1 : StrToIntDef(text, -1);
}

void TZYLFontSizeComboBox::SetSelected(int Value) {
  if (FontName().empty()) {
    SetItemIndex(-1);
    SetText("");
    return;
  }
  const int size = CheckedSize(Value);
  const std::string text = IntToStr(size);
  const int found = fontsizes::IndexOfSize(Items(), size);
  SetItemIndex(found);
  // The item may have been chosen already while the text was edited.
  if (Text() != text) SetText(text);
  Change();
}

void TZYLFontSizeComboBox::SetEditorEnabled(bool Value) {
  if (FEditorEnabled == Value) return;
  FEditorEnabled = Value;
  SetStyle(Value ? csDropDown : csDropDownList);
}

void TZYLFontSizeComboBox::CMExit(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!FEditorEnabled) return;
  if (FontName().empty()) {
    SetText("");
    return;
  }
  // A text that is no number (pasted, say) counts as none: the default size.
  SetSelected(Selected());
}

void TZYLFontSizeComboBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!ComponentState().contains(csLoading)) InitItemHeight();
}

void TZYLFontSizeComboBox::CMFontChange(TMessage& Message) {
  ZYL_INHERITED(Message);
  InitItemHeight();
}

}  // namespace zyl
