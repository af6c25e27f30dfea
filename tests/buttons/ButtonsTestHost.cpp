#include "tests/buttons/ButtonsTestHost.h"

#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"

namespace buttontest {

ZYL_CLASS_IMPL(TPlainPanel) {}
ZYL_CLASS_IMPL(TRecorder) {}

void TPlainPanel::Paint() {
  Canvas()->Brush()->SetColor(PanelColor);
  Canvas()->FillRect(vcl::TRect{0, 0, Width(), Height()});
}

void TRecorder::Click(vcl::TObject* Sender) {
  auto* c = dynamic_cast<vcl::TComponent*>(Sender);
  Log.push_back(c && !c->Name().empty() ? c->Name() : "click");
}

std::string TRecorder::Take() { return testsupport::TakeLog(Log); }

THost::THost() : session_(640, 480), form_(testsupport::FramelessForm(320, 240)) {
  panel_ = new TPlainPanel(form_.get());
  panel_->SetBounds(0, 0, 320, 240);
  panel_->SetParent(form_.get());
  form_->Show();
  Idle();
}

void THost::Accelerator(char Letter, bool Alt) {
  if (Alt) win::testkit::SetShiftState(false, false, true);
  win::testkit::KeyPress(static_cast<win::BYTE>(Letter));
  if (Alt) win::testkit::SetShiftState(false, false, false);
}

win::POINT THost::At(vcl::TControl* Control, int X, int Y) {
  const vcl::TPoint p = Control->ClientToScreen(vcl::TPoint{X, Y});
  return {p.X, p.Y};
}

win::testkit::TCapture THost::Shot(vcl::TControl* Control) {
  Idle();
  const vcl::TPoint o = Control->ClientToScreen(vcl::TPoint{0, 0});
  return Crop(win::testkit::CaptureScreen(),
              vcl::TRect{o.X, o.Y, o.X + Control->Width(), o.Y + Control->Height()});
}

win::testkit::TCapture Crop(const win::testkit::TCapture& C, const vcl::TRect& R) {
  return win::testkit::MakeCapture(R.Right - R.Left, R.Bottom - R.Top,
                                   [&](int x, int y) { return C.Color(R.Left + x, R.Top + y); });
}

TColumns ColumnsOf(const win::testkit::TCapture& C, win::COLORREF Colour, vcl::TRect R) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) R = vcl::TRect{0, 0, C.Width, C.Height};
  TColumns found;
  for (int x = std::max(R.Left, 0); x < std::min(R.Right, C.Width); ++x)
    for (int y = std::max(R.Top, 0); y < std::min(R.Bottom, C.Height); ++y)
      if ((C.Color(x, y) & 0xFFFFFF) == (Colour & 0xFFFFFF)) {
        if (found.First < 0) found.First = x;
        found.Last = x;
        break;
      }
  return found;
}

}  // namespace buttontest

#include "foundation/ZYLCont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"

namespace buttontest {

zyl::TZYLImageList* MakeGlyphList(vcl::TComponent* Owner, const std::vector<vcl::TColor>& Colours) {
  auto* list = new zyl::TZYLImageList(Owner);
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(0, 13);
  item->SetInteger(1, 13);
  for (vcl::TColor colour : Colours) {
    vcl::TBitmap b;
    b.SetSize(13, 13);
    b.Canvas()->Brush()->SetColor(vcl::clFuchsia);
    b.Canvas()->FillRect(vcl::TRect{0, 0, 13, 13});
    b.Canvas()->Brush()->SetColor(colour);
    b.Canvas()->FillRect(vcl::TRect{2, 2, 11, 11});
    item->Add(&b, nullptr);
  }
  return list;
}

}  // namespace buttontest
