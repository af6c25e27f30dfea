#include "edits/ZYLFontComboBox.h"

#include <algorithm>
#include <cstring>

#include "edits/ZYLFontSymbols.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"

namespace zyl {

using namespace vcl;

namespace fontlist {

namespace {

// The longest face name the system hands out.
constexpr size_t kFaceLength = 32;

struct TEnumTarget {
  TStrings* Items;
  bool TrueTypeOnly;
};

int AddFace(const win::LOGFONTA* lf, const win::TEXTMETRICA*, win::DWORD fontType,
            win::LPARAM data) {
  const auto* target = reinterpret_cast<const TEnumTarget*>(data);
  const std::string face(lf->lfFaceName, strnlen(lf->lfFaceName, kFaceLength));
  if (target->TrueTypeOnly && !(fontType & win::TRUETYPE_FONTTYPE)) return 1;
  if (target->Items->IndexOf(face) < 0)
    target->Items->AddObject(face, reinterpret_cast<TObject*>(static_cast<uintptr_t>(fontType)));
  return 1;
}

}  // namespace

void Build(TStrings* Items, TZYLFontCBOptions Options) {
  Items->BeginUpdate();
  const TFinally end([Items] { Items->EndUpdate(); });
  Items->Clear();
  TEnumTarget target{Items, Options.contains(foTrueTypeOnly)};
  const auto data = reinterpret_cast<win::LPARAM>(&target);
  if (Options.contains(foScreenFonts)) {
    const win::TWindowDC screen(nullptr);
    win::EnumFontsA(screen, nullptr, &AddFace, data);
  }
  if (!Options.contains(foPrinterFonts)) return;
  TPrinter* printer = Printer();
  if (printer->Printers()->Count() == 0 || printer->PrinterIndex() < 0) return;
  try {
    win::EnumFontsA(printer->Handle(), nullptr, &AddFace, data);
  } catch (const EPrinter&) {
    // A printer that cannot be asked adds no fonts.
  }
}

int FontType(TStrings* Items, int Index) {
  return static_cast<int>(reinterpret_cast<uintptr_t>(Items->Objects(Index)));
}

int DrawSymbol(TCanvas* Canvas, TBitmap* Symbols, const TRect& Rect, int FontType) {
  const int half = Symbols->Width() / 2;
  const int h = Symbols->Height();
  const TRect dest = Bounds(Rect.Left + 2, Rect.Top + (Rect.Height() - h) / 2, half, h);
  // The left half stands for TrueType fonts, the right half for printer fonts.
  if (FontType & win::TRUETYPE_FONTTYPE)
    ZYLBmpDrawExt(Canvas, dest, Symbols->Canvas(), TRect{0, 0, half, h}, dsfTransparent,
                  Symbols->TransparentColor());
  else if (FontType & win::DEVICE_FONTTYPE)
    ZYLBmpDrawExt(Canvas, dest, Symbols->Canvas(), TRect{half, 0, 2 * half, h}, dsfTransparent,
                  Symbols->TransparentColor());
  return half + 10;
}

void ShowExample(THintWindow* Window, const std::string& Face, int Size, uint8_t Charset,
                 const std::string& Text, TPoint Where, TRect Bounds) {
  Window->ReleaseHandle();
  Window->SetColor(static_cast<TColor>(0xFFFFFF));
  TFont* font = Window->Font();
  font->SetName(Face);
  font->SetSize(Size);
  font->SetCharset(Charset);
  TRect r = Window->CalcHintRect(200, Text, nullptr);
  r.Right = std::min(r.Right, Bounds.Right);
  OffsetRect(&r, Where.X, Where.Y);
  Window->ActivateHint(r, Text);
}

}  // namespace fontlist

ZYL_MESSAGE_MAP(TZYLFontComboBox) {
  m.On(CN_COMMAND, &TZYLFontComboBox::CNCommand)
      .On(CM_FONTCHANGED, &TZYLFontComboBox::CMFontChanged)
      .On(CM_FONTCHANGE, &TZYLFontComboBox::CMFontChange);
}

ZYL_CLASS_IMPL(TZYLFontComboBox) {
  using C = TZYLFontComboBox;
  b.Publish({"About", "Color", "Ctl3D", "DragMode", "DragCursor", "DropDownCount", "DropDownWidth",
             "Enabled"})
      .Prop("ExampleAlign", &C::ExampleAlign, &C::SetExampleAlign)
      .Default(eaComboBox)
      .Prop("ExampleText", &C::ExampleText, &C::SetExampleText)
      .EmptyStored()
      .Prop("ExampleFontSize", &C::ExampleFontSize, &C::SetExampleFontSize)
      .Default(12)
      .Prop("FastMode", &C::FastMode, &C::SetFastMode)
      .Default(false)
      .Publish({"Flat", "FocusControl", "Font", "MRUList", "MRUMax"})
      .Prop("Options", &C::Options, &C::SetOptions)
      .Default(TZYLFontCBOptions{foScreenFonts, foDisplayFont, foDisplaySelectedFont})
      .Publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"})
      .Prop("ShowExample", &C::ShowExample, &C::SetShowExample)
      .Default(false)
      .Publish({"ShowHint",   "TabOrder",    "TabStop",   "UseGlobalTimer", "Visible",
                "Anchors",    "Constraints", "DragKind",  "BiDiMode",       "ParentBiDiMode",
                "OnSelect",   "OnChange",    "OnClick",   "OnDblClick",     "OnDragDrop",
                "OnDragOver", "OnDropDown",  "OnEndDrag", "OnEnter",        "OnExit",
                "OnKeyDown",  "OnKeyPress",  "OnKeyUp",   "OnStartDrag",    "OnEndDock",
                "OnStartDock"});
}

TZYLFontComboBox::TZYLFontComboBox(TComponent* AOwner)
    : inherited(AOwner),
      FBitmap(ZYLLoadFontSymbols()),
      FExample(std::make_unique<THintWindow>(nullptr)) {
  SetSorted(true);
  SetStyle(csOwnerDrawFixed);
  SetItemHeight(15);
}

TZYLFontComboBox::~TZYLFontComboBox() = default;

void TZYLFontComboBox::CreateFontList() {
  if (ComponentState().contains(csDesigning) || FFastMode) return;
  fontlist::Build(Items(), FOptions);
  FBuilt = true;
}

void TZYLFontComboBox::Init() {
  const std::string chosen = SelectedFont();
  Items()->Clear();
  CreateFontList();
  InitItemHeight();
  SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLFontComboBox::Loaded() {
  inherited::Loaded();
  if (FFastMode) {
    Items()->BeginUpdate();
    const TFinally end([this] { Items()->EndUpdate(); });
    Items()->Clear();
    for (const std::string& face : Screen->Fonts()) Items()->Add(face);
    FBuilt = true;
  } else {
    CreateFontList();
  }
  // The font read with the stream measures the items.
  InitItemHeight();
}

// The choice survives the window's re-creation; a box made at run time lists the fonts when
// its first window is made.
void TZYLFontComboBox::CreateWnd() {
  const std::string chosen = HandleAllocated() ? Text() : std::string();
  inherited::CreateWnd();
  if (!FBuilt && !ComponentState().contains(csLoading)) CreateFontList();
  if (!chosen.empty()) SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLFontComboBox::SetOptions(TZYLFontCBOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  if (FFastMode) {
    Refresh();
    return;
  }
  if (ComponentState().contains(csDesigning) || ComponentState().contains(csLoading)) return;
  const std::string chosen = SelectedFont();
  CreateFontList();
  SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLFontComboBox::SetSelectedFont(const std::string& Name) {
  if (SelectedFont() == Name) return;
  int found = -1;
  for (int i = 0; i < Items()->Count() && found < 0; ++i)
    if (SameText(Items()->Get(i), Name)) found = i;
  SetItemIndex(found);
  Change();
}

void TZYLFontComboBox::Change() {
  if (FOnFontChange) FOnFontChange(this);
  inherited::Change();
}

void TZYLFontComboBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (!ComponentState().contains(csLoading)) InitItemHeight();
}

// The system's font table changed: the fonts are listed again, the choice kept.
void TZYLFontComboBox::CMFontChange(TMessage& Message) {
  const std::string chosen = SelectedFont();
  ZYL_INHERITED(Message);
  CreateFontList();
  InitItemHeight();
  SetItemIndex(Items()->IndexOf(chosen));
}

void TZYLFontComboBox::CNCommand(TWMCommand& Message) {
  ZYL_INHERITED(Message);
  if (Message.NotifyCode() == win::CBN_CLOSEUP) HideExample();
}

void TZYLFontComboBox::HideExample() { FExample->ReleaseHandle(); }

void TZYLFontComboBox::ShowExampleFor(int Index) {
  const TPoint where = FExampleAlign == eaComboBox
                           ? ClientToScreen(TPoint{Width(), 0})
                           : ClientToScreen(TPoint{std::max(Width(), DropDownWidth()), Height()});
  fontlist::ShowExample(FExample.get(), Items()->Get(Index), FExampleFontSize, Font()->Charset(),
                        FExampleText, where, TRect{0, 0, Left() + Width() + 100, Top() + Height()});
}

void TZYLFontComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (Index < 0) return;
  PrepareItem(Rect, State);
  const bool inField = State.contains(odComboBoxEdit);
  if (State.contains(odSelected) && !inField && DroppedDown() && FShowExample)
    ShowExampleFor(Index);
  TCanvas* c = Canvas();
  const std::string face = Items()->Get(Index);
  if (FFastMode && fontlist::FontType(Items(), Index) == 0) {
    // The type is learned from the face itself the first time it is drawn.
    c->Font()->SetName(face);
    if (ZYLIsTrueTypeFontCheck(c))
      Items()->PutObject(Index, reinterpret_cast<TObject*>(uintptr_t{win::TRUETYPE_FONTTYPE}));
  }
  int x = 3;
  if (FOptions.contains(foDisplaySymbol))
    x = fontlist::DrawSymbol(c, FBitmap.get(), Rect, fontlist::FontType(Items(), Index));
  c->Brush()->SetStyle(bsClear);
  const bool ownFace =
      FOptions.contains(foDisplayFont) && (FOptions.contains(foDisplaySelectedFont) || !inField);
  c->Font()->SetName(ownFace ? face : Font()->Name());
  PaintSeparatorLine(Rect, Index, State);
  c->TextRect(Rect, Rect.Left + x, Rect.Top + 1, face);
}

}  // namespace zyl
