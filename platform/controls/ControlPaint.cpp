#include "platform/controls/ControlPaint.h"

#include <vector>

#include "platform/gdi/GdiGuards.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

TSize MeasureText(TFont* Font, const std::string& Text) {
  TMemoryDC dc(nullptr);
  TSelectedObject font(dc, Font->Handle());
  SIZE size{0, 0};
  if (Text.empty()) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    return TSize{0, tm.tmHeight};
  }
  GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
  return TSize{size.cx, size.cy};
}

TRect MeasureCaption(TFont* Font, const std::string& Text, TRect Rect, unsigned Flags) {
  TMemoryDC dc(nullptr);
  TSelectedObject font(dc, Font->Handle());
  DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &Rect, Flags | DT_CALCRECT);
  return Rect;
}

void DrawCaption(TCanvas* Canvas, const std::string& Text, TRect Rect, unsigned Flags,
                 bool Enabled) {
  if (Text.empty()) return;
  Canvas->RequiredState({csHandleValid, csFontValid});
  HDC dc = Canvas->Handle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int count = static_cast<int>(Text.size());
  if (Enabled) {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Canvas->Font()->Color())));
    DrawTextA(dc, Text.c_str(), count, &Rect, Flags);
  } else {
    TRect shifted = Rect;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    DrawTextA(dc, Text.c_str(), count, &shifted, Flags);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
    DrawTextA(dc, Text.c_str(), count, &Rect, Flags);
  }
  SetBkMode(dc, oldMode);
}

void DrawArrow(TCanvas* Canvas, const TRect& Rect, TArrowDirection Direction, int Size,
               TColor Color) {
  if (Size < 1) return;
  const int cx = Rect.Left + (Rect.Width() - 1) / 2;
  const int cy = Rect.Top + (Rect.Height() - 1) / 2;
  Canvas->Pen()->SetColor(Color);
  Canvas->Pen()->SetStyle(psSolid);
  Canvas->Pen()->SetWidth(1);
  // Rows of the triangle from its tip to its base, each one pixel wider on both sides.
  for (int i = 0; i < Size; ++i) {
    switch (Direction) {
      case adUp: {
        const int y = cy - Size / 2 + i;
        Canvas->MoveTo(cx - i, y);
        Canvas->LineTo(cx + i + 1, y);
        break;
      }
      case adDown: {
        const int y = cy + Size / 2 - i;
        Canvas->MoveTo(cx - i, y);
        Canvas->LineTo(cx + i + 1, y);
        break;
      }
      case adLeft: {
        const int x = cx - Size / 2 + i;
        Canvas->MoveTo(x, cy - i);
        Canvas->LineTo(x, cy + i + 1);
        break;
      }
      case adRight: {
        const int x = cx + Size / 2 - i;
        Canvas->MoveTo(x, cy - i);
        Canvas->LineTo(x, cy + i + 1);
        break;
      }
    }
  }
}

}  // namespace vcl
