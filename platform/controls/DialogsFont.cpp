// The font dialog.
#include <algorithm>
#include <memory>

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

// The font form: the family, style and size each in a simple combo box (an edit over its list;
// typing brings the nearest item of the list forward, choosing an item puts it in the edit), the
// effects, the colour and a sample that follows every change.
class TFontForm : public TForm {
 public:
  TFontForm(TFontDialog* Dialog, TFont* Current) : TForm(nullptr), dialog_(Dialog) {
    SetName("FontDialogForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption("Font");
    const TFontDialogOptions o = Dialog->Options();
    name_ = AddBox("FontName", "&Font:", 8, 150);
    for (const TFamily& f : Families())
      if (!o.contains(fdFixedPitchOnly) || f.Fixed) name_->Items()->Add(f.Name);
    style_ = AddBox("FontStyle", "Font st&yle:", 166, 100);
    for (const char* s : kStyles) style_->Items()->Add(s);
    style_->SetEnabled(!o.contains(fdNoStyleSel));
    size_ = AddBox("FontSize", "&Size:", 274, 50);
    const bool limit = o.contains(fdLimitSize);
    for (int s : kSizes)
      if (!limit || ((Dialog->MinFontSize() == 0 || s >= Dialog->MinFontSize()) &&
                     (Dialog->MaxFontSize() == 0 || s <= Dialog->MaxFontSize())))
        size_->Items()->Add(IntToStr(s));
    size_->SetEnabled(!o.contains(fdNoSizeSel));
    const TFontStyles fs = Current->Style();
    Start(name_, Current->Name());
    Start(style_, kStyles[(fs.contains(fsBold) ? 2 : 0) + (fs.contains(fsItalic) ? 1 : 0)]);
    Start(size_, IntToStr(Current->Size()));
    const bool effects = o.contains(fdEffects);
    strike_ = AddCheckBox(this, "StrikeOut", "Stri&keout", fs.contains(fsStrikeOut), 8, 160, 100);
    underline_ =
        AddCheckBox(this, "Underline", "&Underline", fs.contains(fsUnderline), 8, 182, 100);
    TLabel* cl = AddLabel(this, "ColorLabel", "&Color:", 8, 206);
    colors_ = AddComboBox(this, "Colors", 8, 222, 150);
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

    // Typed or chosen, every change shows in the sample.
    const TNotifyEvent changed(this, &TFontForm::Update);
    for (TComboBox* c : {name_, style_, size_, colors_}) c->OnChange = changed;
    strike_->OnClick = changed;
    underline_->OnClick = changed;
    OnCloseQuery = TCloseQueryEvent(this, &TFontForm::CanClose);
    Update(this);
    SetActiveControl(name_);
  }

  // Puts the choices into Font. With Nearest (the sample) a family or style typed in part counts
  // as the item its list shows for it.
  void Store(TFont* Font, bool Nearest = false) {
    const int n = Chosen(name_, Nearest);
    if (n >= 0) Font->SetName(name_->Items()->Get(n));
    const int size = StrToIntDef(size_->Text(), 0);
    if (size > 0) Font->SetSize(size);
    TFontStyles s;
    const int st = Chosen(style_, Nearest);
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
  // A simple combo box with its label above it, the list under the edit.
  TComboBox* AddBox(const char* Name, const std::string& Caption, int X, int W) {
    TLabel* label = AddLabel(this, (std::string(Name) + "Label").c_str(), Caption, X, 8);
    TComboBox* box = AddComboBox(this, Name, X, 24, W, csSimple, 124);
    label->SetFocusControl(box);
    return box;
  }
  // The item the box's text names, or with Nearest the one its list shows; -1 for none.
  static int Chosen(TComboBox* Box, bool Nearest) {
    const int i = Box->Items()->IndexOf(Box->Text());
    return i < 0 && Nearest ? Box->ItemIndex() : i;
  }
  // Shows Text in the box: its item when the list has it.
  static void Start(TComboBox* Box, const std::string& Text) {
    const int i = Box->Items()->IndexOf(Text);
    if (i >= 0)
      Box->SetItemIndex(i);
    else
      Box->SetText(Text);
  }
  void Update(TObject*) { Store(sample_->Font(), true); }
  void ApplyClick(TObject*) {
    Store(dialog_->Font());
    if (dialog_->OnApply) dialog_->OnApply(dialog_, Handle());
  }
  void CanClose(TObject*, bool& Can) {
    if (ModalResult() != mrOk) return;
    if (name_->Items()->IndexOf(name_->Text()) < 0) {
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
  TComboBox* name_;
  TComboBox* style_;
  TComboBox* size_;
  TCheckBox* strike_;
  TCheckBox* underline_;
  TComboBox* colors_;
  TPanel* sample_;
  TColor custom_ = clBlack;
};

}  // namespace

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), font_(new TFont) {}

TFontDialog::~TFontDialog() { delete font_; }

void TFontDialog::SetFont(TFont* Value) { font_->Assign(Value); }

bool TFontDialog::Execute() {
  auto f = std::make_unique<TFontForm>(this, font_);
  return ShowDialogForm(this, handle_, f.get(), [&] { f->Store(font_); });
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
