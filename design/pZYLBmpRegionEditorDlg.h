// The region builder behind the region-from-bitmap editor: a window region covering every pixel
// of a bitmap whose colour is not one of the transparent colours, and the borders painted along
// such a region's edge; and TZYLfrmRegionFromBMPdlg, the form in which the user loads the
// bitmap, picks the transparent colours (on the picture or a magnified view of it), chooses a
// border and the storage format and builds the region mask.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "design/pZYLBmpRegionEditorDlg.fieldtypes.h"
#include "platform/base/Types.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
}  // namespace vcl

namespace zyl {

class TZYLRegionMask;

// Called after each row (region) with the share of the work done, 0..100.
using TZYLBuildProgress = std::function<void(int Percent)>;

// Border styles of PaintRGNBorder2 and PaintRGNBorder3.
enum TZYLRegionBorderStyle : int {
  rbsNone,
  rbsSingle,
  rbsRaised,
  rbsLowered,
  rbsSingleRaised,
  rbsSingleLowered
};

// Sets the bitmap to 24 bits per pixel and returns a region (the caller deletes it) made of one
// rectangle per run of opaque pixels in each row, built in one step. Any number of colours may
// be transparent. Returns no region (nullptr) for an empty bitmap or when every pixel is
// transparent.
win::HRGN CreateRgnFromBitmap2(vcl::TBitmap* Bitmap, const std::vector<vcl::TColor>& Colors,
                               const TZYLBuildProgress& Progress = {});

// Paints a border of the style along the region's edge into the bitmap: through its canvas
// (2), or into its scan lines after setting it to 24 bits per pixel (3). Pixels that fall
// outside the bitmap are skipped; no region or style None paints nothing.
void PaintRGNBorder2(vcl::TBitmap* Bitmap, win::HRGN Region, int Style);
void PaintRGNBorder3(vcl::TBitmap* Bitmap, win::HRGN Region, int Style);

// The region-from-bitmap form. Its opener shows it modally and on OK takes Mask(), which holds
// the last build's region data and border picture(s). A build needs a bitmap and at least one
// transparent colour; a bitmap with no opaque pixel builds no region: the mask is emptied, the
// user told, and OK stays disabled.
class TZYLfrmRegionFromBMPdlg : public vcl::TForm {
  ZYL_CLASS(TZYLfrmRegionFromBMPdlg, vcl::TForm)
  explicit TZYLfrmRegionFromBMPdlg(vcl::TComponent* AOwner);
  ~TZYLfrmRegionFromBMPdlg() override;

  // Opens the form (with the three-state pictures when asked) and on OK assigns its mask to
  // Mask. True exactly on OK.
  static bool Edit(TZYLRegionMask* Mask, bool ThreeState = false);
  TZYLRegionMask* Mask() const { return FMask.get(); }
  // Build makes the raised and pressed border pictures of a three-state button instead of one
  // border picture.
  bool ThreeState = false;
  // The first pixel of the magnified view, once the picture was right-clicked.
  vcl::TPoint ZoomOrigin() const { return FZoom; }

#include "design/pZYLBmpRegionEditorDlg.fields.h"

  void FormCreate(vcl::TObject* Sender);
  void LoadButtonClick(vcl::TObject* Sender);
  void Image1MouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift,
                       int X, int Y);
  void Image1MouseMove(vcl::TObject* Sender, vcl::TShiftState Shift, int X, int Y);
  void zoomMouseDown(vcl::TObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                     int Y);
  void zoomMouseMove(vcl::TObject* Sender, vcl::TShiftState Shift, int X, int Y);
  void zoomPaint(vcl::TObject* Sender);
  void clKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);
  void cbChange(vcl::TObject* Sender);
  void ccbChange(vcl::TObject* Sender);
  void colbChange(vcl::TObject* Sender);
  void BuildButtonClick(vcl::TObject* Sender);
  void OKButtonClick(vcl::TObject* Sender);
  void CancelButtonClick(vcl::TObject* Sender);

 private:
  vcl::TBitmap* Picture() const;
  // The picture's colour at X, Y (clNone outside it).
  vcl::TColor PixelAt(int X, int Y) const;
  void AddColor(vcl::TColor Color);
  void ShowColor(vcl::TColor Color);
  void SetProgress(int Percent);
  std::unique_ptr<TZYLRegionMask> FMask;
  vcl::TPoint FZoom{-1, -1};
  int FProgressBase = 0, FProgressShare = 0;
};

void pZYLBmpRegionEditorDlgInit();
void pZYLBmpRegionEditorDlgDone();
inline constexpr vcl::TUnitEntry pZYLBmpRegionEditorDlgUnit{
    "pZYLBmpRegionEditorDlg", &pZYLBmpRegionEditorDlgInit, &pZYLBmpRegionEditorDlgDone};

}  // namespace zyl
