// The font dialog.
#include <algorithm>
#include <memory>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"

namespace vcl {

using namespace dialogs;
using namespace win;

namespace {

struct TFamily {
  std::string Name;
  bool Fixed = false;
};

int AddFamily(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* list = reinterpret_cast<std::vector<TFamily>*>(data);
  const std::string name = lf->lfFaceName;
  if (std::none_of(list->begin(), list->end(), [&](const TFamily& f) { return f.Name == name; }))
    list->push_back({name, (lf->lfPitchAndFamily & 3) == FIXED_PITCH});
  return 1;
}

std::vector<TFamily> Families() {
  std::vector<TFamily> list;
  TWindowDC dc(nullptr);
  EnumFontFamiliesA(dc, nullptr, &AddFamily, reinterpret_cast<LPARAM>(&list));
  std::sort(list.begin(), list.end(),
            [](const TFamily& a, const TFamily& b) { return CompareText(a.Name, b.Name) < 0; });
  return list;
}

const char* const kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};
const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
struct TNamedColor {
  const char* Name;
  TColor Color;
};
const TNamedColor kColors[] = {
    {"Black", clBlack},   {"Maroon", clMaroon},   {"Green", clGreen}, {"Olive", clOlive},
    {"Navy", clNavy},     {"Purple", clPurple},   {"Teal", clTeal},   {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},         {"Lime", clLime},   {"Yellow", clYellow},
    {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite}};

// The index of the first item starting with Text (case-insensitive), -1 if none.
int PrefixIndex(TStrings* Items, const std::string& Text) {
  if (Text.empty()) return -1;
  for (int i = 0; i < Items->Count(); ++i)
    if (Items->Get(i).size() >= Text.size() && SameText(Items->Get(i).substr(0, Text.size()), Text))
      return i;
  return -1;
}

class TFontForm : public TForm {
 public:
  TFontForm(TFontDialog* Dialog, TFont* Current) : TForm(nullptr), dialog_(Dialog) {
    SetName("FontDialogForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption("Font");
    const TFontDialogOptions o = Dialog->Options();
    AddLabel(this, "FontNameLabel", "&Font:", 8, 8);
    name_ = AddEdit(this, "FontName", Current->Name(), 8, 24, 150);
    names_ = AddListBox(this, "FontNames", 8, 48, 150, 100);
    for (const TFamily& f : Families())
      if (!o.contains(fdFixedPitchOnly) || f.Fixed) names_->Items()->Add(f.Name);
    AddLabel(this, "FontStyleLabel", "Font st&yle:", 166, 8);
    style_ = AddEdit(this, "FontStyle", "", 166, 24, 100);
    styles_ = AddListBox(this, "FontStyles", 166, 48, 100, 100);
    for (const char* s : kStyles) styles_->Items()->Add(s);
    const TFontStyles fs = Current->Style();
    style_->SetText(kStyles[(fs.contains(fsBold) ? 2 : 0) + (fs.contains(fsItalic) ? 1 : 0)]);
    style_->SetEnabled(!o.contains(fdNoStyleSel));
    styles_->SetEnabled(!o.contains(fdNoStyleSel));
    AddLabel(this, "FontSizeLabel", "&Size:", 274, 8);
    size_ = AddEdit(this, "FontSize", IntToStr(Current->Size()), 274, 24, 50);
    sizes_ = AddListBox(this, "FontSizes", 274, 48, 50, 100);
    const bool limit = o.contains(fdLimitSize);
    for (int s : kSizes)
      if (!limit || ((Dialog->MinFontSize() == 0 || s >= Dialog->MinFontSize()) &&
                     (Dialog->MaxFontSize() == 0 || s <= Dialog->MaxFontSize())))
        sizes_->Items()->Add(IntToStr(s));
    size_->SetEnabled(!o.contains(fdNoSizeSel));
    sizes_->SetEnabled(!o.contains(fdNoSizeSel));
    const bool effects = o.contains(fdEffects);
    strike_ = AddCheckBox(this, "StrikeOut", "Stri&keout", fs.contains(fsStrikeOut), 8, 160, 100);
    underline_ =
        AddCheckBox(this, "Underline", "&Underline", fs.contains(fsUnderline), 8, 182, 100);
    TLabel* cl = AddLabel(this, "ColorLabel", "&Color:", 8, 206);
    colors_ = AddListBox(this, "Colors", 8, 222, 150, 48);
    int colorIndex = -1;
    for (const TNamedColor& c : kColors) {
      if (ColorToRGB(c.Color) == ColorToRGB(Current->Color()))
        colorIndex = colors_->Items()->Count();
      colors_->Items()->Add(c.Name);
    }
    if (colorIndex < 0) {
      colorIndex = colors_->Items()->Count();
      colors_->Items()->Add("Custom");
      custom_ = Current->Color();
    }
    colors_->SetItemIndex(colorIndex);
    cl->SetFocusControl(colors_);
    for (TControl* c : std::initializer_list<TControl*>{strike_, underline_, cl, colors_})
      c->SetVisible(effects);
    AddLabel(this, "SampleLabel", "Sample", 166, 160);
    sample_ = new TPanel(this);
    sample_->SetName("Sample");
    sample_->SetBevelOuter(bvLowered);
    sample_->SetCaption("AaBbYyZz");
    sample_->SetParentFont(false);
    sample_->SetBounds(166, 176, 158, 94);
    sample_->SetParent(this);
    TButton* ok = AddButton(this, "OK", SOKButton, mrOk, 332, 24, 75, 23);
    ok->SetDefault(true);
    AddButton(this, "Cancel", SCancelButton, mrCancel, 332, 52, 75, 23)->SetCancel(true);
    if (o.contains(fdApplyButton)) {
      TButton* apply = AddButton(this, "Apply", "&Apply", mrNone, 332, 80, 75, 23);
      apply->OnClick = TNotifyEvent(this, &TFontForm::ApplyClick);
    }
    if (o.contains(fdShowHelp)) AddButton(this, "Help", SHelpButton, mrNone, 332, 108, 75, 23);
    SetClientWidthProp(415);
    SetClientHeightProp(280);

    const TNotifyEvent changed(this, &TFontForm::EditChange);
    name_->SetOnChange(changed);
    style_->SetOnChange(changed);
    size_->SetOnChange(changed);
    names_->OnClick = TNotifyEvent(this, &TFontForm::ListClick);
    styles_->OnClick = TNotifyEvent(this, &TFontForm::ListClick);
    sizes_->OnClick = TNotifyEvent(this, &TFontForm::ListClick);
    colors_->OnClick = TNotifyEvent(this, &TFontForm::Update);
    strike_->OnClick = TNotifyEvent(this, &TFontForm::Update);
    underline_->OnClick = TNotifyEvent(this, &TFontForm::Update);
    OnCloseQuery = TCloseQueryEvent(this, &TFontForm::CanClose);
    EditChange(name_);
    EditChange(style_);
    EditChange(size_);
    SetActiveControl(name_);
  }

  // Puts the choices into Font.
  void Store(TFont* Font) {
    const int n = names_->Items()->IndexOf(name_->Text());
    if (n >= 0) Font->SetName(names_->Items()->Get(n));
    const int size = StrToIntDef(size_->Text(), 0);
    if (size > 0) Font->SetSize(size);
    TFontStyles s;
    const int st = styles_->Items()->IndexOf(style_->Text());
    if (st == 1 || st == 3) s += fsItalic;
    if (st >= 2) s += fsBold;
    if (st < 0) s = Font->Style() - TFontStyles{fsStrikeOut, fsUnderline};
    if (strike_->Checked()) s += fsStrikeOut;
    if (underline_->Checked()) s += fsUnderline;
    Font->SetStyle(s);
    const int c = colors_->ItemIndex();
    if (c >= 0) Font->SetColor(c < 16 ? kColors[c].Color : custom_);
  }

 private:
  void EditChange(TObject* Sender) {
    if (updating_) return;
    if (Sender == name_) Follow(names_, name_->Text());
    if (Sender == style_) Follow(styles_, style_->Text());
    if (Sender == size_) Follow(sizes_, size_->Text());
    Update(Sender);
  }
  static void Follow(TListBox* list, const std::string& text) {
    int i = list->Items()->IndexOf(text);
    if (i < 0) i = PrefixIndex(list->Items(), text);
    list->SetItemIndex(i);
    if (i >= 0) list->SetTopIndex(i);
  }
  void ListClick(TObject* Sender) {
    auto* list = static_cast<TListBox*>(Sender);
    TEdit* edit = list == names_ ? name_ : list == styles_ ? style_ : size_;
    if (list->ItemIndex() < 0) return;
    updating_ = true;
    edit->SetText(list->Items()->Get(list->ItemIndex()));
    updating_ = false;
    Update(Sender);
  }
  void Update(TObject*) { Store(sample_->Font()); }
  void ApplyClick(TObject*) {
    Store(dialog_->Font());
    if (dialog_->OnApply) dialog_->OnApply(dialog_, Handle());
  }
  void CanClose(TObject*, bool& Can) {
    if (ModalResult() != mrOk) return;
    if (names_->Items()->IndexOf(name_->Text()) < 0) {
      MessageDlg(SNoSuchFont, mtWarning, {mbOK}, 0);
      name_->SetFocus();
      Can = false;
      return;
    }
    const int size = StrToIntDef(size_->Text(), 0);
    int lo = 1, hi = 1638;
    if (dialog_->Options().contains(fdLimitSize)) {
      if (dialog_->MinFontSize() > 0) lo = dialog_->MinFontSize();
      if (dialog_->MaxFontSize() > 0) hi = dialog_->MaxFontSize();
    }
    if (size < lo || size > hi) {
      MessageDlg(Format(SFontSizeRange, {lo, hi}), mtWarning, {mbOK}, 0);
      size_->SetFocus();
      Can = false;
    }
  }

  TFontDialog* dialog_;
  TEdit* name_;
  TListBox* names_;
  TEdit* style_;
  TListBox* styles_;
  TEdit* size_;
  TListBox* sizes_;
  TCheckBox* strike_;
  TCheckBox* underline_;
  TListBox* colors_;
  TPanel* sample_;
  TColor custom_ = clBlack;
  bool updating_ = false;
};

}  // namespace

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), font_(new TFont) {}

TFontDialog::~TFontDialog() { delete font_; }

void TFontDialog::SetFont(TFont* Value) { font_->Assign(Value); }

bool TFontDialog::Execute() {
  auto f = std::make_unique<TFontForm>(this, font_);
  f->HandleNeeded();
  handle_ = f->Handle();
  TFinally clear([this] { handle_ = nullptr; });
  if (OnShow) OnShow(this);
  const bool accepted = f->ShowModal() == mrOk;
  if (accepted) f->Store(font_);
  if (OnClose) OnClose(this);
  return accepted;
}

ZYL_CLASS_IMPL(TFontDialog) {
  b.Prop("Font", &TFontDialog::Font, &TFontDialog::SetFont)
      .Prop("Device", &TFontDialog::Device, &TFontDialog::SetDevice)
      .Default(fdScreen)
      .Prop("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize)
      .Default(0)
      .Prop("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize)
      .Default(0)
      .Prop("Options", &TFontDialog::Options, &TFontDialog::SetOptions)
      .Default(TFontDialogOptions{fdEffects})
      .Prop("OnApply", &TFontDialog::GetOnApply, &TFontDialog::SetOnApply);
}

}  // namespace vcl
