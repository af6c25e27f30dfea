// TZYLfrmRegionFromBMPdlg: the form around the region builder.
#include <cmath>

#include "design/pZYLBmpRegionEditorDlg.h"
#include "design/pZYLObjectEditor.h"
#include "display/ZYLProgressFill.h"
#include "foundation/ZYLRegionMask.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Consts.h"

namespace zyl {

using vcl::TObject;

ZYL_CLASS_IMPL(TZYLfrmRegionFromBMPdlg) {
  DescribeFields(b);
  using T = TZYLfrmRegionFromBMPdlg;
  b.Method("FormCreate", &T::FormCreate)
      .Method("LoadButtonClick", &T::LoadButtonClick)
      .Method("Image1MouseDown", &T::Image1MouseDown)
      .Method("Image1MouseMove", &T::Image1MouseMove)
      .Method("zoomMouseDown", &T::zoomMouseDown)
      .Method("zoomMouseMove", &T::zoomMouseMove)
      .Method("zoomPaint", &T::zoomPaint)
      .Method("clKeyDown", &T::clKeyDown)
      .Method("cbChange", &T::cbChange)
      .Method("ccbChange", &T::ccbChange)
      .Method("colbChange", &T::colbChange)
      .Method("BuildButtonClick", &T::BuildButtonClick)
      .Method("OKButtonClick", &T::OKButtonClick)
      .Method("CancelButtonClick", &T::CancelButtonClick);
}

namespace {

// The magnified view: kZoomPixels x kZoomPixels pixels, each a kZoomScale square.
constexpr int kZoomPixels = 20;
constexpr int kZoomScale = 4;

// Deletes a region when the build leaves, however it leaves.
struct TRegionGuard {
  win::HRGN Region;
  ~TRegionGuard() {
    if (Region) win::DeleteObject(Region);
  }
};

// Border styles of the three-state pictures by the index of cb2 (Win31, Win40, Simple).
constexpr int kUpStyles[] = {rbsSingleRaised, rbsRaised, rbsNone};
constexpr int kDownStyles[] = {rbsSingleLowered, rbsLowered, rbsNone};

}  // namespace

TZYLfrmRegionFromBMPdlg::TZYLfrmRegionFromBMPdlg(vcl::TComponent* AOwner)
    : inherited(AOwner), FMask(std::make_unique<TZYLRegionMask>()) {}

TZYLfrmRegionFromBMPdlg::~TZYLfrmRegionFromBMPdlg() = default;

bool TZYLfrmRegionFromBMPdlg::Edit(TZYLRegionMask* Mask, bool ThreeState) {
  auto dlg = ZYLCreateEditorForm<TZYLfrmRegionFromBMPdlg>(vcl::Application);
  dlg->ThreeState = ThreeState;
  dlg->cb->SetVisible(!ThreeState);
  dlg->cb2->SetVisible(ThreeState);
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Mask->Assign(dlg->Mask());
  return true;
}

void TZYLfrmRegionFromBMPdlg::FormCreate(TObject*) {
  cb->SetItemIndex(0);
  cb2->SetItemIndex(0);
  colb->SetItemIndex(0);
  ThreeState = false;
}

vcl::TBitmap* TZYLfrmRegionFromBMPdlg::Picture() const { return Image1->Picture()->Bitmap(); }

vcl::TColor TZYLfrmRegionFromBMPdlg::PixelAt(int X, int Y) const {
  vcl::TBitmap* bmp = Picture();
  if (X < 0 || Y < 0 || X >= bmp->Width() || Y >= bmp->Height()) return vcl::clNone;
  return bmp->Canvas()->Pixels(X, Y);
}

void TZYLfrmRegionFromBMPdlg::LoadButtonClick(TObject*) {
  if (!openpic->Execute()) return;
  // Read whole before the picture changes: an unreadable file leaves the form as it was.
  vcl::TBitmap loaded;
  loaded.LoadFromFile(openpic->FileName());
  Image1->Picture()->Assign(&loaded);
  DimLabel->SetCaption("Bitmap size: " + std::to_string(loaded.Width()) + "x" +
                       std::to_string(loaded.Height()));
  BuildButton->SetEnabled(true);
}

void TZYLfrmRegionFromBMPdlg::AddColor(vcl::TColor Color) {
  if (Color == vcl::clNone) return;
  const std::string name = vcl::ColorToString(Color);
  if (cl->Items()->IndexOf(name) < 0) cl->Items()->Add(name);
  BuildButton->SetEnabled(true);
}

void TZYLfrmRegionFromBMPdlg::ShowColor(vcl::TColor Color) {
  if (Color == vcl::clNone) return;
  cc->SetColor(Color);
  // The name stays readable on its own colour.
  const uint32_t rgb = uint32_t(vcl::ColorToRGB(Color));
  const int luma = int(rgb & 0xFF) * 3 + int((rgb >> 8) & 0xFF) * 6 + int((rgb >> 16) & 0xFF);
  cc->Font()->SetColor(luma < 1280 ? vcl::clWhite : vcl::clBlack);
  cc->SetCaption(vcl::ColorToString(Color));
}

void TZYLfrmRegionFromBMPdlg::Image1MouseDown(TObject*, vcl::TMouseButton Button, vcl::TShiftState,
                                              int X, int Y) {
  if (Button == vcl::mbLeft) {
    AddColor(PixelAt(X, Y));
  } else if (Button == vcl::mbRight && PixelAt(X, Y) != vcl::clNone) {
    // The view ends inside the picture (and starts inside it when the picture is smaller).
    vcl::TBitmap* bmp = Picture();
    FZoom = {std::max(0, std::min(X, bmp->Width() - kZoomPixels)),
             std::max(0, std::min(Y, bmp->Height() - kZoomPixels))};
    ViewLabel->SetCaption("(" + std::to_string(FZoom.X) + "x" + std::to_string(FZoom.Y) + ")");
    zoom->Invalidate();
  }
}

void TZYLfrmRegionFromBMPdlg::Image1MouseMove(TObject*, vcl::TShiftState, int X, int Y) {
  ShowColor(PixelAt(X, Y));
}

void TZYLfrmRegionFromBMPdlg::zoomMouseDown(TObject*, vcl::TMouseButton Button, vcl::TShiftState,
                                            int X, int Y) {
  if (Button == vcl::mbLeft && FZoom.X >= 0)
    AddColor(PixelAt(FZoom.X + X / kZoomScale, FZoom.Y + Y / kZoomScale));
}

void TZYLfrmRegionFromBMPdlg::zoomMouseMove(TObject*, vcl::TShiftState, int X, int Y) {
  if (FZoom.X >= 0) ShowColor(PixelAt(FZoom.X + X / kZoomScale, FZoom.Y + Y / kZoomScale));
}

void TZYLfrmRegionFromBMPdlg::zoomPaint(TObject*) {
  vcl::TCanvas* canvas = zoom->Canvas();
  for (int y = 0; y < kZoomPixels; ++y)
    for (int x = 0; x < kZoomPixels; ++x) {
      const vcl::TColor c = FZoom.X < 0 ? vcl::clNone : PixelAt(FZoom.X + x, FZoom.Y + y);
      canvas->Brush()->SetColor(c == vcl::clNone ? vcl::clBtnFace : c);
      canvas->FillRect(
          vcl::TRect{x * kZoomScale, y * kZoomScale, (x + 1) * kZoomScale, (y + 1) * kZoomScale});
    }
}

void TZYLfrmRegionFromBMPdlg::clKeyDown(TObject*, uint16_t& Key, vcl::TShiftState) {
  if (Key != win::VK_DELETE || cl->ItemIndex() < 0) return;
  cl->Items()->Delete(cl->ItemIndex());
  BuildButton->SetEnabled(true);
}

void TZYLfrmRegionFromBMPdlg::cbChange(TObject*) { BuildButton->SetEnabled(true); }

void TZYLfrmRegionFromBMPdlg::ccbChange(TObject*) { FMask->SetCompressed(ccb->Checked()); }

void TZYLfrmRegionFromBMPdlg::colbChange(TObject*) {
  if (colb->ItemIndex() >= 0) FMask->SetPixelFormat(TZYLSavePixelFormat(colb->ItemIndex()));
}

void TZYLfrmRegionFromBMPdlg::SetProgress(int Percent) {
  Progress->SetPosition(FProgressBase + int(std::lround(FProgressShare * Percent / 100.0)));
}

void TZYLfrmRegionFromBMPdlg::BuildButtonClick(TObject*) {
  if (cl->Items()->Count() == 0) return vcl::ShowMessage(vcl::SZYLRegionNoColors);
  vcl::TBitmap* bmp = Picture();
  if (bmp->Empty()) return vcl::ShowMessage(vcl::SZYLRegionNoBitmap);
  Progress->Show();
  struct TProgressEnd {
    TZYLProgressFill* P;
    ~TProgressEnd() {
      P->SetPosition(0);
      P->Hide();
    }
  } progressEnd{Progress};
  std::vector<vcl::TColor> colors;
  for (int i = 0; i < cl->Items()->Count(); ++i)
    colors.push_back(vcl::StringToColor(cl->Items()->Get(i)));
  FProgressShare = ThreeState ? 33 : cb->ItemIndex() > 0 ? 50 : 100;
  FProgressBase = 0;
  const TRegionGuard region{
      CreateRgnFromBitmap2(bmp, colors, [this](int percent) { SetProgress(percent); })};
  if (!region.Region) {
    vcl::TBitmap none;
    FMask->FreeMem();
    for (vcl::TBitmap* b : {FMask->BorderBmp(), FMask->BorderUpBmp(), FMask->BorderDnBmp()})
      b->Assign(&none);
    OKButton->SetEnabled(false);
    return vcl::ShowMessage(vcl::SZYLRegionAllTransparent);
  }
  FProgressBase = FProgressShare;
  vcl::TBitmap border;
  border.Assign(bmp);
  if (ThreeState) {
    const int style = std::max(0, cb2->ItemIndex());
    vcl::TBitmap up;
    up.Assign(bmp);
    PaintRGNBorder3(&up, region.Region, kUpStyles[style]);
    FMask->BorderUpBmp()->Assign(&up);
    FProgressBase += FProgressShare;
    SetProgress(0);
    vcl::TBitmap down;
    down.SetPixelFormat(vcl::pf24bit);
    down.SetSize(bmp->Width(), bmp->Height());
    down.Canvas()->Draw(1, 1, bmp);
    PaintRGNBorder3(&down, region.Region, kDownStyles[style]);
    FMask->BorderDnBmp()->Assign(&down);
  } else {
    PaintRGNBorder2(&border, region.Region, std::max(0, cb->ItemIndex()));
  }
  FMask->FreeMem();
  FMask->SetDataSize(win::GetRegionData(region.Region, 0, nullptr));
  FMask->GetMem();
  FMask->GetRegionData(region.Region);
  FMask->BorderBmp()->Assign(&border);
  OKButton->SetEnabled(true);
  BuildButton->SetEnabled(false);
}

void TZYLfrmRegionFromBMPdlg::OKButtonClick(TObject*) { SetModalResult(vcl::mrOk); }

void TZYLfrmRegionFromBMPdlg::CancelButtonClick(TObject*) {
  SetModalResult(vcl::mrCancel);
  Close();
}

void pZYLBmpRegionEditorDlgInit() {
  vcl::RegisterButtons();
  ZYLEnterEditorUnit(TZYLfrmRegionFromBMPdlg::StaticClass(), TZYLfrmRegionFromBMPdlg::FormLayout());
}

void pZYLBmpRegionEditorDlgDone() { ZYLLeaveEditorUnit(TZYLfrmRegionFromBMPdlg::StaticClass()); }

}  // namespace zyl
