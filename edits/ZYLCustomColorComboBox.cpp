#include "edits/ZYLCustomColorComboBox.h"

#include <algorithm>

#include "edits/ZYLColorListProps.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

using namespace vcl;

namespace colorlist {

namespace {
// The names the colour enumeration gives first: the sixteen standard colours.
constexpr int kStandardColors = 16;
// The longest name an item shows.
constexpr size_t kMaxName = 100;

std::string DialogKey(char Tag) { return std::string(SColorPrefix) + Tag; }
}  // namespace

bool IsNoColor(TColor Color) { return Color == clNone || Color == clDefault; }

void Build(TStrings* Items, TStrings* CustomColors, bool CustomMode, TZYLColorCBOptions Options) {
  Items->BeginUpdate();
  const TFinally end([Items] { Items->EndUpdate(); });
  Items->Clear();
  if (CustomMode) {
    Items->Assign(CustomColors);
    return;
  }
  if (Options.contains(coDefaultColors) || Options.contains(coSystemColors)) {
    int counter = 0;
    GetColorValues([&](const std::string& Name) {
      const bool standard = counter++ < kStandardColors;
      TColor value = 0;
      // Neither "no colour" nor "the default colour" is a colour to pick.
      if (IdentToColor(Name, value) && IsNoColor(value)) return;
      if (Options.contains(standard ? coDefaultColors : coSystemColors)) Items->Add(Name);
    });
  }
  if (!Options.contains(coCustomColors) || CustomColors->Count() == 0) return;
  for (const char* tag = SColorTags; *tag; ++tag) {
    const std::string value = CustomColors->Values(DialogKey(*tag));
    if (value.empty() || value == "FFFFFFFF") continue;
    Items->Add("$" + std::string(value.size() < 8 ? 8 - value.size() : 0, '0') + value);
  }
}

TColor ColorOf(const std::string& Text) {
  try {
    return StringToColor(Text);
  } catch (const EConvertError&) {
    return -1;
  }
}

TColor ItemColor(const std::string& Item, bool CustomMode) {
  const size_t eq = Item.find('=');
  return ColorOf(CustomMode && eq != std::string::npos ? Item.substr(eq + 1) : Item);
}

std::string ItemName(const std::string& Item, bool CustomMode) {
  const size_t eq = Item.find('=');
  return CustomMode && eq != std::string::npos ? Item.substr(0, eq) : Item;
}

int IndexFor(TStrings* Items, bool CustomMode, TZYLColorCBOptions Options, TColor Value) {
  if (CustomMode) {
    for (int i = 0; i < Items->Count(); ++i)
      if (ItemColor(Items->Get(i), true) == Value) return i;
    return -1;
  }
  const std::string name = ColorToString(Value);
  const int index = Items->IndexOf(name);
  if (index >= 0 || !Options.contains(coAllowAnyColor) || IsNoColor(Value)) return index;
  return Items->Add(name);
}

void DrawnColorAndName(const std::string& Item, TColor& Color, std::string& Name) {
  Color = -1;
  Name.clear();
  if (Item.empty()) return;
  if (const size_t eq = Item.find('='); eq != std::string::npos) {
    // The value part is an identifier or a number, whatever the name holds.
    Name = Item.substr(0, eq);
    Color = ColorOf(Item.substr(eq + 1));
    return;
  }
  Color = ColorOf(Item);
  Name = Item.rfind("cl", 0) == 0 ? Item.substr(2, kMaxName) : Item;
}

int DrawSwatch(TCanvas* Canvas, const TRect& Rect, TZYLColorCBStyle Style, TColor Color) {
  if (Style == csText) return Rect.Left + 2;
  Canvas->Brush()->SetColor(Color);
  Canvas->Brush()->SetStyle(bsSolid);
  if (Style == csColor) {
    Canvas->Rectangle(Rect.Left + 3, Rect.Top + 3, Rect.Right - 3, Rect.Bottom - 3);
    return Rect.Left + 2;
  }
  const int x = Rect.Left + 8 + Rect.Height();
  TRect swatch{Rect.Left + 4, Rect.Top + 2, x, Rect.Bottom - 2};
  if (Style == csColor3DText) {
    Canvas->FillRect(swatch);
    ZYLDrawStdFrame(Canvas, swatch, lsSingleRaised, 0);
  } else {
    Canvas->Rectangle(swatch);
  }
  return x + 6;
}

void ReadDialogColors(TStrings* Dest, TStrings* Source) {
  Dest->Clear();
  for (const char* tag = SColorTags; *tag; ++tag) {
    std::string value = Source->Values(DialogKey(*tag));
    // An unset slot of the dialog holds white with the high byte set.
    if (value.empty() || value == "FFFFFFFF") continue;
    value = value.substr(0, 6);
    // The dialog writes its colours in hexadecimal without a "$".
    int32_t number = 0;
    if (TryStrToInt("$" + value, number)) Dest->Add(DialogKey(*tag) + "=" + value);
  }
}

void AssignCustomColors(TStringList* Custom, TStrings* Value, bool CustomMode,
                        const std::function<void()>& Rebuild) {
  if (CustomMode) {
    Custom->Assign(Value);
    return;
  }
  const TNotifyEvent onChange = Custom->OnChange();
  Custom->SetOnChange(TNotifyEvent());
  const TFinally attach([&] {
    Rebuild();
    Custom->SetOnChange(onChange);
  });
  ReadDialogColors(Custom, Value);
}

bool RunDialog(TComponent* Owner, TStrings* Strings, TColor Selected,
               const TDialogSettings& Settings, const std::function<void(TColor)>& Chosen) {
  const std::unique_ptr<TColorDialog> dialog = std::make_unique<TColorDialog>(Owner);
  dialog->SetCustomColors(Strings);
  dialog->SetOptions(Settings.Options);
  dialog->SetColor(Selected == -1 ? clBlack : Selected);
  dialog->SetHelpContext(Settings.HelpContext);
  if (Settings.Before && *Settings.Before) (*Settings.Before)(Owner, dialog.get());
  const bool ok = dialog->Execute();
  if (ok) {
    Strings->Assign(dialog->CustomColors());
    Chosen(dialog->Color());
  }
  if (Settings.After && *Settings.After) (*Settings.After)(Owner, dialog.get());
  return ok;
}

}  // namespace colorlist

