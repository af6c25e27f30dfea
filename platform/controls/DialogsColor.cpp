// The colour dialog.
#include <algorithm>
#include <memory>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

using namespace dialogs;
using namespace win;

namespace dialogs {

namespace {
constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

int HueToRgb(int n1, int n2, int hue) {
  if (hue < 0) hue += kHlsMax;
  if (hue > kHlsMax) hue -= kHlsMax;
  if (hue < kHlsMax / 6) return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
  if (hue < kHlsMax / 2) return n2;
  if (hue < kHlsMax * 2 / 3)
    return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
  return n1;
}
}  // namespace

void ColorToHls(TColor Color, int& H, int& L, int& S) {
  const uint32_t c = static_cast<uint32_t>(ColorToRGB(Color));
  const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  L = ((mx + mn) * kHlsMax + kRgbMax) / (2 * kRgbMax);
  if (mx == mn) {
    S = 0;
    H = kUndefinedHue;
    return;
  }
  if (L <= kHlsMax / 2)
    S = ((mx - mn) * kHlsMax + (mx + mn) / 2) / (mx + mn);
  else
    S = ((mx - mn) * kHlsMax + (2 * kRgbMax - mx - mn) / 2) / (2 * kRgbMax - mx - mn);
  const int rd = ((mx - r) * (kHlsMax / 6) + (mx - mn) / 2) / (mx - mn);
  const int gd = ((mx - g) * (kHlsMax / 6) + (mx - mn) / 2) / (mx - mn);
  const int bd = ((mx - b) * (kHlsMax / 6) + (mx - mn) / 2) / (mx - mn);
  if (r == mx)
    H = bd - gd;
  else if (g == mx)
    H = kHlsMax / 3 + rd - bd;
  else
    H = kHlsMax * 2 / 3 + gd - rd;
  if (H < 0) H += kHlsMax;
  if (H >= kHlsMax) H -= kHlsMax;
}

TColor HlsToColor(int H, int L, int S) {
  int r, g, b;
  if (S == 0) {
    r = g = b = L * kRgbMax / kHlsMax;
  } else {
    const int m2 = L <= kHlsMax / 2 ? (L * (kHlsMax + S) + kHlsMax / 2) / kHlsMax
                                    : L + S - (L * S + kHlsMax / 2) / kHlsMax;
    const int m1 = 2 * L - m2;
    r = (HueToRgb(m1, m2, H + kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
    g = (HueToRgb(m1, m2, H) * kRgbMax + kHlsMax / 2) / kHlsMax;
    b = (HueToRgb(m1, m2, H - kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
  }
  auto clamp = [](int v) { return std::clamp(v, 0, kRgbMax); };
  return static_cast<TColor>(RGB(clamp(r), clamp(g), clamp(b)));
}

}  // namespace dialogs

namespace {

// A grid of colour cells: click or the arrow keys choose one; OnClick follows.
class TColorCells : public TCustomControl {
 public:
  TColorCells(TComponent* AOwner, int Cols, int Rows) : TCustomControl(AOwner), cols_(Cols) {
    colors_.assign(static_cast<size_t>(Cols * Rows), clWhite);
    defined_.assign(colors_.size(), true);
    tabStop_ = true;
    width_ = Cols * kCellW;
    height_ = Rows * kCellH;
  }
  static constexpr int kCellW = 24, kCellH = 20;
  std::vector<TColor> colors_;
  std::vector<bool> defined_;
  int Selected() const { return selected_; }
  void Select(int i) {
    selected_ = i;
    Invalidate();
  }
  // The first cell showing Color, -1 if none.
  int Find(TColor Color) const {
    for (size_t i = 0; i < colors_.size(); ++i)
      if (defined_[i] && colors_[i] == Color) return static_cast<int>(i);
    return -1;
  }

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(ClientRect());
    for (size_t i = 0; i < colors_.size(); ++i) {
      RECT r = CellRect(static_cast<int>(i));
      if (static_cast<int>(i) == selected_) {
        c->Brush()->SetColor(clBlack);
        c->FrameRect(r);
      }
      InflateRect(&r, -2, -2);
      DrawEdge(c->Handle(), &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
      c->Brush()->SetColor(colors_[i]);
      c->FillRect(r);
      if (static_cast<int>(i) == selected_ && Focused()) {
        RECT f = CellRect(static_cast<int>(i));
        InflateRect(&f, 1, 1);
        c->DrawFocusRect({f.Left + 1, f.Top + 1, f.Right - 1, f.Bottom - 1});
      }
    }
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (CanFocus()) SetFocus();
    const int col = X / kCellW, row = Y / kCellH;
    const int i = row * cols_ + col;
    if (col < cols_ && i >= 0 && i < static_cast<int>(colors_.size())) {
      Select(i);
      Click();
    }
  }
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    TCustomControl::KeyDown(Key, Shift);
    int i = std::max(0, selected_);
    const int n = static_cast<int>(colors_.size());
    switch (Key) {
      case VK_LEFT: i = std::max(0, i - 1); break;
      case VK_RIGHT: i = std::min(n - 1, i + 1); break;
      case VK_UP: i = i >= cols_ ? i - cols_ : i; break;
      case VK_DOWN: i = i + cols_ < n ? i + cols_ : i; break;
      default: return;
    }
    Select(i);
    Click();
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = DLGC_WANTARROWS;
      return;
    }
    if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) Invalidate();
    TCustomControl::WndProc(Message);
  }

 private:
  RECT CellRect(int i) const {
    const int x = (i % cols_) * kCellW, y = (i / cols_) * kCellH;
    return {x, y, x + kCellW, y + kCellH};
  }
  int cols_;
  int selected_ = -1;
};

// The hue (across) and saturation (up) field of the full-open part, or the luminance bar.
class TSpectrum : public TCustomControl {
 public:
  TSpectrum(TComponent* AOwner, bool Bar) : TCustomControl(AOwner), bar_(Bar) {}
  int H = 0, L = 120, S = 0;
  TNotifyEvent OnPick;

 protected:
  void Paint() override {
    const int w = ClientWidth(), h = ClientHeight();
    HDC dc = Canvas()->Handle();
    for (int y = 0; y < h; ++y) {
      if (bar_) {
        const TColor c = HlsToColor(H, kHlsMax - y * kHlsMax / std::max(1, h - 1), S);
        Canvas()->Brush()->SetColor(c);
        Canvas()->FillRect({0, y, w, y + 1});
        continue;
      }
      for (int x = 0; x < w; ++x)
        SetPixel(dc, x, y,
                 static_cast<COLORREF>(HlsToColor(x * (kHlsMax - 1) / std::max(1, w - 1), 120,
                                                  kHlsMax - y * kHlsMax / std::max(1, h - 1))));
    }
    // The cross (or the arrow) at the current colour.
    Canvas()->Pen()->SetColor(clBlack);
    if (bar_) {
      const int y = (kHlsMax - L) * (h - 1) / kHlsMax;
      Canvas()->MoveTo(0, y);
      Canvas()->LineTo(w, y);
    } else {
      const int x = H * (w - 1) / (kHlsMax - 1), y = (kHlsMax - S) * (h - 1) / kHlsMax;
      Canvas()->MoveTo(x - 5, y);
      Canvas()->LineTo(x + 6, y);
      Canvas()->MoveTo(x, y - 5);
      Canvas()->LineTo(x, y + 6);
    }
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int w = std::max(2, ClientWidth()), h = std::max(2, ClientHeight());
    const int sy = std::clamp(kHlsMax - Y * kHlsMax / (h - 1), 0, kHlsMax);
    if (bar_) {
      L = sy;
    } else {
      H = std::clamp(X * (kHlsMax - 1) / (w - 1), 0, kHlsMax - 1);
      S = sy;
    }
    Invalidate();
    if (OnPick) OnPick(this);
  }

 private:
  bool bar_;
};

class TColorForm : public TForm {
 public:
  explicit TColorForm(TColorDialog* Dialog) : TForm(nullptr), dialog_(Dialog) {
    SetName("ColorDialogForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption("Color");
    const TColorDialogOptions o = Dialog->Options();
    AddLabel(this, "BasicLabel", "&Basic colors:", 8, 8);
    basic_ = new TColorCells(this, 8, 6);
    basic_->SetName("BasicColors");
    basic_->SetBounds(8, 24, basic_->Width(), basic_->Height());
    basic_->SetParent(this);
    const std::vector<TColor>& colors = TColorDialog::BasicColors();
    std::copy(colors.begin(), colors.end(), basic_->colors_.begin());
    basic_->OnClick = TNotifyEvent(this, &TColorForm::BasicClick);
    AddLabel(this, "CustomLabel", "&Custom colors:", 8, 150);
    custom_ = new TColorCells(this, 8, 2);
    custom_->SetName("CustomColors");
    custom_->SetBounds(8, 166, custom_->Width(), custom_->Height());
    custom_->SetParent(this);
    custom_->OnClick = TNotifyEvent(this, &TColorForm::CustomClick);
    TStrings* list = Dialog->CustomColors();
    for (int i = 0; i < 16; ++i) {
      const std::string v = list->Values(std::string(SColorPrefix) + SColorTags[i]);
      int64_t value = 0;
      const bool ok = !v.empty() && v.size() <= 8 && TryHex(v, value) && value <= 0xFFFFFF;
      custom_->colors_[i] = ok ? static_cast<TColor>(value) : clWhite;
      custom_->defined_[i] = ok;
    }
    define_ = AddButton(this, "Define", "&Define Custom Colors >>", mrNone, 8, 214, 192, 23);
    define_->SetEnabled(!o.contains(cdPreventFullOpen) && !o.contains(cdFullOpen));
    define_->OnClick = TNotifyEvent(this, &TColorForm::DefineClick);
    TButton* ok = AddButton(this, "OK", SOKButton, mrOk, 8, 244, 60, 23);
    ok->SetDefault(true);
    AddButton(this, "Cancel", SCancelButton, mrCancel, 74, 244, 60, 23)->SetCancel(true);
    if (o.contains(cdShowHelp)) AddButton(this, "Help", SHelpButton, mrNone, 140, 244, 60, 23);

    // The full-open part, right of the grids.
    spectrum_ = new TSpectrum(this, false);
    spectrum_->SetName("Spectrum");
    spectrum_->SetBounds(216, 8, 121, 121);
    spectrum_->SetParent(this);
    spectrum_->OnPick = TNotifyEvent(this, &TColorForm::SpectrumPick);
    luminance_ = new TSpectrum(this, true);
    luminance_->SetName("Luminance");
    luminance_->SetBounds(345, 8, 10, 121);
    luminance_->SetParent(this);
    luminance_->OnPick = TNotifyEvent(this, &TColorForm::SpectrumPick);
    sample_ = new TPanel(this);
    sample_->SetName("Sample");
    sample_->SetCaption("");
    sample_->SetBevelOuter(bvLowered);
    sample_->SetBounds(216, 136, 60, 40);
    sample_->SetParent(this);
    static const char* const kNames[] = {"Hue", "Sat", "Lum", "Red", "Green", "Blue"};
    static const char* const kCaptions[] = {
        "Hu&e:", "&Sat:", "&Lum:", "&Red:", "&Green:", "Bl&ue:"};
    for (int i = 0; i < 6; ++i) {
      const int x = i < 3 ? 282 : 352, y = 136 + (i % 3) * 24;
      TLabel* l =
          AddLabel(this, (std::string(kNames[i]) + "Label").c_str(), kCaptions[i], x, y + 3);
      edits_[i] = AddEdit(this, kNames[i], "", x + (i < 3 ? 32 : 40), y, 30);
      edits_[i]->SetMaxLength(3);
      l->SetFocusControl(edits_[i]);
      edits_[i]->SetOnChange(TNotifyEvent(this, &TColorForm::EditChange));
    }
    add_ = AddButton(this, "AddCustom", "&Add to Custom Colors", mrNone, 216, 214, 180, 23);
    add_->OnClick = TNotifyEvent(this, &TColorForm::AddClick);
    OnCloseQuery = TCloseQueryEvent(this, &TColorForm::CanClose);

    ShowFull(o.contains(cdFullOpen) && !o.contains(cdPreventFullOpen));
    SetClientHeightProp(275);
    color_ = static_cast<TColor>(ColorToRGB(Dialog->Color()));
    basic_->Select(basic_->Find(color_));
    if (basic_->Selected() < 0) custom_->Select(custom_->Find(color_));
    ShowColor(true, true);
    SetActiveControl(basic_->Selected() >= 0 || custom_->Selected() < 0
                         ? static_cast<TWinControl*>(basic_)
                         : custom_);
  }

  TColor Chosen() const { return color_; }
  void StoreCustom(TStrings* list) {
    list->BeginUpdate();
    TFinally end([list] { list->EndUpdate(); });
    for (int i = 0; i < 16; ++i) {
      const std::string key = std::string(SColorPrefix) + SColorTags[i];
      list->SetValues(key, custom_->defined_[i]
                               ? Format("%.6x", {static_cast<int>(custom_->colors_[i])})
                               : std::string("FFFFFFFF"));
    }
  }

 private:
  static bool TryHex(const std::string& s, int64_t& v) {
    v = 0;
    for (char ch : s) {
      const int d = ch >= '0' && ch <= '9'   ? ch - '0'
                    : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                    : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                             : -1;
      if (d < 0) return false;
      v = v * 16 + d;
    }
    return true;
  }
  void ShowFull(bool Full) {
    full_ = Full;
    for (TControl* c : std::initializer_list<TControl*>{spectrum_, luminance_, sample_, add_})
      c->SetVisible(Full);
    for (TEdit* e : edits_) e->SetVisible(Full);
    for (int i = 0; i < ComponentCount(); ++i)
      if (auto* l = dynamic_cast<TLabel*>(Components(i)); l && l->Left() >= 282)
        l->SetVisible(Full);
    SetClientWidthProp(Full ? 430 : 208);
  }
  void ShowColor(bool hls, bool rgb) {
    updating_ = true;
    TFinally done([this] { updating_ = false; });
    int h, l, s;
    ColorToHls(color_, h, l, s);
    const uint32_t c = static_cast<uint32_t>(color_);
    if (hls) {
      edits_[0]->SetText(IntToStr(h));
      edits_[1]->SetText(IntToStr(s));
      edits_[2]->SetText(IntToStr(l));
      spectrum_->H = luminance_->H = h;
      spectrum_->S = luminance_->S = s;
      spectrum_->L = luminance_->L = l;
    }
    if (rgb) {
      edits_[3]->SetText(IntToStr(c & 0xFF));
      edits_[4]->SetText(IntToStr((c >> 8) & 0xFF));
      edits_[5]->SetText(IntToStr((c >> 16) & 0xFF));
    }
    sample_->SetColor(color_);
    spectrum_->Invalidate();
    luminance_->Invalidate();
  }
  void BasicClick(TObject*) {
    color_ = basic_->colors_[basic_->Selected()];
    custom_->Select(-1);
    ShowColor(true, true);
  }
  void CustomClick(TObject*) {
    const int i = custom_->Selected();
    if (custom_->defined_[i]) color_ = custom_->colors_[i];
    basic_->Select(-1);
    ShowColor(true, true);
  }
  void DefineClick(TObject*) {
    ShowFull(true);
    define_->SetEnabled(false);
    edits_[3]->SetFocus();
  }
  void SpectrumPick(TObject* Sender) {
    auto* s = static_cast<TSpectrum*>(Sender);
    spectrum_->H = luminance_->H = s->H;
    if (s == spectrum_) {
      luminance_->S = s->S;
    } else {
      spectrum_->L = s->L;
    }
    color_ = HlsToColor(spectrum_->H, luminance_->L, spectrum_->S);
    ShowColor(false, true);
    updating_ = true;
    edits_[0]->SetText(IntToStr(spectrum_->H));
    edits_[1]->SetText(IntToStr(spectrum_->S));
    edits_[2]->SetText(IntToStr(luminance_->L));
    updating_ = false;
  }
  void EditChange(TObject* Sender) {
    if (updating_) return;
    int v[6];
    for (int i = 0; i < 6; ++i) v[i] = StrToIntDef(edits_[i]->Text(), -1);
    const bool rgbEdit = Sender == edits_[3] || Sender == edits_[4] || Sender == edits_[5];
    if (rgbEdit) {
      for (int i = 3; i < 6; ++i)
        if (v[i] < 0 || v[i] > kRgbMax) return;
      color_ = static_cast<TColor>(RGB(v[3], v[4], v[5]));
      ShowColor(true, false);
    } else {
      if (v[0] < 0 || v[0] >= kHlsMax || v[1] < 0 || v[1] > kHlsMax || v[2] < 0 || v[2] > kHlsMax)
        return;
      color_ = HlsToColor(v[0], v[2], v[1]);
      ShowColor(false, true);
    }
  }
  void AddClick(TObject*) {
    int i = custom_->Selected();
    if (i < 0) {
      i = 0;
      while (i < 15 && custom_->defined_[i]) ++i;
    }
    custom_->colors_[i] = color_;
    custom_->defined_[i] = true;
    custom_->Select(i < 15 ? -1 : i);
    custom_->Invalidate();
  }
  void CanClose(TObject*, bool& Can) {
    if (ModalResult() != mrOk || !full_) return;
    // Values typed out of range are refused with a message.
    for (int i = 0; i < 6; ++i) {
      const int v = StrToIntDef(edits_[i]->Text(), -1);
      const int hi = i < 3 ? (i == 0 ? kHlsMax - 1 : kHlsMax) : kRgbMax;
      if (v < 0 || v > hi) {
        MessageDlg(Format(SColorValueError, {0, hi}), mtWarning, {mbOK}, 0);
        edits_[i]->SetFocus();
        Can = false;
        return;
      }
    }
  }

  TColorDialog* dialog_;
  TColorCells* basic_;
  TColorCells* custom_;
  TButton* define_;
  TButton* add_;
  TSpectrum* spectrum_;
  TSpectrum* luminance_;
  TPanel* sample_;
  TEdit* edits_[6] = {};
  TColor color_ = clBlack;
  bool full_ = false;
  bool updating_ = false;
};

}  // namespace

const std::vector<TColor>& TColorDialog::BasicColors() {
  static const uint32_t kRgb[48] = {
      0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
      0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
      0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
      0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
      0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
      0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF};
  static const std::vector<TColor> colors = [] {
    std::vector<TColor> v;
    for (uint32_t rgb : kRgb)
      v.push_back(static_cast<TColor>(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF)));
    return v;
  }();
  return colors;
}

TColorDialog::TColorDialog(TComponent* AOwner)
    : TCommonDialog(AOwner), customColors_(new TStringList) {}

TColorDialog::~TColorDialog() { delete customColors_; }

void TColorDialog::SetCustomColors(TStrings* Value) { customColors_->Assign(Value); }

bool TColorDialog::Execute() {
  auto f = std::make_unique<TColorForm>(this);
  return ShowDialogForm(this, handle_, f.get(), [&] {
    color_ = f->Chosen();
    f->StoreCustom(customColors_);
  });
}

ZYL_CLASS_IMPL(TColorDialog) {
  b.Prop("Color", &TColorDialog::Color, &TColorDialog::SetColor, ColorTypeInfo())
      .Default(clBlack)
      .Prop("CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors)
      .Prop("Options", &TColorDialog::Options, &TColorDialog::SetOptions)
      .Default(TColorDialogOptions{});
}

}  // namespace vcl