ZYL_MESSAGE_MAP(TZYLCustomColorComboBox) {
  m.On(CM_FONTCHANGED, &TZYLCustomColorComboBox::CMFontChanged);
}

// Described here, published by TZYLColorComboBox.
ZYL_CLASS_IMPL(TZYLCustomColorComboBox) { colorlist::DeclareProps(b); }

TZYLCustomColorComboBox::TZYLCustomColorComboBox(TComponent* AOwner) : inherited(AOwner) {
  SetStyle(csOwnerDrawVariable);
  GetChange(nullptr);
  CreateColorList();
}

void TZYLCustomColorComboBox::GetChange(TObject* Sender) {
  if (Sender == CustomColors()) {
    CreateColorList();
    return;
  }
  const TColor keep = Text().empty() ? -1 : SelectedColor();
  FItemHeight = ZYLGetFontHeight(Font()) + 2;
  // The field is the box's height less the 3-pixel border above and below: 25 pixels high for
  // swatches only, else 9 pixels above the items' height.
  ApplyItemHeight(DisplayStyle() == csColor ? 25 - 6 : FItemHeight + 9 - 6);
  RecreateWnd();
  RestoreSelectedColor(keep);
}

TColor TZYLCustomColorComboBox::SelectedColor() {
  const std::string text = Text();
  if (text.empty()) return -1;
  return colorlist::ItemColor(text, CustomMode());
}

std::string TZYLCustomColorComboBox::SelectedColorName() {
  const std::string text = Text();
  return text.substr(0, text.find('='));
}

void TZYLCustomColorComboBox::SetSelectedColor(TColor Value) {
  if (SelectCustomColor(Value) || ColorToString(Value) == Text()) return;
  SetItemIndex(colorlist::IndexFor(Items(), false, Options(), Value));
  if (!RestoringColor()) Change();
}

void TZYLCustomColorComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbRight && !ComponentState().contains(csDesigning) &&
      Options().contains(coAllowDialog) && !CustomMode()) {
    Execute();
    return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLCustomColorComboBox::MeasureItem(int, int& Height) {
  Height = DisplayStyle() == csColor ? 15 : FItemHeight;
}

void TZYLCustomColorComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (Index < 0) return;
  PrepareItem(Rect, State);
  TColor color = -1;
  std::string name;
  if (!ShownColorAndName(Index, color, name)) return;
  TCanvas* c = Canvas();
  // An item whose colour cannot be read shows its name without a swatch.
  const int x = color == -1 ? Rect.Left + 2 : colorlist::DrawSwatch(c, Rect, DisplayStyle(), color);
  if (DisplayStyle() == csColor) return;
  c->Brush()->SetStyle(bsClear);
  c->TextRect(Rect, x, Rect.Top + 2, name);
}

}  // namespace zyl
